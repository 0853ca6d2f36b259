#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringList>
#include <vector>

// Rows of cells as CSV text (RFC 4180, UTF-8).
namespace journal {

enum class CsvStyle {
    Comma,                  // ',' between cells, numbers with a decimal point
    SemicolonDecimalComma,  // ';' between cells, decimal comma, a byte-order mark for spreadsheets
};

QChar cellSeparator(CsvStyle style);
QChar decimalSeparator(CsvStyle style);

// Each cell quoted when it holds the separator, a quote or a line break;
// quotes doubled; CRLF after every row.
QByteArray toCsv(const std::vector<QStringList>& rows, CsvStyle style);

// A plain decimal number ("839,4", "-12.5") with the separator given;
// any other text as it is.
QString withDecimalSeparator(const QString& value, QChar separator);

}  // namespace journal
