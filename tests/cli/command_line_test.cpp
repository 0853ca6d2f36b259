// The built vantorel-calc, run through a pipe on a temporary table file.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

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

// Runs a shell command line: its standard output and exit status.
Ran runShell(const std::string& command)
{
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
    return r;
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

    // Runs the program with the arguments (already quoted for the shell),
    // in the environment given (VAR=value..., the locale variables unset
    // otherwise).
    Ran run(const std::string& arguments, const std::string& input = {}, const std::string& environment = "LANG=C")
    {
        const std::string err = s_prefix + "err.txt";
        std::string command = "env -u LC_ALL -u LC_MESSAGES -u LANG " + environment + " '" + VANTOREL_CALC_PATH +
                              "' --table '" + s_table + "' " + arguments;
        if (!input.empty()) {
            const std::string in = s_prefix + "in.csv";
            std::ofstream(in, std::ios::binary) << input;
            command += " < '" + in + "'";
            m_input = in;
        }
        command += " 2>'" + err + "'";
        Ran r = runShell(command);
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
    // after --, an option's name is an argument: here a temperature that is no number
    EXPECT_EQ(run("--decimal . reduce15 -- 850 --no-glass").status, 2);
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
    Ran r = run("--lang ru --decimal , reduce20 499,9 20");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3\n");
    r = run("--lang en mass15 '' 850 20");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Field *Volume* must be filled\n");
}

TEST_F(CommandLine, OutOfTheTableHasStatus3)
{
    const Ran r = run("--lang ru --decimal , reduce20 1090 125");
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
    for (const char* help : {"--help", "-h", "--lang=ru -h"}) {
        const Ran r = run(help);
        EXPECT_EQ(r.status, 0) << help;
        EXPECT_NE(r.out.find("api15-density API TEMP"), std::string::npos) << help;
    }
    // a subcommand's help needs none of its arguments
    for (const char* help : {"mass15 --help", "mass15 -h", "--fahrenheit mass15 1 --help"}) {
        const Ran r = run(help);
        EXPECT_EQ(r.status, 0) << help;
        EXPECT_NE(r.out.find("mass15 VOLUME DENSITY15 TEMP"), std::string::npos) << help;
        EXPECT_NE(r.out.find("mass_t actual_density"), std::string::npos) << help;
    }
    Ran r = run("batch -h");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("command;quantity;density;temp;tank"), std::string::npos);
    for (const char* version : {"--version", "-V", "reduce20 -V"}) {
        r = run(version);
        EXPECT_EQ(r.status, 0) << version;
        EXPECT_EQ(r.out.rfind("vantorel-calc (Vantorel) ", 0), 0u) << version;
        EXPECT_NE(r.out.find("\nCopyright (C) "), std::string::npos) << version;
        EXPECT_NE(r.out.find("\nLicense: "), std::string::npos) << version;
    }
}

struct LanguageCase {
    const char* environment;
    const char* arguments;
    int status;
    const char* err;
};

class Language : public CommandLine, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(Language, FollowsTheOptionElseTheLocale)
{
    const LanguageCase& c = GetParam();
    const Ran r = run(c.arguments, {}, c.environment);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
}

const char* const kOutOfTableEn = "Density (areometer) is out of the table : 500 - 1090 kg/m3\n";
const char* const kOutOfTableRu = "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, Language,
    ::testing::Values(LanguageCase{"LANG=C.UTF-8", "reduce20 1200 20", 2, kOutOfTableEn},
                      LanguageCase{"LANG=ru_RU.UTF-8", "reduce20 1200 20", 2, kOutOfTableRu},
                      LanguageCase{"LANG=C LC_MESSAGES=ru_RU.UTF-8", "reduce20 1200 20", 2, kOutOfTableRu},
                      LanguageCase{"LANG=ru_RU.UTF-8 LC_ALL=en_US.UTF-8", "reduce20 1200 20", 2, kOutOfTableEn},
                      LanguageCase{"", "reduce20 1200 20", 2, kOutOfTableEn},
                      LanguageCase{"LANG=ru_RU.UTF-8", "--lang en reduce20 1200 20", 2, kOutOfTableEn},
                      LanguageCase{"LANG=C", "reduce20 1200 20 --lang=RU", 2, kOutOfTableRu},
                      // usage errors too
                      LanguageCase{"LANG=ru_RU.UTF-8", "--group gas reduce15 850 20", 1,
                                   "vantorel-calc: --group: допустимо crude, products или lube\n"
                                   "Попробуйте 'vantorel-calc --help'.\n"},
                      LanguageCase{"LANG=C", "--group gas reduce15 850 20", 1,
                                   "vantorel-calc: --group takes crude, products or lube\n"
                                   "Try 'vantorel-calc --help'.\n"}));

