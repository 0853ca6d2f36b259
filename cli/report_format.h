#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "command_runner.h"

// How a subcommand's report is written: as text lines, a table row, or JSON.
namespace cli {

enum class OutputFormat { Text, Tsv, Csv, Json };
enum class Precision {
    Shown,  // as the window shows it
    Full,   // the shortest digits that read back as the value the computation holds
};

// The text of result i at the precision (the decimal separator in force).
std::string resultText(const CommandReport& report, std::size_t i, Precision precision);
// The number of result i: the held value (full) or the text read back (shown).
std::optional<double> resultNumber(const CommandReport& report, std::size_t i, Precision precision);

// Appends the report of one subcommand:
//   text  NAME<TAB>VALUE per result;
//   tsv   a line of the names and one of the values, tab-delimited;
//   csv   the same delimited by ',' (';' while the decimal separator is ',');
//   json  {"command":..,"status":..,"results":{NAME:{"number":..,"text":..}},"messages":[..]}
//         and a line break. Numbers always with a point; a text that reads
//         as no number gives null.
void appendReport(std::string& out, std::string_view command, const CommandReport& report, OutputFormat format,
                  Precision precision);

// One batch line as a JSON object and a line break: "line" (its number in
// the input), "command", "arguments", "extra" (the pass-through columns by
// header name), then as appendReport.
struct BatchLineJson {
    long long line = 0;
    std::string_view command;
    const std::vector<std::string>* arguments = nullptr;
    std::vector<std::pair<std::string_view, std::string_view>> extra;
};
void appendBatchLineJson(std::string& out, const BatchLineJson& line, const CommandReport& report, Precision precision);

// Text for a terminal: bytes that are not UTF-8, and control characters
// other than tab and line break, as \xNN.
std::string printable(std::string_view text);

}  // namespace cli
