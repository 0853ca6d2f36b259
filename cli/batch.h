#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "calculator.h"

// vantorel-calc batch: one calculation per CSV line, streamed.
//
// Input: a header line whose first field is "command", then one field per
// argument column (any names). Each further line holds a subcommand and its
// arguments; a line shorter than its subcommand needs counts the missing
// arguments as empty fields. The delimiter is ';' when the header holds one,
// otherwise ','. Fields may be quoted ("850,5"), with "" for a quote inside.
// Empty lines are skipped.
//
// Output: the input header, the result columns (allResultNames()) and
// "error"; then each line's fields as read, its results in their columns and
// the messages of a failed line, joined with " / ", in the error column.
namespace cli {

struct BatchSummary {
    long long lines = 0;   // calculation lines read
    long long failed = 0;  // of them, lines with an error
};

// Splits one CSV line (without its line break) into fields.
void splitCsv(const std::string& line, char delimiter, std::vector<std::string>& fields);
// Appends a field, quoted when it holds the delimiter, a quote or a break.
void appendCsvField(std::string& out, const std::string& field, char delimiter);

// The threads a batch uses by default: one per core, at most 8.
int batchThreads();

// Runs the file. False, with the reason, when the header is not usable; the
// run goes on past bad lines. Lines are computed in chunks side by side on
// `threads` threads and written in input order; memory holds `threads`
// chunks of 4096 lines at most, whatever the length of the input.
bool runBatch(std::istream& in, std::ostream& out, Calculator& calculator, const Options& options,
              BatchSummary& summary, std::string& error, int threads = 1);

}  // namespace cli
