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
#include "ui/main/unit_indicator.h"

namespace {

enum class Kind { Edit, Label, Group, Button, Check, Radio, Chain, Help, Panel, Memo };

// A component of the main window: its kind, its Russian text (caption,
// title, panel word; the hint of a flat button) and the group box or page
// that holds it.
struct Component {
    const char* name;
    Kind kind;
    const char* text;
    const char* container;
};

void PrintTo(const Component& c, std::ostream* os)
{
    *os << c.name;
}

const Component kComponents[] = {
    // Плотность по ГОСТ 3900-85 (20°C)
    {"GroupBox1", Kind::Group, "Приведение к плотности при 20°C", "TabSheet1"},
    {"GroupBox3", Kind::Group, "Замер по ареометру", "GroupBox1"},
    {"Label1", Kind::Label, "Плотность (кг/м3)", "GroupBox3"},
    {"Edit1", Kind::Edit, "", "GroupBox3"},
    {"Label2", Kind::Label, "Температура", "GroupBox3"},
    {"Edit2", Kind::Edit, "", "GroupBox3"},
    {"Panel3", Kind::Panel, "°C", "GroupBox3"},
    {"Label3", Kind::Label, "Плотность при 20°C (кг/м3)", "GroupBox1"},
    {"Edit3", Kind::Edit, "", "GroupBox1"},
    {"Button3", Kind::Button, "Вычислить", "GroupBox1"},
    {"SpeedButton1", Kind::Chain, "Разблокируйте чек-боксом справа", "TabSheet1"},
    {"CheckBox7", Kind::Check, "Плотность в плотность", "TabSheet1"},
    {"GroupBox2", Kind::Group, "Расчет фактической плотности", "TabSheet1"},
    {"GroupBox4", Kind::Group, "Параметры", "GroupBox2"},
    {"Label4", Kind::Label, "Плотность при 20°C (кг/м3)", "GroupBox4"},
    {"Edit4", Kind::Edit, "", "GroupBox4"},
    {"Label5", Kind::Label, "Температура", "GroupBox4"},
    {"Edit5", Kind::Edit, "", "GroupBox4"},
    {"Panel4", Kind::Panel, "°C", "GroupBox4"},
    {"Label6", Kind::Label, "Плотность фактическая (кг/м3)", "GroupBox2"},
    {"Edit6", Kind::Edit, "", "GroupBox2"},
    {"Button4", Kind::Button, "Вычислить", "GroupBox2"},
    {"SpeedButton5", Kind::Help, "Помощь", "TabSheet1"},
    {"Memo1", Kind::Memo, "", "TabSheet1"},
    // Калькулятор по ГОСТ 3900-85 (20°C)
    {"GroupBox5", Kind::Group, "Объем в массу", "TabSheet3"},
    {"Label7", Kind::Label, "Объем", "GroupBox5"},
    {"Edit7", Kind::Edit, "", "GroupBox5"},
    {"Panel1", Kind::Panel, "м3", "GroupBox5"},
    {"Button5", Kind::Button, "Вычислить -->>", "GroupBox5"},
    {"Label8", Kind::Label, "Масса (т)", "GroupBox5"},
    {"Edit8", Kind::Edit, "", "GroupBox5"},
    {"GroupBox6", Kind::Group, "Параметры", "GroupBox5"},
    {"Label9", Kind::Label, "Плотность при 20°C (кг/м3)", "GroupBox6"},
    {"Edit9", Kind::Edit, "", "GroupBox6"},
    {"Label10", Kind::Label, "Температура в танке", "GroupBox6"},
    {"Edit10", Kind::Edit, "", "GroupBox6"},
    {"Panel5", Kind::Panel, "°C", "GroupBox6"},
    {"Label11", Kind::Label, "Плотность фактическая (кг/м3) :", "GroupBox6"},
    {"SpeedButton3", Kind::Chain, "Разблокируйте чек-боксом справа", "TabSheet3"},
    {"CheckBox9", Kind::Check, "Объем в объем", "TabSheet3"},
    {"GroupBox7", Kind::Group, "Массу в объем", "TabSheet3"},
    {"Label12", Kind::Label, "Масса (т)", "GroupBox7"},
    {"Edit11", Kind::Edit, "", "GroupBox7"},
    {"Button6", Kind::Button, "Вычислить -->>", "GroupBox7"},
    {"Label13", Kind::Label, "Объем", "GroupBox7"},
    {"Edit12", Kind::Edit, "", "GroupBox7"},
    {"Panel15", Kind::Panel, "м3", "GroupBox7"},
    {"GroupBox8", Kind::Group, "Параметры", "GroupBox7"},
    {"Label14", Kind::Label, "Плотность при 20°C (кг/м3)", "GroupBox8"},
    {"Edit13", Kind::Edit, "", "GroupBox8"},
    {"Label15", Kind::Label, "Температура в танке", "GroupBox8"},
    {"Edit14", Kind::Edit, "", "GroupBox8"},
    {"Panel6", Kind::Panel, "°C", "GroupBox8"},
    {"Label16", Kind::Label, "Плотность фактическая (кг/м3) :", "GroupBox8"},
    {"SpeedButton6", Kind::Help, "Помощь", "TabSheet3"},
    // Приведение к плотности API (60°F), По ГОСТ 3900-85 (20°C)
    {"GroupBox21", Kind::Group, "ГОСТ -->> API", "TabSheet6"},
    {"GroupBox22", Kind::Group, "Замер по ареометру", "GroupBox21"},
    {"Label37", Kind::Label, "Плотность (кг/м3)", "GroupBox22"},
    {"Edit32", Kind::Edit, "", "GroupBox22"},
    {"Label38", Kind::Label, "Температура", "GroupBox22"},
    {"Edit33", Kind::Edit, "", "GroupBox22"},
    {"Panel16", Kind::Panel, "°C", "GroupBox22"},
    {"GroupBox32", Kind::Group, "Расчетная плотность", "GroupBox21"},
    {"Label49", Kind::Label, "При 20°C (кг/м3)", "GroupBox32"},
    {"Edit45", Kind::Edit, "", "GroupBox32"},
    {"Label36", Kind::Label, "API при 60°F (град.)", "GroupBox32"},
    {"Edit34", Kind::Edit, "", "GroupBox32"},
    {"Button1", Kind::Button, "Вычислить", "GroupBox21"},
    {"GroupBox23", Kind::Group, "API -->> ГОСТ", "TabSheet6"},
    {"GroupBox24", Kind::Group, "Параметры", "GroupBox23"},
    {"Label40", Kind::Label, "Плотность по API при 60°F (град.)", "GroupBox24"},
    {"Edit35", Kind::Edit, "", "GroupBox24"},
    {"Label41", Kind::Label, "Температура", "GroupBox24"},
    {"Edit36", Kind::Edit, "", "GroupBox24"},
    {"Panel17", Kind::Panel, "°C", "GroupBox24"},
    {"GroupBox31", Kind::Group, "Расчетная плотность", "GroupBox23"},
    {"Label50", Kind::Label, "При 20°C (кг/м3)", "GroupBox31"},
    {"Edit44", Kind::Edit, "", "GroupBox31"},
    {"Label39", Kind::Label, "Фактическая (кг/м3)", "GroupBox31"},
    {"Edit37", Kind::Edit, "", "GroupBox31"},
    {"Button2", Kind::Button, "Вычислить", "GroupBox23"},
    {"SpeedButton9", Kind::Help, "Помощь", "TabSheet6"},
    // По ГОСТ Р 50.2.076-2010 (15°C)
    {"GroupBox25", Kind::Group, "ГОСТ -->> API", "TabSheet7"},
    {"GroupBox26", Kind::Group, "Замер по ареометру", "GroupBox25"},
    {"Label43", Kind::Label, "Плотность (кг/м3)", "GroupBox26"},
    {"Edit38", Kind::Edit, "", "GroupBox26"},
    {"Label44", Kind::Label, "Температура", "GroupBox26"},
    {"Edit39", Kind::Edit, "", "GroupBox26"},
    {"Panel18", Kind::Panel, "°C", "GroupBox26"},
    {"CheckBox11", Kind::Check, "Учитывать температурное расширение стекла ареометра", "GroupBox25"},
    {"GroupBox27", Kind::Group, "Группа", "GroupBox25"},
    {"RadioButton13", Kind::Radio, "Нефть сырая", "GroupBox27"},
    {"RadioButton14", Kind::Radio, "Нефтепродукты", "GroupBox27"},
    {"RadioButton15", Kind::Radio, "Смазочные масла", "GroupBox27"},
    {"GroupBox33", Kind::Group, "Расчетная плотность", "GroupBox25"},
    {"Label51", Kind::Label, "При 15°C (кг/м3)", "GroupBox33"},
    {"Edit46", Kind::Edit, "", "GroupBox33"},
    {"Label42", Kind::Label, "API при 60°F (град.)", "GroupBox33"},
    {"Edit40", Kind::Edit, "", "GroupBox33"},
    {"Button11", Kind::Button, "Вычислить", "GroupBox25"},
    {"GroupBox28", Kind::Group, "API -->> ГОСТ", "TabSheet7"},
    {"GroupBox29", Kind::Group, "Параметры", "GroupBox28"},
    {"Label47", Kind::Label, "Плотность по API при 60°F (град.)", "GroupBox29"},
    {"Edit41", Kind::Edit, "", "GroupBox29"},
    {"Label48", Kind::Label, "Температура", "GroupBox29"},
    {"Edit42", Kind::Edit, "", "GroupBox29"},
    {"Panel19", Kind::Panel, "°C", "GroupBox29"},
    {"CheckBox12", Kind::Check, "Учитывать температурное расширение стекла ареометра", "GroupBox28"},
    {"GroupBox30", Kind::Group, "Группа", "GroupBox28"},
    {"RadioButton16", Kind::Radio, "Нефть сырая", "GroupBox30"},
    {"RadioButton17", Kind::Radio, "Нефтепродукты", "GroupBox30"},
    {"RadioButton18", Kind::Radio, "Смазочные масла", "GroupBox30"},
    {"GroupBox34", Kind::Group, "Расчетная плотность", "GroupBox28"},
    {"Label52", Kind::Label, "При 15°C (кг/м3)", "GroupBox34"},
    {"Edit47", Kind::Edit, "", "GroupBox34"},
    {"Label45", Kind::Label, "Фактическая (кг/м3)", "GroupBox34"},
    {"Edit43", Kind::Edit, "", "GroupBox34"},
    {"Button12", Kind::Button, "Вычислить", "GroupBox28"},
    {"SpeedButton10", Kind::Help, "Помощь", "TabSheet7"},
    {"Memo2", Kind::Memo,
     "Обратите внимание, для конвертации в плотность по API (60°F) и обратно используются таблицы и формулы из "
     "соответствующих ГОСТ, а не родные таблицы к стандарту ASTM D 1250.",
     "TabSheet8"},
    // Плотность по ГОСТ Р 50.2.076-2010 (15°C)
    {"GroupBox9", Kind::Group, "Приведение к плотности при 15°C", "TabSheet4"},
    {"GroupBox10", Kind::Group, "Замер по ареометру", "GroupBox9"},
    {"Label18", Kind::Label, "Плотность (кг/м3)", "GroupBox10"},
    {"Edit15", Kind::Edit, "", "GroupBox10"},
    {"Label19", Kind::Label, "Температура", "GroupBox10"},
    {"Edit16", Kind::Edit, "", "GroupBox10"},
    {"Panel7", Kind::Panel, "°C", "GroupBox10"},
    {"CheckBox1", Kind::Check, "Учитывать температурное расширение стекла ареометра", "GroupBox9"},
    {"GroupBox17", Kind::Group, "Группа", "GroupBox9"},
    {"RadioButton1", Kind::Radio, "Нефть сырая", "GroupBox17"},
    {"RadioButton2", Kind::Radio, "Нефтепродукты", "GroupBox17"},
    {"RadioButton3", Kind::Radio, "Смазочные масла", "GroupBox17"},
    {"Label17", Kind::Label, "Плотность при 15°C (кг/м3)", "GroupBox9"},
    {"Edit17", Kind::Edit, "", "GroupBox9"},
    {"Button7", Kind::Button, "Вычислить", "GroupBox9"},
    {"SpeedButton2", Kind::Chain, "Разблокируйте чек-боксом справа", "TabSheet4"},
    {"CheckBox8", Kind::Check, "Плотность в плотность", "TabSheet4"},
    {"GroupBox11", Kind::Group, "Расчет фактической плотности", "TabSheet4"},
    {"GroupBox12", Kind::Group, "Параметры", "GroupBox11"},
    {"Label21", Kind::Label, "Плотность при 15°C (кг/м3)", "GroupBox12"},
    {"Edit18", Kind::Edit, "", "GroupBox12"},
    {"Label22", Kind::Label, "Температура", "GroupBox12"},
    {"Edit19", Kind::Edit, "", "GroupBox12"},
    {"Panel8", Kind::Panel, "°C", "GroupBox12"},
    {"CheckBox2", Kind::Check, "Учитывать избыточное давление", "GroupBox12"},
    {"Edit29", Kind::Edit, "", "GroupBox12"},
    {"Panel12", Kind::Panel, "MPa", "GroupBox12"},
    {"Label33", Kind::Label, "(0 .... 10,34)", "GroupBox12"},
    {"GroupBox18", Kind::Group, "Группа", "GroupBox11"},
    {"RadioButton4", Kind::Radio, "Нефть сырая", "GroupBox18"},
    {"RadioButton5", Kind::Radio, "Нефтепродукты", "GroupBox18"},
    {"RadioButton6", Kind::Radio, "Смазочные масла", "GroupBox18"},
    {"Label20", Kind::Label, "Плотность фактическая (кг/м3) :", "GroupBox11"},
    {"Edit20", Kind::Edit, "", "GroupBox11"},
    {"Button8", Kind::Button, "Вычислить", "GroupBox11"},
    {"SpeedButton8", Kind::Help, "Помощь", "TabSheet4"},
    // Калькулятор по ГОСТ Р 50.2.076-2010 (15°C)
    {"GroupBox13", Kind::Group, "Объем в массу", "TabSheet5"},
    {"Label23", Kind::Label, "Объем", "GroupBox13"},
    {"Edit21", Kind::Edit, "", "GroupBox13"},
    {"Panel11", Kind::Panel, "м3", "GroupBox13"},
    {"Button9", Kind::Button, "Вычислить -->>", "GroupBox13"},
    {"Label24", Kind::Label, "Масса (т)", "GroupBox13"},
    {"Edit22", Kind::Edit, "", "GroupBox13"},
    {"GroupBox14", Kind::Group, "Параметры", "GroupBox13"},
    {"Label25", Kind::Label, "Плотность при 15°C (кг/м3)", "GroupBox14"},
    {"Edit23", Kind::Edit, "", "GroupBox14"},
    {"Label26", Kind::Label, "Температура в танке", "GroupBox14"},
    {"Edit24", Kind::Edit, "", "GroupBox14"},
    {"Panel9", Kind::Panel, "°C", "GroupBox14"},
    {"CheckBox3", Kind::Check, "Учитывать избыточное давление", "GroupBox14"},
    {"Edit30", Kind::Edit, "", "GroupBox14"},
    {"Panel13", Kind::Panel, "MPa", "GroupBox14"},
    {"Label34", Kind::Label, "(0 .... 10,34)", "GroupBox14"},
    {"GroupBox19", Kind::Group, "Группа", "GroupBox14"},
    {"RadioButton7", Kind::Radio, "Нефть сырая", "GroupBox19"},
    {"RadioButton8", Kind::Radio, "Нефтепродукты", "GroupBox19"},
    {"RadioButton9", Kind::Radio, "Смазочные масла", "GroupBox19"},
    {"Label27", Kind::Label, "Плотность фактическая (кг/м3) :", "GroupBox14"},
    {"SpeedButton4", Kind::Chain, "Разблокируйте чек-боксом справа", "TabSheet5"},
    {"CheckBox10", Kind::Check, "Объем в объем", "TabSheet5"},
    {"GroupBox15", Kind::Group, "Массу в объем", "TabSheet5"},
    {"Label28", Kind::Label, "Масса (т)", "GroupBox15"},
    {"Edit25", Kind::Edit, "", "GroupBox15"},
    {"Button10", Kind::Button, "Вычислить -->>", "GroupBox15"},
    {"Label29", Kind::Label, "Объем", "GroupBox15"},
    {"Edit26", Kind::Edit, "", "GroupBox15"},
    {"Panel2", Kind::Panel, "м3", "GroupBox15"},
    {"GroupBox16", Kind::Group, "Параметры", "GroupBox15"},
    {"Label30", Kind::Label, "Плотность при 15°C (кг/м3)", "GroupBox16"},
    {"Edit27", Kind::Edit, "", "GroupBox16"},
    {"Label31", Kind::Label, "Температура в танке", "GroupBox16"},
    {"Edit28", Kind::Edit, "", "GroupBox16"},
    {"Panel10", Kind::Panel, "°C", "GroupBox16"},
    {"CheckBox4", Kind::Check, "Учитывать избыточное давление", "GroupBox16"},
    {"Edit31", Kind::Edit, "", "GroupBox16"},
    {"Panel14", Kind::Panel, "MPa", "GroupBox16"},
    {"Label35", Kind::Label, "(0 .... 10,34)", "GroupBox16"},
    {"GroupBox20", Kind::Group, "Группа", "GroupBox16"},
    {"RadioButton10", Kind::Radio, "Нефть сырая", "GroupBox20"},
    {"RadioButton11", Kind::Radio, "Нефтепродукты", "GroupBox20"},
    {"RadioButton12", Kind::Radio, "Смазочные масла", "GroupBox20"},
    {"Label32", Kind::Label, "Плотность фактическая (кг/м3) :", "GroupBox16"},
    {"SpeedButton7", Kind::Help, "Помощь", "TabSheet5"},
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
    EXPECT_EQ(text, QString::fromUtf8(c.text));
    EXPECT_EQ(containerOf(found[0]), QString::fromLatin1(c.container));
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
