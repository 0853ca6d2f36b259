#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "journal/entry.h"
#include "journal/entry_csv.h"
#include "journal_dialogs.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace journal {
class JournalFile;
}

namespace gui {

// The journal window: the entries newest first, filtered by dates, page and a
// search in the inputs and results; the shown entries to CSV or PDF, a record
// of the selected one, the selected ones deleted after asking.
class JournalForm : public QWidget {
    Q_OBJECT
public:
    explicit JournalForm(QWidget* parent = nullptr);
    ~JournalForm() override;

    void setJournalPath(const QString& path);
    void setDialogs(JournalDialogs dialogs);

    // The entries under the filter, read again.
    void reload();
    // Column titles and list items in the interface language.
    void retranslate();

    const std::vector<journal::Entry>& shownEntries() const { return m_entries; }
    QTableView* table() const { return m_table; }

    void exportCsv();
    void exportPdf();
    void exportRecordPdf();
    void printRecord();
    void deleteSelected();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    // The entry of the current row, or nullptr.
    const journal::Entry* currentEntry() const;
    std::vector<qint64> selectedIds() const;
    // A path from the save dialog, or empty.
    QString askPath(const QString& proposedName, const QString& filter);
    void writeFile(const QString& path, const QByteArray& bytes);
    void tellWriteFailure(const QString& path, const QString& reason);

    QString m_path;
    std::unique_ptr<journal::JournalFile> m_file;
    JournalDialogs m_dialogs;
    std::vector<journal::Entry> m_entries;

    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_page = nullptr;
    QLineEdit* m_search = nullptr;
    QComboBox* m_csvStyle = nullptr;
    QTableView* m_table = nullptr;
    QStandardItemModel* m_model = nullptr;
};

}  // namespace gui
