#include "journal_recorder.h"

#include <QDir>

#include "journal_texts.h"
#include "shell/message_box.h"

namespace gui {

JournalRecorder::JournalRecorder(QWidget* window) : m_window(window)
{
}

JournalRecorder::~JournalRecorder() = default;

void JournalRecorder::setPath(const QString& path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_file.reset();
    m_resting = false;
}

void JournalRecorder::record(journal::Entry& entry)
{
    if (m_resting || m_path.isEmpty())
        return;
    if (!m_file) {
        m_file = std::make_unique<journal::JournalFile>(m_path);
        const journal::FileOutcome opened = m_file->open();
        if (!opened.ok()) {
            tell(opened);
            return;
        }
        if (opened.status == journal::FileStatus::SetAside)
            tell(opened);
    }
    const journal::FileOutcome appended = m_file->append(entry);
    if (!appended.ok())
        tell(appended);
}

void JournalRecorder::tell(const journal::FileOutcome& outcome)
{
    if (outcome.status == journal::FileStatus::SetAside) {
        shell::showAttention(m_window, journalText(JournalText::JournalSetAside) +
                                           QDir::toNativeSeparators(outcome.asidePath) +
                                           journalText(JournalText::JournalSetAsideEnd));
        return;
    }
    m_resting = true;
    m_file.reset();
    shell::showAttention(m_window, journalText(JournalText::JournalFailed) + QDir::toNativeSeparators(m_path) +
                                       QStringLiteral(":\n") + outcome.reason + journalText(JournalText::JournalRetry));
}

}  // namespace gui
