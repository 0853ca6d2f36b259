#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "density/numeric_text.h"
#include "support/case_name.h"
#include "density/reduction_table.h"

using density::ScopedDecimalSeparator;

namespace {

struct ParseCase {
    char separator;
    const char* text;
    bool ok;
    double value;
};

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, FollowsTheLocaleSeparator)
{
    const ParseCase& c = GetParam();
    ScopedDecimalSeparator sep(c.separator);
    const std::optional<double> v = density::parseNumber(c.text);
    ASSERT_EQ(v.has_value(), c.ok) << "'" << c.text << "'";
    if (c.ok) {
        EXPECT_DOUBLE_EQ(*v, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumber,
    ::testing::Values(ParseCase{',', "15,5", true, 15.5}, ParseCase{',', "  15,5  ", true, 15.5},
                      ParseCase{',', "15.5", false, 0}, ParseCase{'.', "15.5", true, 15.5},
                      ParseCase{'.', "15,5", false, 0}, ParseCase{',', "", false, 0},
                      ParseCase{',', "   ", false, 0}, ParseCase{',', "-3,9", true, -3.9},
                      ParseCase{',', "+7", true, 7}, ParseCase{',', ",5", true, 0.5},
                      ParseCase{',', "5,", true, 5}, ParseCase{',', ",", false, 0},
                      ParseCase{',', "-", false, 0}, ParseCase{',', "1,5E3", true, 1500},
                      ParseCase{',', "1,5e-2", true, 0.015}, ParseCase{',', "1E", false, 0},
                      ParseCase{',', "\t15", false, 0}, ParseCase{',', "15\t", false, 0},
                      ParseCase{',', "0x1A", false, 0}, ParseCase{',', "inf", false, 0},
                      ParseCase{',', "nan", false, 0}, ParseCase{',', "12abc", false, 0},
                      ParseCase{',', "1 000", false, 0}, ParseCase{',', "1,2,3", false, 0},
                      ParseCase{',', "1e999", false, 0}, ParseCase{',', "--1", false, 0}),
    [](const ::testing::TestParamInfo<ParseNumber::ParamType>& i) {
        return testnames::caseName(i.index, i.param.separator == ',' ? "comma" : "point", i.param.text);
    });

struct FormatCase {
    char separator;
    long double value;
    int decimals;
    const char* text;
};

class FormatFixed : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixed, RoundsHalvesAwayFromZero)
{
    const FormatCase& c = GetParam();
    ScopedDecimalSeparator sep(c.separator);
    const std::optional<std::string> s = density::formatFixed(c.value, c.decimals);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(*s, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixed,
    ::testing::Values(FormatCase{',', 2.675L, 2, "2,68"}, FormatCase{',', -2.675L, 2, "-2,68"},
                      FormatCase{',', 0.25L, 1, "0,3"}, FormatCase{',', -0.25L, 1, "-0,3"},
                      FormatCase{',', 0.05L, 1, "0,1"}, FormatCase{',', 0.04L, 1, "0,0"},
                      FormatCase{',', -0.04L, 1, "0,0"}, FormatCase{',', 9.995L, 2, "10,00"},
                      FormatCase{',', 999.95L, 1, "1000,0"}, FormatCase{',', 0.5L, 0, "1"},
                      FormatCase{',', 0.4L, 0, "0"}, FormatCase{',', 1234567.0L, 3, "1234567,000"},
                      FormatCase{'.', 860.5897L, 1, "860.6"}, FormatCase{',', 0.00049L, 3, "0,000"},
                      FormatCase{',', 0.0005L, 3, "0,001"}, FormatCase{',', 123456789012345678.0L, 1,
                                                                         "123456789012345680,0"},
                      FormatCase{',', 0, 3, "0,000"}, FormatCase{',', 757.15L, 1, "757,2"},
                      // no halves invented on values just below one
                      FormatCase{',', 1098673.5914999961L, 3, "1098673,591"},
                      FormatCase{',', 9366224.530499998L, 3, "9366224,530"},
                      FormatCase{',', 1.5e15L, 3, "1500000000000000,000"}),
    [](const ::testing::TestParamInfo<FormatFixed::ParamType>& i) {
        return testnames::caseName(i.index, i.param.text);
    });

// The C library's locale (set by Qt from LANG) must not reach number text.
TEST(NumberText, IgnoresTheCLibraryLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr) << "the ru_RU.UTF-8 locale is missing";
    ScopedDecimalSeparator sep(',');
    const std::optional<std::string> mass = density::formatFixed(1.5e15L, 3);
    const std::optional<std::string> fahrenheit = density::formatFixed(1e15L * 1.8L + 32, 1);
    const std::string handOver = density::formatHandOver(1234.5);
    const std::optional<double> parsed = density::parseNumber("1234,5");
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(mass.value_or(""), "1500000000000000,000");
    EXPECT_EQ(fahrenheit.value_or(""), "1800000000000032,0");
    EXPECT_EQ(handOver, "1234,5");
    EXPECT_EQ(parsed.value_or(0), 1234.5);
}

// Readings with two decimals and their neighbouring doubles, shown with one:
// the shortest decimal rounded, halves away from zero, by integer arithmetic.
// The number found without the text, where found, is the one it reads.
TEST(FormatFixed, TenthsOfTwoDecimalReadings)
{
    ScopedDecimalSeparator sep('.');
    for (std::int64_t hundredths = 0; hundredths <= 300000; ++hundredths) {
        const double reading = static_cast<double>(hundredths) / 100;
        const double neighbours[] = {std::nextafter(reading, 0.0), reading, std::nextafter(reading, 1e9)};
        for (const double value : neighbours) {
            const bool halfBelow = hundredths % 10 == 5 && value < reading;
            const std::int64_t tenths = halfBelow ? hundredths / 10 : (hundredths + 5) / 10;
            const std::string expected = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
            const std::optional<std::string> text = density::formatFixed(value, 1);
            ASSERT_EQ(text.value_or(""), expected) << value;
            double number = 0;
            if (density::fixedValue(value, 1, number))
                ASSERT_EQ(number, density::parseNumber(*text).value_or(-1)) << value;
            else
                ASSERT_EQ(hundredths % 10, 5) << "no number away from a tie: " << value;
        }
    }
}

TEST(FormatFixedLimits, RefusesWhatFixedPointCannotHold)
{
    EXPECT_FALSE(density::formatFixed(1e18L, 2).has_value());
    EXPECT_FALSE(density::formatFixed(-1e19L, 2).has_value());
    EXPECT_FALSE(density::formatFixed(std::numeric_limits<long double>::infinity(), 2).has_value());
    EXPECT_FALSE(density::formatFixed(std::numeric_limits<long double>::quiet_NaN(), 2).has_value());
}

struct HandOverCase {
    double value;
    const char* text;
};

class HandOver : public ::testing::TestWithParam<HandOverCase> {};

TEST_P(HandOver, CarriesFifteenSignificantDigitsAndParsesBack)
{
    ScopedDecimalSeparator sep(',');
    const HandOverCase& c = GetParam();
    const std::string s = density::formatHandOver(c.value);
    EXPECT_EQ(s, c.text);
    const std::optional<double> back = density::parseNumber(s);
    ASSERT_TRUE(back.has_value()) << s;
    EXPECT_NEAR(*back, c.value, std::abs(c.value) * 1e-14);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandOver,
                         ::testing::Values(HandOverCase{12.5, "12,5"}, HandOverCase{10000.0 / 800.0, "12,5"},
                                           HandOverCase{1000.0 / 3.0, "333,333333333333"},
                                           HandOverCase{-0.0001234, "-0,0001234"},
                                           HandOverCase{1e20, "1E20"}, HandOverCase{1.5e-7, "1,5E-7"},
                                           HandOverCase{2, "2"}, HandOverCase{120000, "120000"}),
    [](const ::testing::TestParamInfo<HandOver::ParamType>& i) {
        return testnames::caseName(i.index, i.param.text);
    });

// Every finite double's hand-over text reads back as a finite number close
// to it: the extremes, then random bit patterns.
TEST(HandOverRoundTrip, EveryFiniteDoubleReadsBack)
{
    std::vector<double> values = {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308,
                                  DBL_MIN, -DBL_MIN, std::numeric_limits<double>::denorm_min(), 1e-320};
    std::mt19937_64 random(10);
    while (values.size() < 20000) {
        std::uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v))
            values.push_back(v);
    }
    for (const char separator : {',', '.'}) {
        ScopedDecimalSeparator sep(separator);
        for (const double v : values) {
            const std::string s = density::formatHandOver(v);
            const std::optional<double> back = density::parseNumber(s);
            ASSERT_TRUE(back.has_value()) << s;
            ASSERT_LE(std::fabs(*back - v), std::max(std::fabs(v) * 1e-14, 1e-323)) << s;
        }
    }
}

