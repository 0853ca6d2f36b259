#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/batch.h"
#include "cli/command_runner.h"
#include "density/numeric_text.h"
#include "support/table_fixture.h"
#include "text/catalogue.h"

using cli::CommandReport;
using cli::Options;

namespace {

using Results = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

// A synthetic reduction table in a temporary file, removed at the end.
class TableFile {
public:
    // named after the process too: ctest runs the tests side by side
    TableFile()
        : m_path(testing::TempDir() + "vantorel_cli_table_" + std::to_string(getpid()) + "_" +
                 std::to_string(++s_count) + ".txt")
    {
        std::ofstream(m_path, std::ios::binary) << testdata::joinLines(testdata::syntheticTable(-25, 125));
    }
    ~TableFile() { std::remove(m_path.c_str()); }
    const std::string& path() const { return m_path; }

private:
    static inline int s_count = 0;
    std::string m_path;
};

class Runner : public ::testing::Test {
protected:
    void SetUp() override { text::catalogue().fill(text::UiLanguage::Russian); }

    CommandReport run(const std::string& command, const std::vector<std::string>& args)
    {
        return m_calc.run(command, args, m_options);
    }
    // the one message of a run refused with status 2
    std::string refused(const std::string& command, const std::vector<std::string>& args)
    {
        const CommandReport o = run(command, args);
        EXPECT_EQ(o.status, cli::kStatusCheckFailed);
        EXPECT_TRUE(o.results.empty());
        EXPECT_EQ(o.messages.size(), 1u);
        return o.messages.empty() ? "" : o.messages.front();
    }

