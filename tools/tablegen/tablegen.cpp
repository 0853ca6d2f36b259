// Builds the reduction table file from the cells of GOST 3900-85 Appendix 1
// as typed by a third party ([reading g/cm3, temperature °C, density at 20 °C
// g/cm3], lists "clean" and "flagged").
//
// Clean cells are shipped as typed. A flagged cell is kept where it keeps to
// the smooth course of its column; otherwise it is replaced: a single cell by a
// smooth fit of its own column, a copied run by the mean of the two
// neighbouring columns at the same temperature. Where no neighbour column holds
// a value the cell stays empty. A cell missing inside a column's typed range is
// filled by the fit of its column. Nothing is added beyond the typed range.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "density/reduction_table.h"
#include "density/table_file.h"

namespace tablegen {

using density::kColumnCount;
using density::kColumnStep;
using density::kFirstColumn;

constexpr int kFirstHalfDegree = -50;  // -25,0 °C
constexpr int kRowCount = 301;         // -25,0 ... 125,0 by 0,5
// Below 650 kg/m3 the standard prints three decimals of g/cm3: whole kg/m3.
constexpr long kWholeKgBelowTenths = 6500;
// A flagged cell stays when it is this close to its column's course (tenths
// of kg/m3); a whole-kg cell may add half its last printed digit.
constexpr double kTolerance = 1.5;
constexpr double kWholeKgTolerance = 6.5;
// The course: a quadratic over the trusted cells within this many rows.
constexpr int kFitHalfWidth = 16;
constexpr int kFitMinPoints = 8;
// Fewer consecutive bad cells than this are mended from their own column.
constexpr int kMinCopiedRun = 3;

enum class Origin { None, Clean, Flagged };

struct Cell {
    Origin origin = Origin::None;
    long source = 0;       // typed value, tenths of kg/m3
    bool trusted = false;  // part of its column's course
    bool bad = false;      // replaced or emptied
    bool copied = false;   // in a copied run
    long shipped = 0;      // tenths of kg/m3, 0 = empty
    std::string method;    // how a bad cell was settled
};

using Grid = std::array<std::array<Cell, kRowCount>, kColumnCount>;  // [column][row]

int columnDensity(int column) { return kFirstColumn + column * kColumnStep; }

// "-25,0", "0,5", "1038,5": tenths with one decimal.
std::string tenthsText(long tenths, char separator = ',')
{
    const long a = std::labs(tenths);
    return (tenths < 0 ? "-" : "") + std::to_string(a / 10) + separator + std::to_string(a % 10);
}

// Shipped precision: 0,1 kg/m3, or whole kg/m3 below 650.
long roundShipped(double tenths)
{
    const long t = std::lround(tenths);
    return t < kWholeKgBelowTenths ? std::lround(tenths / 10) * 10 : t;
}

bool isWholeKg(long tenths) { return tenths <= kWholeKgBelowTenths && tenths % 10 == 0; }

bool readCells(const nlohmann::json& list, Origin origin, Grid& grid, std::string& error)
{
    for (const nlohmann::json& entry : list) {
        if (!entry.is_array() || entry.size() != 3 || !entry[0].is_number() || !entry[1].is_number() ||
            !entry[2].is_number()) {
            error = "malformed cell " + entry.dump();
            return false;
        }
        const double reading = entry[0].get<double>() * 1000;
        const double halfDegrees = entry[1].get<double>() * 2;
        const long column = std::lround((reading - kFirstColumn) / kColumnStep);
        const long row = std::lround(halfDegrees) - kFirstHalfDegree;
        if (column < 0 || column >= kColumnCount || std::fabs(reading - columnDensity(column)) > 1e-6 || row < 0 ||
            row >= kRowCount || std::fabs(halfDegrees - std::lround(halfDegrees)) > 1e-6) {
            error = "cell off the grid " + entry.dump();
            return false;
        }
        Cell& cell = grid[column][row];
        if (cell.origin != Origin::None) {
            error = "cell given twice " + entry.dump();
            return false;
        }
        cell.origin = origin;
        cell.source = std::lround(entry[2].get<double>() * 10000);
    }
    return true;
}

// Value of the column's least-squares quadratic at the row, from the trusted
// cells around it (the cell itself left out).
std::optional<double> columnCourse(const Grid& grid, int column, int row)
{
    double s[5] = {0, 0, 0, 0, 0};
    double b[3] = {0, 0, 0};
    int points = 0;
    for (int r = std::max(0, row - kFitHalfWidth); r <= std::min(kRowCount - 1, row + kFitHalfWidth); ++r) {
        const Cell& cell = grid[column][r];
        if (r == row || !cell.trusted)
            continue;
        const double x = r - row;
        const double y = static_cast<double>(cell.source);
        double p = 1;
        for (int k = 0; k < 5; ++k, p *= x) {
            s[k] += p;
            if (k < 3)
                b[k] += p * y;
        }
        ++points;
    }
    if (points < kFitMinPoints)
        return std::nullopt;
    // normal equations, Cramer's rule for the constant term
    const auto det3 = [](double a, double b1, double c, double d, double e, double f, double g, double h, double i) {
        return a * (e * i - f * h) - b1 * (d * i - f * g) + c * (d * h - e * g);
    };
    const double det = det3(s[0], s[1], s[2], s[1], s[2], s[3], s[2], s[3], s[4]);
    if (std::fabs(det) < 1e-9)
        return std::nullopt;
    return det3(b[0], s[1], s[2], b[1], s[2], s[3], b[2], s[3], s[4]) / det;
}

int distanceToCourse(const Grid& grid, int column, int row)
{
    for (int d = 1; d < kRowCount; ++d) {
        if ((row - d >= 0 && grid[column][row - d].trusted) || (row + d < kRowCount && grid[column][row + d].trusted))
            return d;
    }
    return kRowCount;
}

// A cell that repeats another column's typed value at the same temperature.
bool repeatsAnotherColumn(const Grid& grid, int column, int row)
{
    const Cell& cell = grid[column][row];
    if (cell.origin == Origin::None)
        return false;
    for (int c = 0; c < kColumnCount; ++c) {
        if (c != column && grid[c][row].origin != Origin::None && grid[c][row].source == cell.source)
            return true;
    }
    return false;
}

struct Counts {
    int clean = 0, cleanCopies = 0, flaggedKept = 0, columnFit = 0, neighbourColumns = 0, gapsFilled = 0,
        emptied = 0;
};

Counts settle(Grid& grid)
{
    Counts counts;
    // Two clean cells of neighbouring columns with one value: the right one is
    // the copy. A clean cell equal to a flagged neighbour is the original.
    for (int c = 0; c < kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            Cell& cell = grid[c][r];
            if (cell.origin != Origin::Clean)
                continue;
            if (c > 0 && grid[c - 1][r].origin == Origin::Clean && grid[c - 1][r].source == cell.source) {
                cell.bad = true;
                ++counts.cleanCopies;
            } else {
                cell.trusted = true;
                ++counts.clean;
            }
        }
    }

