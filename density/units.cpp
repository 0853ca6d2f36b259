#include "units.h"

#include <cstdint>
#include <optional>

#include "exact_decimal.h"
#include "numeric_text.h"

namespace density {

namespace {

using Extended = long double;

// A conversion (x * multiplier + offset) / divisor in integers: the factors
// as the exact decimals they are defined as.
struct Ratio {
    std::int64_t multiplier;
    std::int64_t offset;
    std::int64_t divisor;
};

// x * 1.8 + 32 and (x - 32) * 5/9
Ratio temperatureRatio(TemperatureUnit from)
{
    return from == TemperatureUnit::Celsius ? Ratio{18, 320, 10} : Ratio{5, -160, 9};
}

Extended applied(Extended x, const Ratio& ratio)
{
    return (x * ratio.multiplier + ratio.offset) / ratio.divisor;
}

// Results of 10^18 and beyond are not written.
constexpr std::int64_t kLargestWritten = 1000000000000000000;

// The converted value rounded to `decimals`, halves away from zero, from the
// typed decimal and the exact ratio: nothing when the text has more digits
// than 19, or the arithmetic would leave 128 bits (far beyond what is
// written). `tooLarge` is set for a result of 10^18 or more.
std::optional<std::string> exactConversion(const DecimalNumber& x, const Ratio& ratio, int decimals, bool& tooLarge)
{
    if (!x.exact || x.exponent > 40 || x.exponent < -40)
        return std::nullopt;
    // (digits x 10^exponent x multiplier + offset) x 10^decimals / divisor,
    // as numerator / denominator with the powers of ten on the side they need
    WideInt numerator = static_cast<WideInt>(x.digits) * ratio.multiplier;
    if (x.negative)
        numerator = -numerator;
    WideInt offset = ratio.offset;
    WideInt denominator = ratio.divisor;
    const int below = x.exponent < 0 ? -x.exponent : 0;
    if (!timesPowerOfTen(numerator, x.exponent > 0 ? x.exponent : 0) || !timesPowerOfTen(offset, below) ||
        __builtin_add_overflow(numerator, offset, &numerator))
        return std::nullopt;
    if (decimals >= below) {
        if (!timesPowerOfTen(numerator, decimals - below))
            return std::nullopt;
    } else if (!timesPowerOfTen(denominator, below - decimals)) {
        return std::nullopt;
    }
    const bool negative = numerator < 0;
    const WideUnsigned magnitude = negative ? -static_cast<WideUnsigned>(numerator) : numerator;
    const WideUnsigned den = static_cast<WideUnsigned>(denominator);
    // one division of 64 bits where the terms fit, as for most of what is typed
    const bool narrow = (magnitude >> 64) == 0 && (den >> 64) == 0;
    WideUnsigned rounded =
        narrow ? static_cast<std::uint64_t>(magnitude) / static_cast<std::uint64_t>(den) : magnitude / den;
    const WideUnsigned remainder = magnitude - rounded * den;
    WideInt limit = kLargestWritten;
    if (!timesPowerOfTen(limit, decimals))
        return std::nullopt;
    if (rounded >= static_cast<WideUnsigned>(limit)) {
        tooLarge = true;
        return std::nullopt;
    }
    if (2 * remainder >= den)
        ++rounded;
    return fixedText(negative, rounded, decimals);
}

// Parses, converts, formats; on any failure shows the message and gives back
// the input. A text of up to 19 significant digits is converted exactly; one
// with more is carried in extended precision.
std::string convertText(std::string_view text, int decimals, MsgKey failure, MessageSink& sink, const Ratio& ratio)
{
    if (const std::optional<DecimalNumber> x = parseNumberDecimal(text)) {
        bool tooLarge = false;
        if (std::optional<std::string> out = exactConversion(*x, ratio, decimals, tooLarge))
            return std::move(*out);
        if (!tooLarge) {
            if (const std::optional<Extended> v = parseNumberExtended(text)) {
                const Extended converted = applied(*v, ratio);
                if (const std::optional<std::string> out = formatFixed(converted, decimals))
                    return *out;
            }
        }
    }
    sink.show(Message(failure));
    return std::string(text);
}

// Factor tables exactly as the units are defined (3.78541 l per US gallon,
// 158.988 l per barrel); rows from, columns to.
Ratio volumeRatio(VolumeUnit from, VolumeUnit to)
{
    static const Ratio ratios[3][3] = {
        {{1, 0, 1}, {100000000, 0, 378541}, {1000000, 0, 158988}},
        {{378541, 0, 100000000}, {1, 0, 1}, {1, 0, 42}},
        {{158988, 0, 1000000}, {42, 0, 1}, {1, 0, 1}},
    };
    return ratios[static_cast<int>(from) - 1][static_cast<int>(to) - 1];
}

// The table is not its own inverse (MPa -> at 10.197, at -> MPa 0.0980665).
Ratio pressureRatio(PressureUnit from, PressureUnit to)
{
    static const Ratio ratios[4][4] = {
        {{1, 0, 1}, {10, 0, 1}, {10197, 0, 1000}, {14504, 0, 100}},
        {{1, 0, 10}, {1, 0, 1}, {10197, 0, 10000}, {14504, 0, 1000}},
        {{980665, 0, 10000000}, {980665, 0, 1000000}, {1, 0, 1}, {14223, 0, 1000}},
        {{689476, 0, 100000000}, {68948, 0, 1000000}, {70307, 0, 1000000}, {1, 0, 1}},
    };
    return ratios[static_cast<int>(from) - 1][static_cast<int>(to) - 1];
}

}  // namespace

int unitCount(UnitKind kind)
{
    switch (kind) {
    case UnitKind::Temperature:
        return 2;
    case UnitKind::Volume:
        return 3;
    case UnitKind::Pressure:
        return 4;
    }
    return 1;
}

int nextUnit(UnitKind kind, int unit)
{
    return unit >= unitCount(kind) ? 1 : unit + 1;
}

std::string convertTemperature(std::string_view text, TemperatureUnit from, MessageSink& sink)
{
    return convertText(text, 1, MsgKey::MsgTempUnitsError, sink, temperatureRatio(from));
}

std::string convertVolume(std::string_view text, VolumeUnit from, VolumeUnit to, MessageSink& sink)
{
    return convertText(text, 3, MsgKey::MsgVolumeUnitsError, sink, volumeRatio(from, to));
}

std::string convertPressure(std::string_view text, PressureUnit from, PressureUnit to, MessageSink& sink)
{
    const int decimals = from == PressureUnit::Psi ? 4 : 2;
    return convertText(text, decimals, MsgKey::MsgPressureUnitsError, sink, pressureRatio(from, to));
}

long double convertedTemperature(long double x, TemperatureUnit from)
{
    return applied(x, temperatureRatio(from));
}

long double convertedVolume(long double x, VolumeUnit from, VolumeUnit to)
{
    return applied(x, volumeRatio(from, to));
}

long double convertedPressure(long double x, PressureUnit from, PressureUnit to)
{
    return applied(x, pressureRatio(from, to));
}

Message::Piece unitCaption(UnitKind kind, int unit)
{
    const auto literal = [](const char* text) { return Message::Piece{false, MsgKey::MsgCaptionAttention, text}; };
    const auto entry = [](MsgKey key) { return Message::Piece{true, key, {}}; };
    switch (kind) {
    case UnitKind::Temperature:
        return literal(unit == 2 ? "°F" : "°C");
    case UnitKind::Volume:
        return unit == 2 ? literal("US Gallons") : unit == 3 ? literal("Barrels") : entry(MsgKey::TextUnitCubicMetre);
    case UnitKind::Pressure:
        return unit == 2   ? literal("bar")
               : unit == 3 ? entry(MsgKey::TextUnitKgPerCm2)
               : unit == 4 ? literal("psi")
                           : literal("MPa");
    }
    return literal("");
}

std::string pressureRangeText(PressureUnit unit)
{
    switch (unit) {
    case PressureUnit::MPa:
        return "(0 .... 10,34)";
    case PressureUnit::Bar:
        return "(0 .... 103,4)";
    case PressureUnit::TechnicalAtmosphere:
        return "(0 .... 105,4)";
    case PressureUnit::Psi:
        return "(0 .... 1499,6)";
    }
    return {};
}

std::string recalcOnUnitChange(UnitKind kind, std::string_view text, int current, int target, bool recalculate,
                               bool cycle, MessageSink& sink)
{
    if (!recalculate || text.empty())
        return std::string(text);
    const int to = cycle ? nextUnit(kind, current) : target;
    switch (kind) {
    case UnitKind::Temperature:
        // two units only: converting "from" one always lands on the other
        if (to == current)
            return std::string(text);
        return convertTemperature(text, static_cast<TemperatureUnit>(current), sink);
    case UnitKind::Volume:
        return convertVolume(text, static_cast<VolumeUnit>(current), static_cast<VolumeUnit>(to), sink);
    case UnitKind::Pressure:
        return convertPressure(text, static_cast<PressureUnit>(current), static_cast<PressureUnit>(to), sink);
    }
    return std::string(text);
}

}  // namespace density
