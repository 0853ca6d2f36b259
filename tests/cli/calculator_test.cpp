#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <fstream>
#include <sstream>

#include "app/catalogue.h"
#include "cli/batch.h"
#include "cli/calculator.h"
#include "density/numeric_text.h"
#include "support/table_fixture.h"

using cli::Outcome;

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

class Calculator : public ::testing::Test {
protected:
    void SetUp() override { shell::catalogue().fill(shell::UiLanguage::Russian); }

    Outcome run(const std::string& command, const std::vector<std::string>& args)
    {
        return m_calc.run(command, args, m_options);
    }
    // the one message of a run refused with status 2
    std::string refused(const std::string& command, const std::vector<std::string>& args)
    {
        const Outcome o = run(command, args);
        EXPECT_EQ(o.status, cli::kStatusCheckFailed);
        EXPECT_TRUE(o.results.empty());
        EXPECT_EQ(o.messages.size(), 1u);
        return o.messages.empty() ? "" : o.messages.front();
    }

    density::ScopedDecimalSeparator m_sep{','};
    TableFile m_table;
    cli::Calculator m_calc{m_table.path()};
    cli::Options m_options;
};

// --- the worked values of the 15 °C model and the API references ---

TEST_F(Calculator, Reduce15WorkedValues)
{
    m_options.glass = false;
    EXPECT_EQ(run("reduce15", {"850", "30"}).results, (Results{{"density15", "860,6"}}));
    m_options.glass = true;
    EXPECT_EQ(run("reduce15", {"850", "30"}).results, (Results{{"density15", "860,3"}}));
    m_options.glass = false;
    m_options.group = density::ProductGroup::Crude;
    EXPECT_EQ(run("reduce15", {"850", "30"}).results, (Results{{"density15", "860,7"}}));
    m_options.group = density::ProductGroup::Lubricating;
    EXPECT_EQ(run("reduce15", {"900", "50"}).results, (Results{{"density15", "922,1"}}));
    m_options.group = density::ProductGroup::Products;
    const Outcome o = run("reduce15", {"780", "-20"});
    EXPECT_EQ(o.status, cli::kStatusOk);
    EXPECT_EQ(o.results, (Results{{"density15", "748,9"}}));
    EXPECT_TRUE(o.messages.empty());
}

TEST_F(Calculator, Actual15WorkedValues)
{
    EXPECT_EQ(run("actual15", {"850", "30"}).results, (Results{{"actual_density", "839,4"}}));
    m_options.pressure = "5";
    EXPECT_EQ(run("actual15", {"850", "30"}).results, (Results{{"actual_density", "842,7"}}));
    m_options.pressure = "10,34";
    EXPECT_EQ(run("actual15", {"850", "15"}).results, (Results{{"actual_density", "856,4"}}));
    // the same pressure in psi: 1499,6 psi is 10,3394 MPa
    m_options.pressure = "50";
    m_options.pressureUnit = density::PressureUnit::Bar;
    EXPECT_EQ(run("actual15", {"850", "30"}).results, (Results{{"actual_density", "842,7"}}));
}

TEST_F(Calculator, Mass15AndVolume15)
{
    // 1000 m3 weigh as many tonnes as the actual density
    EXPECT_EQ(run("mass15", {"1000", "850", "30"}).results,
              (Results{{"mass_t", "839,369"}, {"actual_density", "839,4"}}));
    EXPECT_EQ(run("volume15", {"839,369", "850", "30"}).results,
              (Results{{"volume", "1000,000"}, {"actual_density", "839,4"}}));
    m_options.volumeUnit = density::VolumeUnit::Barrel;
    EXPECT_EQ(run("volume15", {"839,369", "850", "30"}).results,
              (Results{{"volume", "6289,783"}, {"actual_density", "839,4"}}));
}

TEST_F(Calculator, ApiThroughEachStandard)
{
    // at 20 °C the synthetic table gives the reading itself
    Outcome o = run("api20", {"850", "20"});
    EXPECT_EQ(o.status, cli::kStatusOk);
    ASSERT_EQ(o.results.size(), 3u);
    EXPECT_EQ(o.results[0], (std::pair<std::string, std::string>{"temperature", "20"}));
    EXPECT_EQ(o.results[1], (std::pair<std::string, std::string>{"density20", "850,0"}));
    EXPECT_EQ(o.results[2].first, "api");

    o = run("api15-density", {"35", "15"});
    EXPECT_EQ(o.status, cli::kStatusOk);
    ASSERT_EQ(o.results.size(), 2u);
    EXPECT_EQ(o.results[0].first, "density15");
    EXPECT_EQ(o.results[1].first, "actual_density");

    o = run("api15", {"850", "15"});
    EXPECT_EQ(o.status, cli::kStatusOk);
    ASSERT_EQ(o.results.size(), 2u);
    EXPECT_EQ(o.results[0], (std::pair<std::string, std::string>{"density15", "850,0"}));

    o = run("api20-density", {"35", "20,2"});
    EXPECT_EQ(o.status, cli::kStatusOk);
    ASSERT_EQ(o.results.size(), 3u);
    EXPECT_EQ(o.results[0], (std::pair<std::string, std::string>{"temperature", "20,0"}));
}