    density::ScopedDecimalSeparator m_sep{','};
    TableFile m_table;
    cli::CommandRunner m_calc{m_table.path()};
    cli::Options m_options;
};

// --- each subcommand: its arguments in order, its result names and the options ---

TEST_F(Runner, EachSubcommandNamesItsResults)
{
    const Options celsius;
    Options fahrenheit;
    fahrenheit.temperatureUnit = density::TemperatureUnit::Fahrenheit;
    Options pressure;
    pressure.pressure = "5";
    Options barrels;
    barrels.volumeUnit = density::VolumeUnit::Barrel;
    // 59,9 °F is written back as 60; 60 °F is 15,6 °C, row 15,5
    const std::string at60 = *density::formatFixed(testdata::syntheticDensity20(850, 15.5), 1);
    struct Case {
        const char* command;
        std::vector<std::string> args;
        const Options& options;
        Results results;  // "*": any value (asserted where it is computed)
    };
    const Case cases[] = {
        {"reduce20", {"853,4", "20,2"}, celsius, {{"temperature", "20,0"}, {"density20", "853,4"}}},
        {"reduce20", {"850", "59,9"}, fahrenheit, {{"temperature", "60"}, {"density20", at60}}},
        {"actual20", {"850", "29,8"}, celsius, {{"temperature", "30"}, {"actual_density", "843,0"}}},
        {"mass20",
         {"1000", "850", "20"},
         celsius,
         {{"temperature", "20"}, {"mass_t", "850,000"}, {"actual_density", "850,0"}}},
        {"volume20",
         {"10", "800", "20"},
         celsius,
         {{"temperature", "20"}, {"volume", "12,500"}, {"actual_density", "800,0"}}},
        {"reduce15", {"850", "30"}, celsius, {{"density15", "860,3"}}},
        {"actual15", {"850", "30"}, pressure, {{"actual_density", "842,7"}}},
        {"mass15", {"1000", "850", "30"}, celsius, {{"mass_t", "839,369"}, {"actual_density", "839,4"}}},
        {"volume15", {"839,369", "850", "30"}, barrels, {{"volume", "6289,783"}, {"actual_density", "839,4"}}},
        {"api20", {"850", "20"}, celsius, {{"temperature", "20"}, {"density20", "850,0"}, {"api", "*"}}},
        {"api20-density",
         {"35", "20,2"},
         celsius,
         {{"temperature", "20,0"}, {"density20", "*"}, {"actual_density", "*"}}},
        {"api15", {"850", "15"}, celsius, {{"density15", "850,0"}, {"api", "*"}}},
        {"api15-density", {"35", "15"}, celsius, {{"density15", "849,4"}, {"actual_density", "849,4"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        CommandReport o = m_calc.run(c.command, c.args, c.options);
        EXPECT_EQ(o.status, cli::kStatusOk);
        EXPECT_TRUE(o.messages.empty());
        ASSERT_EQ(o.results.size(), c.results.size());
        for (std::size_t i = 0; i < c.results.size(); ++i)
            if (c.results[i].second == "*")
                o.results[i].second = o.results[i].second.empty() ? "" : "*";
        EXPECT_EQ(o.results, c.results);
    }
}

TEST_F(Runner, AMissingTableIsReported)
{
    cli::CommandRunner none(testing::TempDir() + "no_such_dir/tablegost3900.txt");
    const CommandReport o = none.run("reduce20", {"850", "20"}, m_options);
    EXPECT_EQ(o.status, cli::kStatusCalcFailed);
    EXPECT_EQ(o.messages, Texts{"Файл tablegost3900.txt не найден. Проверьте его наличие в папке программы."});
    // the checks come first
    EXPECT_EQ(none.run("reduce20", {"", "20"}, m_options).status, cli::kStatusCheckFailed);
    // the 15 °C subcommands need no table
    EXPECT_EQ(none.run("reduce15", {"850", "20"}, m_options).status, cli::kStatusOk);
}

TEST_F(Runner, ThePressureOptionReachesOnlyTheSubcommandsWithAPressure)
{
    m_options.pressure = "abc";
    EXPECT_EQ(refused("actual15", {"850", "20"}), "Неверное значение поля *Избыточное давление*");
    EXPECT_EQ(refused("volume15", {"1", "850", "20"}), "Неверное значение поля *Избыточное давление*");
    EXPECT_EQ(run("reduce15", {"850", "20"}).status, cli::kStatusOk);
    EXPECT_EQ(run("api15", {"850", "20"}).status, cli::kStatusOk);
}

TEST_F(Runner, Convert)
{
    EXPECT_EQ(run("convert", {"temperature", "20", "C", "F"}).results, (Results{{"temperature", "68,0"}}));
    EXPECT_EQ(run("convert", {"temperature", "100", "f", "c"}).results, (Results{{"temperature", "37,8"}}));
    EXPECT_EQ(run("convert", {"volume", "10", "M3", "GAL"}).results, (Results{{"volume", "2641,722"}}));
    EXPECT_EQ(run("convert", {"volume", "1", "bbl", "gal"}).results, (Results{{"volume", "42,000"}}));
    EXPECT_EQ(run("convert", {"pressure", "10", "at", "bar"}).results, (Results{{"pressure", "9,81"}}));
    EXPECT_EQ(run("convert", {"pressure", "5", "psi", "psi"}).results, (Results{{"pressure", "5,0000"}}));
    EXPECT_EQ(refused("convert", {"volume", "abc", "m3", "bbl"}), "Ошибка при конвертации единиц объема");
    EXPECT_EQ(run("convert", {"volume", "1", "m3", "l"}).status, cli::kStatusUsage);
    EXPECT_EQ(run("convert", {"mass", "1", "t", "kg"}).status, cli::kStatusUsage);
}

TEST_F(Runner, PointSeparator)
{
    density::ScopedDecimalSeparator point('.');
    EXPECT_EQ(run("reduce20", {"853.4", "20.2"}).results, (Results{{"temperature", "20.0"}, {"density20", "853.4"}}));
    // 60 °F through GOST 3900-85 is the row 15.5 whatever the separator
    EXPECT_EQ(run("api20", {"850", "20"}).status, cli::kStatusOk);
    EXPECT_EQ(run("api15", {"850", "15"}).results.front().second, "850.0");
}

// --- batch ---

TEST(Csv, SplitsAndQuotes)
{
    std::vector<std::string> f;
    cli::splitCsv("a,\"b,c\",,\"d \"\"e\"\"\"", ',', f);
    EXPECT_EQ(f, (std::vector<std::string>{"a", "b,c", "", "d \"e\""}));
    cli::splitCsv("", ';', f);
    EXPECT_EQ(f, std::vector<std::string>{""});
    cli::splitCsv("reduce20;850,5;20", ';', f);
    EXPECT_EQ(f, (std::vector<std::string>{"reduce20", "850,5", "20"}));
    std::string out;
    cli::appendCsvField(out, "850,5", ',');
    cli::appendCsvField(out, "a\"b", ';');
    cli::appendCsvField(out, "plain", ',');
    EXPECT_EQ(out, "\"850,5\"\"a\"\"b\"plain");
}

TEST_F(Runner, BatchGoodAndBadLines)
{
    std::istringstream in(
        "command;a;b;c\r\n"
        "reduce20;853,4;20,2\r\n"
        "\r\n"
        "reduce20;499;20\r\n"
        "mass15;1000;850;30\r\n"
        "reduce20;1090;125\r\n"
        "nosuch;1\r\n"
        "convert;1;2;3;4\r\n"
        "volume20;10;800\r\n"
        "convert;volume;10;m3;bbl\r\n");
    std::ostringstream out;
    cli::BatchSummary summary;
    std::string error;
    ASSERT_TRUE(cli::runBatch(in, out, m_calc, m_options, summary, error)) << error;
    EXPECT_EQ(summary.lines, 8);
    EXPECT_EQ(summary.failed, 6);
    const std::string expected =
        "command;a;b;c;temperature;density20;density15;api;actual_density;mass_t;volume;pressure;error\n"
        "reduce20;853,4;20,2;;20,0;853,4;;;;;;;\n"
        "reduce20;499;20;;;;;;;;;;Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3\n"
        "mass15;1000;850;30;;;;;839,4;839,369;;;\n"
        "reduce20;1090;125;;125;;;;;;;;Плотность при 20°C вышла за пределы таблицы\n"
        "nosuch;1;;;;;;;;;;;unknown subcommand 'nosuch'\n"
        // a line longer than the header keeps the header's columns
        "convert;1;2;3;;;;;;;;;the line has 5 fields, the header 4\n"
        "volume20;10;800;;;;;;;;;;Поле *Температура в танке* должно быть заполнено\n"
        "convert;volume;10;m3;;;;;;;;;the line has 5 fields, the header 4\n";
    EXPECT_EQ(out.str(), expected);
}

TEST_F(Runner, BatchWithCommas)
{
    density::ScopedDecimalSeparator point('.');
    std::istringstream in(
        "command,x1,x2,x3,x4\n"
        "reduce15,850,30,,\n"
        "convert,volume,10,m3,bbl\n"
        "actual15,850,30,5,\n");
    std::ostringstream out;
    cli::BatchSummary summary;
    std::string error;
    ASSERT_TRUE(cli::runBatch(in, out, m_calc, m_options, summary, error));
    EXPECT_EQ(out.str(),
              "command,x1,x2,x3,x4,temperature,density20,density15,api,actual_density,mass_t,volume,pressure,error\n"
              "reduce15,850,30,,,,,860.3,,,,,,\n"
              "convert,volume,10,m3,bbl,,,,,,,62.898,,\n"
              // a field after the subcommand's own passes through
              "actual15,850,30,5,,,,,,839.4,,,,\n");
    EXPECT_EQ(summary.failed, 0);
}

TEST_F(Runner, BatchOnSeveralThreadsKeepsTheOrder)
{
    // many chunks, every calculator, good and bad lines
    std::string input = "command;a;b;c\n";
    const char* const lines[] = {"reduce20;%d,5;20,2", "mass20;%d;850;15,3",  "reduce15;%d;30", "volume15;1;%d;20",
                                 "api20;%d;20",        "api15-density;%d;20", "actual15;%d;-5", "nosuch;%d"};
    char buf[64];
    for (int i = 0; i < 20000; ++i) {
        std::snprintf(buf, sizeof buf, lines[i % 8], 480 + i % 700);
        input += buf;
        input += "\n";
    }
    std::string outputs[3];
    long long failed[3] = {};
    for (int threads : {1, 2, 3}) {
        std::istringstream in(input);
        std::ostringstream out;
        cli::BatchSummary summary;
        std::string error;
        ASSERT_TRUE(cli::runBatch(in, out, m_calc, m_options, summary, error, threads));
        EXPECT_EQ(summary.lines, 20000);
        outputs[threads - 1] = out.str();
        failed[threads - 1] = summary.failed;
    }
    EXPECT_GT(failed[0], 2500);
    EXPECT_EQ(failed[1], failed[0]);
    EXPECT_EQ(failed[2], failed[0]);
    EXPECT_EQ(outputs[1], outputs[0]);
    EXPECT_EQ(outputs[2], outputs[0]);
    EXPECT_EQ(std::count(outputs[0].begin(), outputs[0].end(), '\n'), 20001);
}

TEST_F(Runner, BatchLinesAcrossReadBlocks)
{
    // lines of 17 bytes straddle the reader's blocks of 64 KiB, and after a
    // header of 19 the first block ends between a CR and its LF; the last
    // line has no break; old Mac files end lines with a lone CR
    for (const std::string lineBreak : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(lineBreak == "\r" ? "CR" : lineBreak == "\n" ? "LF" : "CR LF");
        const int count = 30000;
        std::string input = "command;density;b" + lineBreak;
        for (int i = 0; i < count; ++i)
            input += i + 1 < count ? "reduce20;853;20" + lineBreak : "reduce20;853;20";
        std::istringstream in(input);
        std::ostringstream out;
        cli::BatchSummary summary;
        std::string error;
        ASSERT_TRUE(cli::runBatch(in, out, m_calc, m_options, summary, error, 2)) << error;
        EXPECT_EQ(summary.lines, count);
        std::string expected =
            "command;density;b;temperature;density20;density15;api;actual_density;mass_t;volume;pressure;error\n";
        for (int i = 0; i < count; ++i)
            expected += "reduce20;853;20;20;853,0;;;;;;;\n";
        const std::string got = out.str();
        const auto at = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
        EXPECT_TRUE(got == expected) << "first difference at byte " << (at.first - got.begin());
    }
}

}  // namespace
