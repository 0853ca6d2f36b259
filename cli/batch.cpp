#include "batch.h"

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "usage_texts.h"

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

enum class LineRead { Line, TooLong, End, Failed };

// Reads the input in blocks and hands out its lines without their breaks:
// LF, CR LF or a lone CR.
class LineReader {
public:
    explicit LineReader(std::istream& in) : m_in(in), m_block(kBlockBytes) {}

    // One line. Of a line longer than kMaxBatchLineBytes nothing is kept;
    // the rest of it is read and dropped, or left unread when the caller
    // stops there.
    LineRead next(std::string& line, bool skipOverlong = true)
    {
        line.clear();
        bool any = false;
        bool tooLong = false;
        while (true) {
            if (m_pos == m_end && !fill())
                return m_failed ? LineRead::Failed
                       : !any   ? LineRead::End
                                : counted(tooLong ? LineRead::TooLong : LineRead::Line);
            if (m_afterCarriageReturn) {
                // the LF of a CR LF, perhaps in the next block
                m_afterCarriageReturn = false;
                if (m_block[m_pos] == '\n' && ++m_pos == m_end)
                    continue;
            }
            any = true;
            const char* start = m_block.data() + m_pos;
            const std::size_t left = m_end - m_pos;
            const char* brk = static_cast<const char*>(std::memchr(start, '\n', left));
            std::size_t chars = brk ? static_cast<std::size_t>(brk - start) : left;
            if (const void* cr = std::memchr(start, '\r', chars)) {
                brk = static_cast<const char*>(cr);
                chars = static_cast<std::size_t>(brk - start);
                m_afterCarriageReturn = true;
            }
            if (!tooLong && line.size() + chars > kMaxBatchLineBytes) {
                tooLong = true;
                std::string().swap(line);
                if (!skipOverlong)
                    return LineRead::TooLong;
            }
            if (!tooLong)
                line.append(start, chars);
            m_pos += chars + (brk ? 1 : 0);
            if (brk)
                return counted(tooLong ? LineRead::TooLong : LineRead::Line);
        }
    }

    // The number of the line last handed out (1 for the first).
    long long lineNumber() const { return m_lineNumber; }

private:
    static constexpr std::size_t kBlockBytes = 64 * 1024;

    LineRead counted(LineRead r)
    {
        ++m_lineNumber;
        return r;
    }

    // False at the end of the input or when it could not be read.
    bool fill()
    {
        if (m_done)
            return false;
        m_in.read(m_block.data(), static_cast<std::streamsize>(m_block.size()));
        if (m_in.bad()) {
            m_failed = m_done = true;
            return false;
        }
        m_pos = 0;
        m_end = static_cast<std::size_t>(m_in.gcount());
        m_done = m_in.eof();
        return m_end > 0;
    }

    std::istream& m_in;
    std::vector<char> m_block;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_done = false;
    bool m_failed = false;
    bool m_afterCarriageReturn = false;
    long long m_lineNumber = 0;
};

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
            const char* from = line.data() + i;
            const void* hit = std::memchr(from, delimiter, n - i);
            const std::size_t chars = hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - from) : n - i;
            f.append(from, chars);
            i += chars;
        }
        if (i >= n)
            break;
        ++i;  // the delimiter
    }
    fields.resize(count);
}

