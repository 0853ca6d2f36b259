#include "find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace gui {

namespace {

QToolButton* barButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

}  // namespace

FindBar::FindBar(QWidget* text, Finder find, Restart restart, QWidget* parent)
    : QWidget(parent), m_text(text), m_find(std::move(find)), m_restart(std::move(restart))
{
    setObjectName(QStringLiteral("FindBar"));
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("FindLabel"));
    m_words = new QLineEdit(this);
    m_words->setObjectName(QStringLiteral("FindText"));
    m_words->setClearButtonEnabled(true);
    label->setBuddy(m_words);
    QToolButton* previous = barButton(this, "FindPrevious", QStyle::SP_ArrowUp);
    QToolButton* next = barButton(this, "FindNext", QStyle::SP_ArrowDown);
    QToolButton* closeButton = barButton(this, "FindClose", QStyle::SP_DialogCloseButton);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(label);
    row->addWidget(m_words, 1);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(closeButton);

    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);
    // the first place as the words are typed
    connect(m_words, &QLineEdit::textEdited, this, [this] {
        m_restart({});
        this->find({});
    });
    m_words->installEventFilter(this);
    hide();
}

void FindBar::open()
{
    show();
    m_words->setFocus(Qt::ShortcutFocusReason);
    m_words->selectAll();
}

bool FindBar::findNext()
{
    return find({});
}

bool FindBar::findPrevious()
{
    return find(QTextDocument::FindBackward);
}

bool FindBar::find(QTextDocument::FindFlags flags)
{
    const QString words = m_words->text();
    bool found = words.isEmpty() || m_find(words, flags);
    if (!found) {
        // round the end of the text
        m_restart(flags);
        found = m_find(words, flags);
    }
    QPalette p = m_words->palette();
    p.setColor(QPalette::Base, found ? palette().color(QPalette::Base) : QColor(255, 210, 210));
    m_words->setPalette(p);
    return found;
}

void FindBar::close()
{
    hide();
    m_text->setFocus(Qt::OtherFocusReason);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_words && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool back = key->modifiers() & Qt::ShiftModifier;
        switch (key->key()) {
        case Qt::Key_Escape:
            // the row closes, not the window it is in
            if (event->type() == QEvent::KeyPress)
                close();
            event->accept();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F3:
            if (event->type() == QEvent::KeyPress)
                back ? findPrevious() : findNext();
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace gui
