#include <cmath>
#include <string_view>

#include "density/numeric_text.h"
#include "density/reduction_table.h"
#include "harnesses.h"

namespace fuzz {

namespace {

std::string quoted(std::string_view text)
{
    return "'" + std::string(text.substr(0, 200)) + "'";
}

}  // namespace

std::string numberText(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    density::ScopedDecimalSeparator separator((data[0] & 1) ? ',' : '.');
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::optional<double> value = density::parseNumber(text);
    density::parseTableNumber(text);
    density::parseNumberExtended(text);
    const density::FieldReading field = density::readField(text);
    if (value.has_value() != (field.state == density::FieldState::Number))
        return "parseNumber and readField disagree on " + quoted(text);
    if (!value) {
        density::roundToHalfDegree(text);
        return {};
    }
    if (!std::isfinite(*value))
        return "a typed number is not finite: " + quoted(text);

    // the hand-over text carries the value to the next step
    const std::string handOver = density::formatHandOver(*value);
    const std::optional<double> back = density::parseNumber(handOver);
    if (!back || !std::isfinite(*back) || std::fabs(*back - *value) > std::fabs(*value) * 1e-14)
        return "hand-over text " + quoted(handOver) + " of " + quoted(text) + " does not read back";

    for (const int decimals : {0, 1, 3}) {
        const std::optional<std::string> fixed = density::formatFixed(*value, decimals);
        if (!fixed) {
            if (std::fabs(*value) < 1e17)
                return "no fixed-point text for " + quoted(text);
            continue;
        }
        const std::optional<double> shown = density::parseNumber(*fixed);
        const double allowed = 0.5 * std::pow(10.0, -decimals) + std::fabs(*value) * 1e-14;
        if (!shown || std::fabs(*shown - *value) > allowed)
            return "fixed-point text " + quoted(*fixed) + " of " + quoted(text) + " is off";
    }

    // a temperature the checks admit (any unit, with room) lands on the
    // half-degree grid, near where it was; beyond that it only must not fail
    const density::Result<std::string> rounded = density::roundToHalfDegree(text);
    if (std::fabs(*value) > 1000)
        return {};
    if (!rounded)
        return "half-degree rounding refuses " + quoted(text) + ": " + rounded.error();
    const std::optional<double> grid = density::parseNumber(*rounded);
    if (!grid)
        return "half-degree text " + quoted(*rounded) + " of " + quoted(text) + " is no number";
    if (std::fabs(*grid * 2 - std::round(*grid * 2)) > 1e-9 || std::fabs(*grid - *value) > 0.5)
        return "half-degree text " + quoted(*rounded) + " of " + quoted(text) + " is off the grid";
    return {};
}

}  // namespace fuzz
