#include "reduction_table.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "numeric_text.h"

namespace density {

namespace {

std::string notANumber(std::string_view text, std::size_t line, const std::string& file)
{
    return "'" + std::string(text) + "' is not a valid number (line " + std::to_string(line + 1) + " of " + file + ")";
}

// The part of a line the reader looks at: after the first '=' when there is
// one, otherwise everything after the lead character.
std::string_view valueText(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq != std::string_view::npos)
        return line.substr(eq + 1);
    return line.empty() ? line : line.substr(1);
}

}  // namespace

std::string columnKey(int columnDensity)
{
    return (columnDensity < 1000 ? "*0" : "*") + std::to_string(columnDensity);
}

ReductionTable::ReductionTable(std::vector<std::string> lines) : m_lines(std::move(lines))
{
    m_rows.reserve(m_lines.size());
    for (std::string& line : m_lines) {
        if (line.size() > kMaxLineLength)
            line.resize(kMaxLineLength);
        const std::string_view value = valueText(line);
        Row row;
        row.temperatureText = std::string(value.substr(0, 6));
        row.temperature = parseTableNumber(row.temperatureText);
        // one pass over the row: the first occurrence of each key counts
        for (std::size_t at = value.find('*'); at != std::string_view::npos; at = value.find('*', at + 1)) {
            if (at + 5 > value.size())
                break;
            int density = 0;
            bool digits = true;
            for (std::size_t k = at + 1; k < at + 5; ++k) {
                digits = digits && value[k] >= '0' && value[k] <= '9';
                density = density * 10 + (value[k] - '0');
            }
            if (!digits || density < kFirstColumn || density > kLastColumn || density % kColumnStep != 0)
                continue;
            Cell& cell = row.cells[(density - kFirstColumn) / kColumnStep];
            if (cell.state != CellState::MissingKey)
                continue;
            const std::optional<double> number = parseTableNumber(value.substr(at + 5, 6));
            if (!number)
                cell.state = CellState::Malformed;
            else
                cell = {*number == 0 ? CellState::Empty : CellState::Value, *number};
        }
        for (int c = 0; c < kColumnCount && row.firstBadCell == kColumnCount; ++c)
            if (row.cells[c].state == CellState::Malformed || row.cells[c].state == CellState::MissingKey)
                row.firstBadCell = c;
        m_rows.push_back(std::move(row));
    }
    // a lookup meets the rows in file order: the first row of a temperature
    // answers, unless a row without a temperature comes before it
    m_firstBadRow = static_cast<int>(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const std::optional<double>& t = m_rows[i].temperature;
        if (!t) {
            m_firstBadRow = static_cast<int>(i);
            break;
        }
        if (!std::isnan(*t))
            m_byTemperature.push_back({*t, static_cast<int>(i)});
    }
    std::sort(m_byTemperature.begin(), m_byTemperature.end(), [](const RowAt& a, const RowAt& b) {
        return a.temperature < b.temperature || (a.temperature == b.temperature && a.row < b.row);
    });
    m_byTemperature.erase(std::unique(m_byTemperature.begin(), m_byTemperature.end(),
                                      [](const RowAt& a, const RowAt& b) { return a.temperature == b.temperature; }),
                          m_byTemperature.end());
}

ReductionTable ReductionTable::fromText(std::string_view contents)
{
    // what Windows Notepad writes before the text
    if (contents.substr(0, 3) == "\xef\xbb\xbf")
        contents.remove_prefix(3);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < contents.size()) {
        const std::size_t brk = contents.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            lines.emplace_back(contents.substr(start));
            break;
        }
        lines.emplace_back(contents.substr(start, brk - start));
        start = brk + 1;
        if (contents[brk] == '\r' && start < contents.size() && contents[start] == '\n')
            ++start;
    }
    return ReductionTable(std::move(lines));
}

Result<int> ReductionTable::findRow(double temperatureC) const
{
    const auto at = std::lower_bound(m_byTemperature.begin(), m_byTemperature.end(), temperatureC,
                                     [](const RowAt& r, double t) { return r.temperature < t; });
    if (at != m_byTemperature.end() && at->temperature == temperatureC)
        return at->row;
    if (m_firstBadRow < static_cast<int>(m_rows.size()))
        return Result<int>::failure(notANumber(m_rows[m_firstBadRow].temperatureText, m_firstBadRow, m_fileName));
    return -1;
}

