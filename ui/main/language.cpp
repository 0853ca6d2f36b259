#include "language.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

#include "caption_table.h"
#include "settings/indicator_table.h"
#include "settings/object_index.h"
#include "shell/message_box.h"

namespace gui {

namespace {

using density::MsgKey;

void setTabText(QWidget* page, const QString& text)
{
    for (QWidget* p = page->parentWidget(); p; p = p->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(p); tabs && tabs->indexOf(page) >= 0) {
            tabs->setTabText(tabs->indexOf(page), text);
            return;
        }
}

void setCaption(QObject* object, const QString& text)
{
    if (auto* item = qobject_cast<QAction*>(object))
        item->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* box = qobject_cast<QGroupBox*>(object))
        box->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(object))
        rich->setPlainText(text);
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->isWindow() ? widget->setWindowTitle(text) : setTabText(widget, text);
}

void setHint(QObject* object, const QString& text)
{
    if (auto* item = qobject_cast<QAction*>(object))
        item->setToolTip(text);
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setToolTip(text);
}

QWidget* windowOf(const LanguageWindows& windows, CaptionWindow window)
{
    switch (window) {
    case CaptionWindow::Main:
        return windows.main;
    case CaptionWindow::Editor:
        return windows.editor;
    case CaptionWindow::About:
        return windows.about;
    }
    return nullptr;
}

const char* windowName(CaptionWindow window)
{
    return window == CaptionWindow::Main ? "TForm1" : window == CaptionWindow::Editor ? "TForm2" : "TO_progr_form";
}

bool isChecked(settings::ObjectIndex& objects, QWidget* window, const char* name)
{
    QObject* object = objects.find(window, name);
    if (auto* item = qobject_cast<QAction*>(object))
        return item->isChecked();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->isChecked();
    return false;
}

// The chain buttons and the check boxes that unlock them.
const char* const kChains[][2] = {
    {"SpeedButton1", "CheckBox7"},
    {"SpeedButton3", "CheckBox9"},
    {"SpeedButton2", "CheckBox8"},
    {"SpeedButton4", "CheckBox10"},
};

}  // namespace

QStringList applyLanguage(const LanguageWindows& windows, text::UiLanguage language)
{
    QStringList missing;
    const bool russian = language == text::UiLanguage::Russian;
    QWidget* main = windows.main;
    settings::ObjectIndex objects;
    const auto find = [&objects](QWidget* window, const char* name) { return objects.find(window, name); };

    if (auto* item = qobject_cast<QAction*>(find(main, "N106")))
        item->setChecked(russian);
    if (auto* item = qobject_cast<QAction*>(find(main, "N107")))
        item->setChecked(!russian);
    text::catalogue().fill(language);

    for (const CaptionRow& row : captionTable()) {
        const QString text = QString::fromUtf8(russian ? row.russian : row.english);
        for (const char* name : row.objects) {
            QObject* object = find(windowOf(windows, row.window), name);
            if (!object) {
                missing << QString::fromLatin1(windowName(row.window)) + QLatin1Char('/') + QString::fromLatin1(name);
                continue;
            }
            row.property == CaptionProperty::Hint ? setHint(object, text) : setCaption(object, text);
        }
    }

    // texts from the catalogue
    if (QObject* page = find(main, "TabSheet8"))
        setCaption(page, shell::catalogueEntry(MsgKey::MsgCaptionAttention));
    if (QObject* label = find(main, "Label6"))
        setCaption(label, shell::catalogueEntry(MsgKey::TextActualDensityLabel));
    for (const auto& chain : kChains)
        if (QObject* button = find(main, chain[0]))
            setHint(button, shell::catalogueEntry(isChecked(objects, main, chain[1])
                                                      ? text::WindowKey::HintClickToCalculate
                                                      : text::WindowKey::HintUnlockWithCheckbox));
    for (const settings::IndicatorEntry& indicator : settings::indicatorTable()) {
        const bool volume = indicator.kind == density::UnitKind::Volume;
        if (!volume && indicator.kind != density::UnitKind::Pressure)
            continue;
        // cubic metres, technical atmospheres: the only unit words with a translation
        const char* item = indicator.unitItems[volume ? 0 : 2];
        if (QObject* panel = find(main, indicator.panel); panel && isChecked(objects, main, item))
            setCaption(panel, shell::catalogueEntry(volume ? MsgKey::TextUnitCubicMetre : MsgKey::TextUnitKgPerCm2));
    }
    return missing;
}

LanguageSwitch::LanguageSwitch(QWidget* main) : QObject(main)
{
    m_windows.main = main;
    if (auto* russian = main->findChild<QAction*>(QStringLiteral("N106")))
        connect(russian, &QAction::triggered, this, &LanguageSwitch::chooseRussian);
    if (auto* english = main->findChild<QAction*>(QStringLiteral("N107")))
        connect(english, &QAction::triggered, this, &LanguageSwitch::chooseEnglish);
}

void LanguageSwitch::setWindows(QWidget* editor, QWidget* about)
{
    m_windows.editor = editor;
    m_windows.about = about;
}

void LanguageSwitch::start(int storedTag)
{
    m_current = storedTag == 2 ? text::UiLanguage::English : text::UiLanguage::Russian;
    apply(m_current);
}

QStringList LanguageSwitch::apply(text::UiLanguage language)
{
    m_russianMarked = language == text::UiLanguage::Russian;
    return applyLanguage(m_windows, language);
}

void LanguageSwitch::chooseRussian()
{
    apply(text::UiLanguage::Russian);
    m_current = text::UiLanguage::Russian;
}

void LanguageSwitch::chooseEnglish()
{
    if (m_russianMarked)
        apply(text::UiLanguage::English);
    else if (auto* english = m_windows.main->findChild<QAction*>(QStringLiteral("N107")))
        english->setChecked(true);
    m_current = text::UiLanguage::English;
}

}  // namespace gui
