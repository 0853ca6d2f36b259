#pragma once

// The reduction to 15 °C as it was written before its speed-up, kept as the
// baseline the benchmark compares with: an estimate with its checks per
// round, std::optional between the steps. With `reselect` it also applies
// the set the result itself selects (continuing from the result with that
// set, at most four times, the last estimate standing where sets alternate):
// the plain form of what density::r50ReduceTo15Value computes.
#include <cmath>
#include <optional>

#include "density/r50.h"

namespace reference {

using density::ProductGroup;
using density::R50Coefficients;

inline std::optional<double> estimate(const R50Coefficients& set, double rho, double observed, double temperatureC)
{
    if (rho == 0)
        return std::nullopt;
    const double alpha = (set.k1 * rho + set.k0) / (rho * rho) + set.k2;
    if (!std::isfinite(alpha))
        return std::nullopt;
    const double dt = temperatureC - 15;
    const double ctl = std::exp(-alpha * dt * (1 + 0.8 * alpha * dt));
    if (!std::isfinite(ctl) || ctl == 0)
        return std::nullopt;
    const double m = observed / ctl;
    if (!std::isfinite(m))
        return std::nullopt;
    return m;
}

inline bool sameSet(const R50Coefficients& a, const R50Coefficients& b)
{
    return a.k0 == b.k0 && a.k1 == b.k1 && a.k2 == b.k2;
}

inline std::optional<double> settle(const R50Coefficients& set, double m0, double observed, double temperatureC,
                                    int& rounds)
{
    std::optional<double> m = m0;
    double prev = m0;
    while (rounds < density::kR50MaxIterations) {
        ++rounds;
        m = estimate(set, *m, observed, temperatureC);
        if (!m)
            return std::nullopt;
        if (std::fabs(*m - prev) < density::kR50Tolerance)
            return m;
        prev = *m;
    }
    return std::nullopt;
}

inline std::optional<double> reduceTo15(double observed, double temperatureC, ProductGroup group, bool reselect)
{
    R50Coefficients set = density::r50BoundedSet(group, observed);
    std::optional<double> m = estimate(set, observed, observed, temperatureC);
    if (group == ProductGroup::Products) {
        for (int pass = 0; pass < 2 && m; ++pass) {
            set = density::r50FreeSet(group, *m);
            m = estimate(set, observed, observed, temperatureC);
        }
    }
    if (!m)
        return std::nullopt;
    int rounds = 0;
    m = settle(set, *m, observed, temperatureC, rounds);
    if (!m || !reselect || group != ProductGroup::Products)
        return m;
    for (int k = 0; k < 4; ++k) {
        const R50Coefficients own = density::r50FreeSet(group, *m);
        if (sameSet(own, set))
            return m;
        const std::optional<double> next = settle(own, *m, observed, temperatureC, rounds);
        if (!next)
            break;
        m = next;
        set = own;
    }
    return m;
}

}  // namespace reference
