#include "batch.h"

#include <algorithm>
#include <cctype>
#include <thread>

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
    bool plain = true;
    for (const char c : field)
        plain = plain && c != delimiter && c != '"' && c != '\r' && c != '\n';
    if (plain) {
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

namespace {

// Turns input lines into output lines; one per thread, with its own scratch.
class LineProcessor {
public:
    LineProcessor(Calculator& calculator, const Options& options, char delimiter, std::size_t inputColumns)
        : m_calculator(calculator), m_options(options), m_delimiter(delimiter), m_inputColumns(inputColumns),
          m_names(allResultNames()), m_columns(m_names.size())
    {
    }

    // Appends the output line of one input line; true when the line failed.
    bool process(const std::string& line, std::string& out)
    {
        splitCsv(line, m_delimiter, m_fields);
        m_message.clear();
        m_outcome.results.clear();
        m_outcome.messages.clear();
        const Command* command = findCommand(m_fields[0]);
        if (m_fields.size() > m_inputColumns) {
            m_outcome.status = kStatusUsage;
            m_message = "the line has " + std::to_string(m_fields.size()) + " fields, the header " +
                        std::to_string(m_inputColumns);
        } else if (!command) {
            m_outcome.status = kStatusUsage;
            m_message = "unknown subcommand '" + m_fields[0] + "'";
        } else {
            const std::size_t needed = command->arguments.size();
            bool extra = false;
            for (std::size_t k = 1 + needed; k < m_fields.size(); ++k)
                extra = extra || !m_fields[k].empty();
            if (extra) {
                m_outcome.status = kStatusUsage;
                m_message = std::string(command->name) + " takes " + std::to_string(needed) + " arguments";
            } else {
                m_arguments.resize(needed);
                for (std::size_t k = 0; k < needed; ++k) {
                    if (1 + k < m_fields.size())
                        m_arguments[k].swap(m_fields[1 + k]);
                    else
                        m_arguments[k].clear();
                }
                m_calculator.run(*command, m_arguments, m_options, m_outcome);
                for (std::size_t k = 0; k < needed && 1 + k < m_fields.size(); ++k)
                    m_arguments[k].swap(m_fields[1 + k]);
                for (const std::string& m : m_outcome.messages) {
                    if (!m_message.empty())
                        m_message += " / ";
                    m_message += m;
                }
            }
        }

        for (std::size_t c = 0; c < m_inputColumns; ++c) {
            if (c < m_fields.size())
                appendCsvField(out, m_fields[c], m_delimiter);
            out.push_back(m_delimiter);
        }
        std::fill(m_columns.begin(), m_columns.end(), nullptr);
        for (const auto& [name, value] : m_outcome.results) {
            const auto at = std::find(m_names.begin(), m_names.end(), name);
            if (at != m_names.end())
                m_columns[static_cast<std::size_t>(at - m_names.begin())] = &value;
        }
        for (const std::string* value : m_columns) {
            if (value)
                appendCsvField(out, *value, m_delimiter);
            out.push_back(m_delimiter);
        }
        appendCsvField(out, m_message, m_delimiter);
        out.push_back('\n');
        return m_outcome.status != kStatusOk;
    }

private:
    Calculator& m_calculator;
    const Options& m_options;
    const char m_delimiter;
    const std::size_t m_inputColumns;
    const std::vector<std::string>& m_names;
    std::vector<const std::string*> m_columns;
    std::vector<std::string> m_fields;
    std::vector<std::string> m_arguments;
    Outcome m_outcome;
    std::string m_message;
};

// A run of input lines and the output they give.
struct Chunk {
    std::vector<std::string> lines;
    std::size_t count = 0;
    std::string out;
    long long failed = 0;

    void process(LineProcessor& processor)
    {
        out.clear();
        failed = 0;
        for (std::size_t k = 0; k < count; ++k)
            failed += processor.process(lines[k], out) ? 1 : 0;
    }
};

constexpr std::size_t kChunkLines = 4096;

// Reads up to kChunkLines calculation lines (empty lines skipped).
bool readChunk(std::istream& in, Chunk& chunk)
{
    if (chunk.lines.size() < kChunkLines)
        chunk.lines.resize(kChunkLines);
    chunk.count = 0;
    while (chunk.count < kChunkLines && std::getline(in, chunk.lines[chunk.count])) {
        stripLineEnd(chunk.lines[chunk.count]);
        if (!chunk.lines[chunk.count].empty())
            ++chunk.count;
    }
    return chunk.count > 0;
}

}  // namespace

int batchThreads()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(std::min(n, 8u));
}

bool runBatch(std::istream& in, std::ostream& out, Calculator& calculator, const Options& options,
              BatchSummary& summary, std::string& error, int threads)
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

    std::string head;
    for (std::size_t c = 0; c < inputColumns; ++c) {
        appendCsvField(head, header[c], delimiter);
        head.push_back(delimiter);
    }
    for (const std::string& name : allResultNames()) {
        head += name;
        head.push_back(delimiter);
    }
    head += "error\n";
    out.write(head.data(), static_cast<std::streamsize>(head.size()));

    // the table is read before the threads start, which then only read it
    calculator.prepare();

    // Rounds of one chunk per thread: read them, compute them side by side,
    // write them in order. At most `threads` chunks are held at once.
    const std::size_t workers = static_cast<std::size_t>(std::max(1, threads));
    std::vector<Chunk> chunks(workers);
    std::vector<LineProcessor> processors;
    processors.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w)
        processors.emplace_back(calculator, options, delimiter, inputColumns);
    std::vector<std::thread> pool;
    bool more = true;
    while (more) {
        std::size_t filled = 0;
        while (filled < workers && (more = readChunk(in, chunks[filled])))
            ++filled;
        pool.clear();
        for (std::size_t w = 1; w < filled; ++w)
            pool.emplace_back([&chunks, &processors, w] { chunks[w].process(processors[w]); });
        if (filled > 0)
            chunks[0].process(processors[0]);
        for (std::thread& t : pool)
            t.join();
        for (std::size_t w = 0; w < filled; ++w) {
            summary.lines += static_cast<long long>(chunks[w].count);
            summary.failed += chunks[w].failed;
            out.write(chunks[w].out.data(), static_cast<std::streamsize>(chunks[w].out.size()));
        }
    }
    out.flush();
    return true;
}

}  // namespace cli
