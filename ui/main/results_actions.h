#pragma once

#include <QObject>
#include <QString>
#include <map>

#include "calculator_block.h"
#include "journal/course_terms.h"
#include "journal/entry.h"
#include "ui/journal/journal_dialogs.h"
#include "ui/journal/journal_recorder.h"

class QAction;
class QMenu;
class QWidget;

namespace gui {

class CalculatorPage;

// What leaves the window after a calculation: the journal entry of every run,
// the active block's results on the clipboard, and a record of its last
// calculation, printed or as PDF.
class ResultsActions : public QObject {
    Q_OBJECT
public:
    explicit ResultsActions(QWidget* window);

    JournalRecorder& recorder() { return m_recorder; }
    void setDialogs(JournalDialogs dialogs);
    // The items that run the actions (also offered in each block's menu) and
    // the check item that keeps the journal.
    void setItems(QAction* copy, QAction* print, QAction* exportPdf, QAction* journalOn);
    // The reduction table read at start, recorded with the 20 °C courses.
    void setTable(const QString& path);
    void addPage(CalculatorPage* page);

    // The run as the journal keeps it; remembered as the block's last.
    void observe(const CalculatorBlock& block, const calc::Inputs& inputs, const calc::Outcome& outcome,
                 const QDateTime& at);

    // The block worked in last: run, right-clicked or holding the focus.
    const CalculatorBlock* activeBlock() const { return m_active; }
    // The block's menu of the three actions, made active.
    QMenu* blockMenu(const CalculatorBlock* block);

    void copyResults();
    void printRecord();
    void exportRecordPdf();

private:
    void focusMoved(QWidget* now);
    // The active block's last entry; nullptr (told) when there is none.
    const journal::Entry* lastEntry();

    QWidget* m_window;
    JournalRecorder m_recorder;
    JournalDialogs m_dialogs;
    QAction* m_copy = nullptr;
    QAction* m_print = nullptr;
    QAction* m_exportPdf = nullptr;
    QAction* m_journalOn = nullptr;
    journal::TableInUse m_table;
    std::vector<const CalculatorBlock*> m_blocks;
    std::map<const CalculatorBlock*, journal::Entry> m_last;
    const CalculatorBlock* m_active = nullptr;
    QMenu* m_menu = nullptr;
};

}  // namespace gui