TEST_F(CommandLine, JsonGivesTheValuesOfTheText)
{
    for (const char* call : {"--decimal , reduce20 853,4 20,2", "--decimal , --volume-unit bbl mass20 1000 850 30",
                             "--decimal . api15 850 20", "--decimal , convert volume 10 m3 gal",
                             "--decimal , --precision full mass15 1000 850 30", "--decimal , reduce20 1090 125"}) {
        SCOPED_TRACE(call);
        const Ran text = run(call);
        const Ran json = run(std::string("--format json ") + call);
        EXPECT_EQ(json.status, text.status);
        const nlohmann::ordered_json object = nlohmann::ordered_json::parse(json.out);
        EXPECT_EQ(object["status"], text.status);
        std::string lines;
        for (const auto& [name, result] : object["results"].items()) {
            const std::string shown = result["text"];
            lines += name + '\t' + shown + '\n';
            std::string pointed = shown;
            std::replace(pointed.begin(), pointed.end(), ',', '.');
            EXPECT_DOUBLE_EQ(result["number"].get<double>(), std::stod(pointed)) << name;
        }
        EXPECT_EQ(lines, text.out);
        std::string messages;
        for (const std::string m : object["messages"])
            messages += m + '\n';
        EXPECT_EQ(messages, text.err);
    }
}

TEST_F(CommandLine, FullPrecisionGivesTheValueHeld)
{
    EXPECT_EQ(run("--decimal . --precision full convert pressure 1 psi MPa").out, "pressure\t0.00689476\n");
    EXPECT_EQ(run("--decimal . convert pressure 1 psi MPa").out, "pressure\t0.0069\n");
    EXPECT_EQ(run("--decimal . --precision shown convert pressure 1 psi MPa").out, "pressure\t0.0069\n");
    // a table row of one line each, the names over the values
    EXPECT_EQ(run("--decimal , --format csv mass20 1000 850 20").out,
              "temperature;mass_t;actual_density\n20;850,000;850,0\n");
    EXPECT_EQ(run("--decimal . --format tsv --precision full convert volume 1 bbl m3").out, "volume\n0.158988\n");
}

TEST_F(CommandLine, BatchFromStandardInput)
{
    const Ran r = run("--decimal , --lang en batch -",
                      "command;arg1;arg2;arg3\n"
                      "reduce15;850;30\n"
                      "reduce15;850;200\n"
                      "mass20;1000;850;20\n"
                      "volume15;0;850;20\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "2 of 4 lines failed, the first at line 3\n");
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
    const Ran r = runShell(std::string("'") + VANTOREL_CALC_PATH + "' --decimal , reduce20 850 20 2>&1");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "temperature\t20\ndensity20\t850,0\n");
}

TEST_F(CommandLine, StrictBatchExitsWithTheWorstStatusOfItsLines)
{
    const std::string input = "command;arg1;arg2\nreduce15;850;30\nreduce15;850;200\n";
    Ran r = run("--strict --lang en batch", input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "1 of 2 lines failed, the first at line 3\n");
    EXPECT_EQ(run("--strict batch", "command;arg1;arg2\nreduce15;850;30\nnosuch;1\n").status, 1);
    EXPECT_EQ(run("--strict batch", "command;arg1;arg2\nreduce15;850;30\n").status, 0);
}

TEST_F(CommandLine, AnOverlongBatchLineIsThatLinesError)
{
    // a megabyte and a half in one line, an unterminated quote in another
    const std::string input = "command;arg1;arg2\nreduce15;" + std::string(1536 * 1024, '8') + ";30\n\"reduce15;" +
                              std::string(100000, 'x') + "\nreduce15;850;30\n";
    const Ran r = run("--lang en --decimal , batch", input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "2 of 3 lines failed, the first at line 2\n");
    const std::string head =
        "command;arg1;arg2;temperature;density20;density15;api;actual_density;mass_t;volume;"
        "pressure;error\n";
    const std::string quoted = "\"reduce15;" + std::string(100000, 'x') + "\"";
    EXPECT_EQ(r.out, head + ";;;;;;;;;;;the line is longer than 1048576 bytes\n" + quoted +
                         ";;;;;;;;;;;\"unknown subcommand 'reduce15;" + std::string(31, 'x') + "...'\"\n" +
                         "reduce15;850;30;;;860,3;;;;;;\n");
    // an endless first line is refused once it passes the limit
    const Ran endless = run("--lang en batch /dev/zero");
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, "vantorel-calc: the first line is longer than 1048576 bytes\n");
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

