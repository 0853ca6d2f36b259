#pragma once

// The docstrings of the module.
namespace vantorel_python::doc {

constexpr const char* kModule =
    R"(Density and quantity of crude oil and petroleum products, as the Vantorel window computes them.

GOST 3900-85 (density at 20 °C by the reduction table), GOST R 50.2.076-2010 (density at 15 °C by
its formulas), mass and volume in a tank, API gravity and unit conversions. Each function takes
numbers or numpy arrays (broadcast against each other, like numpy's own functions) and returns a
result object whose attributes are numpy arrays of the shape of the inputs (numpy scalars and a
Status member for scalar inputs).

The values are those the program shows: densities and API gravity to 0.1, tonnes and volumes to
0.001, the temperature of the GOST 3900-85 calculators rewritten onto the table's half degree.
Where an element fails a check or a calculation its values are NaN (those found before the
failure are kept) and its status and error say why; NaN in an input is an empty field. With strict=True
the first failure raises ValueError carrying the program's message instead (see set_language).

threads=N splits the elements over N threads; the interpreter is released meanwhile.)";

constexpr const char* kStatus =
    R"(The status of each element: the exit status vantorel-calc gives the same input.

OK (0) computed; USAGE (1) not used by the functions, which raise ValueError or TypeError for
wrong options instead; CHECK_FAILED (2) an input failed a check of the window (nothing
computed); CALC_FAILED (3) out of the table, an unreadable table or a calculation failure.)";

constexpr const char* kResult =
    "The result of one call: a numpy array per result column, and status.\n\n"
    "Subclasses name the columns of each calculator.";
constexpr const char* kResultOf = "The result columns of one calculator and status (see Result).";
constexpr const char* kToDict =
    "The columns by name, status included: pandas.DataFrame(result.to_dict()) or df.assign(**result.to_dict()).";

#define VANTOREL_DOC_COMMON                                                    \
    "fahrenheit: temperatures in °F instead of °C.\n"                        \
    "strict: raise ValueError with the message of the first failed element.\n" \
    "threads: the number of threads the elements are split over (1 to 64).\n"
#define VANTOREL_DOC_TABLE                                                            \
    "table: the reduction table file; by default the one installed with the module\n" \
    "    (see default_table). Each file is read once per process.\n"
#define VANTOREL_DOC_GROUP "group: 'crude', 'products' (default) or 'lube'.\n"
#define VANTOREL_DOC_GLASS "glass: the correction for the hydrometer's glass (on by default, as in the window).\n"
#define VANTOREL_DOC_PRESSURE                                          \
    "pressure: an excess pressure (number or array); None for none.\n" \
    "pressure_unit: 'MPa' (default), 'bar', 'at' or 'psi'.\n"
#define VANTOREL_DOC_VOLUME_UNIT \
    "volume_unit: the unit of volumes, typed or computed: 'm3' (default), 'gal' or 'bbl'.\n"

constexpr const char* kReduce20 =
    "A hydrometer reading (kg/m3, 500 to 1090) at a temperature reduced to the density at 20 °C\n"
    "by the GOST 3900-85 table.\n\n"
    "Returns temperature (on the table's half degree), density20, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_TABLE;
constexpr const char* kActual20 =
    "The actual density at a temperature from the density at 20 °C (kg/m3, 495 to 1099.8), GOST 3900-85.\n\n"
    "Returns temperature (on the table's half degree), actual_density, status.\n\n" VANTOREL_DOC_COMMON
        VANTOREL_DOC_TABLE;
constexpr const char* kMass20 =
    "A volume in a tank at a temperature to tonnes, from the density at 20 °C, GOST 3900-85.\n\n"
    "Returns temperature, mass_t, actual_density, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_VOLUME_UNIT
        VANTOREL_DOC_TABLE;
constexpr const char* kVolume20 =
    "Tonnes to the volume in a tank at a temperature, from the density at 20 °C, GOST 3900-85.\n\n"
    "Returns temperature, volume (in volume_unit), actual_density, status.\n\n" VANTOREL_DOC_COMMON
        VANTOREL_DOC_VOLUME_UNIT VANTOREL_DOC_TABLE;
constexpr const char* kReduce15 =
    "A hydrometer reading (kg/m3, 550 to 1190) at a temperature reduced to the density at 15 °C\n"
    "by GOST R 50.2.076-2010.\n\n"
    "Returns density15, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_GROUP VANTOREL_DOC_GLASS;
constexpr const char* kActual15 =
    "The actual density at a temperature (and an excess pressure) from the density at 15 °C\n"
    "(kg/m3, 610 to 1170), GOST R 50.2.076-2010.\n\n"
    "Returns actual_density, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_GROUP VANTOREL_DOC_PRESSURE;
constexpr const char* kMass15 =
    "A volume in a tank at a temperature to tonnes, from the density at 15 °C, GOST R 50.2.076-2010.\n\n"
    "Returns mass_t, actual_density, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_GROUP VANTOREL_DOC_PRESSURE
        VANTOREL_DOC_VOLUME_UNIT;
constexpr const char* kVolume15 =
    "Tonnes to the volume in a tank at a temperature, from the density at 15 °C, GOST R 50.2.076-2010.\n\n"
    "Returns volume (in volume_unit), actual_density, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_GROUP
        VANTOREL_DOC_PRESSURE VANTOREL_DOC_VOLUME_UNIT;
constexpr const char* kApi20 =
    "A hydrometer reading at a temperature to the density at 20 °C and API gravity, through GOST 3900-85.\n\n"
    "Returns temperature, density20, api, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_TABLE;
constexpr const char* kApi20Density =
    "API gravity (0 to 99) to the density at 20 °C and the actual density at a temperature,\n"
    "through GOST 3900-85.\n\n"
    "Returns temperature, density20, actual_density, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_TABLE;
constexpr const char* kApi15 =
    "A hydrometer reading at a temperature to the density at 15 °C and API gravity,\n"
    "through GOST R 50.2.076-2010.\n\n"
    "Returns density15, api, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_GROUP VANTOREL_DOC_GLASS;
constexpr const char* kApi15Density =
    "API gravity (0 to 99) to the density at 15 °C and the actual density at a temperature,\n"
    "through GOST R 50.2.076-2010.\n\n"
    "Returns density15, actual_density, status.\n\n" VANTOREL_DOC_COMMON VANTOREL_DOC_GROUP VANTOREL_DOC_GLASS;
constexpr const char* kConvert =
    "Converts values between units: quantity 'temperature' ('C', 'F'; one decimal), 'volume'\n"
    "('m3', 'gal', 'bbl'; three decimals) or 'pressure' ('MPa', 'bar', 'at', 'psi').\n\n"
    "Returns value, status.\n\n"
    "strict: raise ValueError with the message of the first failed element.\n"
    "threads: the number of threads the elements are split over (1 to 64).\n";
constexpr const char* kSetLanguage = "The language of the messages strict=True raises: 'ru' (default) or 'en'.";
constexpr const char* kDefaultTable = "The reduction table file the GOST 3900-85 functions read without table=.";

#undef VANTOREL_DOC_COMMON
#undef VANTOREL_DOC_TABLE
#undef VANTOREL_DOC_GROUP
#undef VANTOREL_DOC_GLASS
#undef VANTOREL_DOC_PRESSURE
#undef VANTOREL_DOC_VOLUME_UNIT

}  // namespace vantorel_python::doc
