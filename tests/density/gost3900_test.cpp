#include <gtest/gtest.h>

#include "density/gost3900.h"
#include "density/numeric_text.h"
#include "support/case_name.h"
#include "support/recording_sink.h"
#include "support/table_fixture.h"
#include "text/catalogue.h"

using density::MsgKey;
using density::TemperatureUnit;
using density::VolumeUnit;

namespace {

class Gost3900 : public ::testing::Test {
protected:
    void SetUp() override { text::catalogue().fill(text::UiLanguage::Russian); }
    density::ScopedDecimalSeparator m_sep{','};
    density::ReductionTable m_table{testdata::syntheticTable(-25, 125)};
    RecordingSink m_sink;
};

struct CheckCase {
    bool r50;
    const char* text;
    TemperatureUnit unit;
    bool fails;
    const char* message;
};

class TemperatureChecks : public Gost3900, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(TemperatureChecks, AdmitTheRangeWithBothEnds)
{
    const CheckCase& c = GetParam();
    const bool failed = c.r50 ? density::r50CheckTemperature(c.text, c.unit, m_sink)
                              : density::gost3900CheckTemperature(c.text, c.unit, m_sink);
    EXPECT_EQ(failed, c.fails) << c.text;
    if (c.fails) {
        ASSERT_EQ(m_sink.texts.size(), 1u);
        EXPECT_EQ(m_sink.keys[0], MsgKey::MsgTempOutOfTable);
        EXPECT_EQ(m_sink.texts[0], c.message);
    } else {
        EXPECT_TRUE(m_sink.texts.empty());
    }
}

constexpr auto C = TemperatureUnit::Celsius;
constexpr auto F = TemperatureUnit::Fahrenheit;
const char* const kGostC = "Температура вышла за пределы таблицы : -25°C ... +125°C";
const char* const kGostF = "Температура вышла за пределы таблицы : -13°F(-25°C) ... +257°F(+125°C)";
const char* const kR50C = "Температура вышла за пределы таблицы : -50°C ... +100°C";
const char* const kR50F = "Температура вышла за пределы таблицы : -58°F(-50°C) ... +212°F(+100°C)";

INSTANTIATE_TEST_SUITE_P(
    Cases, TemperatureChecks,
    ::testing::Values(CheckCase{false, "-25", C, false, ""}, CheckCase{false, "125", C, false, ""},
                      CheckCase{false, "-25,1", C, true, kGostC}, CheckCase{false, "125,1", C, true, kGostC},
                      CheckCase{false, "125,2", C, true, kGostC},  // checked before rounding
                      CheckCase{false, "-13", F, false, ""}, CheckCase{false, "257", F, false, ""},
                      CheckCase{false, "-13,5", F, true, kGostF}, CheckCase{false, "257,5", F, true, kGostF},
                      CheckCase{false, "200", F, false, ""},  // 200 °F is 93,3 °C
                      CheckCase{true, "-50", C, false, ""}, CheckCase{true, "100", C, false, ""},
                      CheckCase{true, "-50,1", C, true, kR50C}, CheckCase{true, "100,1", C, true, kR50C},
                      CheckCase{true, "-58", F, false, ""}, CheckCase{true, "212", F, false, ""},
                      CheckCase{true, "-58,5", F, true, kR50F}, CheckCase{true, "212,5", F, true, kR50F}),
    [](const ::testing::TestParamInfo<TemperatureChecks::ParamType>& i) {
        return testnames::caseName(i.index, i.param.r50 ? "r50" : "gost3900", i.param.text,
                                   i.param.fails ? "fails" : "ok");
    });

TEST_F(Gost3900, ReduceTo20UsesTheRowOfTheTemperature)
{
    const density::Result<double> r = density::gost3900ReduceTo20(m_table, "853,4", "15,5", C, m_sink);
    ASSERT_TRUE(r.ok());
    const double lo = testdata::syntheticDensity20(850, 15.5);
    const double hi = testdata::syntheticDensity20(860, 15.5);
    EXPECT_NEAR(*r, lo + 0.34 * (hi - lo), 1e-9);
}

TEST_F(Gost3900, FahrenheitIsRoundedOntoTheGridTwice)
{
    // 60 °F is 15,6 °C, which the grid takes to 15,5
    const double viaF = *density::gost3900ReduceTo20(m_table, "850", "60", F, m_sink);
    EXPECT_DOUBLE_EQ(viaF, testdata::syntheticDensity20(850, 15.5));
    // 100 °F is 37,8 °C: row 38
    EXPECT_DOUBLE_EQ(*density::gost3900ReduceTo20(m_table, "850", "100", F, m_sink),
                     testdata::syntheticDensity20(850, 38));
    const double actual = *density::gost3900ActualDensity(m_table, "850", "60", F, m_sink);
    EXPECT_NEAR(actual, *density::gost3900ActualDensity(m_table, "850", "15,5", C, m_sink), 1e-12);
    EXPECT_TRUE(m_sink.texts.empty());
}

TEST_F(Gost3900, ActualDensityInvertsTheReduction)
{
    const double d20 = *density::gost3900ReduceTo20(m_table, "812,3", "-7,5", C, m_sink);
    EXPECT_NEAR(*density::gost3900ActualDensity(m_table, density::formatHandOver(d20), "-7,5", C, m_sink), 812.3,
                1e-9);
}

TEST_F(Gost3900, MassFromVolumeRoundsTheVolumeToALitre)
{
    // the actual density at 20 °C in the synthetic table is the density itself
    struct Case {
        const char* volume;
        VolumeUnit unit;
        double cubicMetres;
    };
    for (const Case& c : {Case{"0,0004", VolumeUnit::CubicMetre, 0.0}, Case{"1", VolumeUnit::UsGallon, 0.004},
                          Case{"10,0006", VolumeUnit::CubicMetre, 10.001}, Case{"100", VolumeUnit::Barrel, 15.899}}) {
        const density::Result<density::MassResult> r =
            density::gost3900MassFromVolume(m_table, c.volume, c.unit, "800", "20", C, m_sink);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r->status, density::QuantityStatus::Ok);
        EXPECT_DOUBLE_EQ(r->actualDensity, 800);
        EXPECT_NEAR(r->mass, 800 * c.cubicMetres / 1000, 1e-12) << c.volume;
    }
}

