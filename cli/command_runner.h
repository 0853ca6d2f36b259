#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calculators.h"
#include "density/r50.h"
#include "density/reduction_table.h"
#include "density/units.h"

// The calculators of the window as subcommands: the same inputs, the same
// checks in the same order, the same messages; results as name/value pairs.
namespace cli {

// Exit statuses of vantorel-calc.
enum ExitStatus {
    kStatusOk = 0,
    kStatusUsage = 1,        // the command line itself is wrong
    kStatusCheckFailed = 2,  // an input failed a check of the window
    kStatusCalcFailed = 3,   // out of the table, or a calculation failure
    kStatusWriteFailed = 4,  // standard output could not be written
};

// What the window reads from its check boxes, radio buttons and unit menus.
using Options = calc::Choices;

struct Command {
    const char* name;
    std::vector<const char*> arguments;  // as written in the usage line
    std::vector<const char*> results;    // the names of the result lines, in the window's order
};

// Every subcommand but batch.
const std::vector<Command>& commands();
const Command* findCommand(std::string_view name);
// The result names of all subcommands, each once, in a fixed order.
const std::vector<std::string>& allResultNames();

// What a subcommand reports: its status, its results and its messages.
struct CommandReport {
    int status = kStatusOk;
    // name and value, the rewritten temperature first
    std::vector<std::pair<std::string, std::string>> results;
    // held[i]: the value results[i] was rounded from, when the computation
    // held one (a rewritten temperature or a converted volume text holds none)
    std::vector<std::optional<double>> held;
    // what the window would have shown in message boxes, in the catalogue's
    // language (or the reason of a generic error report)
    std::vector<std::string> messages;
};

// Runs subcommands on one reduction table.
class CommandRunner {
public:
    // The reduction table is read from tableFile when a 20 °C calculation
    // first needs it. Messages name it tableName, or its file name without
    // the folder.
    explicit CommandRunner(std::string tableFile, std::string tableName = {});

    // Runs a subcommand with its arguments (the count must match; a wrong
    // count or an unknown name gives kStatusUsage).
    CommandReport run(std::string_view command, const std::vector<std::string>& arguments, const Options& options);
    // The same, reusing the report's storage (batch).
    void run(std::string_view command, const std::vector<std::string>& arguments, const Options& options,
             CommandReport& report);

    // The same with a command found by findCommand.
    void run(const Command& command, const std::vector<std::string>& arguments, const Options& options,
             CommandReport& report);
    // The same, taking the argument texts over instead of copying them: they
    // are left in an unspecified state (batch).
    void runTaking(const Command& command, std::vector<std::string>& arguments, const Options& options,
                   CommandReport& report);

    // Reads the table now, if it is there, so that later runs only read the
    // calculator (runs on several threads at once).
    void prepare();

    // Reads the table now; false (with the message saying why) when it
    // cannot be read.
    bool loadTable(CommandReport& report);
    const density::ReductionTable& table() const { return m_table; }

private:
    // `taken`, when given, is `arguments`, whose texts may be moved from.
    void runCommand(const Command& command, const std::vector<std::string>& arguments, std::vector<std::string>* taken,
                    const Options& options, CommandReport& report);

    std::string m_tableFile;
    std::string m_tableName;
    density::ReductionTable m_table;
    density::TableFileOutcome m_tableRead;
    bool m_tried = false;
    bool m_loaded = false;
};

}  // namespace cli