TEST_F(CommandLine, AClosedPipe)
{
    std::string input = "command;arg1;arg2\n";
    for (int i = 0; i < 100000; ++i)
        input += "reduce15;850;30\n";
    const std::string in = s_prefix + "pipe.csv";
    const std::string status = s_prefix + "pipe.status";
    const std::string err = s_prefix + "pipe.err";
    std::ofstream(in, std::ios::binary) << input;
    struct Case {
        const char* shell;  // run before the program
        const char* threads;
        const char* status;
        const char* err;
    };
    // as cat or grep: quietly ended by SIGPIPE; with the signal ignored, the
    // failed write stops the run, computed in turn or on threads whose chunks
    // are dropped once a write fails
    for (const Case& c : {Case{"", "1", "141\n", ""},
                          Case{"trap '' PIPE;", "1", "4\n", "vantorel-calc: cannot write the output: Broken pipe\n"},
                          Case{"trap '' PIPE;", "3", "4\n", "vantorel-calc: cannot write the output: Broken pipe\n"}}) {
        SCOPED_TRACE(std::string(c.shell) + " --threads " + c.threads);
        const std::string command = std::string("(") + c.shell + " '" + VANTOREL_CALC_PATH + "' --lang en --threads " +
                                    c.threads + " batch '" + in + "' 2>'" + err + "'; echo $? >'" + status +
                                    "') | head -1 >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(slurp(status), c.status);
        EXPECT_EQ(slurp(err), c.err);
    }
    for (const std::string& f : {in, status, err})
        std::remove(f.c_str());
}

struct UnreadTableCase {
    // a path, or a file the test makes: "folder", "fifo", "large" (5 MB),
    // "long" (a name of 300 bytes), "bytes" (a row with bytes that are no UTF-8)
    const char* table;
    const char* arguments;
    int status;
    const char* err;  // PATH stands for the table's path
};

class UnreadTable : public CommandLine, public ::testing::WithParamInterface<UnreadTableCase> {};

TEST_P(UnreadTable, IsAMessageNamingTheFileNotAnAbortNorAWait)
{
    const UnreadTableCase& c = GetParam();
    std::string table = c.table;
    const std::string kind = table;
    // only what the test makes is removed: the paths given may be devices
    const bool made = kind == "folder" || kind == "fifo" || kind == "large" || kind == "bytes" || kind == "long";
    if (made && kind != "long")
        table = s_prefix + kind;
    if (kind == "long")
        table = testing::TempDir() + std::string(300, 'n');
    if (kind == "folder")
        std::filesystem::create_directory(table);
    if (kind == "fifo") {
        ASSERT_EQ(mkfifo(table.c_str(), 0600), 0);
    }
    if (kind == "large")
        std::filesystem::resize_file((std::ofstream(table), table), 5u << 20);
    if (kind == "bytes")
        std::ofstream(table, std::ios::binary) << " \xff\xfe\n";
    // never waits for a writer to the FIFO
    const Ran r = run("--lang en --decimal , --table '" + table + "' " + c.arguments, "command;a;b\nreduce15;850;30\n",
                      "LANG=C timeout 20");
    EXPECT_EQ(r.status, c.status);
    std::string err = c.err;
    if (const std::size_t at = err.find("PATH"); at != std::string::npos)
        err.replace(at, 4, kind == "long" ? "..." + table.substr(table.size() - 100) : table);
    EXPECT_EQ(r.err, err);
    std::error_code ignored;
    if (made)
        std::filesystem::remove(table, ignored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadTable,
    ::testing::Values(
        UnreadTableCase{"/nonexistent/folder/table.txt", "reduce20 850 20", 3,
                        "File /nonexistent/folder/table.txt not found. Check the file exists.\n"},
        UnreadTableCase{"folder", "reduce20 850 20", 3, "File PATH cannot be read: Is a directory\n"},
        UnreadTableCase{"/dev/zero", "reduce20 850 20", 3, "File /dev/zero cannot be read: it is not a regular file\n"},
        UnreadTableCase{"fifo", "reduce20 850 20", 3, "File PATH cannot be read: it is not a regular file\n"},
        UnreadTableCase{"large", "reduce20 850 20", 3,
                        "File PATH is too large: a reduction table is never over 4 MB\n"},
        UnreadTableCase{"long", "reduce20 850 20", 3, "File PATH cannot be read: File name too long\n"},
        UnreadTableCase{"bytes", "reduce20 850 20", 3, "'\\xff\\xfe' is not a valid number (line 1 of PATH)\n"},
        // no line needs the table
        UnreadTableCase{"folder", "batch", 0, ""}));

TEST_F(CommandLine, BatchHeaderAndPassThroughColumns)
{
    // a first line not starting with command is a header when --header says so
    const Ran forced = run("--decimal . --header batch", "id;value;t;x\nA-7;1;2\n");
    EXPECT_EQ(forced.out.rfind("id;value;t;x;temperature;", 0), 0u) << forced.out;
    EXPECT_NE(forced.out.find("A-7;1;2;;;;;;;;;;unknown subcommand 'A-7'\n"), std::string::npos) << forced.out;

    const std::string tanks =
        "command;a1;a2;a3;id;tank\n"
        "mass20;1000;850;20;17;T-5\n"
        "reduce20;850;20;;18;T-6\n"
        "\n"
        "reduce15;499;20;;19;T-7\n";
    Ran r = run("--decimal , --lang en batch", tanks);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "command;a1;a2;a3;id;tank;temperature;density20;density15;api;actual_density;mass_t;volume;"
              "pressure;error\n"
              "mass20;1000;850;20;17;T-5;20;;;;850,0;850,000;;;\n"
              "reduce20;850;20;;18;T-6;20;850,0;;;;;;;\n"
              "reduce15;499;20;;19;T-7;;;;;;;;;Density is out of the table : 550-1190 kg/m3\n");
    EXPECT_EQ(r.err, "1 of 3 lines failed, the first at line 5\n");

    r = run("--decimal , --lang en --format json batch", tanks);
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> ids;
    std::vector<long long> numbers;
    while (std::getline(lines, line)) {
        const nlohmann::json object = nlohmann::json::parse(line);
        ids.push_back(object["extra"]["id"]);
        numbers.push_back(object["line"]);
        EXPECT_EQ(object["extra"]["tank"], "T-" + std::to_string(ids.size() + 4));
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"17", "18", "19"}));
    EXPECT_EQ(numbers, (std::vector<long long>{2, 3, 5}));
    EXPECT_NE(r.out.find("\"mass_t\":{\"number\":850.0,\"text\":\"850,000\"}"), std::string::npos) << r.out;
}

