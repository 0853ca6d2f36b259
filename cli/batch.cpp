#include "batch.h"

#include <algorithm>
#include <cctype>

namespace cli {

namespace {

bool isCommandHeader(const std::string& field)
{
    std::string lower;
    for (char c : field)
        if (c != ' ')
            lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    // a byte-order mark may lead the file
    if (lower.rfind("\xef\xbb\xbf", 0) == 0)
        lower.erase(0, 3);
    return lower == "command";
}

void stripLineEnd(std::string& line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
}

constexpr std::size_t kFlushAt = 1 << 16;

}  // namespace

void splitCsv(const std::string& line, char delimiter, std::vector<std::string>& fields)
{
    std::size_t count = 0;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        if (fields.size() <= count)
            fields.emplace_back();
        std::string& f = fields[count++];
        f.clear();
        if (i < n && line[i] == '"') {
            ++i;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        f.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                f.push_back(line[i++]);
            }
            // anything between the closing quote and the delimiter is kept
            while (i < n && line[i] != delimiter)
                f.push_back(line[i++]);
        } else {
            const std::size_t end = std::min(line.find(delimiter, i), n);
            f.append(line, i, end - i);
            i = end;
        }
        if (i >= n)
            break;
        ++i;  // the delimiter
    }
    fields.resize(count);
}

void appendCsvField(std::string& out, const std::string& field, char delimiter)
{
    if (field.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos) {
        out += field;
        return;
    }
    out.push_back('"');
    for (char c : field) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

bool runBatch(std::istream& in, std::ostream& out, Calculator& calculator, const Options& options,
              BatchSummary& summary, std::string& error)
{
    std::string line;
    // the header: the first line that is not empty
    while (std::getline(in, line)) {
        stripLineEnd(line);
        if (!line.empty())
            break;
    }
    if (line.empty()) {
        error = "the batch input has no header line";
        return false;
    }
    const char delimiter = line.find(';') != std::string::npos ? ';' : ',';
    std::vector<std::string> header;
    splitCsv(line, delimiter, header);
    if (!isCommandHeader(header[0])) {
        error = "the header line must start with the column \"command\"; read: " + line;
        return false;
    }
    const std::size_t inputColumns = header.size();
    const std::vector<std::string>& resultNames = allResultNames();

    std::string buffer;
    buffer.reserve(kFlushAt + 4096);
    for (std::size_t c = 0; c < inputColumns; ++c) {
        appendCsvField(buffer, header[c], delimiter);
        buffer.push_back(delimiter);
    }
    for (const std::string& name : resultNames) {
        buffer += name;
        buffer.push_back(delimiter);
    }
    buffer += "error\n";

    std::vector<std::string> fields;
    std::vector<std::string> arguments;
    std::vector<const std::string*> columns(resultNames.size());
    Outcome outcome;
    std::string message;
    while (std::getline(in, line)) {
        stripLineEnd(line);
        if (line.empty())
            continue;
        ++summary.lines;
        splitCsv(line, delimiter, fields);

        message.clear();
        outcome.results.clear();
        outcome.messages.clear();
        const Command* command = findCommand(fields[0]);
        if (fields.size() > inputColumns) {
            outcome.status = kStatusUsage;
            message = "the line has " + std::to_string(fields.size()) + " fields, the header " +
                      std::to_string(inputColumns);
        } else if (!command) {
            outcome.status = kStatusUsage;
            message = "unknown subcommand '" + fields[0] + "'";
        } else {
            const std::size_t needed = command->arguments.size();
            bool extra = false;
            for (std::size_t k = 1 + needed; k < fields.size(); ++k)
                extra = extra || !fields[k].empty();
            if (extra) {
                outcome.status = kStatusUsage;
                message = std::string(command->name) + " takes " + std::to_string(needed) + " arguments";
            } else {
                arguments.resize(needed);
                for (std::size_t k = 0; k < needed; ++k)
                    arguments[k] = 1 + k < fields.size() ? fields[1 + k] : std::string();
                calculator.run(command->name, arguments, options, outcome);
                for (const std::string& m : outcome.messages) {
                    if (!message.empty())
                        message += " / ";
                    message += m;
                }
            }
        }
        if (outcome.status != kStatusOk)
            ++summary.failed;

        for (std::size_t c = 0; c < inputColumns; ++c) {
            if (c < fields.size())
                appendCsvField(buffer, fields[c], delimiter);
            buffer.push_back(delimiter);
        }
        std::fill(columns.begin(), columns.end(), nullptr);
        for (const auto& [name, value] : outcome.results) {
            const auto at = std::find(resultNames.begin(), resultNames.end(), name);
            if (at != resultNames.end())
                columns[static_cast<std::size_t>(at - resultNames.begin())] = &value;
        }
        for (const std::string* value : columns) {
            if (value)
                appendCsvField(buffer, *value, delimiter);
            buffer.push_back(delimiter);
        }
        appendCsvField(buffer, message, delimiter);
        buffer.push_back('\n');
        if (buffer.size() >= kFlushAt) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    return true;
}

}  // namespace cli
