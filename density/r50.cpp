#include "r50.h"

#include <cmath>
#include <string>

#include "numeric_text.h"
#include "units.h"

namespace density {

namespace {

std::string notANumber(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid number";
}

R50Coefficients productsSet(double rho)
{
    if (rho < 770.9)
        return kR50LightProducts;
    if (rho < 788)
        return kR50Transition;
    if (rho < 838.7)
        return kR50MiddleProducts;
    return kR50HeavyProducts;
}

R50Coefficients singleSet(ProductGroup group)
{
    return group == ProductGroup::Crude ? kR50Crude : kR50Lubricating;
}

// The temperature text in °C, converted from °F when asked.
std::string celsiusText(std::string_view temperatureText, bool fahrenheit, MessageSink& sink)
{
    if (!fahrenheit)
        return std::string(temperatureText);
    return convertTemperature(temperatureText, TemperatureUnit::Fahrenheit, sink);
}

}  // namespace

R50Coefficients r50BoundedSet(ProductGroup group, double rho)
{
    if (group != ProductGroup::Products)
        return singleSet(group);
    if (rho < kR50ObservedMin || rho > kR50ObservedMax)
        return kR50HeavyProducts;  // nothing matches: the starting set stays
    return productsSet(rho);
}

R50Coefficients r50FreeSet(ProductGroup group, double rho)
{
    if (group != ProductGroup::Products)
        return singleSet(group);
    return productsSet(rho);
}

double r50Alpha(const R50Coefficients& set, double rho)
{
    return (set.k1 * rho + set.k0) / (rho * rho) + set.k2;
}

double r50Ctl(double alpha, double temperatureC)
{
    const double dt = temperatureC - 15;
    return std::exp(-alpha * dt * (1 + 0.8 * alpha * dt));
}

double r50GlassFactor(double temperatureC)
{
    const double dt = temperatureC - 15;
    return 1 - 0.000023 * dt - 0.00000002 * dt * dt;
}

double r50Compressibility(double density15, double temperatureC)
{
    const double r2 = density15 * density15;
    return std::exp(-1.6208 + 0.00021592 * temperatureC + 870960 / r2 + 4209.2 * temperatureC / r2) / 1000;
}

namespace {

// One estimate observed / CTL(alpha(rho), t), with the checks that a
// floating-point unit raising its exceptions would make: a division by zero,
// an overflow or an invalid operation gives nothing.
std::optional<double> estimate(const R50Coefficients& set, double rho, double observed, double temperatureC)
{
    if (rho == 0)
        return std::nullopt;
    const double alpha = r50Alpha(set, rho);
    if (!std::isfinite(alpha))
        return std::nullopt;
    const double ctl = r50Ctl(alpha, temperatureC);
    if (!std::isfinite(ctl) || ctl == 0)
        return std::nullopt;
    const double m = observed / ctl;
    if (!std::isfinite(m))
        return std::nullopt;
    return m;
}

}  // namespace

std::optional<double> r50ReduceTo15Value(double observed, double temperatureC, ProductGroup group, int* iterations)
{
    if (iterations)
        *iterations = 0;
    // step 3: the coefficient set and a first estimate
    R50Coefficients set = r50BoundedSet(group, observed);
    std::optional<double> m = estimate(set, observed, observed, temperatureC);
    if (group == ProductGroup::Products) {
        for (int pass = 0; pass < 2 && m; ++pass) {
            set = r50FreeSet(group, *m);
            // alpha is still taken at the observed density
            m = estimate(set, observed, observed, temperatureC);
        }
    }
    if (!m)
        return std::nullopt;

    // step 4: iterate with the set fixed
    double prev = *m;
    for (int round = 1; round <= kR50MaxIterations; ++round) {
        m = estimate(set, *m, observed, temperatureC);
        if (!m)
            return std::nullopt;
        if (std::fabs(*m - prev) < kR50Tolerance) {
            if (iterations)
                *iterations = round;
            return m;
        }
        prev = *m;
    }
    if (iterations)
        *iterations = kR50MaxIterations;
    return std::nullopt;
}

double r50ActualDensityValue(double density15, double temperatureC, double pressureMPa, ProductGroup group)
{
    const R50Coefficients set = r50BoundedSet(group, density15);
    const double actual = density15 * r50Ctl(r50Alpha(set, density15), temperatureC);
    if (pressureMPa == 0)
        return actual;
    return actual / (1 - pressureMPa * r50Compressibility(density15, temperatureC));
}

Result<double> r50ReduceTo15(std::string_view densityText, std::string_view temperatureText, bool glassCorrection,
                             ProductGroup group, bool fahrenheit, MessageSink& sink)
{
    // step 1
    const std::string celsius = celsiusText(temperatureText, fahrenheit, sink);
    // step 2, not guarded
    std::optional<double> observed;
    std::optional<double> t;
    if (glassCorrection) {
        observed = parseNumber(densityText);
        if (!observed)
            return Result<double>::failure(notANumber(densityText));
        t = parseNumber(celsius);
        if (!t)
            return Result<double>::failure(notANumber(celsius));
        *observed *= r50GlassFactor(*t);
    }
    // steps 3 to 5, guarded
    if (!observed)
        observed = parseNumber(densityText);
    if (!t)
        t = parseNumber(celsius);
    std::optional<double> m;
    if (observed && t && std::isfinite(*observed))
        m = r50ReduceTo15Value(*observed, *t, group);
    if (!m) {
        sink.show(Message(MsgKey::MsgCalcError));
        return 1.0;
    }
    return *m;
}

Result<double> r50ActualDensity(std::string_view density15Text, std::string_view temperatureText,
                                std::string_view pressureText, ProductGroup group, bool fahrenheit,
                                MessageSink& sink)
{
    const std::string celsius = celsiusText(temperatureText, fahrenheit, sink);
    const std::optional<double> density15 = parseNumber(density15Text);
    if (!density15)
        return Result<double>::failure(notANumber(density15Text));
    const std::optional<double> t = parseNumber(celsius);
    if (!t)
        return Result<double>::failure(notANumber(celsius));
    const std::optional<double> pressure = parseNumber(pressureText);
    if (!pressure)
        return Result<double>::failure(notANumber(pressureText));
    const auto divisionByZero = [] { return Result<double>::failure("Floating point division by zero"); };
    const auto invalid = [] { return Result<double>::failure("Invalid floating point operation"); };
    if (*density15 == 0)
        return divisionByZero();
    const double alpha = r50Alpha(r50BoundedSet(group, *density15), *density15);
    const double actual = *density15 * r50Ctl(alpha, *t);
    if (!std::isfinite(alpha) || !std::isfinite(actual))
        return invalid();
    if (*pressure == 0)
        return actual;
    const double divisor = 1 - *pressure * r50Compressibility(*density15, *t);
    if (divisor == 0)
        return divisionByZero();
    const double r = actual / divisor;
    if (!std::isfinite(divisor) || !std::isfinite(r))
        return invalid();
    return r;
}

}  // namespace density
