#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "density/numeric_text.h"
#include "density/reduction_table.h"
#include "support/case_name.h"
#include "support/recording_sink.h"
#include "support/table_fixture.h"

// Checks on the reduction table that ships with the program, read from the
// folder of the test executable, where the build copies it as it does for the
// program.

using density::columnKey;
using density::kColumnCount;
using density::kColumnStep;
using density::kFirstColumn;
using density::kOutOfTableMark;
using density::ReductionTable;

namespace {

constexpr int kRows = 301;  // -25,0 ... 125,0 by 0,5
constexpr std::size_t kRowLength = 727;

double rowTemperature(int row) { return -25.0 + 0.5 * row; }
int columnDensity(int column) { return kFirstColumn + column * kColumnStep; }

std::string programFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/"; }

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const ReductionTable& shippedTable()
{
    static const ReductionTable table = [] {
        ReductionTable t;
        RecordingSink sink;
        density::loadReductionTable(programFolder() + density::kTableFileName, t, sink);
        return t;
    }();
    return table;
}

// Every cell through the program's lookup: 0 for an empty one.
using Cells = std::array<std::array<double, kColumnCount>, kRows>;

const Cells& shippedCells()
{
    static const Cells cells = [] {
        Cells c{};
        for (int r = 0; r < kRows; ++r) {
            for (int col = 0; col < kColumnCount; ++col) {
                const auto v = shippedTable().lookupDensity20(columnDensity(col), rowTemperature(r));
                c[r][col] = v && *v != kOutOfTableMark ? *v : 0;
            }
        }
        return c;
    }();
    return cells;
}

TEST(ShippedTable, LoadsFromTheProgramFolderWithoutMessage)
{
    ReductionTable table;
    RecordingSink sink;
    EXPECT_TRUE(density::loadReductionTable(programFolder() + density::kTableFileName, table, sink));
    EXPECT_TRUE(sink.keys.empty());
    EXPECT_EQ(table.lines().size(), static_cast<std::size_t>(kRows));
}

TEST(ShippedTable, IsTheCopyOfTheSourceFile)
{
    const std::string shipped = readFile(programFolder() + density::kTableFileName);
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(shipped, readFile(std::string(VANTOREL_SOURCE_DATA_DIR) + "/" + density::kTableFileName));
}

TEST(ShippedTable, IsPlainTextWithOneKindOfLineEnd)
{
    const std::string text = readFile(programFolder() + density::kTableFileName);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << static_cast<int>(c) << " at " << i;
    }
}

TEST(ShippedTable, RowsKeepTheLayout)
{
    density::ScopedDecimalSeparator comma(',');
    const std::vector<std::string>& lines = shippedTable().lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kRows));
    for (int r = 0; r < kRows; ++r) {
        const std::string& line = lines[r];
        ASSERT_EQ(line.size(), kRowLength) << "line " << r + 1;
        char temperature[16];
        std::snprintf(temperature, sizeof temperature, "%6.1f", rowTemperature(r));
        std::string expected = temperature;
        expected[expected.find('.')] = ',';
        EXPECT_EQ(line.substr(0, 7), " " + expected) << "line " << r + 1;

        // keys and cells as the fixture writes them, one decimal, empty as 0
        testdata::Cells cells;
        for (int c = 0; c < kColumnCount; ++c)
            cells[columnDensity(c)] = shippedCells()[r][c];
        EXPECT_EQ(line.substr(7), testdata::tableRow(rowTemperature(r), cells).substr(7)) << "line " << r + 1;
    }
}

TEST(ShippedTable, EveryCellReadsThroughBothLookups)
{
    for (int r = 0; r < kRows; ++r) {
        const double t = rowTemperature(r);
        for (int c = 0; c < kColumnCount; ++c) {
            const auto forward = shippedTable().lookupDensity20(columnDensity(c), t);
            ASSERT_TRUE(forward.ok()) << forward.error();
            const double cell = shippedCells()[r][c];
            if (cell == 0)
                continue;
            // a cell's value read back through the inverse lookup lands on its column;
            // a cell with no filled neighbour (710 above 50 °C) forms no pair
            const bool paired = (c > 0 && shippedCells()[r][c - 1] != 0) ||
                                (c + 1 < kColumnCount && shippedCells()[r][c + 1] != 0);
            const auto inverse = shippedTable().lookupActualDensity(cell, t);
            ASSERT_TRUE(inverse.ok()) << inverse.error();
            EXPECT_EQ(*inverse, paired ? columnDensity(c) : kOutOfTableMark)
                << "cell " << columnKey(columnDensity(c)) << " at " << t;
        }
    }
}

