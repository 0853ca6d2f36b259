// vantorel-calc: every calculator of the window on the command line.

#include <QLocale>
#include <QString>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "batch.h"
#include "calculator.h"
#include "density/numeric_text.h"

#ifndef VANTOREL_VERSION
#define VANTOREL_VERSION "unknown"
#endif

namespace {

const char* const kProgram = "vantorel-calc";

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
    "  --table FILE             the reduction table (default: tablegost3900.txt beside the program)\n"
    "  --threads N              batch: lines computed on N threads (default: one per core)\n"
    "  --help                   this text, or a subcommand's with SUBCOMMAND --help\n"
    "  --version                the version\n";

const char* const kStatusHelp =
    "Each result is printed as NAME<TAB>VALUE, one per line; messages go to standard error.\n"
    "Exit status: 0 done, 1 wrong command line, 2 an input failed a check,\n"
    "3 out of the table or a calculation failure.\n";

void printHelp()
{
    std::cout << "Usage: " << kProgram << " [OPTIONS] SUBCOMMAND ARGUMENTS...\n\n"
              << "Density and quantity of crude oil and petroleum products (GOST 3900-85,\n"
              << "GOST R 50.2.076-2010, API gravity), as the calculators of the Vantorel window.\n\n"
              << "Subcommands:\n";
    for (const cli::Command& c : cli::commands()) {
        std::string line = "  " + std::string(c.name);
        for (const char* a : c.arguments)
            line += std::string(" ") + a;
        std::cout << line << "\n      " << c.summary << "\n";
    }
    std::cout << "  batch [FILE|-]\n      one calculation per CSV line (see the README), CSV out\n\n"
              << kOptionsHelp << "\n"
              << kStatusHelp;
}

void printCommandHelp(const cli::Command& c)
{
    std::cout << "Usage: " << kProgram << " [OPTIONS] " << c.name;
    for (const char* a : c.arguments)
        std::cout << ' ' << a;
    std::cout << "\n\n" << c.summary << ".\nResults:";
    for (const char* r : c.results)
        std::cout << ' ' << r;
    std::cout << "\n\n" << kOptionsHelp << "\n" << kStatusHelp;
}

void printBatchHelp()
{
    std::cout << "Usage: " << kProgram << " [OPTIONS] batch [FILE|-]\n\n"
              << "Reads CSV (from FILE, or standard input for - or nothing): a header line\n"
              << "\"command,arg1,arg2,arg3\", then one subcommand and its arguments per line.\n"
              << "The delimiter is ';' when the header holds one, ',' otherwise; quote a field\n"
              << "that holds the delimiter. Writes CSV: the input columns, the result columns\n";
    for (const std::string& r : cli::allResultNames())
        std::cout << ' ' << r;
    std::cout << "\nand error. A failed line gets its message in error and the run goes on.\n"
              << "The options apply to every line. Exit status 0 when the input was read, 1 when not.\n";
}

int usage(const std::string& what)
{
    std::cerr << kProgram << ": " << what << "\nTry '" << kProgram << " --help'.\n";
    return cli::kStatusUsage;
}

char localeDecimalSeparator()
{
    return QLocale::system().decimalPoint() == QStringLiteral(".") ? '.' : ',';
}

std::string programFolder(const char* argv0)
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty())
        exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    cli::Options options;
    shell::UiLanguage language = shell::UiLanguage::Russian;
    char decimal = 0;
    std::string tableFile;
    bool help = false;
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
            std::cout << kProgram << ' ' << VANTOREL_VERSION << '\n';
            return cli::kStatusOk;
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
                language = shell::UiLanguage::Russian;
            else if (v && (*v == "en" || *v == "EN"))
                language = shell::UiLanguage::English;
            else
                return usage("--lang takes ru or en");
        } else if (name == "--decimal") {
            const auto v = value();
            if (!v || (*v != "," && *v != "."))
                return usage("--decimal takes , or .");
            decimal = (*v)[0];
        } else if (name == "--threads") {
            const auto v = value();
            int n = 0;
            try {
                n = v ? std::stoi(*v) : 0;
            } catch (const std::exception&) {
                n = 0;
            }
            if (n < 1 || n > 64)
                return usage("--threads takes a number from 1 to 64");
            threads = n;
        } else if (name == "--table") {
            const auto v = value();
            if (!v || v->empty())
                return usage("--table takes a file");
            tableFile = *v;
        } else {
            return usage("unknown option " + name);
        }
        if (!ok)
            return usage(name + " takes no value");
    }

    shell::catalogue().fill(language);
    density::setDecimalSeparator(decimal ? decimal : localeDecimalSeparator());
    if (tableFile.empty())
        tableFile = (std::filesystem::path(programFolder(argv[0])) / density::kTableFileName).string();

    if (positional.empty()) {
        if (help) {
            printHelp();
            return cli::kStatusOk;
        }
        return usage("a subcommand is needed");
    }
    const std::string command = positional.front();
    const std::vector<std::string> arguments(positional.begin() + 1, positional.end());
    cli::Calculator calculator(tableFile);

    if (command == "batch") {
        if (help) {
            printBatchHelp();
            return cli::kStatusOk;
        }
        if (arguments.size() > 1)
            return usage("batch takes one file at most");
        cli::BatchSummary summary;
        std::string error;
        bool ok = false;
        if (arguments.empty() || arguments[0] == "-") {
            ok = cli::runBatch(std::cin, std::cout, calculator, options, summary, error, threads);
        } else {
            std::ifstream in(arguments[0], std::ios::binary);
            if (!in) {
                std::cerr << kProgram << ": cannot read " << arguments[0] << '\n';
                return cli::kStatusUsage;
            }
            ok = cli::runBatch(in, std::cout, calculator, options, summary, error, threads);
        }
        if (!ok) {
            std::cerr << kProgram << ": " << error << '\n';
            return cli::kStatusUsage;
        }
        return cli::kStatusOk;
    }

    const cli::Command* c = cli::findCommand(command);
    if (!c)
        return usage("unknown subcommand '" + command + "'");
    if (help) {
        printCommandHelp(*c);
        return cli::kStatusOk;
    }
    const cli::Outcome outcome = calculator.run(command, arguments, options);
    if (outcome.status == cli::kStatusUsage) {
        std::string line = std::string(c->name);
        for (const char* a : c->arguments)
            line += std::string(" ") + a;
        return usage(outcome.messages.empty() ? "usage: " + line : outcome.messages.front() + "; usage: " + line);
    }
    for (const auto& [name, value] : outcome.results)
        std::cout << name << '\t' << value << '\n';
    std::cout.flush();
    for (const std::string& m : outcome.messages)
        std::cerr << m << '\n';
    return outcome.status;
}
