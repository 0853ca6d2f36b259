// The two 20 °C pages: field checks, results against the shipped table,
// out-of-table answers, the missing table, and the chains.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>
#include <map>

#include "support/case_name.h"
#include "support/page_fixture.h"
#include "support/shipped_table.h"
#include "support/table_fixture.h"

namespace {

// "746,0" from 745.96 with one decimal, the way the window writes numbers.
QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

class Gost3900Pages : public PageTest {};

// ---- field checks -----------------------------------------------------------

struct CheckCase {
    const char* name;
    const char* page;
    const char* button;
    std::map<std::string, QString> fields;
    const char* fahrenheitItem;  // nullptr: °C
    const char* message;
    const char* focus;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class FieldChecks : public Gost3900Pages, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FieldChecks, StopAtTheFirstFailureWithItsMessageAndFocus)
{
    const CheckCase& c = GetParam();
    showWithTable();
    showPage(c.page);
    if (c.fahrenheitItem)
        get<QAction>(c.fahrenheitItem)->trigger();
    // result fields hold a text that no failed check may touch
    const char* const results[] = {"Edit3", "Edit6", "Edit8", "Edit12"};
    for (const char* r : results)
        edit(r)->setText(QStringLiteral("kept"));
    type(c.fields);
    const std::map<std::string, QString> typed = [&] {
        std::map<std::string, QString> all;
        for (const char* name : {"Edit1", "Edit2", "Edit4", "Edit5", "Edit7", "Edit9", "Edit10", "Edit11", "Edit13",
                                 "Edit14"})
            all[name] = edit(name)->text();
        return all;
    }();

    click(c.button);

    ASSERT_EQ(messages(), QStringList{QString::fromUtf8(c.message)});
    EXPECT_EQ(m_boxes.requests[0].caption, QStringLiteral("Внимание!"));
    EXPECT_EQ(focused(), QString::fromLatin1(c.focus));
    for (const char* r : results)
        EXPECT_EQ(edit(r)->text(), QStringLiteral("kept")) << r;
    for (const auto& [name, text] : typed)
        EXPECT_EQ(edit(name.c_str())->text(), text) << name;
}

const char* const kTempF = "Температура вышла за пределы таблицы : -13°F(-25°C) ... +257°F(+125°C)";
const char* const kD20Range = "Плотность при 20°C вышла за пределы таблицы";

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldChecks,
    ::testing::Values(
        CheckCase{"Density_Empty", "TabSheet1", "Button3", {{"Edit1", ""}, {"Edit2", "15"}}, nullptr,
                  "Поле *Плотность (кг/м3)* должно быть заполнено", "Edit1"},
        CheckCase{"Temp_Fahrenheit", "TabSheet1", "Button3", {{"Edit1", "850"}, {"Edit2", "257,5"}}, "N15", kTempF,
                  "Edit2"},
        CheckCase{"D20_Invalid", "TabSheet1", "Button4", {{"Edit4", "1,2,3"}, {"Edit5", "15"}}, nullptr,
                  "Неверное значение поля *Плотность при 20°C (кг/м3)*", "Edit4"},
        CheckCase{"D20_TempFahrenheit", "TabSheet1", "Button4", {{"Edit4", "800"}, {"Edit5", "-13,5"}}, "N10", kTempF,
                  "Edit5"},
        CheckCase{"Volume_Zero", "TabSheet3", "Button5", {{"Edit7", "0"}, {"Edit9", "800"}, {"Edit10", "15"}},
                  nullptr, "Значение поля *Объем* должно быть больше нуля", "Edit7"},
        CheckCase{"Volume_D20Range", "TabSheet3", "Button5", {{"Edit7", "10"}, {"Edit9", "1100"}, {"Edit10", "15"}},
                  nullptr, kD20Range, "Edit9"},
        CheckCase{"Volume_TankEmpty", "TabSheet3", "Button5", {{"Edit7", "10"}, {"Edit9", "800"}, {"Edit10", ""}},
                  nullptr, "Поле *Температура в танке* должно быть заполнено", "Edit10"},
        CheckCase{"Mass_Invalid", "TabSheet3", "Button6", {{"Edit11", " "}, {"Edit13", "800"}, {"Edit14", "15"}},
                  nullptr, "Неверное значение поля *Масса*", "Edit11"},
        CheckCase{"Mass_D20Invalid", "TabSheet3", "Button6", {{"Edit11", "5"}, {"Edit13", "x"}, {"Edit14", "15"}},
                  nullptr, "Неверное значение поля *Плотность при 20°C (кг/м3)*", "Edit13"},
        CheckCase{"Mass_TankFahrenheit", "TabSheet3", "Button6",
                  {{"Edit11", "5"}, {"Edit13", "800"}, {"Edit14", "258"}}, "N24", kTempF, "Edit14"}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// ---- results ---------------------------------------------------------------

struct ReduceCase {
    QString density;
    QString temperature;
    bool fahrenheit;
    QString roundedTemperature;
    double row;  // the table row used, °C
};

class ReduceTo20 : public Gost3900Pages, public ::testing::WithParamInterface<ReduceCase> {};

TEST_P(ReduceTo20, WritesTheInterpolatedDensityAndTheRoundedTemperature)
{
    const ReduceCase& c = GetParam();
    showWithTable();
    if (c.fahrenheit)
        get<QAction>("N15")->trigger();
    type({{"Edit1", c.density}, {"Edit2", c.temperature}});
    click("Button3");
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(edit("Edit2")->text(), c.roundedTemperature);

    const double rho = QString(c.density).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    const int lo = static_cast<int>(std::floor(rho / 10)) * 10;
    const double vlo = *testdata::shippedCell(c.row, lo);
    const double vhi = rho == lo ? vlo : *testdata::shippedCell(c.row, lo + 10);
    EXPECT_EQ(edit("Edit3")->text(), fixed(vlo + (rho - lo) * (vhi - vlo) / 10, 1));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReduceTo20,
                         ::testing::Values(ReduceCase{"853,4", "15,8", false, "16", 16.0},
                                           ReduceCase{"850", "59,9", true, "60", 15.5}),
    [](const ::testing::TestParamInfo<ReduceTo20::ParamType>& i) {
        return testnames::caseName(i.index, i.param.density.toStdString(), "at", i.param.temperature.toStdString(),
                                   i.param.fahrenheit ? "F" : "C");
    });

// A value printed in GOST 3900-85, through both calculators of the page (the
// printed values are checked on the shipped table itself).
TEST_F(Gost3900Pages, APublishedValueComesOutBothWays)
{
    showWithTable();
    type({{"Edit1", "750"}, {"Edit2", "15"}});
    click("Button3");
    EXPECT_EQ(edit("Edit3")->text(), QStringLiteral("746,0"));

    type({{"Edit4", "746,0"}, {"Edit5", "15"}});
    click("Button4");
    EXPECT_EQ(edit("Edit6")->text(), QStringLiteral("750,0"));
    EXPECT_TRUE(messages().isEmpty());
}

struct QuantityCase {
    const char* unitItem;  // volume unit of the field
    QString volume;
    double cubicMetres;  // the volume the mass is computed from
};

class VolumeToMass : public Gost3900Pages, public ::testing::WithParamInterface<QuantityCase> {};

// 746,0 at 20 °C is the reading 750 at 15 °C: the actual density there is 750,0.
TEST_P(VolumeToMass, UsesTheActualDensityAndTheVolumeToTheLitre)
{
    const QuantityCase& c = GetParam();
    showWithTable();
    get<QAction>(c.unitItem)->trigger();
    type({{"Edit7", c.volume}, {"Edit9", QStringLiteral("746,0")}, {"Edit10", QStringLiteral("15")}});
    click("Button5");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(edit("Edit8")->text(), fixed(750.0 * c.cubicMetres / 1000, 3));
    EXPECT_EQ(get<QLabel>("Label11")->text(), QStringLiteral("Плотность фактическая (кг/м3) : 750,0"));
}

INSTANTIATE_TEST_SUITE_P(Units, VolumeToMass,
                         ::testing::Values(QuantityCase{"N41", QStringLiteral("100"), 100.0},
                                           QuantityCase{"N43", QStringLiteral("100"), 15.899}),
    [](const ::testing::TestParamInfo<VolumeToMass::ParamType>& i) {
        return testnames::caseName(i.index, i.param.volume.toStdString(), i.param.unitItem);
    });

struct VolumeCase {
    const char* unitItem;
    QString volume;
};

class MassToVolume : public Gost3900Pages, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(MassToVolume, WritesTheVolumeInTheFieldsUnit)
{
    showWithTable();
    get<QAction>(GetParam().unitItem)->trigger();
    type({{"Edit11", QStringLiteral("75")}, {"Edit13", QStringLiteral("746,0")}, {"Edit14", QStringLiteral("15")}});
    click("Button6");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(edit("Edit12")->text(), GetParam().volume);
    EXPECT_EQ(get<QLabel>("Label16")->text(), QStringLiteral("Плотность фактическая (кг/м3) : 750,0"));
}

// 75 t at 750 kg/m3 is 100 m3: 100000 / 3,78541 = 26417,2177 US gallons, 100000 / 158,988 = 628,9782 barrels
INSTANTIATE_TEST_SUITE_P(Units, MassToVolume,
                         ::testing::Values(VolumeCase{"N69", QStringLiteral("100,000")},
                                           VolumeCase{"N70", QStringLiteral("26417,218")}),
    [](const ::testing::TestParamInfo<MassToVolume::ParamType>& i) {
        return testnames::caseName(i.index, i.param.unitItem);
    });

// ---- failures after the checks ------------------------------------------------

TEST_F(Gost3900Pages, OutOfTableWritesTheErrorWordAndFocusesTheFirstField)
{
    showWithTable();
    // no values for readings 500 ... 550
    type({{"Edit1", "500"}, {"Edit2", "20"}, {"Edit3", "old"}});
    click("Button3");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Плотность при 20°C вышла за пределы таблицы")});
    EXPECT_EQ(edit("Edit3")->text(), kError);
    EXPECT_EQ(focused(), QStringLiteral("Edit1"));
}

TEST_F(Gost3900Pages, OutOfTableQuantityWritesTheErrorLine)
{
    showWithTable();
    showPage("TabSheet3");
    type({{"Edit7", "10"}, {"Edit9", "496"}, {"Edit10", "20"}});
    click("Button5");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Фактическая плотность вышла за пределы таблицы")});
    EXPECT_EQ(edit("Edit8")->text(), kError);
    EXPECT_EQ(get<QLabel>("Label11")->text(), QStringLiteral("Плотность фактическая (кг/м3) : ошибка"));
    EXPECT_EQ(focused(), QStringLiteral("Edit7"));
}

TEST_F(Gost3900Pages, WithoutATableTheResultsAreZeroAndMassToVolumeIsRefused)
{
    showForm();  // the folder holds no table
    ASSERT_TRUE(form().reductionTable().empty());
    type({{"Edit1", "850"}, {"Edit2", "15"}, {"Edit4", "850"}, {"Edit5", "15"}});
    click("Button3");
    click("Button4");
    EXPECT_EQ(edit("Edit3")->text(), QStringLiteral("0,0"));
    EXPECT_EQ(edit("Edit6")->text(), QStringLiteral("0,0"));

    showPage("TabSheet3");
    type({{"Edit7", "10"}, {"Edit9", "850"}, {"Edit10", "15"}});
    click("Button5");
    EXPECT_EQ(edit("Edit8")->text(), QStringLiteral("0,000"));
    EXPECT_TRUE(messages().isEmpty());

    type({{"Edit11", "10"}, {"Edit13", "850"}, {"Edit14", "15"}});
    click("Button6");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("В таблице ГОСТ 3900-85 нет строки для этой температуры")});
    EXPECT_EQ(edit("Edit12")->text(), kError);
    EXPECT_EQ(get<QLabel>("Label16")->text(), QStringLiteral("Плотность фактическая (кг/м3) : ошибка"));
    EXPECT_EQ(focused(), QStringLiteral("Edit11"));
}