TEST(ShippedTable, DensityRisesWithTheReadingAlongEachRow)
{
    for (int r = 0; r < kRows; ++r) {
        double previous = 0;
        int previousColumn = 0;
        for (int c = 0; c < kColumnCount; ++c) {
            const double cell = shippedCells()[r][c];
            if (cell == 0)
                continue;
            EXPECT_GT(cell, previous) << "at " << rowTemperature(r) << ": " << columnKey(columnDensity(c))
                                      << " after " << columnKey(previousColumn);
            previous = cell;
            previousColumn = columnDensity(c);
        }
    }
}

TEST(ShippedTable, DensityDoesNotFallWithTemperatureDownEachColumn)
{
    for (int c = 0; c < kColumnCount; ++c) {
        double previous = 0;
        for (int r = 0; r < kRows; ++r) {
            const double cell = shippedCells()[r][c];
            if (cell == 0)
                continue;
            EXPECT_GE(cell, previous) << columnKey(columnDensity(c)) << " at " << rowTemperature(r);
            previous = cell;
        }
    }
}

TEST(ShippedTable, NoDensityAbove1100)
{
    for (const auto& row : shippedCells())
        for (double cell : row)
            EXPECT_LE(cell, 1100.0);
}

// Where the columns hold values: a block of columns filled from one
// temperature to another, empty everywhere else.
struct Coverage {
    int firstColumn;
    int lastColumn;
    double from;  // from > to: the columns are empty
    double to;
};

std::ostream& operator<<(std::ostream& out, const Coverage& b)
{
    return out << b.firstColumn << "..." << b.lastColumn << " from " << b.from << " to " << b.to;
}

class ShippedCoverage : public ::testing::TestWithParam<Coverage> {};

TEST_P(ShippedCoverage, FilledExactlyInsideTheBlock)
{
    const Coverage& block = GetParam();
    for (int density = block.firstColumn; density <= block.lastColumn; density += kColumnStep) {
        const int c = (density - kFirstColumn) / kColumnStep;
        for (int r = 0; r < kRows; ++r) {
            const double t = rowTemperature(r);
            const bool inside = block.from <= t && t <= block.to;
            EXPECT_EQ(shippedCells()[r][c] != 0, inside) << columnKey(density) << " at " << t;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, ShippedCoverage,
                         ::testing::Values(Coverage{500, 550, 1, 0},       // not in the source
                                           Coverage{560, 700, -25, 50},    //
                                           Coverage{710, 710, -25, 75},    //
                                           Coverage{720, 720, -25, 50},    //
                                           Coverage{730, 790, -25, 75},    //
                                           Coverage{800, 990, -25, 100},   //
                                           Coverage{1000, 1030, 0, 125},   //
                                           Coverage{1040, 1050, 0, 95},    // 1040 copied above 13 °C
                                           Coverage{1060, 1060, 0, 84},    // up to 1100,0 at 20 °C
                                           Coverage{1070, 1070, 0, 68.5},  //
                                           Coverage{1080, 1080, 0, 52.5},  //
                                           Coverage{1090, 1090, 0, 36.5}),
    [](const ::testing::TestParamInfo<ShippedCoverage::ParamType>& i) {
        return testnames::caseName(i.index, i.param.firstColumn, "to", i.param.lastColumn);
    });

// Values printed in GOST 3900-85 Appendix 1.
struct Published {
    double temperature;
    double reading;
    double density20;
};

std::ostream& operator<<(std::ostream& out, const Published& p)
{
    return out << p.reading << " at " << p.temperature << " -> " << p.density20;
}

class ShippedPublished : public ::testing::TestWithParam<Published> {};

TEST_P(ShippedPublished, ReproducedByBothLookups)
{
    const Published& p = GetParam();
    const auto forward = shippedTable().lookupDensity20(p.reading, p.temperature);
    ASSERT_TRUE(forward.ok()) << forward.error();
    EXPECT_DOUBLE_EQ(*forward, p.density20);
    const auto inverse = shippedTable().lookupActualDensity(p.density20, p.temperature);
    ASSERT_TRUE(inverse.ok()) << inverse.error();
    EXPECT_DOUBLE_EQ(*inverse, p.reading);
}

INSTANTIATE_TEST_SUITE_P(Values, ShippedPublished,
                         ::testing::Values(Published{-25, 700, 659.6}, Published{0, 800, 785.5},
                                           Published{15, 750, 746.0}, Published{-5, 730, 709.0},
                                           Published{45, 800, 817.1}, Published{50, 850, 869.3},
                                           Published{100, 800, 852.0}, Published{50, 1020, 1038.5}),
    [](const ::testing::TestParamInfo<ShippedPublished::ParamType>& i) {
        return testnames::caseName(i.index, i.param.reading, "at", i.param.temperature);
    });

// The provenance list names every cell that differs from the transcription;
// the table must hold what it says was shipped.
TEST(ShippedTable, HoldsWhatTheProvenanceListSays)
{
    std::istringstream csv(readFile(std::string(VANTOREL_SOURCE_DATA_DIR) + "/tablegost3900.provenance.csv"));
    std::string line;
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ(line, "column,temperature_c,transcribed,shipped,method");
    int entries = 0;
    while (std::getline(csv, line)) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; fields.size() < 4 && std::getline(in, field, ',');)
            fields.push_back(field);
        ASSERT_EQ(fields.size(), 4u) << line;
        const auto column = density::parseTableNumber(fields[0]);
        const auto t = density::parseTableNumber(fields[1]);
        ASSERT_TRUE(column && t) << line;
        const int c = static_cast<int>((*column - kFirstColumn) / kColumnStep);
        const int r = static_cast<int>((*t + 25) * 2);
        ASSERT_TRUE(c >= 0 && c < kColumnCount && r >= 0 && r < kRows) << line;
        const auto shipped = fields[3].empty() ? std::optional<double>(0.0) : density::parseTableNumber(fields[3]);
        ASSERT_TRUE(shipped) << line;
        EXPECT_DOUBLE_EQ(shippedCells()[r][c], *shipped) << line;
        if (!fields[2].empty()) {
            EXPECT_NE(density::parseTableNumber(fields[2]), shipped) << line;
        }
        ++entries;
    }
    EXPECT_GT(entries, 0);
}

