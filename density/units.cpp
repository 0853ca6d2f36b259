#include "units.h"

#include <optional>

#include "numeric_text.h"

namespace density {

namespace {

using Extended = long double;

// Parses, applies, formats; on any failure shows the message and gives back
// the input.
template <typename Fn>
std::string convertText(std::string_view text, int decimals, MsgKey failure, MessageSink& sink, Fn&& fn)
{
    if (const std::optional<Extended> x = parseNumberExtended(text)) {
        if (const std::optional<std::string> out = formatFixed(fn(*x), decimals))
            return *out;
    }
    sink.show(Message(failure));
    return std::string(text);
}

// Factor tables exactly as the units are defined; rows from, columns to.
Extended volumeResult(Extended x, VolumeUnit from, VolumeUnit to)
{
    switch (from) {
    case VolumeUnit::CubicMetre:
        return to == VolumeUnit::UsGallon ? x * 1000 / 3.78541L : to == VolumeUnit::Barrel ? x * 1000 / 158.988L : x;
    case VolumeUnit::UsGallon:
        return to == VolumeUnit::CubicMetre ? x * 3.78541L / 1000 : to == VolumeUnit::Barrel ? x / 42 : x;
    case VolumeUnit::Barrel:
        return to == VolumeUnit::CubicMetre ? x * 158.988L / 1000 : to == VolumeUnit::UsGallon ? x * 42 : x;
    }
    return x;
}

// Factor from the row unit to the column unit; the table is not its own
// inverse (MPa -> at 10.197, at -> MPa 0.0980665).
Extended pressureFactor(PressureUnit from, PressureUnit to)
{
    static const Extended factors[4][4] = {
        {1, 10, 10.197L, 145.04L},
        {0, 1, 1.0197L, 14.504L},  // bar -> MPa divides by 10
        {0.0980665L, 0.980665L, 1, 14.223L},
        {0.00689476L, 0.068948L, 0.070307L, 1},
    };
    return factors[static_cast<int>(from) - 1][static_cast<int>(to) - 1];
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
    return convertText(text, 1, MsgKey::MsgTempUnitsError, sink,
                       [from](Extended x) { return convertedTemperature(x, from); });
}

std::string convertVolume(std::string_view text, VolumeUnit from, VolumeUnit to, MessageSink& sink)
{
    return convertText(text, 3, MsgKey::MsgVolumeUnitsError, sink,
                       [from, to](Extended x) { return convertedVolume(x, from, to); });
}

std::string convertPressure(std::string_view text, PressureUnit from, PressureUnit to, MessageSink& sink)
{
    const int decimals = from == PressureUnit::Psi ? 4 : 2;
    return convertText(text, decimals, MsgKey::MsgPressureUnitsError, sink,
                       [from, to](Extended x) { return convertedPressure(x, from, to); });
}

long double convertedTemperature(long double x, TemperatureUnit from)
{
    return from == TemperatureUnit::Celsius ? x * 1.8L + 32 : (x - 32) * (5.0L / 9.0L);
}

long double convertedVolume(long double x, VolumeUnit from, VolumeUnit to)
{
    return volumeResult(x, from, to);
}

long double convertedPressure(long double x, PressureUnit from, PressureUnit to)
{
    if (from == PressureUnit::Bar && to == PressureUnit::MPa)
        return x / 10;
    return x * pressureFactor(from, to);
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
