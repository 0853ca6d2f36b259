#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <optional>

// Reads cells of the shipped reduction table straight from its text, apart
// from the program's reader, so that tests can work out expected results on
// their own.
namespace testdata {

inline QString shippedTablePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tablegost3900.txt");
}

// The cell of a column density in the row of a temperature; 0 for an empty
// cell, nothing when the row is missing.
inline std::optional<double> shippedCell(double temperature, int column)
{
    QFile f(shippedTablePath());
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString key = QStringLiteral("*%1").arg(column, 4, 10, QLatin1Char('0'));
    const auto number = [](QString text) { return text.replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(); };
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw);
        if (number(line.mid(1, 6)) != temperature)
            continue;
        const int at = line.indexOf(key);
        if (at < 0)
            return std::nullopt;
        return number(line.mid(at + key.size(), 6));
    }
    return std::nullopt;
}

}  // namespace testdata