// Every exact half that the row of 50,5 °C gives, with readings and
// densities at 20 °C of up to three decimals, rounds away from zero: the
// interpolation sees 998,9 + 0,05 x (1008,8 - 998,9) = 1003,85 as the half it
// is. The exact values come from the cells in tenths.
TEST(ShippedTable, ExactHalvesOfOneRowRoundAwayFromZero)
{
    density::ScopedDecimalSeparator comma(',');
    const ReductionTable& table = shippedTable();
    const int row = 151;  // 50,5 °C
    const auto tenthsText = [](long long tenths) {
        return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
    };
    int halves = 0;
    for (int c = 0; c + 1 < kColumnCount; ++c) {
        const long long a = std::llround(shippedCells()[row][c] * 10);
        const long long b = std::llround(shippedCells()[row][c + 1] * 10);
        if (a == 0 || b == 0)
            continue;
        const int lo = columnDensity(c);
        // forward: reading lo + j/1000 gives (10^4 a + j (b - a)) x 10^-5
        for (int j = 1; j < 10000; ++j) {
            const long long scaled = 10000 * a + j * (b - a);
            if (scaled % 10000 != 5000)
                continue;
            ++halves;
            char reading[32];
            std::snprintf(reading, sizeof reading, "%d,%03d", lo + j / 1000, j % 1000);
            const density::Result<double> r = table.lookupDensity20(*density::parseNumber(reading), 50.5);
            ASSERT_TRUE(r.ok());
            EXPECT_EQ(density::formatFixed(*r, 1), tenthsText((scaled + 5000) / 10000)) << reading;
        }
        // inverse: density d/1000 gives lo + (d - 100 a) / (10 (b - a)),
        // a half when 20 times that is odd
        for (long long d = 100 * a; d <= 100 * b; ++d) {
            const long long twenty = 20 * (d - 100 * a);
            if (twenty % (10 * (b - a)) != 0 || (twenty / (10 * (b - a))) % 2 == 0)
                continue;
            ++halves;
            char given[32];
            std::snprintf(given, sizeof given, "%lld,%03lld", d / 1000, d % 1000);
            const density::Result<double> r = table.lookupActualDensity(*density::parseNumber(given), 50.5);
            ASSERT_TRUE(r.ok());
            EXPECT_EQ(density::formatFixed(*r, 1), tenthsText((20 * lo + twenty / (10 * (b - a)) + 1) / 2)) << given;
        }
    }
    EXPECT_GT(halves, 1000);
}

}  // namespace
