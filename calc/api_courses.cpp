// API gravity at 60 °F through either standard. Densities go from step to
// step unrounded, as text with up to 15 significant digits.
#include "courses.h"
#include "density/api.h"
#include "density/gost3900.h"
#include "density/numeric_text.h"

namespace calc::detail {

using density::Message;
using density::MsgKey;
using density::TemperatureUnit;

bool apiGravity(Steps& s)
{
    return s.inRange(Field::Density, s.in().density, MsgKey::MsgApiEmpty, MsgKey::MsgApiInvalid, density::kApiMin,
                     density::kApiMax, Message(MsgKey::MsgApiOutOfRange));
}

namespace {

bool fahrenheit(const Steps& s)
{
    return s.in().temperatureUnit == TemperatureUnit::Fahrenheit;
}

bool temperature(Steps& s, Standard standard)
{
    return s.temperature(MsgKey::MsgTempEmpty, MsgKey::MsgTempInvalid, standard);
}

}  // namespace

void api20(Steps& s, const TableSource& source)
{
    s.clear(Output::Density20);
    if (!s.inRange(Field::Density, s.in().density, MsgKey::MsgDensityEmpty, MsgKey::MsgDensityInvalid,
                   density::kHydrometerMin, density::kHydrometerMax, Message(MsgKey::MsgHydrometerOutOfTable)) ||
        !temperature(s, Standard::Gost3900))
        return;
    s.checked();
    const density::ReductionTable* table = s.table(source);
    const std::optional<std::string> t = table ? s.roundTemperature() : std::nullopt;
    if (!t)
        return;
    const std::optional<double> rho20 =
        s.lookedUp(density::gost3900ReduceTo20(*table, s.in().density, *t, s.in().temperatureUnit, s),
                   MsgKey::MsgDensity20OutOfTable, Output::Api, Field::Density);
    if (!rho20)
        return;
    s.result(Output::Density20, *rho20, kDensityDecimals);
    const std::optional<double> rho60 =
        s.lookedUp(density::gost3900ActualDensity(*table, density::formatHandOver(*rho20), sixtyOnTheGrid(),
                                                  TemperatureUnit::Celsius, s),
                   MsgKey::MsgDensity20OutOfTable, Output::Api, Field::Density);
    if (rho60)
        s.result(Output::Api, density::apiFromDensity(*rho60, s), 1);
}

void apiToDensity20(Steps& s, const TableSource& source)
{
    s.clear(Output::Density20);
    if (!apiGravity(s) || !temperature(s, Standard::Gost3900))
        return;
    s.checked();
    const density::ReductionTable* table = s.table(source);
    if (!table)
        return;
    const double rho60 = density::densityFromApi(*density::parseNumber(s.in().density), s);
    const std::optional<double> rho20 =
        s.lookedUp(density::gost3900ReduceTo20(*table, density::formatHandOver(rho60), sixtyOnTheGrid(),
                                               TemperatureUnit::Celsius, s),
                   MsgKey::MsgDensity20OutOfTable, Output::ActualDensity, Field::Density);
    if (!rho20)
        return;
    s.result(Output::Density20, *rho20, kDensityDecimals);
    const std::optional<std::string> t = s.roundTemperature();
    if (!t)
        return;
    const std::optional<double> actual = s.lookedUp(
        density::gost3900ActualDensity(*table, density::formatHandOver(*rho20), *t, s.in().temperatureUnit, s),
        MsgKey::MsgDensity20OutOfTable, Output::ActualDensity, Field::Density);
    if (actual)
        s.result(Output::ActualDensity, *actual, kDensityDecimals);
}

void api15(Steps& s)
{
    s.clear(Output::Density15);
    if (!hydrometer15(s) || !temperature(s, Standard::R50))
        return;
    s.checked();
    const std::optional<double> rho15 = s.value(
        density::r50ReduceTo15(s.in().density, s.in().temperature, s.in().glass, s.in().group, fahrenheit(s), s));
    if (!rho15)
        return;
    s.result(Output::Density15, *rho15, kDensityDecimals);
    const std::optional<double> rho60 = s.value(
        density::r50ActualDensity(density::formatHandOver(*rho15), sixtyFahrenheit(), "0", s.in().group, false, s));
    if (rho60)
        s.result(Output::Api, density::apiFromDensity(*rho60, s), 1);
}

void apiToDensity15(Steps& s)
{
    s.clear(Output::Density15);
    if (!apiGravity(s) || !temperature(s, Standard::R50))
        return;
    s.checked();
    const double rho60 = density::densityFromApi(*density::parseNumber(s.in().density), s);
    const std::optional<double> rho15 = s.value(density::r50ReduceTo15(
        density::formatHandOver(rho60), sixtyFahrenheit(), s.in().glass, s.in().group, false, s));
    if (!rho15)
        return;
    s.result(Output::Density15, *rho15, kDensityDecimals);
    const std::optional<double> actual = s.value(density::r50ActualDensity(
        density::formatHandOver(*rho15), s.in().temperature, "0", s.in().group, fahrenheit(s), s));
    if (actual)
        s.result(Output::ActualDensity, *actual, kDensityDecimals);
}

}  // namespace calc::detail
