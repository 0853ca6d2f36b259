#include "quick_course.h"

#include <cmath>
#include <limits>

#include "density/gost3900.h"
#include "density/r50.h"

namespace vantorel_python {

namespace {

// The admitted temperatures in °C, as the courses check them.
constexpr double kR50TemperatureMinC = -50;
constexpr double kR50TemperatureMaxC = 100;
constexpr double kGost3900TemperatureMinC = -25;
constexpr double kGost3900TemperatureMaxC = 125;

bool within(double x, double min, double max)
{
    return x >= min && x <= max;
}

// reduce15 in °C within both checks: the glass factor, then the reduction.
bool reduce15(double density, double temperature, const calc::Choices& choices, const density::ReductionTable*,
              QuickResult& out)
{
    if (!within(density, density::kR50ObservedMin, density::kR50ObservedMax) ||
        !within(temperature, kR50TemperatureMinC, kR50TemperatureMaxC))
        return false;
    const double observed = choices.glass ? density * density::r50GlassFactor(temperature) : density;
    if (!std::isfinite(observed))
        return false;
    const std::optional<double> rho15 = density::r50ReduceTo15Value(observed, temperature, choices.group);
    const std::optional<double> shown = rho15 ? shownToTenth(*rho15) : std::nullopt;
    if (!shown)
        return false;
    out = {*shown, std::numeric_limits<double>::quiet_NaN()};
    return true;
}

// reduce20 in °C within both checks, on a table row and in the table.
bool reduce20(double density, double temperature, const calc::Choices&, const density::ReductionTable* table,
              QuickResult& out)
{
    if (!table || !within(density, density::kHydrometerMin, density::kHydrometerMax) ||
        !within(temperature, kGost3900TemperatureMinC, kGost3900TemperatureMaxC))
        return false;
    const std::optional<double> grid = onHalfDegree(temperature);
    if (!grid)
        return false;
    const density::Result<double> rho20 = table->lookupDensity20(density, *grid);
    if (!rho20 || density::tableStatus(*rho20) != density::QuantityStatus::Ok)
        return false;
    const std::optional<double> shown = shownToTenth(*rho20);
    if (!shown)
        return false;
    out = {*shown, *grid};
    return true;
}

}  // namespace

QuickCourse quickCourse(calc::Course course, const calc::Choices& choices)
{
    if (choices.temperatureUnit != density::TemperatureUnit::Celsius)
        return nullptr;
    switch (course) {
    case calc::Course::Reduce15:
        return &reduce15;
    case calc::Course::Reduce20:
        return &reduce20;
    default:
        return nullptr;
    }
}

std::optional<double> shownToTenth(double value)
{
    const double tenths = value * 10;
    if (!(std::fabs(tenths) < 1e15))
        return std::nullopt;
    auto below = static_cast<long long>(tenths);
    if (tenths < static_cast<double>(below))
        --below;  // the floor of a negative value
    const double fraction = tenths - static_cast<double>(below);
    if (std::fabs(fraction - 0.5) < 1e-6)
        return std::nullopt;
    return static_cast<double>(fraction < 0.5 ? below : below + 1) / 10;
}

std::optional<double> onHalfDegree(double temperature)
{
    const double magnitude = std::fabs(temperature);
    if (!(magnitude < 1e6))
        return std::nullopt;
    const double tenths = magnitude * 10;
    auto digits = static_cast<long long>(tenths);
    const double fraction = tenths - static_cast<double>(digits);
    if (fraction < 1e-6 || fraction > 1 - 1e-6) {
        // the shortest text ends in that tenth only if the number is its double
        const long long nearest = fraction < 0.5 ? digits : digits + 1;
        if (magnitude != static_cast<double>(nearest) / 10)
            return std::nullopt;
        digits = nearest;
    }
    const long long tenth = digits % 10;
    const auto whole = static_cast<double>(digits / 10);
    const double grid = tenth <= 2 ? whole : tenth <= 7 ? whole + 0.5 : whole + 1;
    return std::copysign(grid, temperature);
}

}  // namespace vantorel_python
