#pragma once

#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

namespace gui {

// A row under a text that finds in it: the words typed, previous, next,
// close. Enter and F3 find the next place, Shift with them the one before;
// the search goes round the end of the text. Escape closes the row and hands
// the focus back to the text.
class FindBar : public QWidget {
    Q_OBJECT
public:
    // Finds from the cursor of the text, selecting what it finds.
    using Finder = std::function<bool(const QString&, QTextDocument::FindFlags)>;
    // Puts the cursor at the start (or, backwards, the end) of the text.
    using Restart = std::function<void(QTextDocument::FindFlags)>;

    FindBar(QWidget* text, Finder find, Restart restart, QWidget* parent = nullptr);

    // Shows the row with the focus in it, what is typed selected.
    void open();
    // False when the words are nowhere in the text.
    bool findNext();
    bool findPrevious();
    QLineEdit* words() const { return m_words; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool find(QTextDocument::FindFlags flags);
    void close();

    QWidget* m_text;
    Finder m_find;
    Restart m_restart;
    QLineEdit* m_words;
};

// Finder and restart for a QTextEdit or a QPlainTextEdit (and what derives
// from them).
template <typename TextEdit>
FindBar* findBarFor(TextEdit* text, QWidget* parent)
{
    return new FindBar(
        text, [text](const QString& words, QTextDocument::FindFlags flags) { return text->find(words, flags); },
        [text](QTextDocument::FindFlags flags) {
            text->moveCursor(flags & QTextDocument::FindBackward ? QTextCursor::End : QTextCursor::Start);
        },
        parent);
}

}  // namespace gui
