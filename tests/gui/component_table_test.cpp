#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <algorithm>

#include "support/main_window_fixture.h"
#include "ui/main/language.h"
#include "ui/main/unit_indicator.h"

namespace {

enum class Kind { Edit, Label, Group, Button, Check, Radio, Chain, Help, Panel, Memo };

// A component of the main window: its kind, the group box or page that
// holds it and, where the caption table does not give it, its Russian text
// (an edit's, a panel's unit word, a range label's, the hint of a chain
// button). Captions,
// titles and help hints are the caption table's: here they only must be
// there, in both languages.
struct Component {
    const char* name;
    Kind kind;
    const char* container;
    const char* text = nullptr;  // nullptr: the caption table's
};

void PrintTo(const Component& c, std::ostream* os)
{
    *os << c.name;
}

const Component kComponents[] = {
    // Плотность по ГОСТ 3900-85 (20°C)
    {"GroupBox1", Kind::Group, "TabSheet1"},
    {"GroupBox3", Kind::Group, "GroupBox1"},
    {"Label1", Kind::Label, "GroupBox3"},
    {"Edit1", Kind::Edit, "GroupBox3", ""},
    {"Label2", Kind::Label, "GroupBox3"},
    {"Edit2", Kind::Edit, "GroupBox3", ""},
    {"Panel3", Kind::Panel, "GroupBox3", "°C"},
    {"Label3", Kind::Label, "GroupBox1"},
    {"Edit3", Kind::Edit, "GroupBox1", ""},
    {"Button3", Kind::Button, "GroupBox1"},
    {"SpeedButton1", Kind::Chain, "TabSheet1", "Разблокируйте чек-боксом справа"},
    {"CheckBox7", Kind::Check, "TabSheet1"},
    {"GroupBox2", Kind::Group, "TabSheet1"},
    {"GroupBox4", Kind::Group, "GroupBox2"},
    {"Label4", Kind::Label, "GroupBox4"},
    {"Edit4", Kind::Edit, "GroupBox4", ""},
    {"Label5", Kind::Label, "GroupBox4"},
    {"Edit5", Kind::Edit, "GroupBox4", ""},
    {"Panel4", Kind::Panel, "GroupBox4", "°C"},
    {"Label6", Kind::Label, "GroupBox2"},
    {"Edit6", Kind::Edit, "GroupBox2", ""},
    {"Button4", Kind::Button, "GroupBox2"},
    {"SpeedButton5", Kind::Help, "TabSheet1"},
    {"Memo1", Kind::Memo, "TabSheet1", ""},
    // Калькулятор по ГОСТ 3900-85 (20°C)
    {"GroupBox5", Kind::Group, "TabSheet3"},
    {"Label7", Kind::Label, "GroupBox5"},
    {"Edit7", Kind::Edit, "GroupBox5", ""},
    {"Panel1", Kind::Panel, "GroupBox5", "м3"},
    {"Button5", Kind::Button, "GroupBox5"},
    {"Label8", Kind::Label, "GroupBox5"},
    {"Edit8", Kind::Edit, "GroupBox5", ""},
    {"GroupBox6", Kind::Group, "GroupBox5"},
    {"Label9", Kind::Label, "GroupBox6"},
    {"Edit9", Kind::Edit, "GroupBox6", ""},
    {"Label10", Kind::Label, "GroupBox6"},
    {"Edit10", Kind::Edit, "GroupBox6", ""},
    {"Panel5", Kind::Panel, "GroupBox6", "°C"},
    {"Label11", Kind::Label, "GroupBox6"},
    {"SpeedButton3", Kind::Chain, "TabSheet3", "Разблокируйте чек-боксом справа"},
    {"CheckBox9", Kind::Check, "TabSheet3"},
    {"GroupBox7", Kind::Group, "TabSheet3"},
    {"Label12", Kind::Label, "GroupBox7"},
    {"Edit11", Kind::Edit, "GroupBox7", ""},
    {"Button6", Kind::Button, "GroupBox7"},
    {"Label13", Kind::Label, "GroupBox7"},
    {"Edit12", Kind::Edit, "GroupBox7", ""},
    {"Panel15", Kind::Panel, "GroupBox7", "м3"},
    {"GroupBox8", Kind::Group, "GroupBox7"},
    {"Label14", Kind::Label, "GroupBox8"},
    {"Edit13", Kind::Edit, "GroupBox8", ""},
    {"Label15", Kind::Label, "GroupBox8"},
    {"Edit14", Kind::Edit, "GroupBox8", ""},
    {"Panel6", Kind::Panel, "GroupBox8", "°C"},
    {"Label16", Kind::Label, "GroupBox8"},
    {"SpeedButton6", Kind::Help, "TabSheet3"},
    // Приведение к плотности API (60°F), По ГОСТ 3900-85 (20°C)
    {"GroupBox21", Kind::Group, "TabSheet6"},
    {"GroupBox22", Kind::Group, "GroupBox21"},
    {"Label37", Kind::Label, "GroupBox22"},
    {"Edit32", Kind::Edit, "GroupBox22", ""},
    {"Label38", Kind::Label, "GroupBox22"},
    {"Edit33", Kind::Edit, "GroupBox22", ""},
    {"Panel16", Kind::Panel, "GroupBox22", "°C"},
    {"GroupBox32", Kind::Group, "GroupBox21"},
    {"Label49", Kind::Label, "GroupBox32"},
    {"Edit45", Kind::Edit, "GroupBox32", ""},
    {"Label36", Kind::Label, "GroupBox32"},
    {"Edit34", Kind::Edit, "GroupBox32", ""},
    {"Button1", Kind::Button, "GroupBox21"},
    {"GroupBox23", Kind::Group, "TabSheet6"},
    {"GroupBox24", Kind::Group, "GroupBox23"},
    {"Label40", Kind::Label, "GroupBox24"},
    {"Edit35", Kind::Edit, "GroupBox24", ""},
    {"Label41", Kind::Label, "GroupBox24"},
    {"Edit36", Kind::Edit, "GroupBox24", ""},
    {"Panel17", Kind::Panel, "GroupBox24", "°C"},
    {"GroupBox31", Kind::Group, "GroupBox23"},
    {"Label50", Kind::Label, "GroupBox31"},
    {"Edit44", Kind::Edit, "GroupBox31", ""},
    {"Label39", Kind::Label, "GroupBox31"},
    {"Edit37", Kind::Edit, "GroupBox31", ""},
    {"Button2", Kind::Button, "GroupBox23"},
    {"SpeedButton9", Kind::Help, "TabSheet6"},
    // По ГОСТ Р 50.2.076-2010 (15°C)
    {"GroupBox25", Kind::Group, "TabSheet7"},
    {"GroupBox26", Kind::Group, "GroupBox25"},
    {"Label43", Kind::Label, "GroupBox26"},
    {"Edit38", Kind::Edit, "GroupBox26", ""},
    {"Label44", Kind::Label, "GroupBox26"},
    {"Edit39", Kind::Edit, "GroupBox26", ""},
    {"Panel18", Kind::Panel, "GroupBox26", "°C"},
    {"CheckBox11", Kind::Check, "GroupBox25"},
    {"GroupBox27", Kind::Group, "GroupBox25"},
    {"RadioButton13", Kind::Radio, "GroupBox27"},
    {"RadioButton14", Kind::Radio, "GroupBox27"},
    {"RadioButton15", Kind::Radio, "GroupBox27"},
    {"GroupBox33", Kind::Group, "GroupBox25"},
    {"Label51", Kind::Label, "GroupBox33"},
    {"Edit46", Kind::Edit, "GroupBox33", ""},
    {"Label42", Kind::Label, "GroupBox33"},
    {"Edit40", Kind::Edit, "GroupBox33", ""},
    {"Button11", Kind::Button, "GroupBox25"},
    {"GroupBox28", Kind::Group, "TabSheet7"},
    {"GroupBox29", Kind::Group, "GroupBox28"},
    {"Label47", Kind::Label, "GroupBox29"},
    {"Edit41", Kind::Edit, "GroupBox29", ""},
    {"Label48", Kind::Label, "GroupBox29"},
    {"Edit42", Kind::Edit, "GroupBox29", ""},
    {"Panel19", Kind::Panel, "GroupBox29", "°C"},
    {"CheckBox12", Kind::Check, "GroupBox28"},
    {"GroupBox30", Kind::Group, "GroupBox28"},
    {"RadioButton16", Kind::Radio, "GroupBox30"},
    {"RadioButton17", Kind::Radio, "GroupBox30"},
    {"RadioButton18", Kind::Radio, "GroupBox30"},
    {"GroupBox34", Kind::Group, "GroupBox28"},
    {"Label52", Kind::Label, "GroupBox34"},
    {"Edit47", Kind::Edit, "GroupBox34", ""},
    {"Label45", Kind::Label, "GroupBox34"},
    {"Edit43", Kind::Edit, "GroupBox34", ""},
    {"Button12", Kind::Button, "GroupBox28"},
    {"SpeedButton10", Kind::Help, "TabSheet7"},
    {"Memo2", Kind::Memo, "TabSheet8"},
    // Плотность по ГОСТ Р 50.2.076-2010 (15°C)
    {"GroupBox9", Kind::Group, "TabSheet4"},
    {"GroupBox10", Kind::Group, "GroupBox9"},
    {"Label18", Kind::Label, "GroupBox10"},
    {"Edit15", Kind::Edit, "GroupBox10", ""},
    {"Label19", Kind::Label, "GroupBox10"},
    {"Edit16", Kind::Edit, "GroupBox10", ""},
    {"Panel7", Kind::Panel, "GroupBox10", "°C"},
    {"CheckBox1", Kind::Check, "GroupBox9"},
    {"GroupBox17", Kind::Group, "GroupBox9"},
    {"RadioButton1", Kind::Radio, "GroupBox17"},
    {"RadioButton2", Kind::Radio, "GroupBox17"},
    {"RadioButton3", Kind::Radio, "GroupBox17"},
    {"Label17", Kind::Label, "GroupBox9"},
    {"Edit17", Kind::Edit, "GroupBox9", ""},
    {"Button7", Kind::Button, "GroupBox9"},
    {"SpeedButton2", Kind::Chain, "TabSheet4", "Разблокируйте чек-боксом справа"},
    {"CheckBox8", Kind::Check, "TabSheet4"},
    {"GroupBox11", Kind::Group, "TabSheet4"},
    {"GroupBox12", Kind::Group, "GroupBox11"},
    {"Label21", Kind::Label, "GroupBox12"},
    {"Edit18", Kind::Edit, "GroupBox12", ""},
    {"Label22", Kind::Label, "GroupBox12"},
    {"Edit19", Kind::Edit, "GroupBox12", ""},
    {"Panel8", Kind::Panel, "GroupBox12", "°C"},
    {"CheckBox2", Kind::Check, "GroupBox12"},
    {"Edit29", Kind::Edit, "GroupBox12", ""},
    {"Panel12", Kind::Panel, "GroupBox12", "MPa"},
    {"Label33", Kind::Label, "GroupBox12", "(0 .... 10,34)"},
    {"GroupBox18", Kind::Group, "GroupBox11"},
    {"RadioButton4", Kind::Radio, "GroupBox18"},
    {"RadioButton5", Kind::Radio, "GroupBox18"},
    {"RadioButton6", Kind::Radio, "GroupBox18"},
    {"Label20", Kind::Label, "GroupBox11"},
    {"Edit20", Kind::Edit, "GroupBox11", ""},
    {"Button8", Kind::Button, "GroupBox11"},
    {"SpeedButton8", Kind::Help, "TabSheet4"},
    // Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)
    {"GroupBox13", Kind::Group, "TabSheet5"},
    {"Label23", Kind::Label, "GroupBox13"},
    {"Edit21", Kind::Edit, "GroupBox13", ""},
    {"Panel11", Kind::Panel, "GroupBox13", "м3"},
    {"Button9", Kind::Button, "GroupBox13"},
    {"Label24", Kind::Label, "GroupBox13"},
    {"Edit22", Kind::Edit, "GroupBox13", ""},
    {"GroupBox14", Kind::Group, "GroupBox13"},
    {"Label25", Kind::Label, "GroupBox14"},
    {"Edit23", Kind::Edit, "GroupBox14", ""},
    {"Label26", Kind::Label, "GroupBox14"},
    {"Edit24", Kind::Edit, "GroupBox14", ""},
    {"Panel9", Kind::Panel, "GroupBox14", "°C"},
    {"CheckBox3", Kind::Check, "GroupBox14"},
    {"Edit30", Kind::Edit, "GroupBox14", ""},
    {"Panel13", Kind::Panel, "GroupBox14", "MPa"},
    {"Label34", Kind::Label, "GroupBox14", "(0 .... 10,34)"},
    {"GroupBox19", Kind::Group, "GroupBox14"},
    {"RadioButton7", Kind::Radio, "GroupBox19"},
    {"RadioButton8", Kind::Radio, "GroupBox19"},
    {"RadioButton9", Kind::Radio, "GroupBox19"},
    {"Label27", Kind::Label, "GroupBox14"},
    {"SpeedButton4", Kind::Chain, "TabSheet5", "Разблокируйте чек-боксом справа"},
    {"CheckBox10", Kind::Check, "TabSheet5"},
    {"GroupBox15", Kind::Group, "TabSheet5"},
    {"Label28", Kind::Label, "GroupBox15"},
    {"Edit25", Kind::Edit, "GroupBox15", ""},
    {"Button10", Kind::Button, "GroupBox15"},
    {"Label29", Kind::Label, "GroupBox15"},
    {"Edit26", Kind::Edit, "GroupBox15", ""},
    {"Panel2", Kind::Panel, "GroupBox15", "м3"},
    {"GroupBox16", Kind::Group, "GroupBox15"},
    {"Label30", Kind::Label, "GroupBox16"},
    {"Edit27", Kind::Edit, "GroupBox16", ""},
    {"Label31", Kind::Label, "GroupBox16"},
    {"Edit28", Kind::Edit, "GroupBox16", ""},
    {"Panel10", Kind::Panel, "GroupBox16", "°C"},
    {"CheckBox4", Kind::Check, "GroupBox16"},
    {"Edit31", Kind::Edit, "GroupBox16", ""},
    {"Panel14", Kind::Panel, "GroupBox16", "MPa"},
    {"Label35", Kind::Label, "GroupBox16", "(0 .... 10,34)"},
    {"GroupBox20", Kind::Group, "GroupBox16"},
    {"RadioButton10", Kind::Radio, "GroupBox20"},
    {"RadioButton11", Kind::Radio, "GroupBox20"},
    {"RadioButton12", Kind::Radio, "GroupBox20"},
    {"Label32", Kind::Label, "GroupBox16"},
    {"SpeedButton7", Kind::Help, "TabSheet5"},
};

// The group box or page that holds the widget.
QString containerOf(const QWidget* widget)
{
    for (QWidget* p = widget->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QGroupBox*>(p) || p->objectName().startsWith(QLatin1String("TabSheet")))
            return p->objectName();
    return {};
}

// The widget's Russian text, when its kind is right; a null string otherwise.
QString textOf(const QWidget* w, Kind kind)
{
    switch (kind) {
    case Kind::Edit:
        if (auto* e = qobject_cast<const QLineEdit*>(w))
            return e->text();
        break;
    case Kind::Label:
        if (auto* l = qobject_cast<const QLabel*>(w); l && !qobject_cast<const gui::UnitIndicator*>(w))
            return l->text();
        break;
    case Kind::Group:
        if (auto* g = qobject_cast<const QGroupBox*>(w))
            return g->title();
        break;
    case Kind::Button:
        if (auto* b = qobject_cast<const QPushButton*>(w))
            return b->text();
        break;
    case Kind::Check:
        if (auto* c = qobject_cast<const QCheckBox*>(w))
            return c->text();
        break;
    case Kind::Radio:
        if (auto* r = qobject_cast<const QRadioButton*>(w))
            return r->text();
        break;
    case Kind::Chain:
    case Kind::Help:
        if (auto* t = qobject_cast<const QToolButton*>(w))
            return t->toolTip();
        break;
    case Kind::Panel:
        if (auto* p = qobject_cast<const gui::UnitIndicator*>(w))
            return p->text();
        break;
    case Kind::Memo:
        if (auto* m = qobject_cast<const QPlainTextEdit*>(w)) {
            const QString all = m->toPlainText();  // of the note, the first paragraph
            return all.left(all.contains(QLatin1Char('\n')) ? all.indexOf(QLatin1Char('\n')) : all.size());
        }
        break;
    }
    return QString();
}

class EveryComponent : public MainWindowTest, public ::testing::WithParamInterface<Component> {};

TEST_P(EveryComponent, ExistsOnceWithItsKindTextAndContainer)
{
    const Component& c = GetParam();
    const QList<QWidget*> found = form().findChildren<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_EQ(found.size(), 1) << c.name;
    const QString text = textOf(found[0], c.kind);
    ASSERT_FALSE(text.isNull()) << c.name << " is a " << found[0]->metaObject()->className();
    EXPECT_EQ(containerOf(found[0]), QString::fromLatin1(c.container));
    if (c.text) {
        EXPECT_EQ(text, QString::fromUtf8(c.text));
        return;
    }
    // a caption the table forgot, or left untranslated, is empty
    EXPECT_FALSE(text.isEmpty()) << c.name;
    gui::applyLanguage({&form(), &m_editor, &m_about}, text::UiLanguage::English);
    EXPECT_FALSE(textOf(found[0], c.kind).isEmpty()) << c.name;
    EXPECT_NE(textOf(found[0], c.kind), text) << c.name;
    gui::applyLanguage({&form(), &m_editor, &m_about}, text::UiLanguage::Russian);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, EveryComponent, ::testing::ValuesIn(kComponents),
                         [](const ::testing::TestParamInfo<Component>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ComponentListCoversEveryNumberedField)
{
    // 47 edits, 19 panels, 18 radio buttons, 10 flat buttons, 10 check boxes
    const auto count = [](Kind kind) {
        return std::count_if(std::begin(kComponents), std::end(kComponents),
                             [kind](const Component& c) { return c.kind == kind; });
    };
    EXPECT_EQ(count(Kind::Edit), 47);
    EXPECT_EQ(count(Kind::Panel), 19);
    EXPECT_EQ(count(Kind::Radio), 18);
    EXPECT_EQ(count(Kind::Chain) + count(Kind::Help), 10);
    EXPECT_EQ(count(Kind::Check), 10);
    EXPECT_EQ(form().findChildren<QLineEdit*>(QRegularExpression(QStringLiteral("^Edit\\d+$"))).size(), 47);
    EXPECT_EQ(form().findChildren<gui::UnitIndicator*>().size(), 19);
    EXPECT_EQ(form().findChildren<QRadioButton*>().size(), 18);
}

}  // namespace
