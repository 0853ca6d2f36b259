// vantorel-calc: every calculator of the window on the command line.

#include <QLocale>
#include <QString>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "batch.h"
#include "calculator.h"
#include "density/numeric_text.h"
#include "places/program_places.h"
#include "text/catalogue.h"

#ifndef VANTOREL_VERSION
#define VANTOREL_VERSION "unknown"
#endif

namespace {

const char* const kProgram = "vantorel-calc";
// A write to standard output failed: nothing more is written.
const int kStatusWriteFailed = 4;

// Standard output with every write checked: the first failed write is kept
// with the system's reason and the stream goes bad from then on.
class CheckedOutput : public std::streambuf {
public:
    CheckedOutput() { setp(m_buffer, m_buffer + sizeof m_buffer); }
    bool failed() const { return !m_failure.empty(); }
    const std::string& failure() const { return m_failure; }

protected:
    int overflow(int c) override
    {
        if (!drain())
            return traits_type::eof();
        if (c != traits_type::eof()) {
            *pptr() = static_cast<char>(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        if (n <= epptr() - pptr()) {
            std::copy(s, s + n, pptr());
            pbump(static_cast<int>(n));
            return n;
        }
        return drain() && writeAll(s, static_cast<std::size_t>(n)) ? n : 0;
    }
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain()
    {
        const bool ok = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        setp(m_buffer, m_buffer + sizeof m_buffer);
        return ok;
    }
    bool writeAll(const char* data, std::size_t size)
    {
        while (size > 0 && !failed()) {
            const ssize_t n = ::write(STDOUT_FILENO, data, size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_failure = std::generic_category().message(n < 0 ? errno : EIO);
                break;
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return !failed();
    }

    char m_buffer[65536];
    std::string m_failure;
};

CheckedOutput g_outputBuffer;
std::ostream g_out(&g_outputBuffer);

// The status to leave with once everything is written, or the write failure.
int finish(int status)
{
    g_out.flush();
    if (!g_outputBuffer.failed())
        return status;
    std::cerr << kProgram << ": cannot write the output: " << g_outputBuffer.failure() << '\n';
    return kStatusWriteFailed;
}

const char* const kOptionsHelp =
    "Options:\n"
    "  --fahrenheit             temperatures are in °F (default °C)\n"
    "  --volume-unit m3|gal|bbl the unit of volumes, typed or computed (default m3)\n"
    "  --pressure VALUE         allow for an excess pressure (15 °C calculations)\n"
    "  --pressure-unit MPa|bar|at|psi   the unit of --pressure (default MPa)\n"
    "  --group crude|products|lube      the product group (default products)\n"
    "  --no-glass               no correction for the hydrometer's glass (default on)\n"
    "  --lang ru|en             the language of the messages (default ru)\n"
    "  --decimal ,|.            the decimal separator, in and out (default: the locale's)\n"
    "  --table FILE             the reduction table (default: the one --which-table names)\n"
    "  --which-table            the path of the table the 20 °C subcommands read\n"
    "  --threads N              batch: lines computed on N threads (default: one per core)\n"
    "  --strict                 batch: exit with the highest status of a failed line\n"
    "  --help                   this text, or a subcommand's with SUBCOMMAND --help\n"
    "  --version                the version\n";

const char* const kStatusHelp =
    "Each result is printed as NAME<TAB>VALUE, one per line; messages go to standard error.\n"
    "Exit status: 0 done, 1 wrong command line, 2 an input failed a check,\n"
    "3 out of the table, an unreadable table or a calculation failure,\n"
    "4 the output could not be written.\n";

void printHelp()
{
    g_out << "Usage: " << kProgram << " [OPTIONS] SUBCOMMAND ARGUMENTS...\n\n"
              << "Density and quantity of crude oil and petroleum products (GOST 3900-85,\n"
              << "GOST R 50.2.076-2010, API gravity), as the calculators of the Vantorel window.\n\n"
              << "Subcommands:\n";
    for (const cli::Command& c : cli::commands()) {
        std::string line = "  " + std::string(c.name);
        for (const char* a : c.arguments)
            line += std::string(" ") + a;
        g_out << line << "\n      " << c.summary << "\n";
    }
    g_out << "  batch [FILE|-]\n      one calculation per CSV line (see the README), CSV out\n\n"
              << kOptionsHelp << "\n"
              << kStatusHelp;
}

void printCommandHelp(const cli::Command& c)
{
    g_out << "Usage: " << kProgram << " [OPTIONS] " << c.name;
    for (const char* a : c.arguments)
        g_out << ' ' << a;
    g_out << "\n\n" << c.summary << ".\nResults:";
    for (const char* r : c.results)
        g_out << ' ' << r;
    g_out << "\n\n" << kOptionsHelp << "\n" << kStatusHelp;
}

void printBatchHelp()
{
    g_out << "Usage: " << kProgram << " [OPTIONS] batch [FILE|-]\n\n"
          << "Reads CSV (from FILE, or standard input for - or nothing): a header line\n"
              << "\"command,arg1,arg2,arg3\", then one subcommand and its arguments per line.\n"
          << "The delimiter is ';' when the header holds one, ',' otherwise; quote a field\n"
          << "that holds the delimiter. Writes CSV: the input columns, the result columns\n";
    for (const std::string& r : cli::allResultNames())
        g_out << ' ' << r;
    g_out << "\nand error. A failed line gets its message in error and the run goes on;\n"
          << "standard error then says how many lines failed. The options apply to every\n"
          << "line. Exit status 0 when the input was read (with --strict, the highest status\n"
          << "of a failed line), 1 when not, 4 when the output could not be written.\n";
}

int usage(const std::string& what)
{
    std::cerr << kProgram << ": " << what << "\nTry '" << kProgram << " --help'.\n";
    return cli::kStatusUsage;
}

// A whole token of digits, nothing before or after it.
std::optional<int> wholeNumber(const std::string& text)
{
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, n);
    if (ec != std::errc() || at != end)
        return std::nullopt;
    return n;
}

char localeDecimalSeparator()
{
    return QLocale::system().decimalPoint() == QStringLiteral(".") ? '.' : ',';
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    cli::Options options;
    text::UiLanguage language = text::UiLanguage::Russian;
    char decimal = 0;
    std::string tableFile;
    bool help = false;
    bool whichTable = false;
    bool strict = false;
    int threads = cli::batchThreads();
    std::vector<std::string> positional;

    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < argc)
                return std::string(argv[++i]);
            return std::nullopt;
        };
        const auto flag = [&](bool& target) {
            if (inlineValue)
                return false;
            target = true;
            return true;
        };
        bool ok = true;
        if (name == "--help") {
            ok = flag(help);
        } else if (name == "--version") {
            if (inlineValue)
                return usage("--version takes no value");
            g_out << kProgram << ' ' << VANTOREL_VERSION << '\n';
            return finish(cli::kStatusOk);
        } else if (name == "--which-table") {
            ok = flag(whichTable);
        } else if (name == "--strict") {
            ok = flag(strict);
        } else if (name == "--fahrenheit") {
            bool f = false;
            ok = flag(f);
            options.temperatureUnit = density::TemperatureUnit::Fahrenheit;
        } else if (name == "--no-glass") {
            bool noGlass = false;
            ok = flag(noGlass);
            options.glass = false;
        } else if (name == "--volume-unit") {
            const auto v = value();
            const auto unit = v ? cli::volumeUnitNamed(*v) : std::nullopt;
            if (!unit)
                return usage("--volume-unit takes m3, gal or bbl");
            options.volumeUnit = *unit;
        } else if (name == "--pressure") {
            const auto v = value();
            if (!v)
                return usage("--pressure takes a value");
            options.pressure = *v;
        } else if (name == "--pressure-unit") {
            const auto v = value();
            const auto unit = v ? cli::pressureUnitNamed(*v) : std::nullopt;
            if (!unit)
                return usage("--pressure-unit takes MPa, bar, at or psi");
            options.pressureUnit = *unit;
        } else if (name == "--group") {
            const auto v = value();
            const auto group = v ? cli::groupNamed(*v) : std::nullopt;
            if (!group)
                return usage("--group takes crude, products or lube");
            options.group = *group;
        } else if (name == "--lang") {
            const auto v = value();
            if (v && (*v == "ru" || *v == "RU"))
                language = text::UiLanguage::Russian;
            else if (v && (*v == "en" || *v == "EN"))
                language = text::UiLanguage::English;
            else
                return usage("--lang takes ru or en");
        } else if (name == "--decimal") {
            const auto v = value();
            if (!v || (*v != "," && *v != "."))
                return usage("--decimal takes , or .");
            decimal = (*v)[0];
        } else if (name == "--threads") {
            const auto v = value();
            const int n = v ? wholeNumber(*v).value_or(0) : 0;
            if (n < 1 || n > 64)
                return usage("--threads takes a number from 1 to 64");
            threads = n;
        } else if (name == "--table") {
            const auto v = value();
            if (!v || v->empty())
                return usage("--table takes a file");
            tableFile = *v;
        } else {
            return usage("unknown option " + cli::quotedField(name));
        }
        if (!ok)
            return usage(name + " takes no value");
    }