// --- the 20 °C subcommands answer from the table ---

TEST_F(Calculator, Reduce20RoundsTheTemperatureFirst)
{
    const Outcome o = run("reduce20", {"853,4", "20,2"});
    EXPECT_EQ(o.status, cli::kStatusOk);
    EXPECT_EQ(o.results, (Results{{"temperature", "20,0"}, {"density20", "853,4"}}));
    EXPECT_EQ(run("reduce20", {"850", "15,8"}).results.front().second, "16");
    m_options.temperatureUnit = density::TemperatureUnit::Fahrenheit;
    // 59,9 °F is written back as 60; 60 °F is 15,6 °C, row 15,5
    const std::string expected = *density::formatFixed(testdata::syntheticDensity20(850, 15.5), 1);
    EXPECT_EQ(run("reduce20", {"850", "59,9"}).results, (Results{{"temperature", "60"}, {"density20", expected}}));
}

TEST_F(Calculator, Mass20AndVolume20)
{
    EXPECT_EQ(run("mass20", {"1000", "850", "20"}).results,
              (Results{{"temperature", "20"}, {"mass_t", "850,000"}, {"actual_density", "850,0"}}));
    // a volume of 0,0004 m3 counts as 0,000 m3
    EXPECT_EQ(run("mass20", {"0,0004", "800", "20"}).results,
              (Results{{"temperature", "20"}, {"mass_t", "0,000"}, {"actual_density", "800,0"}}));
    // 10 t at 800 kg/m3 is 12,500 m3
    EXPECT_EQ(run("volume20", {"10", "800", "20"}).results,
              (Results{{"temperature", "20"}, {"volume", "12,500"}, {"actual_density", "800,0"}}));
}

TEST_F(Calculator, OutOfTheTable)
{
    // 1090 at 125 °C would be 1163,5 at 20 °C: no cell holds it
    Outcome o = run("reduce20", {"1090", "125"});
    EXPECT_EQ(o.status, cli::kStatusCalcFailed);
    EXPECT_EQ(o.messages, Texts{"Плотность при 20°C вышла за пределы таблицы"});
    EXPECT_EQ(o.results, (Results{{"temperature", "125"}}));  // the field was rewritten, no result

    o = run("mass20", {"10", "1099", "-20"});
    EXPECT_EQ(o.status, cli::kStatusCalcFailed);
    EXPECT_EQ(o.messages, Texts{"Фактическая плотность вышла за пределы таблицы"});
}

TEST_F(Calculator, AMissingTableIsReported)
{
    cli::Calculator none(testing::TempDir() + "no_such_dir/tablegost3900.txt");
    const Outcome o = none.run("reduce20", {"850", "20"}, m_options);
    EXPECT_EQ(o.status, cli::kStatusCalcFailed);
    EXPECT_EQ(o.messages,
              Texts{"Файл tablegost3900.txt не найден. Проверьте его наличие в папке программы."});
    // the checks come first
    EXPECT_EQ(none.run("reduce20", {"", "20"}, m_options).status, cli::kStatusCheckFailed);
    // the 15 °C subcommands need no table
    EXPECT_EQ(none.run("reduce15", {"850", "20"}, m_options).status, cli::kStatusOk);
}

// --- the checks of the handlers, in their order ---

TEST_F(Calculator, Reduce20Checks)
{
    EXPECT_EQ(refused("reduce20", {"", ""}), "Поле *Плотность (кг/м3)* должно быть заполнено");
    EXPECT_EQ(refused("reduce20", {"  ", "20"}), "Неверное значение поля *Плотность (кг/м3)*");
    EXPECT_EQ(refused("reduce20", {"499,9", "20"}),
              "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3");
    EXPECT_EQ(refused("reduce20", {"1090,1", "20"}),
              "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3");
    EXPECT_EQ(refused("reduce20", {"850", ""}), "Поле *Температура* должно быть заполнено");
    EXPECT_EQ(refused("reduce20", {"850", "x"}), "Неверное значение поля *Температура*");
    EXPECT_EQ(refused("reduce20", {"850", "125,2"}), "Температура вышла за пределы таблицы : -25°C ... +125°C");
    m_options.temperatureUnit = density::TemperatureUnit::Fahrenheit;
    EXPECT_EQ(refused("reduce20", {"850", "257,5"}),
              "Температура вышла за пределы таблицы : -13°F(-25°C) ... +257°F(+125°C)");
    EXPECT_EQ(run("reduce20", {"500", "68"}).status, cli::kStatusOk);
}

