#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>

#include "density/numeric_text.h"
#include "density/reduction_table.h"
#include "support/case_name.h"
#include "support/recording_sink.h"
#include "support/table_fixture.h"
#include "text/catalogue.h"

using density::kNoRow;
using density::kOutOfTableMark;
using density::ReductionTable;
using testdata::tableRow;

namespace {

// One row at 15 °C with a few hand-picked cells, one at 20 °C where 1090 is
// filled, and one at 16 °C that is empty except for 500.
ReductionTable smallTable()
{
    return ReductionTable({
        tableRow(15.0, {{500, 496.5}, {850, 853.7}, {860, 863.6}, {870, 873.6}, {880, 0}, {890, 893.4}}),
        tableRow(16.0, {{500, 497.1}}),
        tableRow(20.0, {{1080, 1080.0}, {1090, 1090.0}}),
    });
}

struct ForwardCase {
    double observed;
    double temperature;
    double expected;
};

class LookupDensity20 : public ::testing::TestWithParam<ForwardCase> {};

TEST_P(LookupDensity20, InterpolatesOrMarks)
{
    const ForwardCase& c = GetParam();
    const density::Result<double> r = smallTable().lookupDensity20(c.observed, c.temperature);
    ASSERT_TRUE(r.ok()) << r.error();
    EXPECT_NEAR(*r, c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupDensity20,
    ::testing::Values(ForwardCase{853.4, 15, 853.7 + 0.34 * (863.6 - 853.7)},  // between two filled cells
                      ForwardCase{850, 15, 853.7},                             // exactly on a column
                      ForwardCase{870, 15, 873.6},                             // on a column, right one empty
                      ForwardCase{875, 15, kOutOfTableMark},                   // right cell empty
                      ForwardCase{885, 15, kOutOfTableMark},                   // left cell empty
                      ForwardCase{890, 15, 893.4},                             // on a column, left one empty
                      ForwardCase{500, 16, 497.1},                             // first column, 510 empty
                      ForwardCase{505, 16, kOutOfTableMark}, ForwardCase{1090, 20, 1090.0},   // last column filled
                      ForwardCase{1085, 20, 1085.0}, ForwardCase{1090, 15, kOutOfTableMark},  // last column empty
                      ForwardCase{700, 15, kOutOfTableMark},                                  // both empty
                      ForwardCase{850, 15.5, kNoRow},                                         // no such row
                      ForwardCase{850, -25, kNoRow},
                      // beyond every column, whatever the number
                      ForwardCase{1e300, 15, kOutOfTableMark}, ForwardCase{-1e300, 15, kOutOfTableMark},
                      ForwardCase{std::numeric_limits<double>::quiet_NaN(), 15, kOutOfTableMark},
                      ForwardCase{std::numeric_limits<double>::infinity(), 20, kOutOfTableMark}),
    [](const ::testing::TestParamInfo<LookupDensity20::ParamType>& i) {
        return testnames::caseName(i.index, i.param.observed, "at", i.param.temperature);
    });

struct InverseCase {
    double density20;
    double temperature;
    double expected;
};

class LookupActualDensity : public ::testing::TestWithParam<InverseCase> {};

TEST_P(LookupActualDensity, FindsTheFirstPairThatHoldsTheValue)
{
    const InverseCase& c = GetParam();
    const density::Result<double> r = smallTable().lookupActualDensity(c.density20, c.temperature);
    ASSERT_TRUE(r.ok()) << r.error();
    EXPECT_NEAR(*r, c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, LookupActualDensity,
                         ::testing::Values(InverseCase{853.7, 15, 850},  // equal to a cell
                                           InverseCase{863.6, 15, 860},  // shared by two pairs: lower wins
                                           InverseCase{858.65, 15, 850 + 10 * (858.65 - 853.7) / (863.6 - 853.7)},
                                           InverseCase{873.6, 15, 870},            // upper end of the last full pair
                                           InverseCase{880, 15, kOutOfTableMark},  // only in a pair with an empty cell
                                           InverseCase{853.6, 15, kOutOfTableMark},  // below the lowest pair
                                           InverseCase{893.5, 15, kOutOfTableMark},  // above the highest
                                           InverseCase{497.1, 16, kOutOfTableMark},  // a single cell is no pair
                                           InverseCase{1085, 20, 1085}, InverseCase{850, 30, kNoRow},
                                           InverseCase{1e300, 15, kOutOfTableMark},
                                           InverseCase{std::numeric_limits<double>::quiet_NaN(), 15, kOutOfTableMark}),
                         [](const ::testing::TestParamInfo<LookupActualDensity::ParamType>& i) {
                             return testnames::caseName(i.index, i.param.density20, "at", i.param.temperature);
                         });

TEST(ReductionTableRows, EmptyTableHasNoRows)
{
    const ReductionTable empty;
    EXPECT_EQ(*empty.lookupDensity20(850, 15), kNoRow);
    EXPECT_EQ(*empty.lookupActualDensity(850, 15), kNoRow);
}

TEST(ReductionTableRows, FirstOfTwoRowsWithTheSameTemperatureCounts)
{
    const ReductionTable t({tableRow(15, {{850, 851.0}}), tableRow(15, {{850, 999.0}})});
    EXPECT_DOUBLE_EQ(*t.lookupDensity20(850, 15), 851.0);
    EXPECT_DOUBLE_EQ(*t.lookupActualDensity(851.0, 15), kOutOfTableMark);
}

TEST(ReductionTableRows, RowsAreFoundByTemperatureInAnyOrder)
{
    const ReductionTable t({tableRow(20, {{850, 846.5}}), tableRow(0, {{850, 864.0}}), tableRow(10, {{850, 857.0}})});
    EXPECT_DOUBLE_EQ(*t.lookupDensity20(850, 10), 857.0);
    EXPECT_DOUBLE_EQ(*t.lookupDensity20(850, 20), 846.5);
    EXPECT_DOUBLE_EQ(*t.lookupDensity20(850, -0.0), 864.0);  // -0,2 rounds to -0,0
    EXPECT_EQ(*t.lookupDensity20(850, 5), kNoRow);
    EXPECT_EQ(*t.lookupDensity20(850, std::numeric_limits<double>::quiet_NaN()), kNoRow);
}

TEST(ReductionTableRows, FirstOccurrenceOfAKeyCounts)
{
    const std::string row = tableRow(15, {{850, 851.0}, {860, 861.0}}) + " *0850 999,9 *0860 999,9";
    EXPECT_DOUBLE_EQ(*ReductionTable({row}).lookupDensity20(855, 15), 856.0);
}

TEST(ReductionTableRows, LineWithEqualsSignIsReadAfterIt)
{
    // without "=" the first character is skipped; with it, everything up to it
    std::string row = tableRow(15, {{850, 851.0}, {860, 861.0}});
    row = "row15=" + row.substr(1);
    const ReductionTable t({row});
    EXPECT_DOUBLE_EQ(*t.lookupDensity20(855, 15), 856.0);
}

TEST(ReductionTableRows, AcceptsCommaAndPointWhateverTheLocale)
{
    std::string row = tableRow(15, {{850, 851.0}, {860, 861.0}});
    for (char sep : {',', '.'}) {
        density::ScopedDecimalSeparator scoped(sep);
        EXPECT_DOUBLE_EQ(*ReductionTable({row}).lookupDensity20(855, 15), 856.0) << sep;
        std::string pointed = row;
        for (char& c : pointed)
            if (c == ',')
                c = '.';
        EXPECT_DOUBLE_EQ(*ReductionTable({pointed}).lookupDensity20(855, 15), 856.0) << sep;
    }
}

TEST(ReductionTableRows, MalformedNumbersFailTheLookupThatMeetsThem)
{
    std::string row = tableRow(15, {{850, 851.0}, {860, 861.0}});
    const std::size_t cell = row.find("*0860") + 5;
    row.replace(cell, 6, "  8x,0");
    const ReductionTable badCell({row});
    EXPECT_FALSE(badCell.lookupDensity20(855, 15).ok());
    EXPECT_FALSE(badCell.lookupActualDensity(855, 15).ok());
    // a value found before the bad cell stands
    std::string lower = tableRow(15, {{840, 841.0}, {850, 851.0}, {860, 861.0}});
    lower.replace(lower.find("*0860") + 5, 6, "  8x,0");
    EXPECT_DOUBLE_EQ(*ReductionTable({lower}).lookupActualDensity(846, 15), 845.0);
    // a lookup that never reads the cell is not affected
    EXPECT_TRUE(badCell.lookupDensity20(845, 15).ok());

    std::string blanks = tableRow(15, {{850, 851.0}});
    blanks.replace(blanks.find("*0860") + 5, 6, "      ");
    EXPECT_FALSE(ReductionTable({blanks}).lookupDensity20(860, 15).ok());

    // a row temperature that is not a number stops every scan that passes it
    const ReductionTable badTemp({tableRow(14.5, {}), " abcdef *0500     0", tableRow(15, {{850, 851.0}})});
    EXPECT_TRUE(badTemp.lookupDensity20(850, 14.5).ok());
    const density::Result<double> r = badTemp.lookupDensity20(850, 15);
    ASSERT_FALSE(r.ok());
    EXPECT_NE(r.error().find("abcdef"), std::string::npos);

    // a row without one of the keys
    const ReductionTable shortRow({"   15,0 *0500 496,5"});
    EXPECT_FALSE(shortRow.lookupDensity20(855, 15).ok());
}

TEST(ReductionTableText, SplitsAtEveryKindOfLineBreak)
{
    const std::string a = tableRow(15, {{850, 851.0}});
    const std::string b = tableRow(15.5, {{850, 852.0}});
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        const ReductionTable t = ReductionTable::fromText(a + eol + b + eol);
        ASSERT_EQ(t.lines().size(), 2u) << "break " << int(eol[0]);
        EXPECT_DOUBLE_EQ(*t.lookupDensity20(850, 15.5), 852.0);
    }
    EXPECT_EQ(ReductionTable::fromText(a + "\n" + b).lines().size(), 2u);
    EXPECT_TRUE(ReductionTable::fromText("").empty());
    // a byte-order mark before the first row, as Windows Notepad writes it
    EXPECT_DOUBLE_EQ(*ReductionTable::fromText("\xef\xbb\xbf" + a + "\r\n" + b).lookupDensity20(850, 15), 851.0);
}

TEST(ReductionTableText, LongLinesAreCutAt4096Characters)
{
    std::string row = tableRow(15, {{850, 851.0}});
    row += std::string(5000, ' ') + "*0500 999,9";
    const ReductionTable t({row});
    EXPECT_EQ(t.lines().front().size(), density::kMaxLineLength);
}

TEST(ReductionTableText, SyntheticRowsHaveTheFileLayout)
{
    const std::vector<std::string> rows = testdata::syntheticTable(-25, 125);
    ASSERT_EQ(rows.size(), 301u);
    for (const std::string& r : rows)
        EXPECT_EQ(r.size(), 727u);
    EXPECT_EQ(rows.front().substr(0, 18), "  -25,0 *0500     ");
}

struct LoadCase {
    text::UiLanguage language;
    const char* text;
};

class LoadMissingTable : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadMissingTable, ReportsTheBareFileName)
{
    text::catalogue().fill(GetParam().language);
    RecordingSink sink;
    ReductionTable table({tableRow(15, {})});
    const std::string folder = ::testing::TempDir() + "vantorel-no-table/";
    EXPECT_FALSE(density::loadReductionTable(folder + density::kTableFileName, table, sink));
    EXPECT_TRUE(table.empty());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.keys[0], density::MsgKey::MsgFilePrefix);
    EXPECT_EQ(sink.texts[0], GetParam().text);
    text::catalogue().fill(text::UiLanguage::Russian);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LoadMissingTable,
    ::testing::Values(LoadCase{text::UiLanguage::Russian,
                               "Файл tablegost3900.txt не найден. Проверьте его наличие в папке программы."},
                      LoadCase{text::UiLanguage::English, "File tablegost3900.txt not found. Check the file exists."}),
    [](const ::testing::TestParamInfo<LoadMissingTable::ParamType>& i) {
        return testnames::caseName(i.index, i.param.language == text::UiLanguage::Russian ? "ru" : "en");
    });

