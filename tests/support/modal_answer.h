#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers the next modal window the code opens (a dialog's exec(), a file
// dialog, ...) from inside its own event loop, so the test does not block.
// The answer gets the modal window and must close it, for example with
// reject() or by clicking a button.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : m_answer(std::move(answer))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const { return m_answered; }
    // The window answered; null once it is destroyed.
    QWidget* window() const { return m_window; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_timer.stop();
        m_answered = true;
        m_window = modal;
        m_answer(modal);
    }

    std::function<void(QWidget*)> m_answer;
    QTimer m_timer;
    bool m_answered = false;
    QPointer<QWidget> m_window;
};
