// What the pages add to the calculator courses: the outcome applied to the
// widgets of the 15 °C and API pages, pressure fields, the chains' locks,
// intermediate fields cleared, the note, help requests, tab order and the
// window's size.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <map>

#include "support/page_fixture.h"
#include "support/shipped_table.h"
#include "ui/main/page_control.h"
#include "ui/main/pages.h"

namespace {

class CalculatorPages : public PageTest {};

TEST_F(CalculatorPages, ACheckMessageFocusesItsFieldAndKeepsTheResults)
{
    showForm();
    showPage("TabSheet5");
    click("CheckBox4");
    type({{"Edit25", "10"}, {"Edit27", "850"}, {"Edit28", "20"}, {"Edit31", ""}, {"Edit26", "kept"}});
    click("Button10");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Поле *Избыточное давление* должно быть заполнено")});
    EXPECT_EQ(focused(), QStringLiteral("Edit31"));
    EXPECT_EQ(edit("Edit26")->text(), QStringLiteral("kept"));
}

TEST_F(CalculatorPages, ResultsGoToTheirFieldsAndLinesInTheBlocksUnits)
{
    showForm();
    showPage("TabSheet5");
    get<QAction>("N76")->trigger();               // the volume result in barrels
    get<QRadioButton>("RadioButton10")->click();  // crude oil
    type({{"Edit21", "1000"},
          {"Edit23", "850"},
          {"Edit24", "30"},
          {"Edit25", "839,369"},
          {"Edit27", "850"},
          {"Edit28", "30"}});
    click("Button9");
    click("Button10");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(edit("Edit22")->text(), QStringLiteral("839,369"));
    EXPECT_EQ(get<QLabel>("Label27")->text(), QStringLiteral("Плотность фактическая (кг/м3) : 839,4"));
    // crude oil expands a little more than petroleum products of 850
    EXPECT_NE(get<QLabel>("Label32")->text(), QStringLiteral("Плотность фактическая (кг/м3) : 839,4"));
    // 839,369 t of crude oil at 30 °C: a little more than 1000 m3, that is 6289,8 bbl
    const double barrels = edit("Edit26")->text().replace(',', '.').toDouble();
    EXPECT_GT(barrels, 6289.8);
    EXPECT_LT(barrels, 6295.0);
}

TEST_F(CalculatorPages, PressureFieldsFollowTheirCheckBoxesAtShowAndOnClick)
{
    QFile ini(folder() + QStringLiteral("settings.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Gost]\nChek_3=1\n");
    ini.close();
    showForm();
    EXPECT_FALSE(edit("Edit29")->isEnabled());
    EXPECT_TRUE(edit("Edit30")->isEnabled());
    EXPECT_FALSE(edit("Edit31")->isEnabled());
    for (const char* box : {"CheckBox2", "CheckBox3", "CheckBox4"})
        click(box);
    EXPECT_TRUE(edit("Edit29")->isEnabled());
    EXPECT_FALSE(edit("Edit30")->isEnabled());
    EXPECT_TRUE(edit("Edit31")->isEnabled());
}

struct ChainCase {
    const char* page;
    const char* checkBox;
    const char* chainButton;
    std::vector<const char*> locked;
};

class Chains : public CalculatorPages, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(Chains, TickingUnlocksTheButtonAndLocksWhatTheChainFills)
{
    const ChainCase& c = GetParam();
    showForm();
    showPage(c.page);
    auto* chain = get<QToolButton>(c.chainButton);
    click(c.checkBox);
    EXPECT_TRUE(chain->isEnabled());
    EXPECT_EQ(chain->toolTip(), QStringLiteral("Нажмите для вычисления"));
    for (const char* name : c.locked)
        EXPECT_FALSE(get<QWidget>(name)->isEnabled()) << name;
    // a locked field takes the button-face colour
    auto* lockedEdit = get<QLineEdit>(c.locked[2]);
    EXPECT_EQ(lockedEdit->palette().color(QPalette::Disabled, QPalette::Base),
              lockedEdit->palette().color(QPalette::Active, QPalette::Button));
    click(c.checkBox);
    EXPECT_FALSE(chain->isEnabled());
    EXPECT_EQ(chain->toolTip(), QStringLiteral("Разблокируйте чек-боксом справа"));
    for (const char* name : c.locked)
        EXPECT_TRUE(get<QWidget>(name)->isEnabled()) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Chains,
    ::testing::Values(
        ChainCase{
            "TabSheet1", "CheckBox7", "SpeedButton1", {"Button3", "Button4", "Edit3", "Edit4", "Label3", "Label4"}},
        ChainCase{"TabSheet3",
                  "CheckBox9",
                  "SpeedButton3",
                  {"Button5", "Button6", "Edit8", "Edit11", "Edit13", "Label8", "Label12", "Label14"}},
        ChainCase{
            "TabSheet4", "CheckBox8", "SpeedButton2", {"Button7", "Button8", "Edit17", "Edit18", "Label17", "Label21"}},
        ChainCase{"TabSheet5",
                  "CheckBox10",
                  "SpeedButton4",
                  {"Button9", "Button10", "Edit22", "Edit25", "Edit27", "Label24", "Label28", "Label30"}}));

TEST_F(CalculatorPages, ChainsCarryTheRoundedResultsIntoTheLowerBlock)
{
    showForm();
    showPage("TabSheet4");
    click("CheckBox8");
    type({{"Edit15", "850"}, {"Edit16", "30"}, {"Edit19", "30"}});
    click("SpeedButton2");
    // the glass correction is on by default
    EXPECT_EQ(edit("Edit17")->text(), QStringLiteral("860,3"));
    EXPECT_EQ(edit("Edit18")->text(), QStringLiteral("860,3"));
    EXPECT_EQ(edit("Edit20")->text(), QStringLiteral("849,7"));

    // an empty reading: its message, then the old result goes on
    type({{"Edit15", ""}});
    click("SpeedButton2");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Поле *Плотность (кг/м3)* должно быть заполнено")});
    EXPECT_EQ(edit("Edit20")->text(), QStringLiteral("849,7"));

    showPage("TabSheet5");
    click("CheckBox10");
    type({{"Edit21", "1000"}, {"Edit23", "850"}, {"Edit24", "30"}, {"Edit28", "30"}});
    click("SpeedButton4");
    EXPECT_EQ(edit("Edit25")->text(), QStringLiteral("839,369"));
    EXPECT_EQ(edit("Edit27")->text(), QStringLiteral("850"));
    EXPECT_EQ(edit("Edit26")->text(), QStringLiteral("1000,000"));
}

TEST_F(CalculatorPages, ApiBlocksClearTheIntermediateFieldAndRewriteOnlyTheTableTemperature)
{
    showWithTable();
    showPage("TabSheet6");
    type({{"Edit45", "old"}, {"Edit34", "old"}, {"Edit32", ""}, {"Edit33", "12,3"}});
    click("Button1");
    EXPECT_EQ(edit("Edit45")->text(), QString());
    EXPECT_EQ(edit("Edit34")->text(), QStringLiteral("old"));
    EXPECT_EQ(focused(), QStringLiteral("Edit32"));

    m_boxes.clear();
    type({{"Edit32", "850"}});
    click("Button1");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(edit("Edit33")->text(), QStringLiteral("12,5"));
    EXPECT_FALSE(edit("Edit45")->text().isEmpty());
    EXPECT_FALSE(edit("Edit34")->text().isEmpty());

    // past the table at 60 °F: the 20 °C density found is on screen while the
    // message is, the error word replaces the API gravity after it
    QStringList atMessage;
    shell::setBoxResponder([&](const shell::BoxRequest& r) {
        atMessage << r.text << edit("Edit45")->text() << edit("Edit34")->text();
        return r.defaultButton;
    });
    type({{"Edit32", "1090"}, {"Edit33", "20"}});
    const QString apiBefore = edit("Edit34")->text();
    click("Button1");
    EXPECT_EQ(atMessage, (QStringList{QStringLiteral("Плотность при 20°C вышла за пределы таблицы"),
                                      edit("Edit45")->text(), apiBefore}));
    EXPECT_EQ(edit("Edit34")->text(), kError);
    EXPECT_FALSE(edit("Edit45")->text().isEmpty());

    showPage("TabSheet7");
    type({{"Edit41", "35"}, {"Edit42", "12,3"}, {"Edit47", "old"}});
    click("Button12");
    EXPECT_EQ(edit("Edit42")->text(), QStringLiteral("12,3"));
    EXPECT_EQ(edit("Edit47")->text(), QStringLiteral("849,4"));
    EXPECT_FALSE(edit("Edit43")->text().isEmpty());
}

TEST_F(CalculatorPages, TheNoteHasItsFiveLines)
{
    showForm();
    const QStringList lines = get<QPlainTextEdit>("Memo2")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Обратите внимание")));
    EXPECT_EQ(lines[1], QStringLiteral(" "));
    EXPECT_EQ(lines[3], QStringLiteral(" "));
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral("0,5%.")));
}

