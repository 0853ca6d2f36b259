#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "density/table_file.h"
#include "support/table_fixture.h"

using density::LineFault;

namespace {

std::string shippedTable()
{
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::ifstream in(folder / density::kTableFileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A row that reads well: cells 600 ... 900 filled, the rest empty.
std::string goodRow()
{
    testdata::Cells cells;
    for (int c = 600; c <= 900; c += 10)
        cells[c] = c - 4.5;
    return testdata::tableRow(15.5, cells);
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

}  // namespace

// Read and written again, every shipped row comes back byte for byte, and
// none of them is reported.
TEST(TableFile, ShippedRowsReadAndWriteBackUnchanged)
{
    const std::string contents = shippedTable();
    ASSERT_FALSE(contents.empty());
    EXPECT_TRUE(density::checkTableText(contents, 10).empty());
    std::string written;
    const density::ReductionTable table = density::ReductionTable::fromText(contents);
    for (const std::string& line : table.lines()) {
        const density::RowReading reading = density::readTableRow(line);
        ASSERT_TRUE(reading.row) << line;
        written += density::writeTableRow(*reading.row) + '\n';
    }
    EXPECT_EQ(written, contents);
}

struct LineCase {
    const char* name;
    std::string line;
    std::optional<LineFault> fault;
    int column;
};

class TableLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(TableLine, ReadsOrNamesTheFault)
{
    const density::RowReading reading = density::readTableRow(GetParam().line);
    if (!GetParam().fault) {
        EXPECT_TRUE(reading.row && !reading.problem);
        return;
    }
    ASSERT_TRUE(reading.problem);
    EXPECT_EQ(reading.problem->fault, *GetParam().fault);
    EXPECT_EQ(reading.problem->column, GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TableLine,
    ::testing::Values(
        LineCase{"Good", goodRow(), std::nullopt, 0},
        LineCase{"AfterEqualsSign", "row 31=" + goodRow(), std::nullopt, 0},
        LineCase{"Blank", "", LineFault::TemperatureNotANumber, 0},
        LineCase{"TemperatureTypo", replaced(goodRow(), "15,5", "1x,5"), LineFault::TemperatureNotANumber, 0},
        LineCase{"CellTypo", replaced(goodRow(), "*0700 695,5", "*0700 69o,5"), LineFault::CellNotANumber, 700},
        LineCase{"CellOfBlanks", replaced(goodRow(), "*0510     0", "*0510      "), LineFault::CellNotANumber, 510},
        LineCase{"KeyLost", replaced(goodRow(), "*0800", "*08OO"), LineFault::MissingColumn, 800},
        LineCase{"CutOffAtLineLimit", replaced(goodRow(), " *1000", std::string(4096, ' ') + " *1000"),
                 LineFault::MissingColumn, 1000},
        LineCase{"KeyTwice", goodRow() + " *0900 895,5", LineFault::ExtraColumn, 900},
        LineCase{"StopsRising", replaced(goodRow(), "*0750 745,5", "*0750 735,5"), LineFault::NotRising, 750}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// Line numbers count from 1 over CR LF breaks, and the list stops at the limit.
TEST(TableFile, CheckListsLineNumbersUpToTheLimit)
{
    const std::string bad = replaced(goodRow(), "*0700 695,5", "*0700 69o,5");
    const std::string text = testdata::joinLines({goodRow(), bad, goodRow(), bad, bad, bad});
    const auto problems = density::checkTableText(text, 3);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].line, 2u);
    EXPECT_EQ(problems[1].line, 4u);
    EXPECT_EQ(problems[2].line, 5u);
}