Result<double> ReductionTable::cellValue(int row, int column) const
{
    const Cell& cell = m_rows[row].cells[column];
    switch (cell.state) {
    case CellState::Value:
        return cell.value;
    case CellState::Empty:
        return 0.0;
    case CellState::Malformed: {
        const std::string key = columnKey(kFirstColumn + column * kColumnStep);
        const std::string_view value = valueText(m_lines[row]);
        return Result<double>::failure(notANumber(value.substr(value.find(key) + key.size(), 6), row, m_fileName));
    }
    case CellState::MissingKey:
        break;
    }
    return Result<double>::failure("column " + columnKey(kFirstColumn + column * kColumnStep) + " is missing in line " +
                                   std::to_string(row + 1) + " of " + m_fileName);
}

Result<double> ReductionTable::lookupDensity20(double observed, double temperatureC) const
{
    const Result<int> row = findRow(temperatureC);
    if (!row)
        return Result<double>::failure(row.error());
    if (*row < 0)
        return kNoRow;
    // readings outside the columns have no value; checked before the cast
    if (!(observed >= kFirstColumn && observed <= kLastColumn))
        return kOutOfTableMark;
    const int lo = observed == kLastColumn ? kLastColumn - kColumnStep
                                           : static_cast<int>(std::floor(observed / kColumnStep)) * kColumnStep;
    const int hi = lo + kColumnStep;

    const Result<double> vlo = cellValue(*row, (lo - kFirstColumn) / kColumnStep);
    if (!vlo)
        return vlo;
    const Result<double> vhi = cellValue(*row, (hi - kFirstColumn) / kColumnStep);
    if (!vhi)
        return vhi;

    if (*vlo != 0 && *vhi != 0 && lo < observed && observed < hi)
        return *vlo + (observed - lo) * (*vhi - *vlo) / kColumnStep;
    if (observed == lo && *vlo != 0)
        return *vlo;
    if (observed == hi && *vhi != 0)
        return *vhi;
    return kOutOfTableMark;
}

Result<double> ReductionTable::lookupActualDensity(double density20, double temperatureC) const
{
    const Result<int> row = findRow(temperatureC);
    if (!row)
        return Result<double>::failure(row.error());
    if (*row < 0)
        return kNoRow;

    // the cells before the row's first bad one are numbers (0 when empty)
    const Row& r = m_rows[*row];
    if (r.firstBadCell == 0)
        return cellValue(*row, 0);
    double vlo = r.cells[0].value;
    for (int c = 0; c + 1 < kColumnCount; ++c) {
        if (c + 1 == r.firstBadCell)
            return cellValue(*row, c + 1);
        const double vhi = r.cells[c + 1].value;
        if (vlo != 0 && vhi != 0 && vlo <= density20 && density20 <= vhi) {
            const double lo = kFirstColumn + c * kColumnStep;
            // two equal cells: every density between the columns fits; the lower column answers
            if (vhi == vlo)
                return lo;
            return lo + kColumnStep * (density20 - vlo) / (vhi - vlo);
        }
        vlo = vhi;
    }
    return kOutOfTableMark;
}

namespace {

std::string systemReason(int error)
{
    return std::generic_category().message(error);
}

// in the system's words' style
const char* const kNotARegularFile = "Not a regular file";

std::size_t lineCount(std::string_view contents)
{
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < contents.size(); ++i)
        if (contents[i] == '\n' || (contents[i] == '\r' && (i + 1 == contents.size() || contents[i + 1] != '\n')))
            ++breaks;
    const bool lastBroken = !contents.empty() && (contents.back() == '\n' || contents.back() == '\r');
    return contents.empty() ? 0 : breaks + (lastBroken ? 0 : 1);
}

}  // namespace

TableFileOutcome readReductionTableText(std::string_view contents, ReductionTable& table)
{
    table = ReductionTable();
    if (contents.size() > kMaxTableFileSize || lineCount(contents) > kMaxTableLines)
        return {TableFileStatus::TooLarge, {}};
    table = ReductionTable::fromText(contents);
    return {};
}

