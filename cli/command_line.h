#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "batch.h"
#include "command_runner.h"
#include "usage_texts.h"

// The options and the subcommand of vantorel-calc, read by CLI11.
namespace cli {

struct Invocation {
    Options options;
    Language language = Language::English;
    char decimal = 0;       // the decimal separator given; 0: the locale's
    std::string tableFile;  // empty: the table the program's places name
    bool whichTable = false;  // print the table's path instead of computing
    int threads = 1;
    bool strict = false;
    BatchLayout layout;      // also the format and precision of one subcommand
    std::string subcommand;  // "batch" or a name of commands()
    std::vector<std::string> arguments;
};

// Reads the command line into `invocation` and sets the language of the
// texts. Nothing when the subcommand is to run; otherwise the exit status,
// after the help, the version or the completion script went to `out`, or a
// usage error to `err`.
std::optional<int> parseCommandLine(int argc, const char* const* argv, const std::string& version,
                                    Invocation& invocation, std::ostream& out, std::ostream& err);

}  // namespace cli
