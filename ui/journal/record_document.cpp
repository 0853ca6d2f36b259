#include "record_document.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

#include "journal_texts.h"

namespace gui {

namespace {

// DejaVu Sans holds Cyrillic; fonts-dejavu-core is a dependency.
QFont documentFont(int points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(points);
    return font;
}

QString cell(const QString& text)
{
    return QStringLiteral("<td>") + text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
           QStringLiteral("</td>");
}

QString row(const QString& name, const QString& value)
{
    return QStringLiteral("<tr><th align=left>") + name.toHtmlEscaped() + QStringLiteral("</th>") + cell(value) +
           QStringLiteral("</tr>");
}

QString quantityTable(const QString& title, const std::vector<journal::Quantity>& quantities)
{
    QString html = QStringLiteral("<h3>") + title.toHtmlEscaped() +
                   QStringLiteral("</h3><table border=1 cellspacing=0 cellpadding=4 width=100%>");
    for (const journal::Quantity& q : quantities)
        html += QStringLiteral("<tr>") + cell(q.name) + cell(q.value) + cell(q.unit) + QStringLiteral("</tr>");
    return html + QStringLiteral("</table>");
}

const QString kStyle = QStringLiteral("<style>th, td { padding: 3px; } h2 { margin-bottom: 4px; }</style>");

QTextDocument* document(const QString& html, int points, QObject* parent)
{
    auto* doc = new QTextDocument(parent);
    doc->setDefaultFont(documentFont(points));
    doc->setHtml(html);
    return doc;
}

}  // namespace

QString recordedText(const journal::Entry& e)
{
    return journal::timeText(e.recordedAt, QLatin1Char(' '), false);
}

QStringList entryHeaders()
{
    QStringList out;
    for (JournalText t : {JournalText::ColumnTime, JournalText::ColumnPage, JournalText::ColumnBlock,
                          JournalText::ColumnStandard, JournalText::ColumnChoices, JournalText::ColumnInputs,
                          JournalText::ColumnResults, JournalText::ColumnMessages, JournalText::ColumnStatus})
        out << journalText(t);
    return out;
}

QStringList entryCells(const journal::Entry& e, QChar decimal)
{
    return {recordedText(e),
            pageName(e.page),
            blockName(e.block),
            standardName(e.standard),
            choicesText(e),
            journal::quantityLines(e.inputs, decimal),
            journal::quantityLines(e.results, decimal),
            e.messages.join(QLatin1Char('\n')),
            statusName(e.status)};
}

QString recordHtml(const journal::Entry& e)
{
    QString html = kStyle + QStringLiteral("<h2>") + journalText(JournalText::RecordTitle).toHtmlEscaped() +
                   QStringLiteral("</h2><table cellspacing=0 cellpadding=3>");
    html += row(journalText(JournalText::Time), recordedText(e));
    html += row(journalText(JournalText::Page), pageName(e.page));
    html += row(journalText(JournalText::Block), blockName(e.block));
    html += row(journalText(JournalText::Standard), standardName(e.standard));
    const QString choices = choicesText(e);
    if (!choices.isEmpty())
        html += row(journalText(JournalText::Group), choices);
    html += row(journalText(JournalText::Status), statusName(e.status));
    html += QStringLiteral("</table>");
    html += quantityTable(journalText(JournalText::Inputs), e.inputs);
    html += quantityTable(journalText(JournalText::Results), e.results);
    if (!e.messages.isEmpty()) {
        html += QStringLiteral("<h3>") + journalText(JournalText::Messages).toHtmlEscaped() + QStringLiteral("</h3>");
        for (const QString& m : e.messages)
            html += QStringLiteral("<p>") + m.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                    QStringLiteral("</p>");
    }
    // as lines of their own: a checksum is not broken inside a table cell
    const auto line = [](JournalText name, const QString& value) {
        return QStringLiteral("<p>") + journalText(name).toHtmlEscaped() + QStringLiteral(": ") +
               value.toHtmlEscaped() + QStringLiteral("</p>");
    };
    html += QStringLiteral("<br>");
    if (!e.tablePath.isEmpty()) {
        html += line(JournalText::TablePath, e.tablePath);
        html += line(JournalText::TableChecksum, e.tableChecksum);
    }
    return html + line(JournalText::ProgramVersion, QStringLiteral("Vantorel ") + e.programVersion);
}

QString listHtml(const std::vector<journal::Entry>& entries)
{
    QString html = kStyle + QStringLiteral("<h2>") + journalText(JournalText::JournalTitle).toHtmlEscaped() +
                   QStringLiteral("</h2><table border=1 cellspacing=0 cellpadding=3 width=100%><tr>");
    for (const QString& h : entryHeaders())
        html += QStringLiteral("<th>") + h.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (const journal::Entry& e : entries) {
        html += QStringLiteral("<tr>");
        for (const QString& c : entryCells(e))
            html += cell(c);
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString writePdf(const QString& html, const QString& path, QPageLayout::Orientation orientation)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(orientation);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(journalText(JournalText::RecordTitle));
        writer.setCreator(QStringLiteral("Vantorel ") + journal::programVersion());
        QObject owner;
        document(html, orientation == QPageLayout::Portrait ? 10 : 8, &owner)->print(&writer);
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void printDocument(const QString& html, QPrinter& printer)
{
    QObject owner;
    document(html, 10, &owner)->print(&printer);
}

}  // namespace gui
