// The built vantorel-calc, run through a pipe on a temporary table file.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/table_fixture.h"

namespace {

struct Ran {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CommandLine : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // ctest runs each test as a process of its own, side by side
        s_prefix = testing::TempDir() + "vantorel_calc_" + std::to_string(getpid()) + "_";
        s_table = s_prefix + "table.txt";
        std::ofstream(s_table, std::ios::binary) << testdata::joinLines(testdata::syntheticTable(-25, 125));
    }
    static void TearDownTestSuite() { std::remove(s_table.c_str()); }

    // Runs the program with the arguments (already quoted for the shell).
    Ran run(const std::string& arguments, const std::string& input = {})
    {
        const std::string err = s_prefix + "err.txt";
        std::string command = std::string("'") + VANTOREL_CALC_PATH + "' --table '" + s_table + "' " + arguments;
        if (!input.empty()) {
            const std::string in = s_prefix + "in.csv";
            std::ofstream(in, std::ios::binary) << input;
            command += " < '" + in + "'";
            m_input = in;
        }
        command += " 2>'" + err + "'";
        Ran r;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return r;
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
            r.out.append(buf, n);
        const int wait = pclose(pipe);
        r.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
        r.err = slurp(err);
        std::remove(err.c_str());
        if (!m_input.empty())
            std::remove(m_input.c_str());
        return r;
    }

    static inline std::string s_prefix;
    static inline std::string s_table;
    std::string m_input;
};

TEST_F(CommandLine, OptionsOfThe15DegreeModel)
{
    Ran r = run("--decimal , --no-glass reduce15 850,0 30");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "density15\t860,6\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(run("--decimal , reduce15 850,0 30").out, "density15\t860,3\n");
    EXPECT_EQ(run("--decimal , --group crude --no-glass reduce15 850 30").out, "density15\t860,7\n");
    EXPECT_EQ(run("--decimal . --group lube --no-glass reduce15 900.0 50").out, "density15\t922.1\n");
    EXPECT_EQ(run("--decimal . actual15 850 30 --pressure 5").out, "actual_density\t842.7\n");
    EXPECT_EQ(run("--decimal . --pressure=10.34 --pressure-unit mpa actual15 850 15").out, "actual_density\t856.4\n");
    // options may stand anywhere; a Fahrenheit temperature: 86 °F is 30 °C
    EXPECT_EQ(run("--decimal . reduce15 850 86 --fahrenheit --no-glass").out, "density15\t860.6\n");
}

TEST_F(CommandLine, TwentyDegreesFromTheTable)
{
    Ran r = run("--decimal , reduce20 853,4 20,2");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "temperature\t20,0\ndensity20\t853,4\n");
    r = run("--decimal , --volume-unit gal mass20 1 800 20");
    EXPECT_EQ(r.out, "temperature\t20\nmass_t\t0,003\nactual_density\t800,0\n");
}

TEST_F(CommandLine, FailedChecksGoToStandardErrorWithStatus2)
{
    Ran r = run("--decimal , reduce20 499,9 20");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3\n");
    r = run("--lang en mass15 '' 850 20");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Field *Volume* must be filled\n");
}

TEST_F(CommandLine, OutOfTheTableHasStatus3)
{
    const Ran r = run("--decimal , reduce20 1090 125");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "temperature\t125\n");
    EXPECT_EQ(r.err, "Плотность при 20°C вышла за пределы таблицы\n");
}

TEST_F(CommandLine, WrongUseHasStatus1)
{
    EXPECT_EQ(run("reduce20 850").status, 1);
    EXPECT_EQ(run("nosuch 1 2").status, 1);
    EXPECT_EQ(run("--group gas reduce15 850 20").status, 1);
    EXPECT_EQ(run("--decimal x reduce15 850 20").status, 1);
    EXPECT_EQ(run("").status, 1);
    // an option's value is a whole token
    for (const char* threads : {"1.5", "4x", "' 4'", "+4", "0", "65"})
        EXPECT_EQ(run(std::string("--threads ") + threads + " reduce15 850 20").status, 1) << threads;
    EXPECT_EQ(run("--threads 4 reduce15 850 20").status, 0);
}

