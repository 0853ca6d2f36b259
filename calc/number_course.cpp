#include "number_course.h"

#include <cmath>

#include "course_steps.h"
#include "density/gost3900.h"
#include "density/numeric_text.h"

namespace calc {

namespace {

// reduce15 in °C within both checks: the glass factor, then the reduction.
NumberAnswer reduce15(double density, double temperature, const Choices& choices, const density::ReductionTable*)
{
    if (!density::admitted(density, density::kR50ObservedMin, density::kR50ObservedMax) ||
        !density::admitted(temperature, density::kR50TemperatureMinC, density::kR50TemperatureMaxC))
        return {};
    const double observed = choices.glass ? density * density::r50GlassFactor(temperature) : density;
    if (!std::isfinite(observed))
        return {};
    const std::optional<double> rho15 = density::r50ReduceTo15Value(observed, temperature, choices.group);
    double shown = 0;
    if (!rho15 || !density::fixedValue(*rho15, detail::kDensityDecimals, shown))
        return {};
    return {NumberStatus::Answered, shown, 0};
}

// reduce20 in °C within both checks, on a table row and in the table.
NumberAnswer reduce20(double density, double temperature, const Choices&, const density::ReductionTable* table)
{
    if (!table || !density::admitted(density, density::kHydrometerMin, density::kHydrometerMax) ||
        !density::admitted(temperature, density::kGost3900TemperatureMinC, density::kGost3900TemperatureMaxC))
        return {};
    double grid = 0;
    if (!density::roundToHalfDegreeValue(temperature, grid))
        return {};
    const density::Result<double> rho20 = table->lookupDensity20(density, grid);
    double shown = 0;
    if (!rho20 || density::tableStatus(*rho20) != density::QuantityStatus::Ok ||
        !density::fixedValue(*rho20, detail::kDensityDecimals, shown))
        return {};
    return {NumberStatus::Answered, shown, grid};
}

}  // namespace

NumberCourse numberCourse(Course course, const Choices& choices)
{
    if (choices.temperatureUnit != density::TemperatureUnit::Celsius)
        return {};
    switch (course) {
    case Course::Reduce15:
        return {&reduce15, Output::Density15, false};
    case Course::Reduce20:
        return {&reduce20, Output::Density20, true};
    default:
        return {};
    }
}

}  // namespace calc
