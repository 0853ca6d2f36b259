#include "results_actions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QPrinter>
#include <QRadioButton>

#include "calculator_page.h"
#include "density/reduction_table.h"
#include "journal/table_checksum.h"
#include "shell/message_box.h"
#include "ui/journal/journal_texts.h"
#include "ui/journal/record_document.h"

namespace gui {

ResultsActions::ResultsActions(QWidget* window) : QObject(window), m_window(window), m_recorder(window)
{
    m_dialogs = withDesktopDialogs(JournalDialogs{});
    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("blockResultsMenu"));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void ResultsActions::setDialogs(JournalDialogs dialogs)
{
    m_dialogs = withDesktopDialogs(std::move(dialogs));
}

void ResultsActions::setItems(QAction* copy, QAction* print, QAction* exportPdf, QAction* journalOn)
{
    m_copy = copy;
    m_print = print;
    m_exportPdf = exportPdf;
    m_journalOn = journalOn;
    m_menu->addActions({copy, print, exportPdf});
    connect(copy, &QAction::triggered, this, &ResultsActions::copyResults);
    connect(print, &QAction::triggered, this, &ResultsActions::printRecord);
    connect(exportPdf, &QAction::triggered, this, &ResultsActions::exportRecordPdf);
}

void ResultsActions::setTable(const QString& path)
{
    m_table = {path, journal::fileChecksum(path, static_cast<qint64>(density::kMaxTableFileSize))};
}

void ResultsActions::addPage(CalculatorPage* page)
{
    for (const CalculatorBlock* block : page->blocks())
        m_blocks.push_back(block);
    connect(page, &CalculatorPage::blockMenuRequested, this,
            [this](const CalculatorBlock* block, const QPoint& at) { blockMenu(block)->popup(at); });
}

void ResultsActions::observe(const CalculatorBlock& block, const calc::Inputs& inputs, const calc::Outcome& outcome,
                             const QDateTime& at)
{
    const journal::BlockChoices choices{block.group[0] != nullptr, block.glass != nullptr, block.pressureOn != nullptr};
    journal::Entry entry = journal::entryOf(block.course, inputs, outcome, choices, at, m_table);
    if (!m_journalOn || m_journalOn->isChecked())
        m_recorder.record(entry);
    m_last[&block] = std::move(entry);
    m_active = &block;
}

QMenu* ResultsActions::blockMenu(const CalculatorBlock* block)
{
    m_active = block;
    return m_menu;
}

void ResultsActions::focusMoved(QWidget* now)
{
    if (!now)
        return;
    for (const CalculatorBlock* block : m_blocks)
        if (CalculatorPage::boxOf(*block)->isAncestorOf(now)) {
            m_active = block;
            return;
        }
}

const journal::Entry* ResultsActions::lastEntry()
{
    const auto found = m_last.find(m_active);
    if (found != m_last.end())
        return &found->second;
    shell::showAttention(m_window, journalText(JournalText::NoCalculation));
    return nullptr;
}

void ResultsActions::copyResults()
{
    if (const journal::Entry* entry = lastEntry())
        QApplication::clipboard()->setText(journal::tabSeparatedLines(*entry));
}

void ResultsActions::printRecord()
{
    const journal::Entry* entry = lastEntry();
    if (!entry)
        return;
    QPrinter printer;
    if (m_dialogs.print(m_window, printer))
        printDocument(recordHtml(*entry), printer);
}

void ResultsActions::exportRecordPdf()
{
    const journal::Entry* entry = lastEntry();
    if (!entry)
        return;
    FileRequest request;
    request.folder = QDir::homePath();
    request.proposedName =
        QStringLiteral("record-%1.pdf").arg(entry->recordedAt.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    request.filter = journalText(JournalText::PdfFilter);
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = m_dialogs.saveFile(m_window, request);
    if (path.isEmpty())
        return;
    const QString reason = writePdf(recordHtml(*entry), path, QPageLayout::Portrait);
    if (!reason.isEmpty())
        shell::showAttention(m_window, journalText(JournalText::WriteFailed) + path + QStringLiteral(":\n") + reason);
}

}  // namespace gui
