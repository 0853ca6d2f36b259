#include "batch.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <condition_variable>
#include <mutex>
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

enum class LineRead { Line, TooLong, End, Failed };

// Reads the input in blocks and hands out its lines without their breaks.
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
                return m_failed ? LineRead::Failed : !any ? LineRead::End : tooLong ? LineRead::TooLong : LineRead::Line;
            any = true;
            const char* start = m_block.data() + m_pos;
            const std::size_t left = m_end - m_pos;
            const char* brk = static_cast<const char*>(std::memchr(start, '\n', left));
            const std::size_t chars = brk ? static_cast<std::size_t>(brk - start) : left;
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
                return tooLong ? LineRead::TooLong : LineRead::Line;
        }
    }

private:
    static constexpr std::size_t kBlockBytes = 64 * 1024;

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
};

// The first byte at or before `max` that starts a UTF-8 character.
std::size_t cutAt(std::string_view text, std::size_t max)
{
    if (text.size() <= max)
        return text.size();
    std::size_t cut = max;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return cut;
}

}  // namespace

std::string quotedField(std::string_view field)
{
    const std::size_t cut = cutAt(field, kQuotedPrefixBytes);
    return "'" + std::string(field.substr(0, cut)) + (cut < field.size() ? "...'" : "'");
}

std::string shortMessage(std::string_view message)
{
    const std::size_t cut = cutAt(message, kMaxMessageBytes);
    return std::string(message.substr(0, cut)) + (cut < message.size() ? "..." : "");
}

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

// Turns input lines into output lines; one per thread, with its own scratch
// on cache lines of its own.
class alignas(64) LineProcessor {
public:
    LineProcessor(Calculator& calculator, const Options& options, char delimiter, std::size_t inputColumns)
        : m_calculator(calculator), m_options(options), m_delimiter(delimiter), m_inputColumns(inputColumns),
          m_names(allResultNames()), m_columns(m_names.size())
    {
    }

    // Appends the output line of one input line; returns its status.
    int process(const std::string& line, std::string& out)
    {
        splitCsv(line, m_delimiter, m_fields);
        // the fields as read, before the calculation takes their texts
        for (std::size_t c = 0; c < m_inputColumns; ++c) {
            if (c < m_fields.size())
                appendCsvField(out, m_fields[c], m_delimiter);
            out.push_back(m_delimiter);
        }
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
            m_message = "unknown subcommand " + quotedField(m_fields[0]);
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
                        m_arguments[k] = std::move(m_fields[1 + k]);
                    else
                        m_arguments[k].clear();
                }
                m_calculator.runTaking(*command, m_arguments, m_options, m_outcome);
                for (const std::string& m : m_outcome.messages) {
                    if (!m_message.empty())
                        m_message += " / ";
                    m_message += shortMessage(m);
                }
            }
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
        return m_outcome.status;
    }

    // The output line of a line too long to read: empty columns and the error.
    int tooLong(std::string& out)
    {
        out.append(m_inputColumns + m_names.size(), m_delimiter);
        out += "the line is longer than " + std::to_string(kMaxBatchLineBytes) + " bytes\n";
        return kStatusUsage;
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
// Each on cache lines of its own: two threads writing neighbours would slow
// each other down.
struct alignas(64) Chunk {
    std::vector<std::string> lines;
    std::vector<char> tooLong;
    std::size_t count = 0;
    std::string out;
    long long failed = 0;
    int worst = 0;

    void process(LineProcessor& processor)
    {
        out.clear();
        long long failedLines = 0;
        int worstStatus = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const int status = tooLong[k] ? processor.tooLong(out) : processor.process(lines[k], out);
            failedLines += status != kStatusOk ? 1 : 0;
            worstStatus = std::max(worstStatus, status);
        }
        failed = failedLines;
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
        stripLineEnd(line);
        if (r == LineRead::Line && line.empty())
            continue;
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

bool runBatch(std::istream& in, std::ostream& out, Calculator& calculator, const Options& options,
              BatchSummary& summary, std::string& error, int threads)
{
    const auto stop = [&](BatchSummary::Stop why, std::string reason) {
        summary.stop = why;
        error = std::move(reason);
        return false;
    };
    const auto readFailed = [&] { return stop(BatchSummary::Stop::Input, "the input could not be read to its end"); };
    const auto writeFailed = [&] { return stop(BatchSummary::Stop::Output, "the output could not be written"); };

    LineReader reader(in);
    std::string line;
    // the header: the first line that is not empty
    LineRead r = LineRead::End;
    while ((r = reader.next(line, false)) == LineRead::Line) {
        stripLineEnd(line);
        if (!line.empty())
            break;
    }
    if (r == LineRead::Failed)
        return readFailed();
    if (r == LineRead::TooLong)
        return stop(BatchSummary::Stop::Header,
                    "the header line is longer than " + std::to_string(kMaxBatchLineBytes) + " bytes");
    if (line.empty())
        return stop(BatchSummary::Stop::Header, "the batch input has no header line");
    const char delimiter = line.find(';') != std::string::npos ? ';' : ',';
    std::vector<std::string> header;
    splitCsv(line, delimiter, header);
    if (!isCommandHeader(header[0]))
        return stop(BatchSummary::Stop::Header,
                    "the header line must start with the column \"command\"; read: " + quotedField(line));
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
    if (!out.write(head.data(), static_cast<std::streamsize>(head.size())))
        return writeFailed();

    // the table is read before the threads start, which then only read it
    calculator.prepare();

    const std::size_t workers = static_cast<std::size_t>(std::max(1, threads));
    std::vector<LineProcessor> processors;
    processors.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w)
        processors.emplace_back(calculator, options, delimiter, inputColumns);
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