TEST_F(CommandLine, BatchWithoutHeader)
{
    // the columns of the longest subcommand, and any more the first line has
    const Ran r = run("--decimal . batch", "reduce15,850,30\r\nmass15,1000,850,30,T-1\r\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "command,column2,column3,column4,column5,temperature,density20,density15,api,actual_density,"
              "mass_t,volume,pressure,error\n"
              "reduce15,850,30,,,,,860.3,,,,,,\n"
              "mass15,1000,850,30,T-1,,,,,839.4,839.369,,,\n");
    EXPECT_EQ(run("batch /dev/null").status, 1);
}

TEST_F(CommandLine, BatchLinesMayEndWithALoneCarriageReturn)
{
    const Ran r = run("--lang en --strict batch", "command;a1;a2\rreduce20;850;15,3\r");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out,
              "command;a1;a2;temperature;density20;density15;api;actual_density;mass_t;volume;pressure;error\n"
              "reduce20;850;15,3;;;;;;;;;Invalid value of field *Temperature*\n");
}

TEST_F(CommandLine, BatchReadsANamedPipeAsItsWriterWrites)
{
    const std::string fifo = s_prefix + "batch.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const Ran r =
        run("--decimal , batch '" + fifo + "' & printf 'command;a;b\\nreduce15;850;30\\n' >'" + fifo + "'; wait");
    EXPECT_EQ(r.out,
              "command;a;b;temperature;density20;density15;api;actual_density;mass_t;volume;pressure;error\n"
              "reduce15;850;30;;;860,3;;;;;;\n");
    std::remove(fifo.c_str());
}

TEST_F(CommandLine, ArgumentsNeverReachTheTerminalRaw)
{
    const Ran r = run("\"$(printf '\\377\\033[2J')\" 850 20");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "vantorel-calc: unknown subcommand '\\xff\\x1b[2J'\nTry 'vantorel-calc --help'.\n");
}

TEST(CommandLineCompletion, CompletesSubcommandsOptionsAndChoices)
{
    const Ran r = runShell(std::string("bash '") + VANTOREL_COMPLETION_TEST + "' '" + VANTOREL_CALC_PATH + "' 2>&1");
    EXPECT_EQ(r.status, 0) << r.out;
}

}  // namespace
