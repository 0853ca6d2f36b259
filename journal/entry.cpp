#include "entry.h"

#include "entry_csv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>

namespace journal {

QString quantityLines(const std::vector<Quantity>& quantities, QChar decimal)
{
    QStringList lines;
    for (const Quantity& q : quantities) {
        const QString value = decimal.isNull() ? q.value : withDecimalSeparator(q.value, decimal);
        lines << (q.unit.isEmpty() ? q.name + QStringLiteral(" = ") + value
                                   : q.name + QStringLiteral(" = ") + value + QLatin1Char(' ') + q.unit);
    }
    return lines.join(QLatin1Char('\n'));
}

QString tabSeparatedLines(const Entry& entry)
{
    QString out;
    for (const auto* list : {&entry.inputs, &entry.results})
        for (const Quantity& q : *list)
            out += q.name + QLatin1Char('\t') + q.value + QLatin1Char('\t') + q.unit + QLatin1Char('\n');
    return out;
}

QString toJson(const std::vector<Quantity>& quantities)
{
    QJsonArray array;
    for (const Quantity& q : quantities)
        array.append(QJsonObject{{QStringLiteral("key"), q.key},
                                 {QStringLiteral("name"), q.name},
                                 {QStringLiteral("value"), q.value},
                                 {QStringLiteral("unit"), q.unit}});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<Quantity> quantitiesFromJson(const QString& json)
{
    std::vector<Quantity> out;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8());
    for (const QJsonValue& v : doc.array()) {
        const QJsonObject o = v.toObject();
        out.push_back({o.value(QStringLiteral("key")).toString(), o.value(QStringLiteral("name")).toString(),
                       o.value(QStringLiteral("value")).toString(), o.value(QStringLiteral("unit")).toString()});
    }
    return out;
}

QString timeText(const QDateTime& at, QChar separator, bool milliseconds)
{
    const int offset = at.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    const QString date =
        at.toString(milliseconds ? QStringLiteral("yyyy-MM-dd_HH:mm:ss.zzz") : QStringLiteral("yyyy-MM-dd_HH:mm:ss"))
            .replace(QLatin1Char('_'), separator);
    return date + (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString programVersion()
{
    return QStringLiteral(VANTOREL_VERSION);
}

}  // namespace journal
