#include <gtest/gtest.h>

#include "density/numeric_text.h"
#include "support/case_name.h"

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
                                                                         "123456789012345678,0"},
                      FormatCase{',', 0, 3, "0,000"}),
    [](const ::testing::TestParamInfo<FormatFixed::ParamType>& i) {
        return testnames::caseName(i.index, i.param.text);
    });

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
