#include "reduction_table.h"

#include <algorithm>
#include <cmath>

#include "files/bounded_read.h"
#include "files/system_error.h"
#include "numeric_text.h"
#include "wide_int.h"

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

// Decimals up to which readings and cells are taken as exact decimals.
constexpr int kExactDecimals = 9;
constexpr double kPow10[kExactDecimals + 1] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr std::int64_t kPow10Int[kExactDecimals + 1] = {1,      10,      100,      1000,      10000,
                                                        100000, 1000000, 10000000, 100000000, 1000000000};

// The shortest decimal of at most kExactDecimals decimals that reads back as
// the value: units x 10^-decimals. Nothing for a value that has none (or
// lies beyond the table's magnitudes).
bool exactDecimal(double value, std::int64_t& units, int& decimals)
{
    if (!(std::fabs(value) < 1e5))
        return false;
    for (int k = 0; k <= kExactDecimals; ++k) {
        const double n = std::nearbyint(value * kPow10[k]);  // below 2^53: exact
        if (n / kPow10[k] == value) {
            units = static_cast<std::int64_t>(n);
            decimals = k;
            return true;
        }
    }
    return false;
}

// An interpolation whose exact value, numerator / denominator, lies halfway
// between two tenths gives that half as its double, so that it prints as one:
// the double of the plain arithmetic may fall either side (998,9 + 0,5 x 9,9
// is 1003,8499...). Any other value keeps the plain result.
template <typename Int>
double halfOfFraction(Int numerator, Int denominator, double plain)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Int twenty = numerator * 20;  // twenty times the value
    if (denominator == 0 || twenty % denominator != 0)
        return plain;
    const Int halves = twenty / denominator;
    if (halves % 2 == 0 || halves > (Int(1) << 53) || halves < -(Int(1) << 53))
        return plain;
    return static_cast<double>(halves) / 20;  // one correctly rounded division
}

// The same in 64 bits where the terms fit, as they do for what is typed.
double halfOr(WideInt numerator, WideInt denominator, double plain)
{
    constexpr WideInt fits = WideInt(1) << 58;
    if (numerator < fits && numerator > -fits && denominator < fits && denominator > -fits)
        return halfOfFraction<std::int64_t>(static_cast<std::int64_t>(numerator),
                                            static_cast<std::int64_t>(denominator), plain);
    return halfOfFraction<WideInt>(numerator, denominator, plain);
}

// Whether a result of plain arithmetic, a few units of its last digit away
// from the exact value, may stand for a half: a cheap test that lets the
// exact one run only where it can matter.
bool nearHalf(double plain)
{
    const double halves = plain * 20;
    if (!(std::fabs(halves) < 1e15))
        return false;
    const std::int64_t nearest = static_cast<std::int64_t>(halves + (halves < 0 ? -0.5 : 0.5));
    return std::fabs(halves - static_cast<double>(nearest)) < 1e-6 && (nearest & 1) != 0;
}

// vlo + (observed - lo) * (vhi - vlo) / 10, or the half its decimals give.
double interpolate20(double vlo, double vhi, int lo, double observed)
{
    const double plain = vlo + (observed - lo) * (vhi - vlo) / kColumnStep;
    std::int64_t a = 0, b = 0, reading = 0;
    int aDecimals = 0, bDecimals = 0, readingDecimals = 0;
    if (!nearHalf(plain) || !exactDecimal(vlo, a, aDecimals) || !exactDecimal(vhi, b, bDecimals) ||
        !exactDecimal(observed, reading, readingDecimals))
        return plain;
    // at the scale 10^-(cell decimals + reading decimals + 1)
    const int cellDecimals = std::max(aDecimals, bDecimals);
    const WideInt wa = static_cast<WideInt>(a) * kPow10Int[cellDecimals - aDecimals];
    const WideInt wb = static_cast<WideInt>(b) * kPow10Int[cellDecimals - bDecimals];
    const WideInt offset = reading - static_cast<WideInt>(lo) * kPow10Int[readingDecimals];
    WideInt denominator = 1;
    timesPowerOfTen(denominator, cellDecimals + readingDecimals + 1);  // at most 10^19
    return halfOr(wa * kPow10Int[readingDecimals] * kColumnStep + offset * (wb - wa), denominator, plain);
}

