#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
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
    int worstStatus = 0;   // the highest status of a failed line
    enum class Stop { None, Header, Input, Output };
    Stop stop = Stop::None;  // why the run ended early, if it did
};

// A line longer than this is that line's error; the rest of it is skipped
// unread into memory.
constexpr std::size_t kMaxBatchLineBytes = std::size_t(1) << 20;
// Error texts quote at most this much of a field, and hold at most
// kMaxMessageBytes in all.
constexpr std::size_t kQuotedPrefixBytes = 40;
constexpr std::size_t kMaxMessageBytes = 300;

// 'field' for an error text: its first kQuotedPrefixBytes bytes and "..."
// when it is longer (never cutting a UTF-8 character).
std::string quotedField(std::string_view field);
// A message cut to kMaxMessageBytes the same way.
std::string shortMessage(std::string_view message);

// Splits one CSV line (without its line break) into fields.
void splitCsv(const std::string& line, char delimiter, std::vector<std::string>& fields);
// Appends a field, quoted when it holds the delimiter, a quote or a break.
void appendCsvField(std::string& out, const std::string& field, char delimiter);

// The threads a batch uses by default: one per core, at most 8.
int batchThreads();

// Runs the file. False, with the reason, when the header is not usable, the
// input cannot be read to its end or the output cannot be written (the run
// stops at the first failed write; summary.stop tells which); the run goes on
// past bad lines. Lines are computed in chunks of at most 1024 lines on
// `threads` threads and written in input order; memory holds `threads` + 2
// chunks at most, about 4 MiB of lines in all, whatever the length of the
// input.
bool runBatch(std::istream& in, std::ostream& out, Calculator& calculator, const Options& options,
              BatchSummary& summary, std::string& error, int threads = 1);

}  // namespace cli