    // Flagged cells nearest to trusted ones first, so a column's course is
    // followed outwards one cell at a time.
    std::vector<std::pair<int, int>> pending;
    for (int c = 0; c < kColumnCount; ++c)
        for (int r = 0; r < kRowCount; ++r)
            if (grid[c][r].origin == Origin::Flagged)
                pending.emplace_back(c, r);
    while (!pending.empty()) {
        std::size_t next = 0;
        int nextDistance = kRowCount + 1;
        for (std::size_t i = 0; i < pending.size(); ++i) {
            const int d = distanceToCourse(grid, pending[i].first, pending[i].second);
            if (d < nextDistance) {
                next = i;
                nextDistance = d;
            }
        }
        const auto [c, r] = pending[next];
        pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(next));
        Cell& cell = grid[c][r];
        const std::optional<double> course = columnCourse(grid, c, r);
        const double tolerance = isWholeKg(cell.source) ? kWholeKgTolerance : kTolerance;
        if (course && std::fabs(static_cast<double>(cell.source) - *course) <= tolerance) {
            cell.trusted = true;
            ++counts.flaggedKept;
        } else {
            cell.bad = true;
        }
    }

    // Cells missing inside a column's typed range.
    for (int c = 0; c < kColumnCount; ++c) {
        int first = kRowCount, last = -1;
        for (int r = 0; r < kRowCount; ++r) {
            if (grid[c][r].origin != Origin::None) {
                first = std::min(first, r);
                last = r;
            }
        }
        for (int r = first; r <= last; ++r)
            if (grid[c][r].origin == Origin::None)
                grid[c][r].bad = true;
    }

    for (int c = 0; c < kColumnCount; ++c)
        for (int r = 0; r < kRowCount; ++r)
            if (grid[c][r].trusted)
                grid[c][r].shipped = grid[c][r].source;

    // Runs of bad cells: a long run that repeats another column is a copy.
    std::vector<std::pair<int, int>> copied;
    for (int c = 0; c < kColumnCount; ++c) {
        for (int r = 0; r < kRowCount;) {
            if (!grid[c][r].bad) {
                ++r;
                continue;
            }
            int end = r;
            bool repeats = false;
            for (; end < kRowCount && grid[c][end].bad; ++end)
                repeats = repeats || repeatsAnotherColumn(grid, c, end);
            const bool isCopy = repeats && end - r >= kMinCopiedRun;
            for (int row = r; row < end; ++row) {
                Cell& cell = grid[c][row];
                if (isCopy) {
                    cell.copied = true;
                    copied.emplace_back(c, row);
                    continue;
                }
                if (const std::optional<double> course = columnCourse(grid, c, row)) {
                    cell.shipped = roundShipped(*course);
                    cell.method = cell.origin == Origin::None ? "missing: fit of own column" : "fit of own column";
                    ++(cell.origin == Origin::None ? counts.gapsFilled : counts.columnFit);
                } else {
                    cell.method = "emptied: no course in own column";
                    ++counts.emptied;
                }
            }
            r = end;
        }
    }

    for (const auto& [c, r] : copied) {
        Cell& cell = grid[c][r];
        const int row = r;  // a lambda may not capture a structured binding before C++20
        const auto usable = [&grid, row](int column) {
            return column >= 0 && column < kColumnCount && grid[column][row].shipped != 0 && !grid[column][row].copied;
        };
        if (usable(c - 1) && usable(c + 1)) {
            cell.shipped = roundShipped((grid[c - 1][r].shipped + grid[c + 1][r].shipped) / 2.0);
            cell.method = "copied run: mean of neighbouring columns";
            ++counts.neighbourColumns;
        } else {
            cell.method = "copied run: emptied (no neighbouring column on both sides)";
            ++counts.emptied;
        }
    }
    return counts;
}