void appendCsvField(std::string& out, const std::string& field, char delimiter)
{
    const auto special = [delimiter](char c) { return c == delimiter || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(field.begin(), field.end(), special)) {
        out.append(field.data(), field.size());
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

// The columns of the input, from its header or its first line.
struct Columns {
    char delimiter = ',';
    std::vector<std::string> names;
};

// Turns input lines into output lines; one per thread, with its own scratch
// on cache lines of its own.
class alignas(64) LineProcessor {
public:
    LineProcessor(CommandRunner& runner, const Options& options, const Columns& columns, const BatchLayout& layout)
        : m_runner(runner),
          m_options(options),
          m_columns(columns),
          m_inputColumns(columns.names.size()),
          m_delimiter(layout.format == OutputFormat::Tsv ? '\t' : columns.delimiter),
          m_layout(layout),
          m_names(allResultNames()),
          m_slots(m_names.size())
    {
    }

    // Appends the output line of one input line; returns its status.
    int process(const std::string& line, long long lineNumber, std::string& out)
    {
        splitCsv(line, m_columns.delimiter, m_fields);
        const bool json = m_layout.format == OutputFormat::Json;
        if (!json) {
            // the fields as read, before the calculation takes their texts
            for (std::size_t c = 0; c < m_inputColumns; ++c) {
                if (c < m_fields.size())
                    appendCsvField(out, m_fields[c], m_delimiter);
                out.push_back(m_delimiter);
            }
        }
        m_message.clear();
        m_report.results.clear();
        m_report.held.clear();
        m_report.messages.clear();
        const Command* command = findCommand(m_fields[0]);
        std::size_t own = 1;  // the fields of the calculation; the rest pass through
        if (m_fields.size() > m_inputColumns) {
            m_report.status = kStatusUsage;
            m_message = say(CliText::LineFields, {std::to_string(m_fields.size()), std::to_string(m_inputColumns)});
        } else if (!command) {
            m_report.status = kStatusUsage;
            m_message = say(CliText::UnknownSubcommand, {quotedField(m_fields[0])});
        } else {
            const std::size_t needed = command->arguments.size();
            own = 1 + needed;
            m_arguments.resize(needed);
            for (std::size_t k = 0; k < needed; ++k) {
                if (1 + k < m_fields.size() && json)
                    m_arguments[k] = m_fields[1 + k];
                else if (1 + k < m_fields.size())
                    m_arguments[k] = std::move(m_fields[1 + k]);
                else
                    m_arguments[k].clear();
            }
            if (json)
                m_runner.run(*command, m_arguments, m_options, m_report);
            else
                m_runner.runTaking(*command, m_arguments, m_options, m_report);
            for (const std::string& m : m_report.messages) {
                if (!m_message.empty())
                    m_message += " / ";
                m_message += shortMessage(m);
            }
        }
        if (json) {
            if (m_report.status == kStatusUsage && m_report.messages.empty())
                m_report.messages.push_back(m_message);
            BatchLineJson object;
            object.line = lineNumber;
            object.command = m_fields[0];
            object.arguments = command ? &m_arguments : nullptr;
            for (std::size_t c = own; c < m_inputColumns; ++c)
                object.extra.emplace_back(m_columns.names[c], c < m_fields.size() ? m_fields[c] : std::string_view());
            appendBatchLineJson(out, object, m_report, m_layout.precision);
            return m_report.status;
        }

        std::fill(m_slots.begin(), m_slots.end(), kNoResult);
        for (std::size_t i = 0; i < m_report.results.size(); ++i) {
            const auto at = std::find(m_names.begin(), m_names.end(), m_report.results[i].first);
            if (at != m_names.end())
                m_slots[static_cast<std::size_t>(at - m_names.begin())] = i;
        }
        for (const std::size_t i : m_slots) {
            if (i != kNoResult) {
                if (m_layout.precision == Precision::Full)
                    appendCsvField(out, resultText(m_report, i, Precision::Full), m_delimiter);
                else
                    appendCsvField(out, m_report.results[i].second, m_delimiter);
            }
            out.push_back(m_delimiter);
        }
        appendCsvField(out, m_message, m_delimiter);
        out.push_back('\n');
        return m_report.status;
    }

    // The output line of a line too long to read: empty columns and the error.
    int tooLong(long long lineNumber, std::string& out)
    {
        const std::string message = say(CliText::LineTooLong, {std::to_string(kMaxBatchLineBytes)});
        if (m_layout.format == OutputFormat::Json) {
            CommandReport report;
            report.status = kStatusUsage;
            report.messages.push_back(message);
            BatchLineJson object;
            object.line = lineNumber;
            appendBatchLineJson(out, object, report, m_layout.precision);
        } else {
            out.append(m_inputColumns + m_names.size(), m_delimiter);
            out += message + '\n';
        }
        return kStatusUsage;
    }

private:
    static constexpr std::size_t kNoResult = ~std::size_t(0);

    CommandRunner& m_runner;
    const Options& m_options;
    const Columns& m_columns;
    const std::size_t m_inputColumns;
    const char m_delimiter;  // of the output
    const BatchLayout& m_layout;
    const std::vector<std::string>& m_names;
    std::vector<std::size_t> m_slots;  // the result in each output column
    std::vector<std::string> m_fields;
    std::vector<std::string> m_arguments;
    CommandReport m_report;
    std::string m_message;
};

// A run of input lines and the output they give.
// Each on cache lines of its own: two threads writing neighbours would slow
// each other down.
struct alignas(64) Chunk {
    std::vector<std::string> lines;
    std::vector<long long> lineNumbers;
    std::vector<char> tooLong;
    std::size_t count = 0;
    std::string out;
    long long failed = 0;
    long long firstFailedLine = 0;
    int worst = 0;

    void process(LineProcessor& processor)
    {
        out.clear();
        long long failedLines = 0;
        long long firstFailed = 0;
        int worstStatus = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const long long number = lineNumbers[k];
            const int status = tooLong[k] ? processor.tooLong(number, out) : processor.process(lines[k], number, out);
            if (status != kStatusOk) {
                ++failedLines;
                if (firstFailed == 0)
                    firstFailed = number;
            }
            worstStatus = std::max(worstStatus, status);
        }
        failed = failedLines;
        firstFailedLine = firstFailed;
        worst = worstStatus;
    }
};

// A chunk ends at this many lines, or when its lines, counted at least one
// byte per output column, reach its byte limit; so memory stays flat whatever
// the lines hold. All the chunks in flight share kChunkBytesInFlight.
constexpr std::size_t kChunkLines = 1024;
constexpr std::size_t kChunkBytesInFlight = std::size_t(4) << 20;
constexpr std::size_t kMinChunkBytes = 256 * 1024;
// A line slot that held a long line, and a chunk's output that held long
// lines, give their memory back.
constexpr std::size_t kKeptLineCapacity = 64 * 1024;
constexpr std::size_t kKeptOutputCapacity = std::size_t(1) << 20;

// Reads calculation lines (empty lines skipped) up to the chunk's limits;
// false when the input could not be read.
bool readChunk(LineReader& in, Chunk& chunk, std::size_t columns, std::size_t byteLimit)
{
    chunk.count = 0;
    std::size_t bytes = 0;
    while (chunk.count < kChunkLines && bytes < byteLimit) {
        // slots grow as lines come, so a short input holds little
        if (chunk.count == chunk.lines.size()) {
            chunk.lines.emplace_back();
            chunk.lineNumbers.push_back(0);
            chunk.tooLong.push_back(0);
        }
        std::string& line = chunk.lines[chunk.count];
        if (line.capacity() > kKeptLineCapacity)
            std::string().swap(line);
        const LineRead r = in.next(line);
        if (r == LineRead::Failed)
            return false;
        if (r == LineRead::End)
            break;
        if (r == LineRead::Line && line.empty())
            continue;
        chunk.lineNumbers[chunk.count] = in.lineNumber();
        chunk.tooLong[chunk.count] = r == LineRead::TooLong;
        bytes += line.size() + columns + 64;
        ++chunk.count;
    }
    return true;
}

// Adds a computed chunk to the summary and writes it; false when the write
// failed.
bool writeChunk(Chunk& chunk, std::ostream& out, BatchSummary& summary)
{
    summary.lines += static_cast<long long>(chunk.count);
    if (summary.failed == 0)
        summary.firstFailedLine = chunk.firstFailedLine;
    summary.failed += chunk.failed;
    summary.worstStatus = std::max(summary.worstStatus, chunk.worst);
    const bool written = static_cast<bool>(out.write(chunk.out.data(), static_cast<std::streamsize>(chunk.out.size())));
    if (chunk.out.capacity() > kKeptOutputCapacity)
        std::string().swap(chunk.out);
    return written;
}

// Where the lines went: the input could not be read to its end, or the output
// could not be written.
struct RunEnd {
    bool readOk = true;
    bool writeOk = true;
};

RunEnd computeInTurn(LineReader& reader, std::ostream& out, LineProcessor& processor, std::size_t columns,
                     BatchSummary& summary)
{
    RunEnd end;
    Chunk chunk;
    while (end.writeOk) {
        // the chunk's lines and its output share the budget
        end.readOk = readChunk(reader, chunk, columns, kChunkBytesInFlight / 2);
        if (chunk.count == 0)
            break;
        chunk.process(processor);
        end.writeOk = writeChunk(chunk, out, summary);
        if (!end.readOk)
            break;
    }
    return end;
}

// The chunks flow through a ring of slots: this thread reads them in input
// order into free slots, the workers take them in that order as they come
// free, and this thread writes each one once it and all before it are done.
// A slower core holds up only the chunk it computes, not a whole round.
RunEnd computeOnThreads(LineReader& reader, std::ostream& out, std::vector<LineProcessor>& processors,
                        std::size_t columns, BatchSummary& summary)
{
    const std::size_t slots = processors.size() + 2;
    const std::size_t byteLimit = std::max(kMinChunkBytes, kChunkBytesInFlight / slots);
    std::vector<Chunk> chunks(slots);
    std::vector<char> computed(slots, 0);
    // chunk numbers: [written, read) are in slots; [taken, read) wait for a worker
    std::size_t read = 0;
    std::size_t taken = 0;
    std::size_t written = 0;
    bool inputEnded = false;
    std::mutex mutex;
    std::condition_variable chunkRead;
    std::condition_variable chunkComputed;

    const auto work = [&](LineProcessor& processor) {
        std::unique_lock lock(mutex);
        while (true) {
            chunkRead.wait(lock, [&] { return taken < read || inputEnded; });
            if (taken == read)
                return;
            const std::size_t slot = taken++ % slots;
            lock.unlock();
            chunks[slot].process(processor);
            lock.lock();
            computed[slot] = 1;
            chunkComputed.notify_one();
        }
    };
    std::vector<std::thread> pool;
    pool.reserve(processors.size());
    for (LineProcessor& processor : processors)
        pool.emplace_back(work, std::ref(processor));

    RunEnd end;
    std::unique_lock lock(mutex);
    while (true) {
        const std::size_t next = written % slots;
        if (written < read && computed[next]) {
            lock.unlock();
            end.writeOk = writeChunk(chunks[next], out, summary);
            lock.lock();
            computed[next] = 0;
            ++written;
            if (!end.writeOk) {
                // the chunks not yet taken are dropped
                taken = read;
                inputEnded = true;
                chunkRead.notify_all();
                break;
            }
        } else if (!inputEnded && read - written < slots) {
            const std::size_t slot = read % slots;
            lock.unlock();
            end.readOk = readChunk(reader, chunks[slot], columns, byteLimit);
            lock.lock();
            if (chunks[slot].count > 0) {
                ++read;
                chunkRead.notify_one();
            }
            if (!end.readOk || chunks[slot].count == 0) {
                inputEnded = true;
                chunkRead.notify_all();
            }
        } else if (inputEnded && written == read) {
            break;
        } else {
            chunkComputed.wait(lock);
        }
    }
    lock.unlock();
    for (std::thread& t : pool)
        t.join();
    return end;
}

}  // namespace