TEST(LoadTable, ReadsTheFileInTheFolder)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "vantorel-table";
    fs::create_directories(dir);
    {
        std::ofstream out(dir / "tablegost3900.txt", std::ios::binary);
        out << testdata::joinLines(testdata::syntheticTable(-25, 125));
    }
    RecordingSink sink;
    ReductionTable table;
    EXPECT_TRUE(density::loadReductionTable((dir / density::kTableFileName).string(), table, sink));
    EXPECT_TRUE(sink.keys.empty());
    EXPECT_EQ(table.lines().size(), 301u);
    EXPECT_DOUBLE_EQ(*table.lookupDensity20(800, 0), testdata::syntheticDensity20(800, 0));
    fs::remove_all(dir);
}

struct UnreadCase {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;  // puts something at the path
    density::TableFileStatus status;
    const char* message;  // in English
};

class TableFileNotRead : public ::testing::TestWithParam<UnreadCase> {};

TEST_P(TableFileNotRead, IsOneMessageAndAnEmptyTable)
{
    namespace fs = std::filesystem;
    text::catalogue().fill(text::UiLanguage::English);
    const fs::path dir = fs::path(::testing::TempDir()) / ("vantorel-unread-" + std::string(GetParam().name));
    fs::remove_all(dir);
    fs::create_directories(dir);
    GetParam().make(dir / density::kTableFileName);
    ReductionTable table({tableRow(15, {})});
    EXPECT_EQ(density::readReductionTableFile((dir / density::kTableFileName).string(), table).status,
              GetParam().status);
    EXPECT_TRUE(table.empty());
    RecordingSink sink;
    EXPECT_FALSE(density::loadReductionTable((dir / density::kTableFileName).string(), table, sink));
    EXPECT_EQ(sink.texts, std::vector<std::string>{GetParam().message});
    text::catalogue().fill(text::UiLanguage::Russian);
    fs::remove_all(dir);
}

