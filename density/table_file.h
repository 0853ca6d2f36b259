#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reduction_table.h"

// Rows of the reduction table file as the calculator reads them, and the
// writing of a row in the file's layout.
namespace density {

// One row: the temperature and the 60 cells of columns 500 ... 1090, in
// tenths (an empty cell is 0).
struct TableRow {
    long temperatureTenths = 0;
    std::array<long, kColumnCount> cellTenths{};
};

// Why a line would not serve as a row.
enum class LineFault {
    TemperatureNotANumber,  // value-text characters 1-6
    MissingColumn,          // a column key is absent (also cut off at the line length limit)
    ExtraColumn,            // a column key appears twice
    CellNotANumber,
    NotRising,  // a filled cell not above the filled cell before it
};

struct LineProblem {
    std::size_t line;  // 1-based
    LineFault fault;
    int column;  // the column density concerned, 0 for the temperature
};

// Every line of the file (split as the calculator splits it) checked the
// way the calculator reads it; at most one problem per line, in line order,
// no more than maxProblems of them.
std::vector<LineProblem> checkTableText(std::string_view contents, std::size_t maxProblems);

// The row read from a line, or the first problem met (its line number 0).
struct RowReading {
    std::optional<TableRow> row;
    std::optional<LineProblem> problem;
};
RowReading readTableRow(std::string_view line);

// The row in the file's layout: a lead space, the temperature right-aligned
// in 6 characters, then for each column a space, its key and the cell
// right-aligned in 6 characters; one decimal with a comma, an empty cell as
// "0". No line break.
std::string writeTableRow(const TableRow& row);

}  // namespace density