std::string tableText(const Grid& grid)
{
    std::string text;
    for (int r = 0; r < kRowCount; ++r) {
        density::TableRow row;
        row.temperatureTenths = (r + kFirstHalfDegree) * 5L;
        for (int c = 0; c < kColumnCount; ++c)
            row.cellTenths[c] = grid[c][r].shipped;
        text += density::writeTableRow(row) + '\n';
    }
    return text;
}

// Plain decimal points here: the comma separates the fields.
std::string provenanceText(const Grid& grid)
{
    std::string text = "column,temperature_c,transcribed,shipped,method\n";
    for (int c = 0; c < kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r) {
            const Cell& cell = grid[c][r];
            if (!cell.bad)
                continue;
            text += std::to_string(columnDensity(c)) + "," + tenthsText((r + kFirstHalfDegree) * 5L, '.') + "," +
                    (cell.origin == Origin::None ? "" : tenthsText(cell.source, '.')) + "," +
                    (cell.shipped == 0 ? "" : tenthsText(cell.shipped, '.')) + "," + cell.method + "\n";
        }
    }
    return text;
}

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace tablegen

int main(int argc, char** argv)
{
    using namespace tablegen;
    if (argc != 4) {
        std::cerr << "usage: " << argv[0] << " transcription.json tablegost3900.txt provenance.csv\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot open " << argv[1] << "\n";
        return 1;
    }
    const nlohmann::json source = nlohmann::json::parse(in, nullptr, false);
    if (source.is_discarded() || !source.is_object() || !source.contains("clean") || !source.contains("flagged") ||
        !source["clean"].is_array() || !source["flagged"].is_array()) {
        std::cerr << argv[1] << ": expected an object with the lists \"clean\" and \"flagged\"\n";
        return 1;
    }

    auto grid = std::make_unique<Grid>();
    std::string error;
    if (!readCells(source["clean"], Origin::Clean, *grid, error) ||
        !readCells(source["flagged"], Origin::Flagged, *grid, error)) {
        std::cerr << argv[1] << ": " << error << "\n";
        return 1;
    }

    const Counts counts = settle(*grid);
    if (!writeFile(argv[2], tableText(*grid)) || !writeFile(argv[3], provenanceText(*grid))) {
        std::cerr << "cannot write the output files\n";
        return 1;
    }

    int filled = 0;
    for (const auto& column : *grid)
        for (const Cell& cell : column)
            filled += cell.shipped != 0;
    std::cout << "clean cells shipped as typed:        " << counts.clean << "\n"
              << "clean cells repeating the left column: " << counts.cleanCopies << "\n"
              << "flagged cells kept:                  " << counts.flaggedKept << "\n"
              << "replaced by a fit of their column:   " << counts.columnFit << "\n"
              << "replaced by the neighbouring columns: " << counts.neighbourColumns << "\n"
              << "missing cells filled by column fit:  " << counts.gapsFilled << "\n"
              << "left empty:                          " << counts.emptied << "\n"
              << "non-empty cells: " << filled << " of " << kColumnCount * kRowCount << "\n";
    return 0;
}
