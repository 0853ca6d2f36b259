// The twelve calculator courses: checks in order with their messages and
// focus, results against worked values, failures and fall-backs.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>

#include "calc/calculators.h"
#include "calc/number_course.h"
#include "density/numeric_text.h"
#include "support/table_fixture.h"
#include "text/catalogue.h"

namespace {

using calc::Course;
using calc::Field;
using calc::Output;
using calc::Status;

// Inputs as the window's fields hold them; options by their effect.
struct Typed {
    std::string quantity, density, temperature;
    bool fahrenheit = false;
    std::optional<std::string> pressure;
    density::PressureUnit pressureUnit = density::PressureUnit::MPa;
    density::ProductGroup group = density::ProductGroup::Products;
    bool glass = false;
};

calc::Inputs inputsOf(const Typed& t)
{
    calc::Inputs in;
    in.quantity = t.quantity;
    in.density = t.density;
    in.temperature = t.temperature;
    in.temperatureUnit = t.fahrenheit ? density::TemperatureUnit::Fahrenheit : density::TemperatureUnit::Celsius;
    in.pressure = t.pressure;
    in.pressureUnit = t.pressureUnit;
    in.group = t.group;
    in.glass = t.glass;
    return in;
}

std::string textOf(const calc::Text& text)
{
    return (text.key ? text::catalogue().text(*text.key) : std::string()) + text.literal;
}

class Courses : public ::testing::Test {
protected:
    void SetUp() override { text::catalogue().fill(text::UiLanguage::Russian); }

    calc::Outcome run(Course course, const Typed& typed, const density::ReductionTable& table)
    {
        return calc::run(course, inputsOf(typed), [&table](density::MessageSink&) { return &table; });
    }
    calc::Outcome run(Course course, const Typed& typed) { return run(course, typed, m_table); }

    std::vector<std::string> messages(const calc::Outcome& o)
    {
        std::vector<std::string> out;
        for (const density::Message& m : o.messages)
            out.push_back(text::catalogue().render(m));
        return out;
    }
    // The shown text of each output, in order.
    std::vector<std::pair<Output, std::string>> shown(const calc::Outcome& o)
    {
        std::vector<std::pair<Output, std::string>> out;
        for (const calc::ResultText& r : o.results)
            out.emplace_back(r.output, textOf(r.text));
        return out;
    }

