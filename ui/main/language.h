#pragma once

#include <QObject>
#include <QStringList>

#include "text/catalogue.h"

class QWidget;

namespace gui {

// The windows whose texts follow the language; any may be absent.
struct LanguageWindows {
    QWidget* main = nullptr;
    QWidget* editor = nullptr;
    QWidget* about = nullptr;
    QWidget* help = nullptr;
    QWidget* journal = nullptr;
};

// Every text of the three windows in the language, found by object name:
// the check marks of "Русский"/"Английский", the catalogue, the caption
// table, then the texts taken from the catalogue (the note page's tab, the
// actual-density label, the chain buttons' hints by their lock state, the
// м3 and кг/см2 indicator captions). Can be run any number of times.
// Returns the components named in the tables that do not exist, as
// "window/name".
QStringList applyLanguage(const LanguageWindows& windows, text::UiLanguage language);

// The language in force and the items "Русский" (N106) and "Английский"
// (N107) of the main window's menu.
class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    explicit LanguageSwitch(QWidget* main);
    void setWindows(QWidget* editor, QWidget* about);
    void setHelpWindow(QWidget* help) { m_windows.help = help; }
    void setJournalWindow(QWidget* journal) { m_windows.journal = journal; }

    // At show: the stored tag, English for 2 and Russian for any other value.
    void start(int storedTag);
    text::UiLanguage current() const { return m_current; }
    QStringList apply(text::UiLanguage language);

signals:
    // Every text has been set in the language.
    void applied();

private:
    // Russian always applies again; English only while Russian carries the
    // check mark, so choosing English twice changes nothing.
    void chooseRussian();
    void chooseEnglish();

    LanguageWindows m_windows;
    text::UiLanguage m_current = text::UiLanguage::Russian;
    // the mark of N106 as the last application left it: the menu has
    // already moved it by the time the click arrives
    bool m_russianMarked = true;
};

}  // namespace gui