int batchThreads()
{
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(std::min(n, 8u));
}

bool runBatch(std::istream& in, std::ostream& out, CommandRunner& runner, const Options& options, BatchSummary& summary,
              std::string& error, int threads, const BatchLayout& layout)
{
    const auto stop = [&](BatchSummary::Stop why, std::string reason) {
        summary.stop = why;
        error = std::move(reason);
        return false;
    };
    LineReader reader(in);
    const auto readFailed = [&] {
        return stop(BatchSummary::Stop::Input, say(CliText::InputUnreadable, {std::to_string(reader.lineNumber())}));
    };
    const auto writeFailed = [&] { return stop(BatchSummary::Stop::Output, text(CliText::OutputUnwritable)); };

    std::string first;
    // the first line that is not empty: the header, or the first calculation
    LineRead r = LineRead::End;
    while ((r = reader.next(first, false)) == LineRead::Line && first.empty()) {
    }
    if (r == LineRead::Failed)
        return readFailed();
    if (r == LineRead::TooLong)
        return stop(BatchSummary::Stop::Header, say(CliText::FirstLineTooLong, {std::to_string(kMaxBatchLineBytes)}));
    if (first.empty())
        return stop(BatchSummary::Stop::Header, text(CliText::BatchEmpty));
    const long long firstNumber = reader.lineNumber();

    Columns columns;
    columns.delimiter = first.find(';') != std::string::npos ? ';' : ',';
    splitCsv(first, columns.delimiter, columns.names);
    const bool header = layout.header || isCommandHeader(columns.names[0]);
    if (!header) {
        // room for the longest subcommand, or the first line's own columns
        std::size_t widest = 0;
        for (const Command& c : commands())
            widest = std::max(widest, 1 + c.arguments.size());
        const std::size_t count = std::max(widest, columns.names.size());
        columns.names.assign(1, "command");
        for (std::size_t c = 2; c <= count; ++c)
            columns.names.push_back("column" + std::to_string(c));
    }

    const char delimiter = layout.format == OutputFormat::Tsv ? '\t' : columns.delimiter;
    std::string head;
    if (layout.format != OutputFormat::Json) {
        for (const std::string& name : columns.names) {
            appendCsvField(head, name, delimiter);
            head.push_back(delimiter);
        }
        for (const std::string& name : allResultNames()) {
            head += name;
            head.push_back(delimiter);
        }
        head += "error\n";
    }

    // the table is read before the threads start, which then only read it
    runner.prepare();

    const std::size_t workers = static_cast<std::size_t>(std::max(1, threads));
    std::vector<LineProcessor> processors;
    processors.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w)
        processors.emplace_back(runner, options, columns, layout);
    if (!header) {
        const int status = processors[0].process(first, firstNumber, head);
        summary.lines = 1;
        if (status != kStatusOk) {
            summary.failed = 1;
            summary.firstFailedLine = firstNumber;
            summary.worstStatus = status;
        }
    }
    if (!out.write(head.data(), static_cast<std::streamsize>(head.size())))
        return writeFailed();

    const std::size_t inputColumns = columns.names.size();
    const RunEnd end = workers == 1 ? computeInTurn(reader, out, processors[0], inputColumns, summary)
                                    : computeOnThreads(reader, out, processors, inputColumns, summary);
    if (!end.writeOk)
        return writeFailed();
    if (!out.flush())
        return writeFailed();
    if (!end.readOk)
        return readFailed();
    return true;
}

}  // namespace cli
