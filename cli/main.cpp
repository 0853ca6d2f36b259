// vantorel-calc: every calculator of the window on the command line.

#include <QLocale>
#include <QString>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "text/catalogue.h"
#include "batch.h"
#include "checked_output.h"
#include "command_line.h"
#include "command_runner.h"
#include "density/numeric_text.h"
#include "places/program_places.h"
#include "report_format.h"
#include "usage_texts.h"

#ifndef VANTOREL_VERSION
#define VANTOREL_VERSION "unknown"
#endif

namespace {

const char* const kProgram = "vantorel-calc";

cli::CheckedOutput g_outputBuffer;
std::ostream g_out(&g_outputBuffer);

// The status to leave with once everything is written, or the write failure.
int finish(int status)
{
    g_out.flush();
    if (!g_outputBuffer.failed())
        return status;
    std::cerr << kProgram << ": " << cli::say(cli::CliText::CannotWrite, {g_outputBuffer.failure()}) << '\n';
    return cli::kStatusWriteFailed;
}

void complain(const std::string& what)
{
    std::cerr << kProgram << ": " << cli::printable(what) << '\n';
}

char localeDecimalSeparator()
{
    return QLocale::system().decimalPoint() == QStringLiteral(".") ? '.' : ',';
}

int runBatch(const cli::Invocation& invocation, cli::CommandRunner& runner)
{
    cli::BatchSummary summary;
    std::string error;
    bool ok = false;
    if (invocation.arguments.empty() || invocation.arguments[0] == "-") {
        ok = cli::runBatch(std::cin, g_out, runner, invocation.options, summary, error, invocation.threads,
                           invocation.layout);
    } else {
        // a named pipe is read as it comes: it may wait for its writer
        const std::string& file = invocation.arguments[0];
        std::error_code ec;
        errno = 0;
        std::ifstream in;
        if (!std::filesystem::is_directory(file, ec))
            in.open(file, std::ios::binary);
        if (!in.is_open()) {
            const int reason = std::filesystem::is_directory(file, ec) ? EISDIR : errno ? errno : ENOENT;
            complain(cli::say(cli::CliText::CannotRead, {file, std::generic_category().message(reason)}));
            return cli::kStatusUsage;
        }
        ok =
            cli::runBatch(in, g_out, runner, invocation.options, summary, error, invocation.threads, invocation.layout);
    }
    if (summary.stop == cli::BatchSummary::Stop::Output)
        return finish(cli::kStatusWriteFailed);
    if (summary.failed > 0)
        std::cerr << cli::say(cli::CliText::LinesFailed, {std::to_string(summary.failed), std::to_string(summary.lines),
                                                          std::to_string(summary.firstFailedLine)})
                  << '\n';
    if (!ok) {
        complain(error);
        return finish(cli::kStatusUsage);
    }
    return finish(invocation.strict && summary.failed > 0 ? summary.worstStatus : cli::kStatusOk);
}

int runSubcommand(const cli::Invocation& invocation, cli::CommandRunner& runner)
{
    const cli::CommandReport report = runner.run(invocation.subcommand, invocation.arguments, invocation.options);
    if (report.status == cli::kStatusUsage) {
        for (const std::string& m : report.messages)
            complain(m);
        std::cerr << cli::say(cli::CliText::TryHelp, {kProgram}) << '\n';
        return cli::kStatusUsage;
    }
    std::string out;
    cli::appendReport(out, invocation.subcommand, report, invocation.layout.format, invocation.layout.precision);
    g_out << out;
    const int status = finish(report.status);
    if (status == cli::kStatusWriteFailed || invocation.layout.format == cli::OutputFormat::Json)
        return status;
    for (const std::string& m : report.messages)
        std::cerr << cli::printable(cli::shortMessage(m)) << '\n';
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    cli::Invocation invocation;
    if (const std::optional<int> status =
            cli::parseCommandLine(argc, argv, VANTOREL_VERSION, invocation, g_out, std::cerr))
        return finish(*status);

    text::catalogue().fill(invocation.language);
    density::setDecimalSeparator(invocation.decimal ? invocation.decimal : localeDecimalSeparator());
    // a table given is named as given in the messages, the program's own by its name
    const bool ownTable = invocation.tableFile.empty();
    if (ownTable)
        invocation.tableFile =
            places::tableToRead(places::placesOf(places::executableFolder(argv[0]), places::Environment::current()))
                .path.string();
    if (invocation.whichTable) {
        g_out << invocation.tableFile << '\n';
        return finish(cli::kStatusOk);
    }
    cli::CommandRunner runner(invocation.tableFile, ownTable ? density::kTableFileName : invocation.tableFile);
    return invocation.subcommand == "batch" ? runBatch(invocation, runner) : runSubcommand(invocation, runner);
}
