#pragma once

#include <QStringList>
#include <deque>

#include "shell/message_box.h"
#include "support/qt_printers.h"

// Answers every message box of the program while it lives, records what was
// asked, and replies with scripted buttons (or each box's default button).
class BoxRecorder {
public:
    BoxRecorder()
    {
        shell::setBoxResponder([this](const shell::BoxRequest& r) {
            requests.push_back(r);
            if (!m_answers.empty()) {
                const QMessageBox::StandardButton b = m_answers.front();
                m_answers.pop_front();
                return b;
            }
            return r.defaultButton;
        });
    }
    ~BoxRecorder() { shell::setBoxResponder({}); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    void answer(QMessageBox::StandardButton button) { m_answers.push_back(button); }

    QStringList texts() const
    {
        QStringList out;
        for (const shell::BoxRequest& r : requests)
            out << r.text;
        return out;
    }
    void clear() { requests.clear(); }

    std::vector<shell::BoxRequest> requests;

private:
    std::deque<QMessageBox::StandardButton> m_answers;
};