TEST_F(CommandLine, HelpAndVersion)
{
    Ran r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("api15-density API TEMP"), std::string::npos);
    r = run("mass15 --help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("mass15 VOLUME DENSITY15 TEMP"), std::string::npos);
    EXPECT_NE(r.out.find("mass_t actual_density"), std::string::npos);
    EXPECT_EQ(run("batch --help").status, 0);
    r = run("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("vantorel-calc ", 0), 0u);
}

TEST_F(CommandLine, BatchFromStandardInput)
{
    const Ran r = run("--decimal , --lang en batch -", "command;arg1;arg2;arg3\n"
                                                       "reduce15;850;30\n"
                                                       "reduce15;850;200\n"
                                                       "mass20;1000;850;20\n"
                                                       "volume15;0;850;20\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "2 of 4 lines failed\n");
    EXPECT_EQ(r.out,
              "command;arg1;arg2;arg3;temperature;density20;density15;api;actual_density;mass_t;volume;pressure;"
              "error\n"
              "reduce15;850;30;;;;860,3;;;;;;\n"
              "reduce15;850;200;;;;;;;;;;Temperature is out of the table : -50°C ... +100°C\n"
              "mass20;1000;850;20;20;;;;850,0;850,000;;;\n"
              "volume15;0;850;20;;;;;;;;;Value of field *Mass* must be above zero\n");
}

TEST(CommandLineTable, ReadFromTheProgramsFolderByDefault)
{
    // the build copies data/tablegost3900.txt beside the program; at 20 °C a
    // reading is its own density at 20 °C
    const std::string command = std::string("'") + VANTOREL_CALC_PATH + "' --decimal , reduce20 850 20 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buf[512];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        out.append(buf, n);
    const int wait = pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(wait), 0) << out;
    EXPECT_EQ(out, "temperature\t20\ndensity20\t850,0\n");
}

TEST_F(CommandLine, StrictBatchExitsWithTheWorstStatusOfItsLines)
{
    const std::string input = "command;arg1;arg2\nreduce15;850;30\nreduce15;850;200\n";
    Ran r = run("--strict --lang en batch", input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "1 of 2 lines failed\n");
    EXPECT_EQ(run("--strict batch", "command;arg1;arg2\nreduce15;850;30\nnosuch;1\n").status, 1);
    EXPECT_EQ(run("--strict batch", "command;arg1;arg2\nreduce15;850;30\n").status, 0);
}

TEST_F(CommandLine, AnOverlongBatchLineIsThatLinesError)
{
    // a megabyte and a half in one line, an unterminated quote in another
    const std::string input = "command;arg1;arg2\nreduce15;" + std::string(1536 * 1024, '8') +
                              ";30\n\"reduce15;" + std::string(100000, 'x') + "\nreduce15;850;30\n";
    const Ran r = run("--decimal , batch", input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "2 of 3 lines failed\n");
    const std::string head = "command;arg1;arg2;temperature;density20;density15;api;actual_density;mass_t;volume;"
                             "pressure;error\n";
    const std::string quoted = "\"reduce15;" + std::string(100000, 'x') + "\"";
    EXPECT_EQ(r.out, head + ";;;;;;;;;;;the line is longer than 1048576 bytes\n" + quoted +
                         ";;;;;;;;;;;\"unknown subcommand 'reduce15;" + std::string(31, 'x') + "...'\"\n" +
                         "reduce15;850;30;;;860,3;;;;;;\n");
    // an endless header is refused once it passes the limit
    const Ran endless = run("batch /dev/zero");
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, "vantorel-calc: the header line is longer than 1048576 bytes\n");
}

TEST_F(CommandLine, LostOutputIsAFailure)
{
    const std::string input = "command;arg1;arg2\nreduce15;850;30\n";
    for (const char* arguments : {"--decimal , reduce15 850 30", "--help", "--version", "batch"}) {
        Ran r = run(std::string(arguments) + " >/dev/full", input);
        EXPECT_EQ(r.status, 4) << arguments;
        EXPECT_EQ(r.err, "vantorel-calc: cannot write the output: No space left on device\n") << arguments;
        r = run(std::string(arguments) + " >&-", input);
        EXPECT_EQ(r.status, 4) << arguments;
        EXPECT_EQ(r.err, "vantorel-calc: cannot write the output: Bad file descriptor\n") << arguments;
    }
}

TEST_F(CommandLine, ABrokenPipeStopsTheBatchWhenSigpipeIsIgnored)
{
    std::string input = "command;arg1;arg2\n";
    for (int i = 0; i < 100000; ++i)
        input += "reduce15;850;30\n";
    const std::string in = s_prefix + "pipe.csv";
    const std::string status = s_prefix + "pipe.status";
    std::ofstream(in, std::ios::binary) << input;
    // computed in turn, and on threads whose chunks are dropped once a write fails
    for (const char* threads : {"1", "3"}) {
        const std::string command = "(trap '' PIPE; '" + std::string(VANTOREL_CALC_PATH) + "' --threads " + threads +
                                    " batch '" + in + "' 2>/dev/null; echo $? >'" + status + "') | head -1 >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << threads;
        EXPECT_EQ(slurp(status), "4\n") << threads;
    }
    std::remove(in.c_str());
    std::remove(status.c_str());
}

struct UnreadTableCase {
    const char* table;  // a path, or "folder" for a folder of the test
    const char* arguments;
    int status;
    const char* err;
};

class UnreadTable : public CommandLine, public ::testing::WithParamInterface<UnreadTableCase> {};

TEST_P(UnreadTable, IsAMessageNotAnAbort)
{
    const UnreadTableCase& c = GetParam();
    std::string table = c.table;
    if (table == "folder") {
        table = s_prefix + "folder";
        std::filesystem::create_directory(table);
    }
    const Ran r = run("--lang en --decimal , --table '" + table + "' " + c.arguments, "command;a;b\nreduce15;850;30\n");
    EXPECT_EQ(r.status, c.status);
    std::string err = c.err;
    if (const std::size_t at = err.find("FOLDER"); at != std::string::npos)
        err.replace(at, 6, table.substr(table.find_last_of('/') + 1));
    EXPECT_EQ(r.err, err);
    std::filesystem::remove(s_prefix + "folder");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadTable,
    ::testing::Values(UnreadTableCase{"/nonexistent/folder/table.txt", "reduce20 850 20", 3,
                                      "File table.txt not found. Check the file exists.\n"},
                      UnreadTableCase{"folder", "reduce20 850 20", 3, "File FOLDER cannot be read: Is a directory\n"},
                      UnreadTableCase{"/dev/zero", "reduce20 850 20", 3,
                                      "File zero is too large: a reduction table is never over 4 MB\n"},
                      // no line needs the table
                      UnreadTableCase{"folder", "batch", 0, ""}));

TEST_F(CommandLine, BatchWithoutHeaderFails)
{
    const Ran r = run("batch", "reduce15,850,30\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("command"), std::string::npos);
    EXPECT_EQ(run("batch /dev/null").status, 1);
}

}  // namespace
