// Unit indicators at work: select, cycle, the recalculate mark, reset all,
// captions at start.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "support/main_window_fixture.h"
#include "ui/main/unit_indicator.h"

namespace {

class UnitSwitching : public MainWindowTest {
protected:
    gui::UnitIndicator* panel(const char* name) { return get<gui::UnitIndicator>(name); }
    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }
    void choose(const char* item) { get<QAction>(item)->trigger(); }
    void doubleClick(const char* name) { QTest::mouseDClick(panel(name), Qt::LeftButton); }
};

// One step on one indicator: a unit item chosen (select) or a double click.
struct StepCase {
    const char* name;
    const char* panel;
    const char* field;
    QString before;
    std::vector<const char*> priorItems;  // chosen with the field empty, to set the current unit
    bool recalculate;
    const char* item;  // nullptr: double click
    const char* caption;
    QString after;
    int messages;
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class UnitStep : public UnitSwitching, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UnitStep, ChangesCaptionFieldAndMarks)
{
    const StepCase& c = GetParam();
    showForm();
    for (const char* item : c.priorItems)
        choose(item);
    gui::UnitIndicator* indicator = panel(c.panel);
    indicator->recalcItem()->setChecked(c.recalculate);
    edit(c.field)->setText(c.before);

    if (c.item)
        choose(c.item);
    else
        doubleClick(c.panel);

    EXPECT_EQ(indicator->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(edit(c.field)->text(), c.after);
    EXPECT_EQ(static_cast<int>(m_boxes.requests.size()), c.messages);
    // exactly one unit marked, the one the caption shows
    int marked = 0;
    for (QAction* item : indicator->unitItems())
        marked += item->isChecked() ? 1 : 0;
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(indicator->recalcItem()->isChecked(), c.recalculate);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitStep,
    ::testing::Values(
        StepCase{"TempToF", "Panel3", "Edit2", "20", {}, true, "N15", "°F", "68,0", 0},
        StepCase{"TempBackByDoubleClick", "Panel3", "Edit2", "68,0", {"N15"}, true, nullptr, "°C", "20,0", 0},
        StepCase{"TempRecalcOff", "Panel3", "Edit2", "20", {}, false, "N15", "°F", "20", 0},
        StepCase{"TempSameUnitUntouched", "Panel3", "Edit2", "20", {}, true, "N14", "°C", "20", 0},
        StepCase{"TempSameUnitNotANumber", "Panel4", "Edit5", "abc", {}, true, "N9", "°C", "abc", 0},
        StepCase{"TempNotANumber", "Panel5", "Edit10", "abc", {}, true, "N19", "°F", "abc", 1},
        StepCase{"TempEmptyField", "Panel6", "Edit14", "", {}, true, "N24", "°F", "", 0},
        StepCase{"VolumeSameUnitReformatted", "Panel1", "Edit7", "10", {}, true, "N41", "м3", "10,000", 0},
        StepCase{"VolumeToGallons", "Panel1", "Edit7", "10", {}, true, "N42", "US Gallons", "2641,722", 0},
        StepCase{"VolumeCycleFromBarrels", "Panel11", "Edit21", "1", {"N48"}, true, nullptr, "м3", "0,159", 0},
        StepCase{"VolumeDoubleClickNotANumber", "Panel1", "Edit7", "abc", {}, true, nullptr, "US Gallons", "abc", 1},
        StepCase{"VolumeResultField", "Panel15", "Edit12", "100,000", {}, true, "N71", "Barrels", "628,978", 0},
        StepCase{"VolumeResultField15", "Panel2", "Edit26", "42", {"N75"}, true, "N76", "Barrels", "1,000", 0},
        StepCase{"PressureSameUnit", "Panel12", "Edit29", "1", {}, true, "N51", "MPa", "1,00", 0},
        StepCase{"PressureSamePsi", "Panel13", "Edit30", "1", {"N60"}, true, "N60", "psi", "1,0000", 0},
        StepCase{"PressureToPsi", "Panel12", "Edit29", "10", {}, true, "N54", "psi", "1450,40", 0},
        StepCase{"PressureToAt", "Panel14", "Edit31", "1", {}, true, "N65", "кг/см2", "10,20", 0},
        StepCase{"PressureSameNotANumber", "Panel14", "Edit31", "x", {}, true, "N63", "MPa", "x", 1}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST_F(UnitSwitching, PressureDoubleClicksStepThroughEveryUnitWithItsRange)
{
    showForm();
    auto* range = get<QLabel>("Label33");
    EXPECT_EQ(range->text(), QStringLiteral("(0 .... 10,34)"));
    const struct {
        const char* caption;
        const char* range;
    } steps[] = {{"bar", "(0 .... 103,4)"},
                 {"кг/см2", "(0 .... 105,4)"},
                 {"psi", "(0 .... 1499,6)"},
                 {"MPa", "(0 .... 10,34)"}};
    for (const auto& step : steps) {
        doubleClick("Panel12");
        EXPECT_EQ(panel("Panel12")->text(), QString::fromUtf8(step.caption));
        EXPECT_EQ(range->text(), QString::fromUtf8(step.range));
    }
    choose("N54");
    EXPECT_EQ(range->text(), QStringLiteral("(0 .... 1499,6)"));
}

TEST_F(UnitSwitching, RecalculateItemOnlyTogglesItsMark)
{
    showForm();
    edit("Edit2")->setText(QStringLiteral("20"));
    QAction* recalc = get<QAction>("N12");
    recalc->trigger();
    EXPECT_FALSE(recalc->isChecked());
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("20"));
    EXPECT_EQ(panel("Panel3")->text(), QStringLiteral("°C"));
    recalc->trigger();
    EXPECT_TRUE(recalc->isChecked());
}

TEST_F(UnitSwitching, Panel16DoubleClickSelectsByItsFahrenheitMark)
{
    showForm();
    edit("Edit33")->setText(QStringLiteral("15"));
    doubleClick("Panel16");
    EXPECT_EQ(panel("Panel16")->text(), QStringLiteral("°F"));
    EXPECT_EQ(edit("Edit33")->text(), QStringLiteral("59,0"));
    doubleClick("Panel16");
    EXPECT_EQ(panel("Panel16")->text(), QStringLiteral("°C"));
    EXPECT_EQ(edit("Edit33")->text(), QStringLiteral("15,0"));

    // with no unit marked it goes to °F, converting from the fallback °F: no change
    get<QAction>("N92")->setChecked(false);
    get<QAction>("N93")->setChecked(false);
    panel("Panel16")->restoreCaption();
    doubleClick("Panel16");
    EXPECT_EQ(panel("Panel16")->text(), QStringLiteral("°F"));
    EXPECT_EQ(edit("Edit33")->text(), QStringLiteral("15,0"));
}

TEST_F(UnitSwitching, CurrentUnitFallsBackWhenNothingIsMarked)
{
    showForm();
    struct {
        const char* panel;
        int fallback;
    } cases[] = {{"Panel3", 2}, {"Panel1", 2}, {"Panel12", 1}};
    for (const auto& c : cases) {
        gui::UnitIndicator* indicator = panel(c.panel);
        for (QAction* item : indicator->unitItems())
            item->setChecked(false);
        EXPECT_EQ(indicator->currentUnit(), c.fallback) << c.panel;
    }
    // a double click moves on from the fallback: °F to °C
    edit("Edit2")->setText(QStringLiteral("212"));
    panel("Panel3")->restoreCaption();
    doubleClick("Panel3");
    EXPECT_EQ(panel("Panel3")->text(), QStringLiteral("°C"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("100,0"));
}

TEST_F(UnitSwitching, ResetAllTemperaturesGivesOneMessagePerFieldThatIsNoNumber)
{
    showForm();
    const char* const fields[] = {"Edit2",  "Edit5",  "Edit10", "Edit14", "Edit16", "Edit19",
                                  "Edit24", "Edit28", "Edit33", "Edit36", "Edit39", "Edit42"};
    for (const char* f : fields)
        edit(f)->setText(QStringLiteral("100"));
    edit("Edit5")->setText(QStringLiteral("a"));
    edit("Edit24")->setText(QStringLiteral("b"));
    edit("Edit42")->setText(QStringLiteral("c"));

    choose("N84");

    EXPECT_EQ(m_boxes.texts(), QStringList(3, QStringLiteral("Ошибка при конвертации единиц температуры")));
    for (const gui::UnitIndicator* indicator : form().indicators())
        if (indicator->kind() == density::UnitKind::Temperature) {
            EXPECT_EQ(indicator->text(), QStringLiteral("°F")) << indicator->objectName().toStdString();
        }
    for (const char* f : fields) {
        const QString text = edit(f)->text();
        if (text.size() == 1)
            continue;
        EXPECT_EQ(text, QStringLiteral("212,0")) << f;
    }
    EXPECT_EQ(edit("Edit24")->text(), QStringLiteral("b"));

    // again: every indicator is on °F already, a temperature text stays as it is
    m_boxes.clear();
    choose("N84");
    EXPECT_TRUE(m_boxes.requests.empty());
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("212,0"));
}

TEST_F(UnitSwitching, ResetAllVolumesAndPressuresUseEachRecalculateMark)
{
    showForm();
    for (const char* f : {"Edit7", "Edit12", "Edit21", "Edit26"})
        edit(f)->setText(QStringLiteral("1"));
    get<QAction>("N50")->setChecked(false);  // Panel11 keeps its number
    choose("N87");
    EXPECT_EQ(edit("Edit7")->text(), QStringLiteral("6,290"));
    EXPECT_EQ(edit("Edit21")->text(), QStringLiteral("1"));
    for (const char* p : {"Panel1", "Panel11", "Panel15", "Panel2"})
        EXPECT_EQ(panel(p)->text(), QStringLiteral("Barrels")) << p;

    for (const char* f : {"Edit29", "Edit30", "Edit31"})
        edit(f)->setText(QStringLiteral("1"));
    choose("N88");  // every pressure indicator is on MPa: the numbers are only re-formatted
    for (const char* f : {"Edit29", "Edit30", "Edit31"})
        EXPECT_EQ(edit(f)->text(), QStringLiteral("1,00")) << f;
    choose("N90");
    for (const char* l : {"Label33", "Label34", "Label35"})
        EXPECT_EQ(get<QLabel>(l)->text(), QStringLiteral("(0 .... 105,4)")) << l;
    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("10,20"));
    EXPECT_TRUE(m_boxes.requests.empty());
}

TEST_F(UnitSwitching, CaptionsFollowTheMarksAtStartWithoutConverting)
{
    // the marks as the settings leave them before the window is shown
    get<QAction>("N15")->setChecked(true);
    get<QAction>("N43")->setChecked(true);
    get<QAction>("N53")->setChecked(true);
    edit("Edit2")->setText(QStringLiteral("20"));
    showForm();
    EXPECT_EQ(panel("Panel3")->text(), QStringLiteral("°F"));
    EXPECT_EQ(panel("Panel1")->text(), QStringLiteral("Barrels"));
    EXPECT_EQ(panel("Panel12")->text(), QStringLiteral("кг/см2"));
    EXPECT_EQ(get<QLabel>("Label33")->text(), QStringLiteral("(0 .... 105,4)"));
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("20"));
    // the next change starts from the restored unit
    choose("N14");
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("-6,7"));
}

}  // namespace