TableFileOutcome readTableFileContents(const std::string& path, std::string& contents)
{
    contents.clear();
    // never blocks on a FIFO; a regular file ignores the flag
    struct Descriptor {
        int fd;
        ~Descriptor()
        {
            if (fd >= 0)
                ::close(fd);
        }
    } file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    const int fd = file.fd;
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return {TableFileStatus::Missing, {}};
        return {TableFileStatus::Unreadable, systemReason(error)};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return {TableFileStatus::Unreadable, systemReason(errno)};
    if (S_ISDIR(info.st_mode))
        return {TableFileStatus::Unreadable, systemReason(EISDIR)};
    if (!S_ISREG(info.st_mode))
        return {TableFileStatus::Unreadable, kNotARegularFile};
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxTableFileSize)
        return {TableFileStatus::TooLarge, {}};
    // a file that grows while it is read stops at the limit too
    char block[65536];
    while (true) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {TableFileStatus::Unreadable, systemReason(errno)};
        if (n == 0)
            break;
        if (contents.size() + static_cast<std::size_t>(n) > kMaxTableFileSize)
            return {TableFileStatus::TooLarge, {}};
        contents.append(block, static_cast<std::size_t>(n));
    }
    return {};
}

TableFileOutcome readReductionTableFile(const std::string& path, ReductionTable& table)
{
    table = ReductionTable();
    std::string contents;
    const TableFileOutcome read = readTableFileContents(path, contents);
    if (!read.read())
        return read;
    return readReductionTableText(contents, table);
}

Message tableFileMessage(const std::string& path, const TableFileOutcome& outcome)
{
    const std::size_t slash = path.find_last_of("/\\");
    return tableFileMessageNamed(slash == std::string::npos ? path : path.substr(slash + 1), outcome);
}

Message tableFileMessageNamed(const std::string& name, const TableFileOutcome& outcome)
{
    Message message(MsgKey::MsgFilePrefix);
    message.then(name);
    switch (outcome.status) {
    case TableFileStatus::Unreadable:
        return message.then(MsgKey::MsgFileUnreadableSuffix).then(outcome.reason);
    case TableFileStatus::TooLarge:
        return message.then(MsgKey::MsgFileTooLargeSuffix);
    case TableFileStatus::Read:
    case TableFileStatus::Missing:
        break;
    }
    return message.then(MsgKey::MsgFileNotFoundSuffix);
}

bool loadReductionTable(const std::string& path, ReductionTable& table, MessageSink& sink)
{
    const TableFileOutcome outcome = readReductionTableFile(path, table);
    if (!outcome.read())
        sink.show(tableFileMessage(path, outcome));
    return outcome.read();
}

Result<std::string> roundToHalfDegree(std::string_view typed)
{
    const char separator = decimalSeparator();
    std::string text(typed);
    const auto invalid = [&] {
        return Result<std::string>::failure("'" + std::string(typed) + "' is not a valid temperature");
    };
    // a number with an exponent is written out first: 1,55E1 is 15,5, 1E-6 is 0,000001
    if (text.find_first_of("eE") != std::string::npos) {
        const std::optional<double> value = parseNumber(text);
        if (!value)
            return invalid();
        text = formatPositional(*value);
    }
    const std::size_t at = text.find(separator);
    if (at == std::string::npos)
        return text;

    const std::string whole = text.substr(0, at);
    const std::string_view rest = std::string_view(text).substr(at + 1);
    // "15," has no tenths: as 15,0
    int d = 0;
    if (!isBlank(rest)) {
        if (rest[0] < '0' || rest[0] > '9')
            return invalid();
        d = rest[0] - '0';
    }
    if (d <= 2)
        return whole + separator + "0";
    if (d <= 7)
        return whole + separator + "5";

    // 8 or 9: on to the next whole degree, away from zero
    const std::optional<double> value = parseNumber(text);
    // ",8" and "-,8" have no whole part: it counts as 0
    const std::size_t firstChar = whole.find_first_not_of(' ');
    const std::string_view bare =
        firstChar == std::string::npos ? std::string_view() : std::string_view(whole).substr(firstChar);
    const bool noWholePart = bare.empty() || bare == "-" || bare == "+";
    const std::optional<double> integer = noWholePart ? std::optional<double>(0.0) : parseNumber(whole);
    if (!integer || !value)
        return invalid();
    return formatPositional(std::trunc(*integer) + (*value > 0 ? 1 : -1));
}

}  // namespace density
