#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "support/main_window_fixture.h"
#include "ui/help/help_window.h"
#include "ui/journal/journal_form.h"
#include "ui/main/caption_table.h"
#include "ui/main/language.h"

namespace {

class Language : public MainWindowTest {
protected:
    // the catalogue is one for the whole program
    void TearDown() override
    {
        MainWindowTest::TearDown();
        text::catalogue().fill(text::UiLanguage::Russian);
    }
    void choose(const char* item) { get<QAction>(item)->trigger(); }
    QString hint(const char* name) { return get<QWidget>(name)->toolTip(); }
    QString caption(const char* name) { return get<QWidget>(name)->property("text").toString(); }

    // Every fixed text of the window: captions, titles, tab texts, menu
    // texts, hints (not the fields, not the note, empty until shown).
    QStringList allTexts()
    {
        QStringList out{form().windowTitle()};
        for (QObject* o : form().findChildren<QObject*>()) {
            const QString name = o->objectName() + QLatin1Char('=');
            if (auto* a = qobject_cast<QAction*>(o))
                out << name + a->text() + a->toolTip() + QString::number(a->isChecked());
            else if (auto* m = qobject_cast<QMenu*>(o))
                out << name + m->title();
            else if (auto* g = qobject_cast<QGroupBox*>(o))
                out << name + g->title();
            else if (auto* t = qobject_cast<QTabWidget*>(o))
                for (int i = 0; i < t->count(); ++i)
                    out << name + t->tabText(i);
            else if (auto* w = qobject_cast<QWidget*>(o);
                     w && !qobject_cast<QLineEdit*>(o) && !qobject_cast<QPlainTextEdit*>(o))
                out << name + w->property("text").toString() + w->toolTip();
        }
        return out;
    }
};

TEST_F(Language, EveryComponentOfTheCaptionTableExistsInItsWindow)
{
    EXPECT_EQ(form().objectName(), QStringLiteral("TForm1"));
    EXPECT_EQ(m_editor.objectName(), QStringLiteral("TForm2"));
    EXPECT_EQ(m_about.objectName(), QStringLiteral("TO_progr_form"));
    const QStringList missing =
        gui::applyLanguage({&form(), &m_editor, &m_about, form().helpWindow(), form().journalForm()},
                           text::UiLanguage::English);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
}

TEST_F(Language, EnglishAndBackGivesExactlyTheRussianTexts)
{
    // the window is built with the Russian texts
    const QStringList russian = allTexts();
    showForm();
    choose("N107");
    EXPECT_EQ(form().menuBar()->actions().first()->text(), QStringLiteral("&File"));
    EXPECT_EQ(caption("Label6"), QStringLiteral("Actual density (kg/m3)"));
    EXPECT_EQ(get<QTabWidget>("PageControl2")->tabText(2), QStringLiteral("Attention!"));
    EXPECT_TRUE(get<QPlainTextEdit>("Memo2")->toPlainText().startsWith(QStringLiteral("Please note.")));
    EXPECT_EQ(get<QPlainTextEdit>("Memo2")->toPlainText().count(QStringLiteral("\n \n")), 2);
    EXPECT_EQ(hint("Panel7"), QStringLiteral("To change units use right mouse button or double click"));
    EXPECT_TRUE(get<QAction>("N107")->isChecked());
    EXPECT_FALSE(get<QAction>("N106")->isChecked());
    EXPECT_EQ(m_about.windowTitle(), QStringLiteral("About..."));
    EXPECT_EQ(m_about.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Version 2.0  (2018)"));
    choose("N106");
    EXPECT_EQ(m_about.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Версия 2.0  (2018 г.)"));
    const QStringList back = allTexts();
    QStringList differ;
    for (int i = 0; i < std::max(russian.size(), back.size()); ++i)
        if (russian.value(i) != back.value(i))
            differ << russian.value(i) + QStringLiteral(" | ") + back.value(i);
    EXPECT_TRUE(differ.isEmpty()) << differ.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Language, RussianAlwaysReappliesEnglishOnlyFromRussian)
{
    showForm();
    auto* line = get<QLabel>("Label11");
    auto* note = get<QPlainTextEdit>("Memo2");
    choose("N107");
    line->setText(QStringLiteral("Actual density (kg/m3) : 850,0"));
    note->setPlainText(QStringLiteral("typed"));
    choose("N107");
    EXPECT_EQ(line->text(), QStringLiteral("Actual density (kg/m3) : 850,0"));
    EXPECT_EQ(note->toPlainText(), QStringLiteral("typed"));
    EXPECT_TRUE(get<QAction>("N107")->isChecked());

    choose("N106");
    line->setText(QStringLiteral("Плотность фактическая (кг/м3) : 850,0"));
    choose("N106");
    EXPECT_EQ(line->text(), QStringLiteral("Плотность фактическая (кг/м3) :"));
    EXPECT_TRUE(note->toPlainText().startsWith(QStringLiteral("Обратите внимание")));
}

TEST_F(Language, MessagesFollowTheSwitchTextsOnScreenStay)
{
    showForm();
    get<QLineEdit>("Edit3")->setText(QStringLiteral("Ошибка"));
    get<QLineEdit>("Edit1")->clear();
    choose("N107");
    get<QAbstractButton>("Button3")->click();
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(m_boxes.requests[0].text, QStringLiteral("Field *Density (kg/m3)* must be filled"));
    EXPECT_EQ(m_boxes.requests[0].caption, QStringLiteral("Attention!"));
    EXPECT_EQ(get<QLineEdit>("Edit3")->text(), QStringLiteral("Ошибка"));
}

TEST_F(Language, HintsByLockStateAndUnitWordsByUnit)
{
    showForm();
    get<QAbstractButton>("CheckBox7")->click();
    choose("N42");  // Panel1: US gallons
    choose("N53");  // Panel12: technical atmospheres
    choose("N58");  // Panel13: bar
    choose("N107");
    EXPECT_EQ(hint("SpeedButton1"), QStringLiteral("Click to calculate"));
    EXPECT_EQ(hint("SpeedButton3"), QStringLiteral("Use the checkbox to unlock the button"));
    EXPECT_EQ(caption("Panel1"), QStringLiteral("US Gallons"));
    EXPECT_EQ(caption("Panel11"), QStringLiteral("m3"));
    EXPECT_EQ(caption("Panel12"), QStringLiteral("kg/cm2"));
    EXPECT_EQ(caption("Panel13"), QStringLiteral("bar"));
    EXPECT_EQ(caption("Panel3"), QStringLiteral("°C"));
}

TEST_F(Language, StoredEnglishStartsInEnglishAndIsKept)
{
    QFile ini(folder() + QStringLiteral("settings.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Gost]\nlanguage_tag=2\n");
    ini.close();
    form().show();
    // the table is missing: told in the stored language
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(m_boxes.requests[0].text, QStringLiteral("File tablegost3900.txt not found. Check the file exists."));
    EXPECT_EQ(m_boxes.requests[0].caption, QStringLiteral("Attention!"));
    EXPECT_TRUE(get<QAction>("N107")->isChecked());
    EXPECT_EQ(caption("Button3"), QStringLiteral("Calculate"));
    form().close();
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("\nlanguage_tag=2\n"));
}

// Qt's own texts follow the language: the standard buttons of every box and
// dialog, the edit fields' context menu.
TEST_F(Language, QtStandardButtonsSpeakTheLanguage)
{
    const auto texts = [] {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                             QDialogButtonBox::No | QDialogButtonBox::Save);
        QStringList out;
        for (QAbstractButton* b : box.buttons())
            out << b->text().remove(QLatin1Char('&'));
        out.sort();
        return out;
    };
    showForm();
    EXPECT_EQ(texts(), (QStringList{"OK", "Да", "Нет", "Отмена", "Сохранить"}));
    choose("N107");
    EXPECT_EQ(texts(), (QStringList{"Cancel", "No", "OK", "Save", "Yes"}));
    choose("N106");
    EXPECT_EQ(texts(), (QStringList{"OK", "Да", "Нет", "Отмена", "Сохранить"}));
}

}  // namespace
