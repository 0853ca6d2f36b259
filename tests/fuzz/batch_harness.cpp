#include <nlohmann/json.hpp>

#include <sstream>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "density/numeric_text.h"
#include "harnesses.h"
#include "text/catalogue.h"

namespace fuzz {

std::string batchReader(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::uint8_t pick = data[0];
    density::ScopedDecimalSeparator separator((pick & 1) ? ',' : '.');
    text::catalogue().fill((pick & 2) ? text::UiLanguage::English : text::UiLanguage::Russian);
    cli::Options options;
    if (pick & 4)
        options.temperatureUnit = density::TemperatureUnit::Fahrenheit;
    if (pick & 8)
        options.volumeUnit = density::VolumeUnit::Barrel;
    if (pick & 16)
        options.pressure = "0,5";
    options.glass = !(pick & 32);

    static cli::CommandRunner calculator(VANTOREL_FUZZ_TABLE);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::ostringstream out;
    cli::BatchSummary summary;
    std::string error;
    cli::BatchLayout layout;
    if (pick & 128)
        layout.format = cli::OutputFormat::Json;
    if (!cli::runBatch(in, out, calculator, options, summary, error, (pick & 64) ? 2 : 1, layout))
        return summary.stop == cli::BatchSummary::Stop::Header ? std::string() : "the run stopped: " + error;

    if (layout.format == cli::OutputFormat::Json) {
        // one object per calculation line, each one well-formed
        std::istringstream lines(out.str());
        std::string line;
        long long count = 0;
        while (std::getline(lines, line)) {
            ++count;
            const nlohmann::json object = nlohmann::json::parse(line, nullptr, false);
            if (!object.is_object() || !object.contains("status") || !object.contains("results"))
                return "output line " + std::to_string(count) + " is not a whole object";
        }
        if (count != summary.lines)
            return "the output has " + std::to_string(count) + " objects for " + std::to_string(summary.lines);
        return {};
    }

    // one output line per calculation line, each with every column
    const std::string text = out.str();
    std::vector<std::string> fields;
    std::size_t lines = 0;
    std::size_t columns = 0;
    char delimiter = 0;
    for (std::size_t start = 0; start < text.size(); ++lines) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            return "the output does not end with a line break";
        const std::string line = text.substr(start, end - start);
        if (lines == 0)
            delimiter = line.find(';') != std::string::npos ? ';' : ',';
        cli::splitCsv(line, delimiter, fields);
        if (lines == 0)
            columns = fields.size();
        else if (fields.size() != columns)
            return "output line " + std::to_string(lines + 1) + " has " + std::to_string(fields.size()) +
                   " fields, the header " + std::to_string(columns);
        else if (fields.back().size() > 4 * (cli::kMaxMessageBytes + 3) + 64)
            return "an error text of " + std::to_string(fields.back().size()) + " bytes";
        start = end + 1;
    }
    if (static_cast<long long>(lines) != summary.lines + 1)
        return "the output has " + std::to_string(lines) + " lines for " + std::to_string(summary.lines);
    return {};
}

}  // namespace fuzz