TEST_F(CalculatorPages, HelpButtonsAskForTheirPages)
{
    showForm();
    QSignalSpy spy(&form(), &gui::TForm1::helpRequested);
    const std::pair<const char*, const char*> buttons[] = {
        {"SpeedButton5", "density20.html"}, {"SpeedButton6", "calcul20.html"}, {"SpeedButton8", "density15.html"},
        {"SpeedButton7", "calcul15.html"},  {"SpeedButton9", "api.html"},      {"SpeedButton10", "api.html"}};
    for (const auto& [button, page] : buttons)
        click(button);
    get<QAction>("N7")->trigger();
    ASSERT_EQ(spy.size(), 7);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(spy[i][0].toString(), QString::fromLatin1(buttons[i].second));
    EXPECT_EQ(spy[6][0].toString(), QStringLiteral("gost_index.html"));
}

TEST_F(CalculatorPages, TabWalksEachBlockInReadingOrder)
{
    showForm();
    const std::pair<const char*, std::vector<const char*>> walks[] = {
        {"TabSheet1", {"Edit1", "Edit2", "Button3", "Edit3", "CheckBox7", "Edit4", "Edit5", "Button4", "Edit6"}},
        {"TabSheet3", {"Edit7", "Edit9", "Edit10", "Button5", "Edit8", "CheckBox9", "Edit11", "Edit13", "Edit14"}},
        {"TabSheet5", {"Edit21", "Edit23", "Edit24", "CheckBox3", "RadioButton7", "Button9", "Edit22"}},
        {"TabSheet4", {"Edit15", "Edit16", "CheckBox1", "RadioButton1", "Button7", "Edit17", "CheckBox8"}},
        {"TabSheet7", {"Edit38", "Edit39", "CheckBox11", "RadioButton13", "Button11", "Edit46", "Edit40", "Edit41"}},
    };
    for (const auto& [page, order] : walks) {
        showPage(page);
        edit(order[0])->setFocus();
        for (std::size_t i = 1; i < order.size(); ++i) {
            QTest::keyClick(form().focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(focused(), QString::fromLatin1(order[i])) << page << " after " << order[i - 1];
        }
    }
}

TEST_F(CalculatorPages, WindowFitsA1280By720ScreenWithTabsInTwoRows)
{
    showForm();
    // the title bar of a desktop takes about 30 pixels more
    EXPECT_LE(form().frameGeometry().height() + 30, 700);
    EXPECT_LE(form().width(), 1280);
    EXPECT_LE(form().pageControl()->rows()->rowCount(), 2);
}

}  // namespace
