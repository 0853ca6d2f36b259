#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exact_decimal.h"
#include "messages.h"
#include "result.h"

// The GOST 3900-85 reduction table: density at a test temperature to the
// density at 20 °C, one row per half degree, columns 500 ... 1090 kg/m3.
namespace density {

// Returned when the row exists but holds no value for the request.
constexpr double kOutOfTableMark = -100.0;
// Returned when no row carries the requested temperature.
constexpr double kNoRow = 0.0;

constexpr int kFirstColumn = 500;
constexpr int kLastColumn = 1090;
constexpr int kColumnStep = 10;
constexpr int kColumnCount = (kLastColumn - kFirstColumn) / kColumnStep + 1;
// A line is read back with at most this many characters.
constexpr std::size_t kMaxLineLength = 4096;

inline constexpr const char* kTableFileName = "tablegost3900.txt";
// A real table is a few hundred kB; a file beyond these is refused unread.
constexpr std::uintmax_t kMaxTableFileSize = 4u << 20;
constexpr std::size_t kMaxTableLines = 20000;

// "*0500" ... "*0990", "*1000" ... "*1090".
std::string columnKey(int columnDensity);

class ReductionTable {
public:
    ReductionTable() = default;
    explicit ReductionTable(std::vector<std::string> lines);
    // Splits file contents at line breaks (CR LF, LF or CR); a break after the
    // last line adds no row. A UTF-8 byte-order mark before the first line is
    // skipped.
    static ReductionTable fromText(std::string_view contents);

    bool empty() const { return m_lines.empty(); }
    // The file named in the messages about malformed rows (tablegost3900.txt
    // unless set).
    void setFileName(std::string name) { m_fileName = std::move(name); }
    const std::vector<std::string>& lines() const { return m_lines; }

    // Observed density (500 ... 1090) at a temperature on the half-degree grid
    // to the density at 20 °C; kOutOfTableMark or kNoRow as described above.
    // A reading outside the columns (NaN too) is out of the table. Where the
    // interpolation of the decimals as written (the shortest decimals of the
    // reading and the cells) lies exactly halfway between two tenths, both
    // lookups return that half, so that it prints as one.
    Result<double> lookupDensity20(double observed, double temperatureC) const;
    // Density at 20 °C to the actual density at the temperature. `exact`, when
    // given, receives the fraction an interpolation stands for (the density
    // and the cells as the decimals they are written as); it stays empty for
    // a cell or a column, whose value is its shortest decimal.
    Result<double> lookupActualDensity(double density20, double temperatureC,
                                       std::optional<Fraction>* exact = nullptr) const;

private:
    enum class CellState { Value, Empty, Malformed, MissingKey };
    struct Cell {
        CellState state = CellState::MissingKey;
        double value = 0;
    };
    struct Row {
        std::optional<double> temperature;
        std::string temperatureText;
        std::array<Cell, kColumnCount> cells;
        int firstBadCell = kColumnCount;  // the first malformed or missing cell
    };
    struct RowAt {
        double temperature;
        int row;  // the first row with it
    };

    // Index of the first row with the temperature, -1 when none, or the
    // failure met on the way (a row temperature that is not a number).
    Result<int> findRow(double temperatureC) const;
    Result<int> searchRow(double temperatureC) const;       // the same without the index
    Result<double> cellValue(int row, int column) const;    // 0 for an empty cell
    Result<double> cellFailure(int row, int column) const;  // of a malformed or missing cell

    std::vector<std::string> m_lines;
    std::string m_fileName = kTableFileName;
    std::vector<Row> m_rows;
    // rows by temperature, built once, for lookups without a scan
    std::vector<RowAt> m_byTemperature;
    // the same for the half degrees the calculators ask for, by index: the
    // row of 2 x temperature - kFirstIndexedHalf, -1 for none
    static constexpr int kFirstIndexedHalf = -200;
    static constexpr int kLastIndexedHalf = 400;
    std::vector<int> m_rowAtHalf;
    // the cells' values row after row (0 when not a number), and each row's
    // first bad cell: what a lookup reads, packed close together
    std::vector<double> m_values;
    std::vector<int> m_firstBadCell;
    int m_firstBadRow = 0;  // the first row whose temperature is not a number
};

enum class TableFileStatus {
    Read,
    Missing,     // no file at the path
    Unreadable,  // there, but reading it failed (no permission, an I/O error)
    NotRegular,  // a device, a pipe or a folder: refused unread
    TooLarge,    // over kMaxTableFileSize bytes or kMaxTableLines lines
};

struct TableFileOutcome {
    TableFileStatus status = TableFileStatus::Read;
    std::string reason;  // the system's words, when Unreadable

    bool read() const { return status == TableFileStatus::Read; }
};

// Reads a table file whole: a regular file (or a link to one) of at most
// kMaxTableFileSize bytes. Anything else is refused unread and never waited
// for (a FIFO, a device); the outcome says why.
TableFileOutcome readTableFileContents(const std::string& path, std::string& contents);
// Reads a table file whole into the table; on any failure the table is left
// empty and the outcome says why. Never throws for what the file holds.
TableFileOutcome readReductionTableFile(const std::string& path, ReductionTable& table);
// The contents of a file already read, with the same limits.
TableFileOutcome readReductionTableText(std::string_view contents, ReductionTable& table);
// What the user is told about a file that was not read, naming it without
// its folder: file prefix + name + not-found, unreadable or too-large suffix.
Message tableFileMessage(const std::string& path, const TableFileOutcome& outcome);
// The same naming the file as given.
Message tableFileMessageNamed(const std::string& name, const TableFileOutcome& outcome);

// Reads the table file into the table. When it cannot be read the sink is
// told once (tableFileMessage) and the table is left empty. Returns whether
// the file was read.
bool loadReductionTable(const std::string& path, ReductionTable& table, MessageSink& sink);

// Brings a typed temperature onto the half-degree grid: 15,2 -> 15,0,
// 15,3 -> 15,5, 15,8 -> 16, -0,8 -> -1. Only the first decimal counts. A text
// without the decimal separator stays as it is; one ending in it counts as ,0.
Result<std::string> roundToHalfDegree(std::string_view temperatureText);
// The same for a number, as its shortest text is brought: false where the
// number alone does not tell that text's first decimal for certain (within a
// millionth of a tenth, unless the number is that tenth's own double).
bool roundToHalfDegreeValue(double temperature, double& onGrid);

}  // namespace density
