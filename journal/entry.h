#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One run of a calculator course as the journal keeps it.
namespace journal {

// An input or a result: its key for other programs ("density20"), its name
// and unit in the interface language of the run, and its value as typed or
// shown.
struct Quantity {
    QString key;
    QString name;
    QString value;
    QString unit;

    bool operator==(const Quantity& other) const
    {
        return key == other.key && name == other.name && value == other.value && unit == other.unit;
    }
};

struct Entry {
    qint64 id = 0;         // given by the journal file
    QDateTime recordedAt;  // local time with its offset from UTC
    QString page;          // "density20", "calculator20", "api", "density15", "calculator15"
    QString block;         // the course: "reduce20", "mass15", ...
    QString standard;      // "GOST 3900-85" or "GOST R 50.2.076-2010"
    QString productGroup;  // "crude_oil", "petroleum_products", "lubricating_oils"; empty without a choice
    std::optional<bool> glassCorrection;  // nothing when the block has no such option
    std::optional<bool> pressureOn;
    std::vector<Quantity> inputs;
    std::vector<Quantity> results;
    QStringList messages;   // as shown, in the order shown
    QString status;         // "ok", "check_failed", "out_of_table", "no_row", "calc_failed"
    QString language;       // "ru" or "en": the language of names, units and messages
    QString tablePath;      // the reduction table of a 20 °C course
    QString tableChecksum;  // its SHA-256, hexadecimal
    QString programVersion;
};

// "name = value unit" per quantity, one a line; a decimal separator given
// replaces the one of plain numbers.
QString quantityLines(const std::vector<Quantity>& quantities, QChar decimal = QChar());
// One "name<TAB>value<TAB>unit" line per input, then per result: cells for a
// spreadsheet.
QString tabSeparatedLines(const Entry& entry);

// The quantities as a JSON array of {"key", "name", "value", "unit"}
// objects, and back (an array that is not one gives nothing).
QString toJson(const std::vector<Quantity>& quantities);
std::vector<Quantity> quantitiesFromJson(const QString& json);

// "2026-12-08T21:05:03.120+03:00": the local time with its offset, the
// offset written out also when it is zero; with `separator` ' ' and
// milliseconds left out, the same for reading.
QString timeText(const QDateTime& at, QChar separator = QLatin1Char('T'), bool milliseconds = true);

// The version of this program, as the About box shows it.
QString programVersion();

}  // namespace journal