const char* const kTooLarge = "File tablegost3900.txt is too large: a reduction table is never over 4 MB";

INSTANTIATE_TEST_SUITE_P(
    Cases, TableFileNotRead,
    ::testing::Values(
        UnreadCase{"folder", [](const std::filesystem::path& p) { std::filesystem::create_directory(p); },
                   density::TableFileStatus::Unreadable, "File tablegost3900.txt cannot be read: Is a directory"},
        UnreadCase{"big",
                   [](const std::filesystem::path& p) {
                       std::ofstream(p, std::ios::binary) << std::string(density::kMaxTableFileSize + 1, ' ');
                   },
                   density::TableFileStatus::TooLarge, kTooLarge},
        UnreadCase{"lines",
                   [](const std::filesystem::path& p) {
                       std::ofstream(p, std::ios::binary) << std::string(density::kMaxTableLines + 1, '\n');
                   },
                   density::TableFileStatus::TooLarge, kTooLarge},
        // endless, or waiting for a writer: not a regular file, refused unread
        UnreadCase{"device", [](const std::filesystem::path& p) { std::filesystem::create_symlink("/dev/zero", p); },
                   density::TableFileStatus::NotRegular,
                   "File tablegost3900.txt cannot be read: it is not a regular file"},
        UnreadCase{"fifo", [](const std::filesystem::path& p) { mkfifo(p.c_str(), 0600); },
                   density::TableFileStatus::NotRegular,
                   "File tablegost3900.txt cannot be read: it is not a regular file"}),
    [](const ::testing::TestParamInfo<UnreadCase>& info) { return std::string(info.param.name); });