TEST_F(Calculator, QuantityChecks)
{
    EXPECT_EQ(refused("mass20", {"0", "850", "20"}), "Значение поля *Объем* должно быть больше нуля");
    EXPECT_EQ(refused("mass20", {"10", "494,9", "20"}), "Плотность при 20°C вышла за пределы таблицы");
    EXPECT_EQ(refused("mass20", {"10", "850", ""}), "Поле *Температура в танке* должно быть заполнено");
    EXPECT_EQ(refused("volume20", {"-1", "850", "20"}), "Значение поля *Масса* должно быть больше нуля");
    EXPECT_EQ(refused("volume20", {"1", "", "20"}), "Поле *Плотность при 20°C (кг/м3)* должно быть заполнено");
    EXPECT_EQ(refused("actual20", {"1099,9", "20"}), "Плотность при 20°C вышла за пределы таблицы");
    EXPECT_EQ(run("actual20", {"1099,8", "20"}).status, cli::kStatusCalcFailed);  // admitted, not in this table
    EXPECT_EQ(refused("mass15", {"10", "609,99", "20"}),
              "Плотность при 15°C вышла за пределы таблицы : 610-1170 кг/м3");
    EXPECT_EQ(refused("volume15", {"10", "1170,01", "20"}),
              "Плотность при 15°C вышла за пределы таблицы : 610-1170 кг/м3");
    EXPECT_EQ(refused("volume15", {"10", "850", "x"}), "Неверное значение поля *Температура в танке*");
    EXPECT_EQ(refused("mass15", {"10", "850", "100,1"}), "Температура вышла за пределы таблицы : -50°C ... +100°C");
    EXPECT_EQ(run("mass15", {"10", "610", "-50"}).status, cli::kStatusOk);
    EXPECT_EQ(run("mass15", {"10", "1170", "100"}).status, cli::kStatusOk);
}

TEST_F(Calculator, Reduce15Checks)
{
    EXPECT_EQ(refused("reduce15", {"549,9", "20"}), "Плотность вышла за пределы таблицы : 550-1190 кг/м3");
    EXPECT_EQ(run("reduce15", {"550", "20"}).status, cli::kStatusOk);
    EXPECT_EQ(run("reduce15", {"1190", "20"}).status, cli::kStatusOk);
    m_options.temperatureUnit = density::TemperatureUnit::Fahrenheit;
    EXPECT_EQ(refused("reduce15", {"850", "212,5"}),
              "Температура вышла за пределы таблицы : -58°F(-50°C) ... +212°F(+100°C)");
}

TEST_F(Calculator, PressureChecksOnlyWhenTheOptionIsOn)
{
    m_options.pressure = "abc";
    EXPECT_EQ(refused("actual15", {"850", "20"}), "Неверное значение поля *Избыточное давление*");
    m_options.pressure = "";
    EXPECT_EQ(refused("actual15", {"850", "20"}), "Поле *Избыточное давление* должно быть заполнено");
    m_options.pressure = "10,35";
    EXPECT_EQ(refused("mass15", {"1", "850", "20"}), "Избыточное давление вышло за пределы диапазона");
    m_options.pressure = "-0,01";
    EXPECT_EQ(refused("volume15", {"1", "850", "20"}), "Избыточное давление вышло за пределы диапазона");
    // the range applies in MPa, whatever the unit
    m_options.pressure = "103,5";
    m_options.pressureUnit = density::PressureUnit::Bar;
    EXPECT_EQ(refused("actual15", {"850", "20"}), "Избыточное давление вышло за пределы диапазона");
    m_options.pressure = "1499,6";
    m_options.pressureUnit = density::PressureUnit::Psi;
    EXPECT_EQ(run("actual15", {"850", "20"}).status, cli::kStatusOk);
    m_options.pressure = "0";
    EXPECT_EQ(run("actual15", {"850", "30"}).results, (Results{{"actual_density", "839,4"}}));
    // the field checks come before the pressure
    m_options.pressure = "abc";
    EXPECT_EQ(refused("actual15", {"850", ""}), "Поле *Температура* должно быть заполнено");
}