// lo + 10 * (density20 - vlo) / (vhi - vlo), or the half its decimals give;
// `exact`, when asked for, receives the fraction those decimals give.
double interpolateActual(double vlo, double vhi, int lo, double density20, std::optional<Fraction>* exact)
{
    const double plain = lo + kColumnStep * (density20 - vlo) / (vhi - vlo);
    std::int64_t a = 0, b = 0, given = 0;
    int aDecimals = 0, bDecimals = 0, givenDecimals = 0;
    if ((!exact && !nearHalf(plain)) || !exactDecimal(vlo, a, aDecimals) || !exactDecimal(vhi, b, bDecimals) ||
        !exactDecimal(density20, given, givenDecimals))
        return plain;
    // one fraction of integers at the scale of the most decimals
    const int scale = std::max({aDecimals, bDecimals, givenDecimals});
    a *= kPow10Int[scale - aDecimals];
    b *= kPow10Int[scale - bDecimals];
    given *= kPow10Int[scale - givenDecimals];
    const WideInt numerator = static_cast<WideInt>(lo) * (b - a) + static_cast<WideInt>(kColumnStep) * (given - a);
    const WideInt denominator = b - a;
    if (exact)
        *exact = denominator < 0 ? Fraction{-numerator, -denominator} : Fraction{numerator, denominator};
    return nearHalf(plain) ? halfOr(numerator, denominator, plain) : plain;
}

}  // namespace

std::string columnKey(int columnDensity)
{
    return (columnDensity < 1000 ? "*0" : "*") + std::to_string(columnDensity);
}

ReductionTable::ReductionTable(std::vector<std::string> lines) : m_lines(std::move(lines))
{
    m_rows.reserve(m_lines.size());
    m_values.reserve(m_lines.size() * kColumnCount);
    m_firstBadCell.reserve(m_lines.size());
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
        for (const Cell& cell : row.cells)
            m_values.push_back(cell.state == CellState::Value ? cell.value : 0.0);
        m_firstBadCell.push_back(row.firstBadCell);
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
    m_rowAtHalf.assign(kLastIndexedHalf - kFirstIndexedHalf + 1, -1);
    for (const RowAt& r : m_byTemperature) {
        const double halves = r.temperature * 2;
        if (halves >= kFirstIndexedHalf && halves <= kLastIndexedHalf && halves == std::floor(halves))
            m_rowAtHalf[static_cast<std::size_t>(static_cast<int>(halves) - kFirstIndexedHalf)] = r.row;
    }
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

inline Result<int> ReductionTable::findRow(double temperatureC) const
{
    // 2 x a temperature is exact: a whole number only on the half-degree grid
    const double halves = temperatureC * 2;
    if (halves >= kFirstIndexedHalf && halves <= kLastIndexedHalf && !m_rowAtHalf.empty()) {
        const int whole = static_cast<int>(halves);
        if (static_cast<double>(whole) == halves) {
            const int row = m_rowAtHalf[static_cast<std::size_t>(whole - kFirstIndexedHalf)];
            if (row >= 0)
                return row;
        }
    }
    return searchRow(temperatureC);
}

Result<int> ReductionTable::searchRow(double temperatureC) const
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
    if (cell.state == CellState::Value)
        return cell.value;
    if (cell.state == CellState::Empty)
        return 0.0;
    return cellFailure(row, column);
}

