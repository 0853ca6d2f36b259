#include "report_format.h"

#include <nlohmann/json.hpp>

#include <charconv>

#include "batch.h"
#include "density/numeric_text.h"

namespace cli {

namespace {

using Json = nlohmann::ordered_json;

// The number a result text shows, whatever the decimal separator.
std::optional<double> readBack(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = '.';
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || at != end)
        return std::nullopt;
    return value;
}

Json resultsJson(const CommandReport& report, Precision precision)
{
    Json results = Json::object();
    for (std::size_t i = 0; i < report.results.size(); ++i) {
        const std::optional<double> number = resultNumber(report, i, precision);
        results[report.results[i].first] = {{"number", number ? Json(*number) : Json(nullptr)},
                                            {"text", resultText(report, i, precision)}};
    }
    return results;
}

void appendJson(std::string& out, Json& object, const CommandReport& report, Precision precision)
{
    object["status"] = report.status;
    object["results"] = resultsJson(report, precision);
    object["messages"] = report.messages;
    // JSON holds UTF-8 only: a byte that is not is replaced, never fatal
    out += object.dump(-1, ' ', false, Json::error_handler_t::replace);
    out.push_back('\n');
}

}  // namespace

std::string resultText(const CommandReport& report, std::size_t i, Precision precision)
{
    if (precision == Precision::Full && i < report.held.size() && report.held[i])
        return density::formatPositional(*report.held[i]);
    return report.results[i].second;
}

std::optional<double> resultNumber(const CommandReport& report, std::size_t i, Precision precision)
{
    if (precision == Precision::Full && i < report.held.size() && report.held[i])
        return report.held[i];
    return readBack(report.results[i].second);
}

void appendReport(std::string& out, std::string_view command, const CommandReport& report, OutputFormat format,
                  Precision precision)
{
    const std::size_t count = report.results.size();
    switch (format) {
    case OutputFormat::Text:
        for (std::size_t i = 0; i < count; ++i)
            out += report.results[i].first + '\t' + resultText(report, i, precision) + '\n';
        return;
    case OutputFormat::Tsv:
    case OutputFormat::Csv: {
        const char delimiter = format == OutputFormat::Tsv ? '\t' : density::decimalSeparator() == ',' ? ';' : ',';
        if (count == 0)
            return;
        for (std::size_t i = 0; i < count; ++i) {
            appendCsvField(out, report.results[i].first, delimiter);
            out.push_back(i + 1 < count ? delimiter : '\n');
        }
        for (std::size_t i = 0; i < count; ++i) {
            appendCsvField(out, resultText(report, i, precision), delimiter);
            out.push_back(i + 1 < count ? delimiter : '\n');
        }
        return;
    }
    case OutputFormat::Json: {
        Json object = {{"command", std::string(command)}};
        appendJson(out, object, report, precision);
        return;
    }
    }
}

void appendBatchLineJson(std::string& out, const BatchLineJson& line, const CommandReport& report, Precision precision)
{
    Json object = {{"line", line.line}, {"command", std::string(line.command)}};
    object["arguments"] = line.arguments ? Json(*line.arguments) : Json::array();
    Json extra = Json::object();
    for (const auto& [name, value] : line.extra)
        extra[std::string(name)] = std::string(value);
    object["extra"] = std::move(extra);
    appendJson(out, object, report, precision);
}

std::string printable(std::string_view text)
{
    static const char* const kHex = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    const auto escape = [&](unsigned char c) {
        out += "\\x";
        out.push_back(kHex[c >> 4]);
        out.push_back(kHex[c & 15]);
    };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7f)
                escape(c);
            else
                out.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        // a well-formed sequence of 2 to 4 bytes, no overlong form, no surrogate, at most U+10FFFF
        const std::size_t length = c >= 0xC2 && c <= 0xDF   ? 2
                                   : c >= 0xE0 && c <= 0xEF ? 3
                                   : c >= 0xF0 && c <= 0xF4 ? 4
                                                            : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (valid) {
            const unsigned char second = static_cast<unsigned char>(text[i + 1]);
            valid = !(c == 0xE0 && second < 0xA0) && !(c == 0xED && second > 0x9F) && !(c == 0xF0 && second < 0x90) &&
                    !(c == 0xF4 && second > 0x8F);
        }
        if (!valid) {
            escape(c);
            ++i;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

}  // namespace cli