TEST_F(Calculator, ApiChecks)
{
    EXPECT_EQ(refused("api20-density", {"", "20"}),
              "Поле *Плотность по API при 60°F (град.)* должно быть заполнено");
    EXPECT_EQ(refused("api15-density", {"z", "20"}), "Неверное значение поля *Плотность по API при 60°F (град.)*");
    EXPECT_EQ(refused("api15-density", {"99,1", "20"}), "Плотность по API вышла за пределы таблицы : 0 - 99");
    EXPECT_EQ(refused("api20-density", {"-0,1", "20"}), "Плотность по API вышла за пределы таблицы : 0 - 99");
    EXPECT_EQ(run("api15-density", {"0", "20"}).status, cli::kStatusOk);
    EXPECT_EQ(run("api15-density", {"99", "20"}).status, cli::kStatusOk);
    EXPECT_EQ(refused("api15", {"1190,1", "20"}), "Плотность вышла за пределы таблицы : 550-1190 кг/м3");
    EXPECT_EQ(refused("api20", {"850", "-25,5"}), "Температура вышла за пределы таблицы : -25°C ... +125°C");
    EXPECT_EQ(refused("api15", {"850", "-50,5"}), "Температура вышла за пределы таблицы : -50°C ... +100°C");
}

TEST_F(Calculator, EnglishMessages)
{
    shell::catalogue().fill(shell::UiLanguage::English);
    const std::string text = refused("volume15", {"", "850", "20"});
    shell::catalogue().fill(shell::UiLanguage::Russian);
    EXPECT_EQ(text, "Field *Mass* must be filled");
}

TEST_F(Calculator, Convert)
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

TEST_F(Calculator, WrongUse)
{
    EXPECT_EQ(run("reduce21", {"850", "20"}).status, cli::kStatusUsage);
    EXPECT_EQ(run("reduce20", {"850"}).status, cli::kStatusUsage);
}

TEST_F(Calculator, PointSeparator)
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

TEST_F(Calculator, BatchGoodAndBadLines)
{
    std::istringstream in("command;a;b;c\r\n"
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

TEST_F(Calculator, BatchWithCommas)
{
    density::ScopedDecimalSeparator point('.');
    std::istringstream in("command,x1,x2,x3,x4\n"
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
              "actual15,850,30,5,,,,,,,,,,actual15 takes 2 arguments\n");
    EXPECT_EQ(summary.failed, 1);
}

TEST_F(Calculator, BatchOnSeveralThreadsKeepsTheOrder)
{
    // many chunks, every calculator, good and bad lines
    std::string input = "command;a;b;c\n";
    const char* const lines[] = {"reduce20;%d,5;20,2", "mass20;%d;850;15,3", "reduce15;%d;30", "volume15;1;%d;20",
                                 "api20;%d;20", "api15-density;%d;20", "actual15;%d;-5", "nosuch;%d"};
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

TEST_F(Calculator, BatchLinesAcrossReadBlocks)
{
    // lines of 17 bytes straddle the reader's blocks; the last has no break
    const int count = 30000;
    std::string input = "command;a;b\r\n";
    for (int i = 0; i < count; ++i)
        input += i + 1 < count ? "reduce20;853;20\r\n" : "reduce20;853;20";
    std::istringstream in(input);
    std::ostringstream out;
    cli::BatchSummary summary;
    std::string error;
    ASSERT_TRUE(cli::runBatch(in, out, m_calc, m_options, summary, error, 2)) << error;
    EXPECT_EQ(summary.lines, count);
    std::string expected = "command;a;b;temperature;density20;density15;api;actual_density;mass_t;volume;pressure;error\n";
    for (int i = 0; i < count; ++i)
        expected += "reduce20;853;20;20;853,0;;;;;;;\n";
    const std::string got = out.str();
    const auto at = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    EXPECT_TRUE(got == expected) << "first difference at byte " << (at.first - got.begin());
}

TEST_F(Calculator, BatchNeedsItsHeader)
{
    std::istringstream in("reduce20,850,20\n");
    std::ostringstream out;
    cli::BatchSummary summary;
    std::string error;
    EXPECT_FALSE(cli::runBatch(in, out, m_calc, m_options, summary, error));
    EXPECT_NE(error.find("command"), std::string::npos);
    std::istringstream empty("");
    EXPECT_FALSE(cli::runBatch(empty, out, m_calc, m_options, summary, error));
}

}  // namespace
