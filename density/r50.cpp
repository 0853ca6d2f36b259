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

// The coefficient sets of petroleum products in the order of their
// sub-ranges, then the single sets of crude and lubricating oils.
enum SetIndex { Light, Transition, Middle, Heavy, CrudeSet, LubricatingSet };
constexpr R50Coefficients kSets[] = {kR50LightProducts, kR50Transition, kR50MiddleProducts,
                                     kR50HeavyProducts, kR50Crude,      kR50Lubricating};

int productsIndex(double rho)
{
    return rho < 770.9 ? Light : rho < 788 ? Transition : rho < 838.7 ? Middle : Heavy;
}

int freeIndex(ProductGroup group, double rho)
{
    if (group != ProductGroup::Products)
        return group == ProductGroup::Crude ? CrudeSet : LubricatingSet;
    return productsIndex(rho);
}

int boundedIndex(ProductGroup group, double rho)
{
    // outside the bounds nothing matches: the starting set stays
    if (group == ProductGroup::Products && (rho < kR50ObservedMin || rho > kR50ObservedMax))
        return Heavy;
    return freeIndex(group, rho);
}

// The temperature text in °C: the text itself, or its conversion from °F
// kept in `converted`.
std::string_view celsiusText(std::string_view temperatureText, bool fahrenheit, std::string& converted,
                             MessageSink& sink)
{
    if (!fahrenheit)
        return temperatureText;
    converted = convertTemperature(temperatureText, TemperatureUnit::Fahrenheit, sink);
    return converted;
}

}  // namespace

R50Coefficients r50BoundedSet(ProductGroup group, double rho)
{
    return kSets[boundedIndex(group, rho)];
}

R50Coefficients r50FreeSet(ProductGroup group, double rho)
{
    return kSets[freeIndex(group, rho)];
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

// alpha(rho) of a set, leaving out the terms that are zero in it: for a
// finite rho the same double as r50Alpha (0*rho + k0 is k0, x + 0 is x).
static_assert(kR50Crude.k1 == 0 && kR50Crude.k2 == 0 && kR50MiddleProducts.k1 == 0 && kR50MiddleProducts.k2 == 0);
static_assert(kR50Transition.k1 == 0 && kR50Lubricating.k0 == 0 && kR50Lubricating.k2 == 0);
static_assert(kR50LightProducts.k2 == 0 && kR50HeavyProducts.k2 == 0);
double alphaOf(int set, double rho)
{
    const R50Coefficients& k = kSets[set];
    const double rho2 = rho * rho;
    switch (set) {
    case CrudeSet:
    case Middle:
        return k.k0 / rho2;
    case Transition:
        return k.k0 / rho2 + k.k2;
    case LubricatingSet:
        return k.k1 * rho / rho2;
    default:
        return (k.k1 * rho + k.k0) / rho2;
    }
}

// Re-selections of the set after the iteration has settled; sets that keep
// alternating give up after these.
constexpr int kMaxReselections = 4;

// One reading at one temperature: observed / CTL(alpha(rho), t), the same
// arithmetic as r50Ctl(r50Alpha(set, rho), t) with dt computed once.
class Reduction {
public:
    Reduction(double observed, double temperatureC) : m_observed(observed), m_dt(temperatureC - 15) {}

    double estimate(int set, double rho) const
    {
        const double alpha = alphaOf(set, rho);
        return m_observed / std::exp(-alpha * m_dt * (1 + 0.8 * alpha * m_dt));
    }

    // Step 4 from `m` with the set fixed, counting rounds against the cap.
    // False when an estimate leaves the finite numbers (a division by zero,
    // an overflow) or the cap is reached.
    bool settle(int set, double& m, int& rounds) const
    {
        double prev = m;
        while (rounds < kR50MaxIterations) {
            ++rounds;
            m = estimate(set, m);
            if (!usable(m))
                return false;
            if (std::fabs(m - prev) < kR50Tolerance)
                return true;
            prev = m;
        }
        return false;
    }

    // A reading of zero, an infinite alpha or CTL, and an overflow all end in
    // an estimate that is zero or not finite.
    static bool usable(double m) { return std::isfinite(m) && m != 0; }

private:
    double m_observed;
    double m_dt;
};

}  // namespace

std::optional<double> r50ReduceTo15Value(double observed, double temperatureC, ProductGroup group, int* iterations)
{
    if (iterations)
        *iterations = 0;
    const Reduction reduction(observed, temperatureC);
    // step 3: the coefficient set and a first estimate; for petroleum products
    // two passes of free selection on the estimate, alpha still taken at the
    // observed density (a pass that keeps the set keeps the estimate)
    int set = boundedIndex(group, observed);
    double m = reduction.estimate(set, observed);
    if (observed == 0 || !Reduction::usable(m))
        return std::nullopt;
    if (group == ProductGroup::Products) {
        for (int pass = 0; pass < 2; ++pass) {
            const int next = productsIndex(m);
            if (next == set)
                break;
            set = next;
            m = reduction.estimate(set, observed);
            if (!Reduction::usable(m))
                return std::nullopt;
        }
    }

    // step 4: iterate with the set fixed
    int rounds = 0;
    const auto capped = [&] {
        if (iterations && rounds >= kR50MaxIterations)
            *iterations = kR50MaxIterations;
        return std::nullopt;
    };
    if (!reduction.settle(set, m, rounds))
        return capped();

    // the set the result itself selects: where it is another, go on from
    // the result with that set. Where no set agrees with its own result the
    // sets alternate across a boundary and the estimates close in on it: the
    // last estimate stands.
    if (group == ProductGroup::Products) {
        for (int k = 0; k < kMaxReselections; ++k) {
            const int own = productsIndex(m);
            if (own == set)
                break;
            double next = m;
            if (!reduction.settle(own, next, rounds))
                break;
            m = next;
            set = own;
        }
    }
    if (iterations)
        *iterations = rounds;
    return m;
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
    std::string converted;
    const std::string_view celsius = celsiusText(temperatureText, fahrenheit, converted, sink);
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
    std::string converted;
    const std::string_view celsius = celsiusText(temperatureText, fahrenheit, converted, sink);
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