    density::ScopedDecimalSeparator m_sep{','};
    density::ReductionTable m_table{testdata::syntheticTable(-25, 125)};
    density::ReductionTable m_noTable;
};

// ---- checks ------------------------------------------------------------------

struct CheckCase {
    const char* name;
    Course course;
    Typed typed;
    const char* message;
    Field focus;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class Checks : public Courses, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(Checks, StopAtTheFirstFailureWithItsMessageAndFocus)
{
    const CheckCase& c = GetParam();
    const calc::Outcome o = run(c.course, c.typed);
    EXPECT_EQ(o.status, Status::CheckFailed);
    EXPECT_EQ(messages(o), std::vector<std::string>{c.message});
    EXPECT_EQ(o.focus, c.focus);
    EXPECT_TRUE(o.results.empty());
    EXPECT_FALSE(o.temperature);
}

const char* const kD15Range = "Плотность при 15°C вышла за пределы таблицы : 610-1170 кг/м3";
const char* const kR50Reading = "Плотность вышла за пределы таблицы : 550-1190 кг/м3";
const char* const kR50TempC = "Температура вышла за пределы таблицы : -50°C ... +100°C";
const char* const kR50TempF = "Температура вышла за пределы таблицы : -58°F(-50°C) ... +212°F(+100°C)";
const char* const kApiRange = "Плотность по API вышла за пределы таблицы : 0 - 99";
const char* const kPressure = "Избыточное давление вышло за пределы диапазона";
const char* const kD20Range = "Плотность при 20°C вышла за пределы таблицы";
const char* const kHydrometer = "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3";
const char* const kGostTempC = "Температура вышла за пределы таблицы : -25°C ... +125°C";

INSTANTIATE_TEST_SUITE_P(
    TwelveBlocks, Checks,
    ::testing::Values(
        CheckCase{"Reduce20_Reading", Course::Reduce20, {"", "1090,1", "20"}, kHydrometer, Field::Density},
        CheckCase{"Actual20_Temp", Course::Actual20, {"", "850", "125,2"}, kGostTempC, Field::Temperature},
        CheckCase{"Mass20_Volume",
                  Course::Mass20,
                  {"0", "850", "20"},
                  "Значение поля *Объем* должно быть больше нуля",
                  Field::Quantity},
        CheckCase{"Reduce15_Below", Course::Reduce15, {"", "549,9", "20"}, kR50Reading, Field::Density},
        CheckCase{"Reduce15_Above", Course::Reduce15, {"", "1190,1", "20"}, kR50Reading, Field::Density},
        CheckCase{"Reduce15_TempC", Course::Reduce15, {"", "850", "100,1"}, kR50TempC, Field::Temperature},
        CheckCase{"Reduce15_TempF", Course::Reduce15, {"", "850", "212,5", true}, kR50TempF, Field::Temperature},
        CheckCase{"Actual15_Below", Course::Actual15, {"", "609,99", "20"}, kD15Range, Field::Density},
        CheckCase{"Actual15_Above", Course::Actual15, {"", "1170,01", "20"}, kD15Range, Field::Density},
        CheckCase{"Actual15_PressureNegative",
                  Course::Actual15,
                  {"", "850", "20", false, "-0,01"},
                  kPressure,
                  Field::Pressure},
        CheckCase{"Actual15_PressureInBar",
                  Course::Actual15,
                  {"", "850", "20", false, "104", density::PressureUnit::Bar},
                  kPressure,
                  Field::Pressure},
        CheckCase{"Mass15_Pressure", Course::Mass15, {"1", "850", "20", false, "10,35"}, kPressure, Field::Pressure},
        CheckCase{"Volume15_MassNegative",
                  Course::Volume15,
                  {"-1", "850", "20"},
                  "Значение поля *Масса* должно быть больше нуля",
                  Field::Quantity},
        CheckCase{"Volume15_Density", Course::Volume15, {"1", "1200", "20"}, kD15Range, Field::Density},
        CheckCase{"Reduce20_Below", Course::Reduce20, {"", "499,9", "20"}, kHydrometer, Field::Density},
        CheckCase{"Actual20_Above", Course::Actual20, {"", "1099,9", "20"}, kD20Range, Field::Density},
        CheckCase{"Mass20_Below", Course::Mass20, {"10", "494,9", "20"}, kD20Range, Field::Density},
        CheckCase{"Actual15_FieldsBeforePressure",
                  Course::Actual15,
                  {"", "850", "", false, "x"},
                  "Поле *Температура* должно быть заполнено",
                  Field::Temperature},
        CheckCase{"ApiToDensity20_Below", Course::ApiToDensity20, {"", "-0,1", "20"}, kApiRange, Field::Density},
        CheckCase{"Api20_Reading", Course::Api20, {"", "499,9", "20"}, kHydrometer, Field::Density},
        CheckCase{"Api20_Temp", Course::Api20, {"", "850", "-25,1"}, kGostTempC, Field::Temperature},
        CheckCase{"ApiToDensity20_TempF",
                  Course::ApiToDensity20,
                  {"", "35", "257,5", true},
                  "Температура вышла за пределы таблицы : -13°F(-25°C) ... +257°F(+125°C)",
                  Field::Temperature},
        CheckCase{"Api15_Reading", Course::Api15, {"", "1190,1", "20"}, kR50Reading, Field::Density},
        CheckCase{"Api15_Temp", Course::Api15, {"", "850", "-50,1"}, kR50TempC, Field::Temperature},
        CheckCase{"ApiToDensity15_Below", Course::ApiToDensity15, {"", "-0,1", "20"}, kApiRange, Field::Density},
        CheckCase{"ApiToDensity15_Above", Course::ApiToDensity15, {"", "99,1", "20"}, kApiRange, Field::Density}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

// Each field of each course, left empty and then typed wrong: its own message
// and the focus on it.
TEST_F(Courses, EveryFieldRefusesAnEmptyAndAnInvalidText)
{
    const char* const d20 = "Плотность при 20°C (кг/м3)";
    const char* const d15 = "Плотность при 15°C (кг/м3)";
    const char* const reading = "Плотность (кг/м3)";
    const char* const api = "Плотность по API при 60°F (град.)";
    const char* const temp = "Температура";
    const char* const tank = "Температура в танке";
    const char* const pressure = "Избыточное давление";
    // the field names by Field: quantity, density, temperature, pressure
    struct Case {
        Course course;
        std::array<const char*, calc::kFieldCount> names;
    };
    const Case cases[] = {
        {Course::Reduce20, {nullptr, reading, temp}},     {Course::Actual20, {nullptr, d20, temp}},
        {Course::Mass20, {"Объем", d20, tank}},           {Course::Volume20, {"Масса", d20, tank}},
        {Course::Reduce15, {nullptr, reading, temp}},     {Course::Actual15, {nullptr, d15, temp, pressure}},
        {Course::Mass15, {"Объем", d15, tank, pressure}}, {Course::Volume15, {"Масса", d15, tank, pressure}},
        {Course::Api20, {nullptr, reading, temp}},        {Course::ApiToDensity20, {nullptr, api, temp}},
        {Course::Api15, {nullptr, reading, temp}},        {Course::ApiToDensity15, {nullptr, api, temp}},
    };
    for (const Case& c : cases) {
        const bool apiGiven = c.course == Course::ApiToDensity20 || c.course == Course::ApiToDensity15;
        for (int f = 0; f < calc::kFieldCount; ++f) {
            if (!c.names[f])
                continue;
            for (const char* text : {"", "8,5,0", " "}) {
                Typed typed{"10", apiGiven ? "35" : "850", "20", false, "1"};
                std::string* const field[] = {&typed.quantity, &typed.density, &typed.temperature, &*typed.pressure};
                *field[f] = text;
                const std::string name = c.names[f];
                SCOPED_TRACE(name + " <" + text + "> course " + std::to_string(static_cast<int>(c.course)));
                const calc::Outcome o = run(c.course, typed);
                EXPECT_EQ(o.status, Status::CheckFailed);
                const std::string expected =
                    *text ? "Неверное значение поля *" + name + "*" : "Поле *" + name + "* должно быть заполнено";
                EXPECT_EQ(messages(o), std::vector<std::string>{expected});
                EXPECT_EQ(o.focus, static_cast<Field>(f));
            }
        }
    }
}

TEST_F(Courses, EdgesOfTheRangesAreAdmittedAndAClearedPressureIsIgnored)
{
    for (const auto& [course, typed] : std::vector<std::pair<Course, Typed>>{
             {Course::Reduce15, {"", "550", "-50"}},
             {Course::Reduce15, {"", "1190", "100"}},
             {Course::Actual15, {"", "610", "-58", true, "0"}},
             {Course::Actual15, {"", "1170", "212", true, "10,34"}},
             {Course::Actual15, {"", "850", "20", false, "103,4", density::PressureUnit::Bar}},
             {Course::Mass15, {"1", "850", "20", false, std::nullopt}},  // the field may hold anything
             {Course::ApiToDensity15, {"", "0", "20"}},
             {Course::ApiToDensity20, {"", "99", "20"}},
             {Course::Api20, {"", "850", "-13", true}},
             {Course::Reduce20, {"", "500", "68", true}},
             {Course::Actual15, {"", "850", "20", false, "1499,6", density::PressureUnit::Psi}}}) {
        const calc::Outcome o = run(course, typed);
        EXPECT_EQ(o.status, Status::Ok) << typed.density << " " << typed.temperature;
        EXPECT_TRUE(o.messages.empty()) << typed.density << " " << typed.temperature;
    }
    // the ends of the range at 20 °C pass the check, though this table holds neither
    for (const auto& [course, typed] : std::vector<std::pair<Course, Typed>>{{Course::Actual20, {"", "1099,8", "20"}},
                                                                             {Course::Mass20, {"10", "495", "20"}}}) {
        EXPECT_EQ(run(course, typed).status, Status::OutOfTable) << typed.density;
    }
}

// ---- results -----------------------------------------------------------------

// API gravity of a density at 60 °F, as the reference formula gives it.
std::string api(double density60)
{
    return *density::formatFixed(141360.55175 / density60 - 131.5, 1);
}

struct ResultCase {
    const char* name;
    Course course;
    Typed typed;
    std::vector<std::pair<Output, std::string>> shown;
    std::optional<std::string> temperature;
};

void PrintTo(const ResultCase& c, std::ostream* os)
{
    *os << c.name;
}

class Results : public Courses, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(Results, ShowTheWorkedValues)
{
    const ResultCase& c = GetParam();
    const calc::Outcome o = run(c.course, c.typed);
    EXPECT_EQ(o.status, Status::Ok);
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(shown(o), c.shown);
    EXPECT_EQ(o.temperature, c.temperature);
    for (const calc::ResultText& r : o.results)
        EXPECT_TRUE(r.computed);
}

using density::ProductGroup;
const std::string kLine = "Плотность фактическая (кг/м3) : ";

// The synthetic table: the density at 20 °C of a reading r at t is r + 0,7 (t - 20).
INSTANTIATE_TEST_SUITE_P(
    TwelveBlocks, Results,
    ::testing::Values(
        ResultCase{"Reduce20", Course::Reduce20, {"", "850", "30,2"}, {{Output::Density20, "857,0"}}, "30,0"},
        ResultCase{"Actual20", Course::Actual20, {"", "850", "29,8"}, {{Output::ActualDensity, "843,0"}}, "30"},
        ResultCase{"Mass20",
                   Course::Mass20,
                   {"1000", "850", "30"},
                   {{Output::Mass, "843,000"}, {Output::ActualLine, kLine + "843,0"}},
                   "30"},
        ResultCase{"Volume20",
                   Course::Volume20,
                   {"10", "814", "20,1"},
                   {{Output::Volume, "12,285"}, {Output::ActualLine, kLine + "814,0"}},
                   "20,0"},
        ResultCase{"Reduce15", Course::Reduce15, {"", "850", "30"}, {{Output::Density15, "860,6"}}},
        ResultCase{"Reduce15_Glass",
                   Course::Reduce15,
                   {"", "850", "30", false, {}, {}, ProductGroup::Products, true},
                   {{Output::Density15, "860,3"}}},
        ResultCase{"Reduce15_Crude",
                   Course::Reduce15,
                   {"", "850", "30", false, {}, {}, ProductGroup::Crude},
                   {{Output::Density15, "860,7"}}},
        ResultCase{"Actual15", Course::Actual15, {"", "850", "30"}, {{Output::ActualDensity, "839,4"}}},
        ResultCase{"Actual15_Pressure",
                   Course::Actual15,
                   {"", "850", "30", false, "50", density::PressureUnit::Bar},
                   {{Output::ActualDensity, "842,7"}}},
        ResultCase{"Mass15",
                   Course::Mass15,
                   {"1000", "850", "30"},
                   {{Output::Mass, "839,369"}, {Output::ActualLine, kLine + "839,4"}}},
        ResultCase{"Volume15",
                   Course::Volume15,
                   {"839,369", "850", "30"},
                   {{Output::Volume, "1000,000"}, {Output::ActualLine, kLine + "839,4"}}},
        // masses and volumes of 11 digits and more, each digit the exact value's (the
        // double product or quotient would end in 720, 048, 839, 404 and 539)
        ResultCase{"Mass20_Large",
                   Course::Mass20,
                   {"63398381429,086", "850", "30"},
                   {{Output::Mass, "53444835544,719"}, {Output::ActualLine, kLine + "843,0"}},
                   "30"},
        ResultCase{"Volume20_Large",
                   Course::Volume20,
                   {"27815665325,551", "850", "30"},
                   {{Output::Volume, "32996044277,047"}, {Output::ActualLine, kLine + "843,0"}},
                   "30"},
        // 60699593984,83945 m3 exactly: a half at the 15th digit, carried away from zero
        ResultCase{"Volume20_HalfAtTheFifteenthDigit",
                   Course::Volume20,
                   {"51169757729,21965635", "850", "30"},
                   {{Output::Volume, "60699593984,840"}, {Output::ActualLine, kLine + "843,0"}},
                   "30"},
        // 1017,1 kg/m3 exactly, though plain arithmetic on the cells gives 1017,0999...:
        // 15,2565 t, a half
        ResultCase{"Mass20_TableDensityAsTheDecimalItIs",
                   Course::Mass20,
                   {"15", "1024,1", "30"},
                   {{Output::Mass, "15,257"}, {Output::ActualLine, kLine + "1017,1"}},
                   "30"},
        ResultCase{"Mass15_Large",
                   Course::Mass15,
                   {"5793860281,6", "850", "30"},
                   {{Output::Mass, "4863186579,403"}, {Output::ActualLine, kLine + "839,4"}}},
        ResultCase{"Volume15_Large",
                   Course::Volume15,
                   {"9770469427,621", "850", "30"},
                   {{Output::Volume, "11640255586,538"}, {Output::ActualLine, kLine + "839,4"}}},
        ResultCase{"Api20",
                   Course::Api20,
                   {"", "850", "20,2"},
                   {{Output::Density20, "850,0"}, {Output::Api, api(850 + 0.7 * 4.5)}},
                   "20,0"},
        ResultCase{"ApiToDensity20",
                   Course::ApiToDensity20,
                   {"", "10", "20"},
                   // 999,0145 at 60 °F lies on the 15,5 row: 999,0145 - 0,7 x 4,5 at 20 °C
                   {{Output::Density20, "995,9"}, {Output::ActualDensity, "995,9"}},
                   "20"},
        ResultCase{"Api15",
                   Course::Api15,
                   {"", "850", "15"},
                   // heavy products: alpha 0,00083078, so 850 at 15 °C is 849,608 at 15,55555 °C
                   {{Output::Density15, "850,0"}, {Output::Api, api(849.608)}}},
        ResultCase{"ApiToDensity15",
                   Course::ApiToDensity15,
                   {"", "35", "15"},
                   {{Output::Density15, "849,4"}, {Output::ActualDensity, "849,4"}}}),
    [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

// ---- failures after the checks -------------------------------------------------

TEST_F(Courses, OutOfTableWritesTheErrorWordAndFocusesTheFirstField)
{
    // 1090 at 125 °C would be 1163,5 at 20 °C: past the table
    calc::Outcome o = run(Course::Reduce20, {"", "1090", "125"});
    EXPECT_EQ(o.status, Status::OutOfTable);
    EXPECT_EQ(messages(o), std::vector<std::string>{"Плотность при 20°C вышла за пределы таблицы"});
    EXPECT_EQ(shown(o), (std::vector<std::pair<Output, std::string>>{{Output::Density20, "Ошибка"}}));
    EXPECT_EQ(o.focus, Field::Density);
    EXPECT_EQ(o.temperature, "125");

    o = run(Course::Mass20, {"10", "1099", "-20"});
    EXPECT_EQ(o.status, Status::OutOfTable);
    EXPECT_EQ(messages(o), std::vector<std::string>{"Фактическая плотность вышла за пределы таблицы"});
    EXPECT_EQ(shown(o), (std::vector<std::pair<Output, std::string>>{
                            {Output::Mass, "Ошибка"}, {Output::ActualLine, "Плотность фактическая (кг/м3) : ошибка"}}));
    EXPECT_EQ(o.focus, Field::Quantity);

    // the density at 20 °C is found, the one at 60 °F (1093,15) is not
    o = run(Course::Api20, {"", "1090", "20"});
    EXPECT_EQ(o.status, Status::OutOfTable);
    EXPECT_EQ(o.cleared, std::vector<Output>{Output::Density20});
    EXPECT_EQ(shown(o),
              (std::vector<std::pair<Output, std::string>>{{Output::Density20, "1090,0"}, {Output::Api, "Ошибка"}}));
    EXPECT_TRUE(o.results[0].computed);
    EXPECT_FALSE(o.results[1].computed);
    EXPECT_EQ(o.focus, Field::Density);
}

TEST_F(Courses, WithoutATableTheZerosGoOnAndTheFallBacksAreShown)
{
    calc::Outcome o = run(Course::Reduce20, {"", "850", "15"}, m_noTable);
    EXPECT_EQ(o.status, Status::NoRow);
    EXPECT_TRUE(o.messages.empty());
    EXPECT_EQ(shown(o), (std::vector<std::pair<Output, std::string>>{{Output::Density20, "0,0"}}));
    EXPECT_FALSE(o.results[0].computed);

    o = run(Course::Mass20, {"10", "850", "15"}, m_noTable);
    EXPECT_EQ(o.status, Status::NoRow);
    EXPECT_EQ(shown(o), (std::vector<std::pair<Output, std::string>>{{Output::Mass, "0,000"},
                                                                     {Output::ActualLine, kLine + "0,0"}}));

    // nothing to divide by
    o = run(Course::Volume20, {"10", "850", "15"}, m_noTable);
    EXPECT_EQ(o.status, Status::NoRow);
    EXPECT_EQ(messages(o), std::vector<std::string>{"В таблице ГОСТ 3900-85 нет строки для этой температуры"});
    EXPECT_EQ(shown(o)[0], (std::pair<Output, std::string>{Output::Volume, "Ошибка"}));
    EXPECT_EQ(o.focus, Field::Quantity);

    // 0,0 at 20 °C, then the API of a density of 0: its message and 10,0
    o = run(Course::Api20, {"", "850", "15"}, m_noTable);
    EXPECT_EQ(o.status, Status::NoRow);
    EXPECT_EQ(messages(o), std::vector<std::string>{"Ошибка при конвертации плотности по ГОСТ в плотность по API"});
    EXPECT_EQ(shown(o),
              (std::vector<std::pair<Output, std::string>>{{Output::Density20, "0,0"}, {Output::Api, "10,0"}}));

    o = run(Course::ApiToDensity20, {"", "35", "15"}, m_noTable);
    EXPECT_EQ(shown(o), (std::vector<std::pair<Output, std::string>>{{Output::Density20, "0,0"},
                                                                     {Output::ActualDensity, "0,0"}}));
}

TEST_F(Courses, AMissingTableStopsBeforeTheTemperatureIsRewritten)
{
    const calc::Outcome o = calc::run(Course::Actual20, inputsOf({"", "850", "20,2"}),
                                      [](density::MessageSink&) -> const density::ReductionTable* { return nullptr; });
    EXPECT_EQ(o.status, Status::CalcFailed);
    EXPECT_FALSE(o.temperature);
    EXPECT_TRUE(o.results.empty());
}

// The course over numbers answers the common readings, and where it answers,
// with what the course shows for the same numbers as text.
TEST_F(Courses, OverNumbersAnswerAsTheCourseDoes)
{
    density::ScopedDecimalSeparator sep('.');
    const auto text = [](double x) {
        char buffer[32];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
    };
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> reading(450, 1250);
    std::uniform_real_distribution<double> temperature(-70, 140);
    for (const Course course : {Course::Reduce20, Course::Reduce15}) {
        calc::Choices fahrenheit;
        fahrenheit.temperatureUnit = density::TemperatureUnit::Fahrenheit;
        EXPECT_EQ(calc::numberCourse(course, fahrenheit).run, nullptr);
        for (const bool glass : {false, true}) {
            calc::Choices choices;
            choices.glass = glass;
            const calc::NumberCourse numbers = calc::numberCourse(course, choices);
            ASSERT_NE(numbers.run, nullptr);
            int answered = 0;
            for (int i = 0; i < 20000; ++i) {
                // every other reading typed to one decimal
                const double scale = i % 2 ? 1e15 : 10;
                const double d = std::round(reading(rng) * scale) / scale;
                const double t = std::round(temperature(rng) * scale) / scale;
                const calc::NumberAnswer a = numbers.run(d, t, choices, &m_table);
                if (a.status != calc::NumberStatus::Answered)
                    continue;
                ++answered;
                Typed typed{"", text(d), text(t)};
                typed.glass = glass;
                const calc::Outcome o = run(course, typed);
                ASSERT_EQ(o.status, Status::Ok) << d << " " << t;
                ASSERT_EQ(o.results.size(), 1u);
                ASSERT_EQ(a.value, density::parseNumber(o.results[0].value).value_or(-1)) << d << " " << t;
                if (numbers.rewritesTemperature) {
                    ASSERT_EQ(a.temperature, density::parseNumber(o.temperature.value_or("")).value_or(-1000)) << t;
                }
            }
            EXPECT_GT(answered, 4000);
        }
    }
}

}  // namespace
