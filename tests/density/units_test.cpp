#include <gtest/gtest.h>

#include "density/numeric_text.h"
#include "density/units.h"
#include "support/case_name.h"
#include "support/recording_sink.h"
#include "text/catalogue.h"

using density::MsgKey;
using density::PressureUnit;
using density::UnitKind;
using density::VolumeUnit;

namespace {

class Units : public ::testing::Test {
protected:
    void SetUp() override { text::catalogue().fill(text::UiLanguage::Russian); }
    density::ScopedDecimalSeparator m_sep{','};
    RecordingSink m_sink;
};

struct ConversionCase {
    UnitKind kind;
    const char* in;
    int from;
    int to;
    const char* out;
};

class Conversions : public Units, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(Conversions, GiveTheStatedDecimals)
{
    const ConversionCase& c = GetParam();
    std::string out;
    switch (c.kind) {
    case UnitKind::Temperature:
        out = density::convertTemperature(c.in, static_cast<density::TemperatureUnit>(c.from), m_sink);
        break;
    case UnitKind::Volume:
        out = density::convertVolume(c.in, static_cast<VolumeUnit>(c.from), static_cast<VolumeUnit>(c.to), m_sink);
        break;
    case UnitKind::Pressure:
        out = density::convertPressure(c.in, static_cast<PressureUnit>(c.from), static_cast<PressureUnit>(c.to),
                                       m_sink);
        break;
    }
    EXPECT_EQ(out, c.out);
    EXPECT_TRUE(m_sink.texts.empty());
}

constexpr auto T = UnitKind::Temperature;
constexpr auto V = UnitKind::Volume;
constexpr auto P = UnitKind::Pressure;

INSTANTIATE_TEST_SUITE_P(
    Cases, Conversions,
    ::testing::Values(ConversionCase{T, "20", 1, 2, "68,0"}, ConversionCase{T, "100", 2, 1, "37,8"},
                      ConversionCase{T, "-40", 1, 2, "-40,0"}, ConversionCase{T, "-40", 2, 1, "-40,0"},
                      ConversionCase{T, "32,45", 2, 1, "0,3"},  // 0,25 exactly: half away from zero
                      ConversionCase{T, " 15,5 ", 1, 2, "59,9"},
                      ConversionCase{V, "10", 1, 2, "2641,722"}, ConversionCase{V, "10", 1, 3, "62,898"},
                      ConversionCase{V, "1", 3, 2, "42,000"}, ConversionCase{V, "10", 1, 1, "10,000"},
                      ConversionCase{V, "1", 2, 1, "0,004"}, ConversionCase{V, "84", 2, 3, "2,000"},
                      ConversionCase{V, "100", 3, 1, "15,899"},
                      ConversionCase{P, "1", 1, 4, "145,04"}, ConversionCase{P, "1", 4, 1, "0,0069"},
                      ConversionCase{P, "10", 3, 2, "9,81"}, ConversionCase{P, "5", 4, 4, "5,0000"},
                      ConversionCase{P, "1", 1, 3, "10,20"}, ConversionCase{P, "10", 3, 1, "0,98"},
                      ConversionCase{P, "25", 2, 1, "2,50"}, ConversionCase{P, "1", 2, 3, "1,02"},
                      ConversionCase{P, "100", 4, 2, "6,8948"}, ConversionCase{P, "100", 4, 3, "7,0307"},
                      ConversionCase{P, "10,34", 1, 1, "10,34"}, ConversionCase{P, "1", 1, 2, "10,00"},
                      ConversionCase{P, "5", 2, 4, "72,52"}, ConversionCase{P, "5", 3, 4, "71,12"}),
    [](const ::testing::TestParamInfo<Conversions::ParamType>& i) {
        return testnames::caseName(i.index, i.param.in, i.param.from, "to", i.param.to);
    });

// Every printed digit is the exact value's: the typed decimal times the
// factors as the decimals they are, rounded once (results up to 10^15; the
// former extended-precision product lost the last digit from 13 digits on).
INSTANTIATE_TEST_SUITE_P(
    LargeValues, Conversions,
    ::testing::Values(ConversionCase{V, "-1438171944", 1, 3, "-9045789267,114"},
                      ConversionCase{V, "691937865764", 1, 2, "182790732249346,834"},
                      ConversionCase{V, "-767637893918626", 3, 1, "-122045213478334,510"},
                      ConversionCase{V, "4154398805987,99", 3, 2, "174484749851495,580"},
                      ConversionCase{V, "770904032063511", 2, 3, "18354857906274,071"},
                      ConversionCase{P, "57017799973529,3", 1, 3, "581410506330078,27"},
                      ConversionCase{P, "41012089749114", 4, 1, "282768515918,6012"},
                      ConversionCase{P, "78549317372846", 4, 3, "5522566856532,6837"},
                      ConversionCase{P, "544310222317829", 3, 2, "533785984169313,78"},
                      ConversionCase{T, "-987317531238392", 2, 1, "-548509739576902,2"},
                      ConversionCase{T, "212,09", 2, 1, "100,1"}),  // 100,05 exactly
    [](const ::testing::TestParamInfo<Conversions::ParamType>& i) {
        return testnames::caseName(i.index, i.param.in, i.param.from, "to", i.param.to);
    });

struct FailureCase {
    UnitKind kind;
    const char* in;
    MsgKey key;
    const char* text;
};

class ConversionFailures : public Units, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ConversionFailures, ShowTheMessageAndReturnTheInput)
{
    const FailureCase& c = GetParam();
    std::string out;
    if (c.kind == T)
        out = density::convertTemperature(c.in, density::TemperatureUnit::Celsius, m_sink);
    else if (c.kind == V)
        out = density::convertVolume(c.in, VolumeUnit::CubicMetre, VolumeUnit::UsGallon, m_sink);
    else
        out = density::convertPressure(c.in, PressureUnit::MPa, PressureUnit::Psi, m_sink);
    EXPECT_EQ(out, c.in);
    ASSERT_EQ(m_sink.keys.size(), 1u);
    EXPECT_EQ(m_sink.keys[0], c.key);
    EXPECT_EQ(m_sink.texts[0], c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionFailures,
    ::testing::Values(FailureCase{V, "abc", MsgKey::MsgVolumeUnitsError, "Ошибка при конвертации единиц объема"},
                      FailureCase{T, "", MsgKey::MsgTempUnitsError, "Ошибка при конвертации единиц температуры"},
                      FailureCase{P, "  ", MsgKey::MsgPressureUnitsError, "Ошибка при конвертации единиц давления"},
                      FailureCase{P, "1e17", MsgKey::MsgPressureUnitsError,
                                  "Ошибка при конвертации единиц давления"},  // 1,45e19 psi: too large
                      FailureCase{V, "1e300", MsgKey::MsgVolumeUnitsError, "Ошибка при конвертации единиц объема"},
                      FailureCase{T, "15.5", MsgKey::MsgTempUnitsError, "Ошибка при конвертации единиц температуры"}),
    [](const ::testing::TestParamInfo<ConversionFailures::ParamType>& i) {
        return testnames::caseName(i.index, i.param.in);
    });

TEST_F(Units, ConversionOutputFollowsThePointLocale)
{
    density::ScopedDecimalSeparator point('.');
    EXPECT_EQ(density::convertTemperature("100", density::TemperatureUnit::Fahrenheit, m_sink), "37.8");
    EXPECT_EQ(density::convertVolume("10.5", VolumeUnit::CubicMetre, VolumeUnit::CubicMetre, m_sink), "10.500");
}

struct RecalcCase {
    UnitKind kind;
    const char* text;
    int current;
    int target;
    bool recalculate;
    bool cycle;
    const char* out;
    int messages;
};

class RecalcOnUnitChange : public Units, public ::testing::WithParamInterface<RecalcCase> {};

TEST_P(RecalcOnUnitChange, SelectAndCycleModes)
{
    const RecalcCase& c = GetParam();
    EXPECT_EQ(density::recalcOnUnitChange(c.kind, c.text, c.current, c.target, c.recalculate, c.cycle, m_sink), c.out);
    EXPECT_EQ(static_cast<int>(m_sink.keys.size()), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecalcOnUnitChange,
    ::testing::Values(
        // empty text: unchanged and silent in every mode
        RecalcCase{T, "", 1, 2, true, false, "", 0}, RecalcCase{T, "", 1, 0, true, true, "", 0},
        RecalcCase{V, "", 1, 1, true, false, "", 0}, RecalcCase{P, "", 4, 4, true, false, "", 0},
        RecalcCase{V, "", 2, 0, true, true, "", 0},
        // recalculation off: the text stays, even when not a number
        RecalcCase{V, "abc", 1, 2, false, false, "abc", 0}, RecalcCase{T, "20", 1, 2, false, true, "20", 0},
        // select mode
        RecalcCase{T, "20", 1, 2, true, false, "68,0", 0}, RecalcCase{T, "abc", 1, 1, true, false, "abc", 0},
        RecalcCase{T, "20", 2, 2, true, false, "20", 0}, RecalcCase{V, "10", 1, 1, true, false, "10,000", 0},
        RecalcCase{V, "abc", 1, 1, true, false, "abc", 1}, RecalcCase{P, "5", 4, 4, true, false, "5,0000", 0},
        RecalcCase{P, "abc", 2, 2, true, false, "abc", 1}, RecalcCase{V, "1", 3, 2, true, false, "42,000", 0},
        // cycle mode: to the next unit, wrapping round; the target is ignored
        RecalcCase{T, "100", 2, 2, true, true, "37,8", 0}, RecalcCase{V, "42", 2, 1, true, true, "1,000", 0},
        RecalcCase{V, "1", 3, 3, true, true, "0,159", 0}, RecalcCase{P, "1", 4, 1, true, true, "0,0069", 0},
        RecalcCase{P, "1", 1, 1, true, true, "10,00", 0}),
    [](const ::testing::TestParamInfo<RecalcOnUnitChange::ParamType>& i) {
        return testnames::caseName(i.index, i.param.text, i.param.current, "to", i.param.target);
    });

TEST(UnitWords, CaptionsAndRangeLabels)
{
    text::catalogue().fill(text::UiLanguage::English);
    const auto word = [](UnitKind k, int u) { return text::catalogue().render(density::unitCaption(k, u)); };
    EXPECT_EQ(word(T, 1), "°C");
    EXPECT_EQ(word(T, 2), "°F");
    EXPECT_EQ(word(V, 1), "m3");
    EXPECT_EQ(word(V, 2), "US Gallons");
    EXPECT_EQ(word(V, 3), "Barrels");
    EXPECT_EQ(word(P, 1), "MPa");
    EXPECT_EQ(word(P, 2), "bar");
    EXPECT_EQ(word(P, 3), "kg/cm2");
    EXPECT_EQ(word(P, 4), "psi");
    text::catalogue().fill(text::UiLanguage::Russian);
    EXPECT_EQ(word(V, 1), "м3");
    EXPECT_EQ(word(P, 3), "кг/см2");

    EXPECT_EQ(density::pressureRangeText(PressureUnit::MPa), "(0 .... 10,34)");
    EXPECT_EQ(density::pressureRangeText(PressureUnit::Bar), "(0 .... 103,4)");
    EXPECT_EQ(density::pressureRangeText(PressureUnit::TechnicalAtmosphere), "(0 .... 105,4)");
    EXPECT_EQ(density::pressureRangeText(PressureUnit::Psi), "(0 .... 1499,6)");

    EXPECT_EQ(density::nextUnit(T, 2), 1);
    EXPECT_EQ(density::nextUnit(V, 3), 1);
    EXPECT_EQ(density::nextUnit(P, 3), 4);
}

}  // namespace