TEST_F(Gost3900, VolumeFromMassInEachUnit)
{
    struct Case {
        VolumeUnit unit;
        const char* text;
    };
    for (const Case& c : {Case{VolumeUnit::CubicMetre, "12,500"}, Case{VolumeUnit::UsGallon, "3302,152"},
                          Case{VolumeUnit::Barrel, "78,622"}}) {
        const density::Result<density::VolumeResult> r =
            density::gost3900VolumeFromMass(m_table, "10", c.unit, "800", "20", C, m_sink);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r->volumeText, c.text);
        EXPECT_DOUBLE_EQ(r->actualDensity, 800);
    }
}

TEST_F(Gost3900, OutOfTableStopsBeforeTheQuantity)
{
    // 494 at 20 °C is below every cell of the row
    const auto mass = density::gost3900MassFromVolume(m_table, "10", VolumeUnit::CubicMetre, "496", "120", C, m_sink);
    ASSERT_TRUE(mass.ok());
    EXPECT_EQ(mass->status, density::QuantityStatus::OutOfTable);
    EXPECT_EQ(mass->actualDensity, density::kOutOfTableMark);
    const auto volume = density::gost3900VolumeFromMass(m_table, "10", VolumeUnit::CubicMetre, "496", "120", C, m_sink);
    EXPECT_EQ(volume->status, density::QuantityStatus::OutOfTable);
    EXPECT_TRUE(m_sink.texts.empty());
}

TEST_F(Gost3900, NoRowGivesZeroMassAndAReportedVolume)
{
    const density::ReductionTable empty;
    const auto mass = density::gost3900MassFromVolume(empty, "10", VolumeUnit::CubicMetre, "800", "20", C, m_sink);
    ASSERT_TRUE(mass.ok());
    EXPECT_EQ(mass->mass, 0.0);
    EXPECT_EQ(*density::gost3900ReduceTo20(empty, "800", "20", C, m_sink), 0.0);

    const auto volume = density::gost3900VolumeFromMass(empty, "10", VolumeUnit::CubicMetre, "800", "20", C, m_sink);
    ASSERT_TRUE(volume.ok());
    EXPECT_EQ(volume->status, density::QuantityStatus::NoRow);
    EXPECT_TRUE(volume->volumeText.empty());
    ASSERT_EQ(m_sink.keys.size(), 1u);
    EXPECT_EQ(m_sink.keys[0], MsgKey::MsgNoTableRow);
}

TEST_F(Gost3900, MalformedTableIsAFailureNotACrash)
{
    std::string row = testdata::tableRow(20, {{800, 800}, {810, 810}});
    row.replace(row.find("*0810") + 5, 6, "  ???");
    const density::ReductionTable bad({row});
    EXPECT_FALSE(density::gost3900ReduceTo20(bad, "805", "20", C, m_sink).ok());
    EXPECT_FALSE(density::gost3900MassFromVolume(bad, "1", VolumeUnit::CubicMetre, "805", "20", C, m_sink).ok());
    EXPECT_FALSE(density::gost3900VolumeFromMass(bad, "1", VolumeUnit::CubicMetre, "805", "20", C, m_sink).ok());
}

}  // namespace
