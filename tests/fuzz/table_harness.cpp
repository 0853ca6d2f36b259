#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

#include "density/numeric_text.h"
#include "density/reduction_table.h"
#include "harnesses.h"

namespace fuzz {

namespace {

bool isMark(double v)
{
    return v == density::kOutOfTableMark || v == density::kNoRow;
}

}  // namespace

std::string tableReader(const std::uint8_t* data, std::size_t size)
{
    density::ScopedDecimalSeparator separator(',');
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    density::ReductionTable table;
    const density::TableFileOutcome read = density::readReductionTableText(contents, table);
    if (!read.read())
        return table.empty() ? std::string() : "a refused table is not empty";

    // the temperatures the rows carry, and a few no row carries
    std::vector<double> temperatures = {15, 20, -25, 125, std::numeric_limits<double>::quiet_NaN()};
    for (std::size_t i = 0; i < table.lines().size() && i < 8; ++i) {
        const std::string_view line = table.lines()[i];
        const std::size_t eq = line.find('=');
        const std::string_view value = eq != std::string_view::npos ? line.substr(eq + 1) : line.substr(line.empty() ? 0 : 1);
        if (const std::optional<double> t = density::parseTableNumber(value.substr(0, 6)))
            temperatures.push_back(*t);
    }
    const double inf = std::numeric_limits<double>::infinity();
    const double readings[] = {500, 505, 850, 853.4, 1085, 1090, 499.9, 1090.1, 495, 1099.8, 0, -1e300, 1e300,
                               inf, -inf, std::numeric_limits<double>::quiet_NaN()};
    for (const double t : temperatures) {
        for (const double r : readings) {
            const density::Result<double> forward = table.lookupDensity20(r, t);
            if (forward && !(r >= density::kFirstColumn && r <= density::kLastColumn) && !isMark(*forward))
                return "a reading outside the columns has a density at 20 °C";
            const density::Result<double> inverse = table.lookupActualDensity(r, t);
            if (inverse && !isMark(*inverse) && std::isfinite(*inverse) &&
                !(*inverse >= density::kFirstColumn && *inverse <= density::kLastColumn))
                return "an actual density lies outside the columns";
        }
    }
    return {};
}

}  // namespace fuzz
