// The windows from the keyboard: Enter runs a block, every menu item has its
// mnemonic, the unit indicators open their menus, fields are named by their
// labels.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>
#include <set>

#include "settings/indicator_table.h"
#include "support/page_fixture.h"
#include "ui/main/unit_indicator.h"

namespace {

struct EnterCase {
    const char* page;
    const char* field;   // where Enter is pressed
    const char* result;  // what the block writes
};

class EnterRunsTheBlock : public PageTest, public ::testing::WithParamInterface<EnterCase> {};

}  // namespace

// Enter in a field computes its block as its calculate button would; keypad
// Enter too (every other case).
TEST_P(EnterRunsTheBlock, LikeItsCalculateButton)
{
    const EnterCase& c = GetParam();
    showWithTable();
    showPage(c.page);
    const bool keypad = (std::string(c.field).size() % 2) == 1;
    QTest::keyClick(edit(c.field), keypad ? Qt::Key_Enter : Qt::Key_Return,
                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_FALSE(edit(c.result)->text().isEmpty());
    EXPECT_NE(edit(c.result)->text(), kError);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    TwelveBlocks, EnterRunsTheBlock,
    ::testing::Values(EnterCase{"TabSheet1", "Edit2", "Edit3"}, EnterCase{"TabSheet1", "Edit5", "Edit6"},
                      EnterCase{"TabSheet3", "Edit10", "Edit8"}, EnterCase{"TabSheet3", "Edit14", "Edit12"},
                      EnterCase{"TabSheet4", "Edit16", "Edit17"}, EnterCase{"TabSheet4", "Edit19", "Edit20"},
                      EnterCase{"TabSheet5", "Edit24", "Edit22"}, EnterCase{"TabSheet5", "Edit28", "Edit26"},
                      EnterCase{"TabSheet6", "Edit33", "Edit34"}, EnterCase{"TabSheet6", "Edit36", "Edit37"},
                      EnterCase{"TabSheet7", "Edit39", "Edit40"}, EnterCase{"TabSheet7", "Edit42", "Edit43"}),
    [](const auto& info) { return std::string(info.param.field); });

// While a chain is unlocked, Enter runs the chain, as a click would.
TEST_F(PageTest, EnterRunsTheUnlockedChain)
{
    showWithTable();
    get<QCheckBox>("CheckBox7")->click();
    QTest::keyClick(edit("Edit5"), Qt::Key_Return);
    EXPECT_EQ(edit("Edit4")->text(), edit("Edit3")->text());
    EXPECT_FALSE(edit("Edit6")->text().isEmpty());
}

namespace {

// Every item of the menu and of its submenus: its text has a mnemonic, one
// letter used once in its menu.
void expectMnemonics(const QMenu* menu, const QString& where)
{
    std::set<QChar> letters;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator())
            continue;
        const QString text = item->text();
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        ASSERT_TRUE(mark >= 0 && mark + 1 < text.size()) << (where + " / " + text).toStdString();
        EXPECT_TRUE(letters.insert(text[mark + 1].toLower()).second) << (where + " / " + text).toStdString();
        if (item->menu())
            expectMnemonics(item->menu(), where + " / " + text);
    }
}

class Mnemonics : public MainWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void TearDown() override
    {
        MainWindowTest::TearDown();
        text::catalogue().fill(text::UiLanguage::Russian);
    }
};

}  // namespace

TEST_P(Mnemonics, EveryMenuAndItemInBothWindows)
{
    showForm();
    if (GetParam())
        get<QAction>("N107")->trigger();
    for (QMenuBar* bar : {form().menuBar(), m_editor.findChild<QMenuBar*>()}) {
        ASSERT_TRUE(bar);
        QMenu top;
        top.addActions(bar->actions());
        expectMnemonics(&top, bar->window()->objectName());
    }
    for (const gui::UnitIndicator* indicator : form().indicators())
        expectMnemonics(indicator->popup(), indicator->objectName());
}

INSTANTIATE_TEST_SUITE_P(Languages, Mnemonics, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "English" : "Russian"); });

namespace {

class IndicatorKeys : public PageTest, public ::testing::WithParamInterface<settings::IndicatorEntry> {};

}  // namespace

// Space, Enter or the menu key on an indicator open its menu with its unit
// marked; the arrow keys move on, Enter picks.
TEST_P(IndicatorKeys, OpenTheMenu)
{
    const settings::IndicatorEntry& entry = GetParam();
    showForm();
    auto* indicator = get<gui::UnitIndicator>(entry.panel);
    // the page it is on, the innermost (an API sub-page) first
    QWidget* page = indicator;
    while (page && !page->objectName().startsWith(QLatin1String("TabSheet")))
        page = page->parentWidget();
    ASSERT_TRUE(page);
    showPage(qPrintable(page->objectName()));
    ASSERT_TRUE(indicator->isVisible());
    EXPECT_EQ(indicator->focusPolicy(), Qt::StrongFocus);

    const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Menu};
    const Qt::Key key = keys[std::string(entry.panel).size() % 3];
    QTest::keyClick(indicator, key);
    QMenu* menu = indicator->popup();
    ASSERT_TRUE(menu->isVisible()) << entry.panel;
    EXPECT_EQ(menu->activeAction(), indicator->unitItems()[0]);
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_EQ(menu->activeAction(), indicator->unitItems()[1]);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(indicator->currentUnit(), 2);
}

INSTANTIATE_TEST_SUITE_P(Nineteen, IndicatorKeys, ::testing::ValuesIn(settings::indicatorTable()),
                         [](const auto& info) { return std::string(info.param.panel); });

// Every field is named by its label (or the check box in front of it), for
// screen readers, in the language in force; labels lead to their fields.
TEST_F(MainWindowTest, EveryFieldIsNamedByItsLabel)
{
    showForm();
    for (QLineEdit* field : form().findChildren<QLineEdit*>()) {
        if (!field->objectName().startsWith(QLatin1String("Edit")))
            continue;
        EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
        EXPECT_FALSE(field->accessibleName().contains(QLatin1Char('&')));
    }
    EXPECT_EQ(get<QLineEdit>("Edit1")->accessibleName(), QStringLiteral("Плотность (кг/м3)"));
    EXPECT_EQ(get<QLabel>("Label1")->buddy(), get<QLineEdit>("Edit1"));
    EXPECT_EQ(get<QLineEdit>("Edit29")->accessibleName(), QStringLiteral("Учитывать избыточное давление"));
    get<QAction>("N107")->trigger();
    EXPECT_EQ(get<QLineEdit>("Edit1")->accessibleName(), QStringLiteral("Density (kg/m3)"));
    get<QAction>("N106")->trigger();
}
