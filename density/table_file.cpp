#include "table_file.h"

#include <cmath>
#include <cstdlib>

#include "numeric_text.h"

namespace density {

namespace {

// After the first '=' when there is one, otherwise after the lead character.
std::string_view valueText(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq != std::string_view::npos)
        return line.substr(eq + 1);
    return line.empty() ? line : line.substr(1);
}

long toTenths(double value)
{
    return std::lround(value * 10);
}

std::string tenthsText(long tenths)
{
    const long a = std::labs(tenths);
    return (tenths < 0 ? "-" : "") + std::to_string(a / 10) + ',' + std::to_string(a % 10);
}

std::string rightAligned(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

RowReading readTableRow(std::string_view fullLine)
{
    const auto fail = [](LineFault fault, int column) {
        RowReading r;
        r.problem = LineProblem{0, fault, column};
        return r;
    };
    const std::string_view value = valueText(fullLine.substr(0, kMaxLineLength));
    const std::optional<double> temperature = parseTableNumber(value.substr(0, 6));
    if (!temperature)
        return fail(LineFault::TemperatureNotANumber, 0);

    TableRow row;
    row.temperatureTenths = toTenths(*temperature);
    for (int c = 0; c < kColumnCount; ++c) {
        const int density = kFirstColumn + c * kColumnStep;
        const std::string key = columnKey(density);
        const std::size_t at = value.find(key);
        if (at == std::string_view::npos)
            return fail(LineFault::MissingColumn, density);
        if (value.find(key, at + 1) != std::string_view::npos)
            return fail(LineFault::ExtraColumn, density);
        const std::optional<double> cell = parseTableNumber(value.substr(at + key.size(), 6));
        if (!cell)
            return fail(LineFault::CellNotANumber, density);
        row.cellTenths[c] = toTenths(*cell);
    }

    long previous = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        const long cell = row.cellTenths[c];
        if (cell == 0)
            continue;
        if (previous != 0 && cell <= previous)
            return fail(LineFault::NotRising, kFirstColumn + c * kColumnStep);
        previous = cell;
    }
    RowReading r;
    r.row = row;
    return r;
}

std::vector<LineProblem> checkTableText(std::string_view contents, std::size_t maxProblems)
{
    std::vector<LineProblem> problems;
    const ReductionTable table = ReductionTable::fromText(contents);
    const std::vector<std::string>& lines = table.lines();
    for (std::size_t i = 0; i < lines.size() && problems.size() < maxProblems; ++i) {
        RowReading reading = readTableRow(lines[i]);
        if (reading.problem) {
            reading.problem->line = i + 1;
            problems.push_back(*reading.problem);
        }
    }
    return problems;
}

std::string writeTableRow(const TableRow& row)
{
    std::string text = ' ' + rightAligned(tenthsText(row.temperatureTenths), 6);
    for (int c = 0; c < kColumnCount; ++c)
        text += ' ' + columnKey(kFirstColumn + c * kColumnStep) +
                rightAligned(row.cellTenths[c] == 0 ? "0" : tenthsText(row.cellTenths[c]), 6);
    return text;
}

}  // namespace density