Result<double> ReductionTable::cellFailure(int row, int column) const
{
    switch (m_rows[row].cells[column].state) {
    case CellState::Value:
    case CellState::Empty:
        break;
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
    // truncation is the floor of a positive reading
    const int lo =
        observed == kLastColumn ? kLastColumn - kColumnStep : static_cast<int>(observed / kColumnStep) * kColumnStep;
    const int hi = lo + kColumnStep;

    const int column = (lo - kFirstColumn) / kColumnStep;
    // the cells before the row's first bad one are numbers (0 when empty)
    double vlo = 0;
    double vhi = 0;
    if (column + 1 < m_firstBadCell[static_cast<std::size_t>(*row)]) {
        const double* const cells = &m_values[static_cast<std::size_t>(*row) * kColumnCount];
        vlo = cells[column];
        vhi = cells[column + 1];
    } else {
        const Result<double> low = cellValue(*row, column);
        if (!low)
            return low;
        const Result<double> high = cellValue(*row, column + 1);
        if (!high)
            return high;
        vlo = *low;
        vhi = *high;
    }

    if (vlo != 0 && vhi != 0 && lo < observed && observed < hi)
        return interpolate20(vlo, vhi, lo, observed);
    if (observed == lo && vlo != 0)
        return vlo;
    if (observed == hi && vhi != 0)
        return vhi;
    return kOutOfTableMark;
}

Result<double> ReductionTable::lookupActualDensity(double density20, double temperatureC,
                                                   std::optional<Fraction>* exact) const
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
            return interpolateActual(vlo, vhi, lo, density20, exact);
        }
        vlo = vhi;
    }
    return kOutOfTableMark;
}

namespace {

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
    const files::ReadOutcome read = files::readRegularFile(path, kMaxTableFileSize, contents);
    switch (read.status) {
    case files::ReadStatus::Read:
        break;
    case files::ReadStatus::Missing:
        return {TableFileStatus::Missing, {}};
    case files::ReadStatus::NotRegular:
        return {TableFileStatus::NotRegular, {}};
    case files::ReadStatus::TooLarge:
        return {TableFileStatus::TooLarge, {}};
    case files::ReadStatus::Failed:
        return {TableFileStatus::Unreadable, files::systemReason(read.error)};
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
    case TableFileStatus::NotRegular:
        return message.then(MsgKey::MsgFileUnreadableSuffix).then(MsgKey::MsgNotRegularFile);
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

namespace {

// Where the first decimal takes a temperature on the half-degree grid: 0 to 2
// down to the whole degree, 3 to 7 to its half, 8 and 9 on to the next whole
// degree, away from zero. The steps count half degrees.
enum class GridStep { Whole = 0, Half = 1, NextWhole = 2 };
constexpr GridStep kGridSteps[10] = {GridStep::Whole,     GridStep::Whole,    GridStep::Whole, GridStep::Half,
                                     GridStep::Half,      GridStep::Half,     GridStep::Half,  GridStep::Half,
                                     GridStep::NextWhole, GridStep::NextWhole};

GridStep gridStep(int firstDecimal)
{
    return kGridSteps[firstDecimal];
}

}  // namespace

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
    switch (gridStep(d)) {
    case GridStep::Whole:
        return whole + separator + "0";
    case GridStep::Half:
        return whole + separator + "5";
    case GridStep::NextWhole:
        break;
    }

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

bool roundToHalfDegreeValue(double temperature, double& onGrid)
{
    const double magnitude = std::fabs(temperature);
    if (!(magnitude < 1e6))
        return false;
    const double tenths = magnitude * 10;
    auto digits = static_cast<std::int64_t>(tenths);
    const double fraction = tenths - static_cast<double>(digits);
    if (fraction < 1e-6 || fraction > 1 - 1e-6) {
        // the shortest text ends in that tenth only if the number is its double
        const std::int64_t nearest = digits + static_cast<std::int64_t>(fraction >= 0.5);
        if (magnitude != static_cast<double>(nearest) / 10)
            return false;
        digits = nearest;
    }
    // by the step's count of half degrees: no branch on the digit
    const auto halves =
        static_cast<double>(digits / 10 * 2 + static_cast<int>(gridStep(static_cast<int>(digits % 10))));
    onGrid = std::copysign(halves * 0.5, temperature);
    return true;
}

}  // namespace density
