#include "entry_csv.h"

#include <QRegularExpression>

namespace journal {

QChar cellSeparator(CsvStyle style)
{
    return style == CsvStyle::Comma ? QLatin1Char(',') : QLatin1Char(';');
}

QChar decimalSeparator(CsvStyle style)
{
    return style == CsvStyle::Comma ? QLatin1Char('.') : QLatin1Char(',');
}

QByteArray toCsv(const std::vector<QStringList>& rows, CsvStyle style)
{
    const QChar separator = cellSeparator(style);
    QString out;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) {
            const bool quoted = cell.contains(separator) || cell.contains(QLatin1Char('"')) ||
                                cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
            cells << (quoted ? QLatin1Char('"') + QString(cell).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                                   QLatin1Char('"')
                             : cell);
        }
        out += cells.join(separator) + QStringLiteral("\r\n");
    }
    const QByteArray bom = style == CsvStyle::SemicolonDecimalComma ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    return bom + out.toUtf8();
}

QString withDecimalSeparator(const QString& value, QChar separator)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d+[.,]\\d+$"));
    if (!number.match(value).hasMatch())
        return value;
    QString out = value;
    out[out.indexOf(QRegularExpression(QStringLiteral("[.,]")))] = separator;
    return out;
}

}  // namespace journal
