"""Density and quantity of crude oil and petroleum products, as the Vantorel window computes them."""

import enum
from typing import Any, Dict, Literal, Optional, Union

import numpy as np
import numpy.typing as npt

ArrayLike = npt.ArrayLike
Floats = Union[np.float64, npt.NDArray[np.float64]]
Statuses = Union["Status", npt.NDArray[np.int8]]
Errors = Union[str, npt.NDArray[np.object_]]
Group = Literal["crude", "products", "lube"]
VolumeUnit = Literal["m3", "gal", "bbl"]
PressureUnit = Literal["MPa", "bar", "at", "psi"]

class Status(enum.IntEnum):
    OK = 0
    USAGE = 1
    CHECK_FAILED = 2
    CALC_FAILED = 3

class Result:
    @property
    def status(self) -> Statuses: ...
    @property
    def error(self) -> Errors: ...
    def to_dict(self) -> Dict[str, Any]: ...

class Reduce20Result(Result):
    @property
    def temperature(self) -> Floats: ...
    @property
    def density20(self) -> Floats: ...

class Actual20Result(Result):
    @property
    def temperature(self) -> Floats: ...
    @property
    def actual_density(self) -> Floats: ...

class Mass20Result(Result):
    @property
    def temperature(self) -> Floats: ...
    @property
    def mass_t(self) -> Floats: ...
    @property
    def actual_density(self) -> Floats: ...

class Volume20Result(Result):
    @property
    def temperature(self) -> Floats: ...
    @property
    def volume(self) -> Floats: ...
    @property
    def actual_density(self) -> Floats: ...

class Reduce15Result(Result):
    @property
    def density15(self) -> Floats: ...

class Actual15Result(Result):
    @property
    def actual_density(self) -> Floats: ...

class Mass15Result(Result):
    @property
    def mass_t(self) -> Floats: ...
    @property
    def actual_density(self) -> Floats: ...

class Volume15Result(Result):
    @property
    def volume(self) -> Floats: ...
    @property
    def actual_density(self) -> Floats: ...

class Api20Result(Result):
    @property
    def temperature(self) -> Floats: ...
    @property
    def density20(self) -> Floats: ...
    @property
    def api(self) -> Floats: ...

class Api20DensityResult(Result):
    @property
    def temperature(self) -> Floats: ...
    @property
    def density20(self) -> Floats: ...
    @property
    def actual_density(self) -> Floats: ...

class Api15Result(Result):
    @property
    def density15(self) -> Floats: ...
    @property
    def api(self) -> Floats: ...

class Api15DensityResult(Result):
    @property
    def density15(self) -> Floats: ...
    @property
    def actual_density(self) -> Floats: ...

class ConvertResult(Result):
    @property
    def value(self) -> Floats: ...

def reduce20(density: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False,
             table: Optional[str] = None, strict: bool = False, threads: int = 1) -> Reduce20Result:
    """A hydrometer reading (kg/m3) reduced to the density at 20 °C by the GOST 3900-85 table."""

def actual20(density20: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False,
             table: Optional[str] = None, strict: bool = False, threads: int = 1) -> Actual20Result:
    """The actual density at a temperature from the density at 20 °C, GOST 3900-85."""

def mass20(volume: ArrayLike, density20: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False,
           volume_unit: VolumeUnit = "m3", table: Optional[str] = None, strict: bool = False,
           threads: int = 1) -> Mass20Result:
    """A volume in a tank to tonnes, GOST 3900-85."""

def volume20(mass: ArrayLike, density20: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False,
             volume_unit: VolumeUnit = "m3", table: Optional[str] = None, strict: bool = False,
             threads: int = 1) -> Volume20Result:
    """Tonnes to the volume in a tank, GOST 3900-85."""

def reduce15(density: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False, group: Group = "products",
             glass: bool = True, strict: bool = False, threads: int = 1) -> Reduce15Result:
    """A hydrometer reading (kg/m3) reduced to the density at 15 °C by GOST R 50.2.076-2010."""

def actual15(density15: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False, group: Group = "products",
             pressure: Optional[ArrayLike] = None, pressure_unit: PressureUnit = "MPa", strict: bool = False,
             threads: int = 1) -> Actual15Result:
    """The actual density at a temperature (and an excess pressure) from the density at 15 °C."""

def mass15(volume: ArrayLike, density15: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False,
           group: Group = "products", pressure: Optional[ArrayLike] = None, pressure_unit: PressureUnit = "MPa",
           volume_unit: VolumeUnit = "m3", strict: bool = False, threads: int = 1) -> Mass15Result:
    """A volume in a tank to tonnes, GOST R 50.2.076-2010."""

def volume15(mass: ArrayLike, density15: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False,
             group: Group = "products", pressure: Optional[ArrayLike] = None, pressure_unit: PressureUnit = "MPa",
             volume_unit: VolumeUnit = "m3", strict: bool = False, threads: int = 1) -> Volume15Result:
    """Tonnes to the volume in a tank, GOST R 50.2.076-2010."""

def api20(density: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False, table: Optional[str] = None,
          strict: bool = False, threads: int = 1) -> Api20Result:
    """A hydrometer reading to the density at 20 °C and API gravity, through GOST 3900-85."""

def api20_density(api: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False,
                  table: Optional[str] = None, strict: bool = False, threads: int = 1) -> Api20DensityResult:
    """API gravity to the density at 20 °C and the actual density, through GOST 3900-85."""

def api15(density: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False, group: Group = "products",
          glass: bool = True, strict: bool = False, threads: int = 1) -> Api15Result:
    """A hydrometer reading to the density at 15 °C and API gravity, through GOST R 50.2.076-2010."""

def api15_density(api: ArrayLike, temperature: ArrayLike, *, fahrenheit: bool = False, group: Group = "products",
                  glass: bool = True, strict: bool = False, threads: int = 1) -> Api15DensityResult:
    """API gravity to the density at 15 °C and the actual density, through GOST R 50.2.076-2010."""

def convert(quantity: Literal["temperature", "volume", "pressure"], value: ArrayLike, from_unit: str, to_unit: str,
            *, strict: bool = False, threads: int = 1) -> ConvertResult:
    """Converts values between units (C F; m3 gal bbl; MPa bar at psi)."""

def set_language(language: Literal["ru", "en"]) -> None:
    """The language of the messages in error and of strict=True: 'ru' (default) or 'en'."""

def default_table() -> str:
    """The reduction table file the GOST 3900-85 functions read without table=."""
