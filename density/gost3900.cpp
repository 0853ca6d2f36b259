#include "gost3900.h"

#include <optional>

#include "numeric_text.h"
#include "quantity.h"

namespace density {

namespace {

Result<double> parsed(std::string_view text)
{
    if (const std::optional<double> v = parseNumber(text))
        return *v;
    return Result<double>::failure("'" + std::string(text) + "' is not a valid number");
}

// The temperature in °C on the table's grid.
Result<double> tableTemperature(std::string_view text, TemperatureUnit unit, MessageSink& sink)
{
    if (unit == TemperatureUnit::Celsius)
        return parsed(text);
    const Result<std::string> grid = roundToHalfDegree(convertTemperature(text, unit, sink));
    if (!grid)
        return Result<double>::failure(grid.error());
    return parsed(*grid);
}

bool checkTemperature(std::string_view text, TemperatureUnit unit, double minC, double maxC, const char* celsiusSuffix,
                      const char* fahrenheitSuffix, MessageSink& sink)
{
    const std::optional<double> t = parseNumber(text);
    if (!t) {
        sink.show(Message(MsgKey::MsgTempInvalid));
        return true;
    }
    const double c = unit == TemperatureUnit::Fahrenheit ? (*t - 32) * 5 / 9 : *t;
    if (admitted(c, minC, maxC))
        return false;
    sink.show(Message(MsgKey::MsgTempOutOfTable)
                  .then(unit == TemperatureUnit::Fahrenheit ? fahrenheitSuffix : celsiusSuffix));
    return true;
}

}  // namespace

Result<double> gost3900ReduceTo20(const ReductionTable& table, std::string_view observedText,
                                  std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink)
{
    const Result<double> observed = parsed(observedText);
    if (!observed)
        return observed;
    const Result<double> t = tableTemperature(temperatureText, unit, sink);
    if (!t)
        return t;
    return table.lookupDensity20(*observed, *t);
}

Result<double> gost3900ActualDensity(const ReductionTable& table, std::string_view density20Text,
                                     std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink,
                                     std::optional<Fraction>* exact)
{
    const Result<double> density20 = parsed(density20Text);
    if (!density20)
        return density20;
    const Result<double> t = tableTemperature(temperatureText, unit, sink);
    if (!t)
        return t;
    return table.lookupActualDensity(*density20, *t, exact);
}

bool gost3900CheckTemperature(std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink)
{
    return checkTemperature(temperatureText, unit, kGost3900TemperatureMinC, kGost3900TemperatureMaxC,
                            " : -25°C ... +125°C", " : -13°F(-25°C) ... +257°F(+125°C)", sink);
}

bool r50CheckTemperature(std::string_view temperatureText, TemperatureUnit unit, MessageSink& sink)
{
    return checkTemperature(temperatureText, unit, kR50TemperatureMinC, kR50TemperatureMaxC, " : -50°C ... +100°C",
                            " : -58°F(-50°C) ... +212°F(+100°C)", sink);
}

Result<MassResult> gost3900MassFromVolume(const ReductionTable& table, std::string_view volumeText,
                                          VolumeUnit volumeUnit, std::string_view density20Text,
                                          std::string_view temperatureText, TemperatureUnit temperatureUnit,
                                          MessageSink& sink)
{
    std::optional<Fraction> exact;
    const Result<double> actual =
        gost3900ActualDensity(table, density20Text, temperatureText, temperatureUnit, sink, &exact);
    if (!actual)
        return Result<MassResult>::failure(actual.error());
    MassResult r;
    r.actualDensity = *actual;
    if (tableStatus(*actual) == QuantityStatus::OutOfTable) {
        r.status = QuantityStatus::OutOfTable;
        return r;
    }
    // the volume counts to the nearest 0,001 m3, as its converted text reads
    const Result<Mass> mass =
        massOfVolume(Density(*actual, exact), convertVolume(volumeText, volumeUnit, VolumeUnit::CubicMetre, sink));
    if (!mass)
        return Result<MassResult>::failure(mass.error());
    r.massText = mass->text;
    r.mass = mass->value;
    return r;
}

Result<VolumeResult> gost3900VolumeFromMass(const ReductionTable& table, std::string_view massText,
                                            VolumeUnit volumeUnit, std::string_view density20Text,
                                            std::string_view temperatureText, TemperatureUnit temperatureUnit,
                                            MessageSink& sink)
{
    std::optional<Fraction> exact;
    const Result<double> actual =
        gost3900ActualDensity(table, density20Text, temperatureText, temperatureUnit, sink, &exact);
    if (!actual)
        return Result<VolumeResult>::failure(actual.error());
    VolumeResult r;
    r.actualDensity = *actual;
    r.status = tableStatus(*actual);
    if (r.status == QuantityStatus::OutOfTable)
        return r;
    if (r.status == QuantityStatus::NoRow) {
        sink.show(Message(MsgKey::MsgNoTableRow));
        return r;
    }
    const Result<std::string> volume = volumeOfMass(massText, Density(*actual, exact), volumeUnit, sink);
    if (!volume)
        return Result<VolumeResult>::failure(volume.error());
    r.volumeText = *volume;
    return r;
}

}  // namespace density