TEST_F(Gost3900Pages, MalformedTableIsReportedAndNothingIsWritten)
{
    QFile f(folder() + QStringLiteral("tablegost3900.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(testdata::tableRow(15, {{850, 851.0}}) + "\r\n"));
    f.write("   16,0 *0500  abc\r\n");
    f.close();
    showForm();
    type({{"Edit1", "850"}, {"Edit2", "16"}, {"Edit3", "kept"}});
    click("Button3");
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(m_boxes.requests[0].caption, QStringLiteral("Vantorel"));
    EXPECT_EQ(edit("Edit3")->text(), QStringLiteral("kept"));
}

// ---- chains ----------------------------------------------------------------

TEST_F(Gost3900Pages, DensityChainCarriesTheResultIntoTheSecondCalculation)
{
    showWithTable();
    click("CheckBox7");
    type({{"Edit1", "750"}, {"Edit2", "15"}, {"Edit5", "45,3"}});
    click("SpeedButton1");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(edit("Edit3")->text(), QStringLiteral("746,0"));
    EXPECT_EQ(edit("Edit4")->text(), QStringLiteral("746,0"));
    EXPECT_EQ(edit("Edit5")->text(), QStringLiteral("45,5"));

    // the reading whose density at 20 °C is 746,0 in the row 45,5
    double expected = 0;
    for (int lo = 560; lo < 1090; lo += 10) {
        const double vlo = *testdata::shippedCell(45.5, lo);
        const double vhi = *testdata::shippedCell(45.5, lo + 10);
        if (vlo > 0 && vhi > 0 && vlo <= 746.0 && 746.0 <= vhi) {
            expected = lo + 10 * (746.0 - vlo) / (vhi - vlo);
            break;
        }
    }
    ASSERT_GT(expected, 0);
    EXPECT_EQ(edit("Edit6")->text(), fixed(expected, 1));
}

TEST_F(Gost3900Pages, DensityChainStopsAtTheErrorWord)
{
    showWithTable();
    click("CheckBox7");
    type({{"Edit1", "500"}, {"Edit2", "20"}, {"Edit5", "15"}, {"Edit6", "kept"}});
    click("SpeedButton1");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Плотность при 20°C вышла за пределы таблицы")});
    EXPECT_EQ(edit("Edit3")->text(), kError);
    EXPECT_EQ(edit("Edit4")->text(), kError);
    EXPECT_EQ(edit("Edit6")->text(), QStringLiteral("kept"));
}

TEST_F(Gost3900Pages, DensityChainGoesOnWithTheOldResultAfterACheckMessage)
{
    showWithTable();
    click("CheckBox7");
    type({{"Edit1", ""}, {"Edit2", "15"}, {"Edit3", "746,0"}, {"Edit5", "15"}});
    click("SpeedButton1");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Поле *Плотность (кг/м3)* должно быть заполнено")});
    EXPECT_EQ(edit("Edit4")->text(), QStringLiteral("746,0"));
    EXPECT_EQ(edit("Edit6")->text(), QStringLiteral("750,0"));
}

TEST_F(Gost3900Pages, VolumeChainGivesTheVolumeOfTheSameMassAtTheOtherTemperature)
{
    showWithTable();
    showPage("TabSheet3");
    click("CheckBox9");
    get<QAction>("N71")->trigger();  // the result in barrels
    type({{"Edit7", "100"}, {"Edit9", "746,0"}, {"Edit10", "15"}, {"Edit14", "15"}});
    click("SpeedButton3");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(edit("Edit8")->text(), QStringLiteral("75,000"));
    EXPECT_EQ(edit("Edit11")->text(), QStringLiteral("75,000"));
    EXPECT_EQ(edit("Edit13")->text(), QStringLiteral("746,0"));
    EXPECT_EQ(edit("Edit12")->text(), QStringLiteral("628,978"));
}

TEST_F(Gost3900Pages, VolumeChainStopsAtTheErrorWord)
{
    showWithTable();
    showPage("TabSheet3");
    click("CheckBox9");
    type({{"Edit7", "10"}, {"Edit9", "496"}, {"Edit10", "20"}, {"Edit14", "20"}, {"Edit12", "kept"}});
    click("SpeedButton3");
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(edit("Edit11")->text(), kError);
    EXPECT_EQ(edit("Edit13")->text(), QStringLiteral("496"));
    EXPECT_EQ(edit("Edit12")->text(), QStringLiteral("kept"));
}

}  // namespace
