#pragma once

#include <string>
#include <string_view>

#include <optional>

#include "exact_decimal.h"
#include "messages.h"
#include "result.h"
#include "units.h"

// Mass and volume of a quantity of product at its actual density: the one
// place either is computed, for every calculator.
namespace density {

// An actual density in kg/m3 as computed, and the fraction it stands for
// where that is known (a table interpolation): without one, the shortest
// decimal that reads back as the value.
struct Density {
    Density(double computed) : value(computed) {}  // NOLINT: implicit by design
    Density(double computed, std::optional<Fraction> fraction) : value(computed), exact(fraction) {}
    double value;
    std::optional<Fraction> exact;
};

// A mass in tonnes as shown, with 3 decimals, and the value it was rounded
// from, to double precision.
struct Mass {
    std::string text;
    double value = 0;
};

// tonnes = density (kg/m3) x volume (m3) / 1000, the volume being the text of
// its conversion to cubic metres, taken as the decimal it is written as; the
// product is rounded once, halves away from zero, so every digit is exact for
// a volume of up to 19 significant digits. A longer one is multiplied in
// double precision. Fails when the volume text is not a number.
Result<Mass> massOfVolume(const Density& density, std::string_view cubicMetresText);

// The volume of a typed mass, in `unit` with 3 decimals: mass x 1000 /
// density in cubic metres, to 15 significant digits (halves away from zero),
// is handed over as text to the conversion into the unit, which shows its
// own failures. Exact for a mass of up to 19 significant digits; a longer one
// is divided in double precision. Fails when the mass text is not a number
// or the density is 0.
Result<std::string> volumeOfMass(std::string_view massText, const Density& density, VolumeUnit unit, MessageSink& sink);

}  // namespace density
