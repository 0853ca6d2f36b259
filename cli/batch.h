#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "command_runner.h"
#include "report_format.h"
#include "usage_texts.h"

// vantorel-calc batch: one calculation per CSV line, streamed.
//
// Input: an optional header line, its first field "command" (or any first
// line, when the caller says it is a header); the other columns have any
// names. Each further line holds a subcommand, its arguments and then any
// columns of the caller's own, passed through unread; a line shorter than its
// subcommand needs counts the missing arguments as empty fields. Without a
// header the columns are at least those of the longest subcommand, or as many
// as the first line has. The delimiter is ';' when the first line holds one,
// otherwise ','. Fields may be quoted ("850,5"), with "" for a quote inside.
// Lines end with LF, CR LF or a lone CR; empty lines are skipped.
//
// Output (text, csv, tsv): the header (the input's, or command, column2...),
// the result columns (allResultNames()) and "error"; then each line's fields
// as read, its results in their columns and the messages of a failed line,
// joined with " / ", in the error column. tsv delimits with tabs. json: one
// object per line (JSON Lines), see report_format.h.
namespace cli {

struct BatchLayout {
    OutputFormat format = OutputFormat::Text;
    Precision precision = Precision::Shown;
    bool header = false;  // the first line is a header whatever it holds
};

struct BatchSummary {
    long long lines = 0;            // calculation lines read
    long long failed = 0;           // of them, lines with an error
    long long firstFailedLine = 0;  // its line number in the input (1 is the first line)
    int worstStatus = 0;            // the highest status of a failed line
    enum class Stop { None, Header, Input, Output };
    Stop stop = Stop::None;  // why the run ended early, if it did
};

// A line longer than this is that line's error; the rest of it is skipped
// unread into memory.
constexpr std::size_t kMaxBatchLineBytes = std::size_t(1) << 20;
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
bool runBatch(std::istream& in, std::ostream& out, CommandRunner& runner, const Options& options, BatchSummary& summary,
              std::string& error, int threads = 1, const BatchLayout& layout = {});

}  // namespace cli