struct RoundCase {
    char separator;
    const char* in;
    const char* out;
};

class RoundToHalfDegree : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToHalfDegree, MovesOntoTheGrid)
{
    density::ScopedDecimalSeparator sep(GetParam().separator);
    const density::Result<std::string> r = density::roundToHalfDegree(GetParam().in);
    ASSERT_TRUE(r.ok()) << r.error();
    EXPECT_EQ(*r, GetParam().out);
    // a number goes where its text goes
    if (const std::optional<double> number = density::parseNumber(GetParam().in)) {
        double onGrid = 0;
        ASSERT_TRUE(density::roundToHalfDegreeValue(*number, onGrid));
        EXPECT_EQ(onGrid, density::parseNumber(*r).value_or(-1000));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundToHalfDegree,
                         ::testing::Values(RoundCase{',', "15,2", "15,0"}, RoundCase{',', "15,27", "15,0"},
                                           RoundCase{',', "15,3", "15,5"}, RoundCase{',', "15,77", "15,5"},
                                           RoundCase{',', "15,8", "16"}, RoundCase{',', "15,9", "16"},
                                           RoundCase{',', "-0,3", "-0,5"}, RoundCase{',', "-0,8", "-1"},
                                           RoundCase{',', "-3,9", "-4"}, RoundCase{',', "-3,1", "-3,0"},
                                           RoundCase{',', "20", "20"}, RoundCase{',', "124,9", "125"},
                                           RoundCase{',', "59,9", "60"}, RoundCase{'.', "15.8", "16"},
                                           RoundCase{'.', "15.3", "15.5"}, RoundCase{'.', "15,3", "15,3"}),
                         [](const ::testing::TestParamInfo<RoundToHalfDegree::ParamType>& i) {
                             return testnames::caseName(i.index, i.param.in);
                         });

// Texts the field check admits as numbers must not stop the calculation.
INSTANTIATE_TEST_SUITE_P(AdmittedNumbers, RoundToHalfDegree,
                         ::testing::Values(RoundCase{',', "15,", "15,0"}, RoundCase{',', ",8", "1"},
                                           RoundCase{',', "-,8", "-1"}, RoundCase{',', ",3", ",5"},
                                           RoundCase{',', " 15,8 ", "16"}, RoundCase{',', "+15,9", "16"},
                                           RoundCase{',', "1,58E1", "16"}, RoundCase{',', "1,55E1", "15,5"},
                                           RoundCase{',', "-2E1", "-20"}, RoundCase{',', "15, ", "15,0"}),
                         [](const ::testing::TestParamInfo<RoundToHalfDegree::ParamType>& i) {
                             return testnames::caseName(i.index, i.param.in);
                         });

TEST(RoundToHalfDegreeFailures, TextsThatAreNoNumber)
{
    density::ScopedDecimalSeparator sep(',');
    EXPECT_FALSE(density::roundToHalfDegree("15,x").ok());
    EXPECT_FALSE(density::roundToHalfDegree("a,9").ok());
    EXPECT_FALSE(density::roundToHalfDegree("1E,9").ok());
}

}  // namespace
