#pragma once

#include <QString>
#include <memory>

#include "journal/journal_file.h"

class QWidget;

namespace gui {

// Appends every calculation to journal.sqlite. The file is opened at the
// first entry; when it cannot be opened or written, one message names the
// file and the reason, and the journal rests until the next start. A damaged
// file is set aside with a message and a new one begun.
class JournalRecorder {
public:
    explicit JournalRecorder(QWidget* window);
    ~JournalRecorder();

    void setPath(const QString& path);
    const QString& path() const { return m_path; }

    void record(journal::Entry& entry);

private:
    void tell(const journal::FileOutcome& outcome);

    QWidget* m_window;
    QString m_path;
    std::unique_ptr<journal::JournalFile> m_file;
    bool m_resting = false;
};

}  // namespace gui