    text::catalogue().fill(language);
    density::setDecimalSeparator(decimal ? decimal : localeDecimalSeparator());
    if (tableFile.empty())
        tableFile =
            places::tableToRead(places::placesOf(places::executableFolder(argv[0]), places::Environment::current()))
                .path.string();
    if (whichTable) {
        g_out << tableFile << '\n';
        return finish(cli::kStatusOk);
    }

    if (positional.empty()) {
        if (help) {
            printHelp();
            return finish(cli::kStatusOk);
        }
        return usage("a subcommand is needed");
    }
    const std::string command = positional.front();
    const std::vector<std::string> arguments(positional.begin() + 1, positional.end());
    cli::Calculator calculator(tableFile);

    if (command == "batch") {
        if (help) {
            printBatchHelp();
            return finish(cli::kStatusOk);
        }
        if (arguments.size() > 1)
            return usage("batch takes one file at most");
        cli::BatchSummary summary;
        std::string error;
        bool ok = false;
        if (arguments.empty() || arguments[0] == "-") {
            ok = cli::runBatch(std::cin, g_out, calculator, options, summary, error, threads);
        } else {
            std::error_code ec;
            errno = 0;
            std::ifstream in;
            if (!std::filesystem::is_directory(arguments[0], ec))
                in.open(arguments[0], std::ios::binary);
            if (!in.is_open()) {
                const int reason = std::filesystem::is_directory(arguments[0], ec) ? EISDIR : errno ? errno : ENOENT;
                std::cerr << kProgram << ": cannot read " << arguments[0] << ": "
                          << std::generic_category().message(reason) << '\n';
                return cli::kStatusUsage;
            }
            ok = cli::runBatch(in, g_out, calculator, options, summary, error, threads);
        }
        if (summary.stop == cli::BatchSummary::Stop::Output)
            return finish(kStatusWriteFailed);
        if (summary.failed > 0)
            std::cerr << summary.failed << " of " << summary.lines << " lines failed\n";
        if (!ok) {
            std::cerr << kProgram << ": " << error << '\n';
            return finish(cli::kStatusUsage);
        }
        return finish(strict && summary.failed > 0 ? summary.worstStatus : cli::kStatusOk);
    }

    const cli::Command* c = cli::findCommand(command);
    if (!c)
        return usage("unknown subcommand " + cli::quotedField(command));
    if (help) {
        printCommandHelp(*c);
        return finish(cli::kStatusOk);
    }
    const cli::Outcome outcome = calculator.run(command, arguments, options);
    if (outcome.status == cli::kStatusUsage) {
        std::string line = std::string(c->name);
        for (const char* a : c->arguments)
            line += std::string(" ") + a;
        return usage(outcome.messages.empty() ? "usage: " + line : outcome.messages.front() + "; usage: " + line);
    }
    for (const auto& [name, value] : outcome.results)
        g_out << name << '\t' << value << '\n';
    const int status = finish(outcome.status);
    if (status == kStatusWriteFailed)
        return status;
    for (const std::string& m : outcome.messages)
        std::cerr << cli::shortMessage(m) << '\n';
    return status;
}
