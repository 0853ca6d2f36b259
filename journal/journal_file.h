#pragma once

#include <QDate>
#include <QString>
#include <chrono>
#include <vector>

#include "entry.h"

class QSqlError;

// journal.sqlite: the entries of the calculations, appended by any number of
// running copies at once, read back for the journal window.
namespace journal {

inline constexpr int kSchemaVersion = 1;
inline constexpr const char* kJournalFileName = "journal.sqlite";

enum class FileStatus {
    Ok,
    SetAside,  // the file was not a journal; it was renamed aside and a new one begun
    Locked,    // another program held the file longer than the wait
    ReadOnly,  // the file or its folder cannot be written
    Failed,    // any other reason (not a regular file, a newer schema, disk full, ...)
};

struct FileOutcome {
    FileStatus status = FileStatus::Ok;
    QString reason;     // the system's words, when not Ok
    QString asidePath;  // where a file that was not a journal went

    bool ok() const { return status == FileStatus::Ok || status == FileStatus::SetAside; }
};

// What the journal window shows: entries of the local dates from .. to
// (inclusive; an invalid date leaves that end open), of one page (empty: every
// page), holding the search text in an input's or result's name or value
// (case ignored; empty: all).
struct Filter {
    QDate from;
    QDate to;
    QString page;
    QString search;
};

class JournalFile {
public:
    explicit JournalFile(QString path, std::chrono::milliseconds lockWait = std::chrono::milliseconds(1500));
    ~JournalFile();
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;

    const QString& path() const { return m_path; }

    // Opens the file, creating it and its table when new; a file that is not
    // a journal is renamed aside (with the time) and a new one begun.
    FileOutcome open();
    bool isOpen() const { return m_open; }

    // Appends the entry as one transaction; its id is given back through it.
    FileOutcome append(Entry& entry);
    // Newest first.
    std::vector<Entry> entries(const Filter& filter = {}) const;
    FileOutcome remove(const std::vector<qint64>& ids);

private:
    FileOutcome failure(const QSqlError& error) const;
    FileOutcome prepare();
    FileOutcome setAside();

    QString m_path;
    QString m_connection;
    std::chrono::milliseconds m_lockWait;
    bool m_open = false;
};

}  // namespace journal