struct GridCase {
    const char* text;
    const char* same;  // a text that must give the same grid temperature
    const char* grid;
};

class HalfDegreeGrid : public ::testing::TestWithParam<GridCase> {};

// Exponent forms round like their plain forms; magnitudes beyond any
// integer type still step to the next whole degree.
TEST_P(HalfDegreeGrid, ExponentsAndHugeMagnitudes)
{
    ScopedDecimalSeparator sep(',');
    const density::Result<std::string> r = density::roundToHalfDegree(GetParam().text);
    const density::Result<std::string> plain = density::roundToHalfDegree(GetParam().same);
    ASSERT_TRUE(r.ok()) << r.error();
    ASSERT_TRUE(plain.ok()) << plain.error();
    EXPECT_EQ(*r, GetParam().grid);
    EXPECT_EQ(*plain, GetParam().grid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HalfDegreeGrid,
    ::testing::Values(GridCase{"1e-6", "0,000001", "0,0"}, GridCase{"-1E-6", "-0,000001", "-0,0"},
                      GridCase{"3,5e-1", "0,35", "0,5"}, GridCase{"9,9E-1", "0,99", "1"},
                      GridCase{"1E20", "100000000000000000000", "100000000000000000000"},
                      GridCase{"99999999999999999999,9", "1E20", "100000000000000000000"},
                      GridCase{"-99999999999999999999,9", "-1E20", "-100000000000000000000"}));

TEST(ReadField, EmptyThenNotANumberThenNumber)
{
    ScopedDecimalSeparator sep(',');
    EXPECT_EQ(density::readField("").state, density::FieldState::Empty);
    EXPECT_EQ(density::readField("   ").state, density::FieldState::Invalid);
    EXPECT_EQ(density::readField("8OO").state, density::FieldState::Invalid);
    const density::FieldReading r = density::readField(" 853,4 ");
    EXPECT_EQ(r.state, density::FieldState::Number);
    EXPECT_DOUBLE_EQ(r.value, 853.4);
}

TEST(Blank, SpacesOnlyCountAsBlank)
{
    EXPECT_TRUE(density::isBlank(""));
    EXPECT_TRUE(density::isBlank("   "));
    EXPECT_FALSE(density::isBlank(" 1 "));
    EXPECT_FALSE(density::isBlank("\t"));
}

}  // namespace
