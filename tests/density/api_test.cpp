#include <gtest/gtest.h>

#include "density/api.h"
#include "support/recording_sink.h"
#include "text/catalogue.h"

using density::MsgKey;

namespace {

class Api : public ::testing::Test {
protected:
    void SetUp() override { text::catalogue().fill(text::UiLanguage::Russian); }
    RecordingSink m_sink;
};

TEST_F(Api, ReferenceValues)
{
    EXPECT_NEAR(density::apiFromDensity(999.0145, m_sink), 10.0, 5e-5);
    EXPECT_NEAR(density::densityFromApi(10, m_sink), 999.0145, 5e-5);
    EXPECT_NEAR(density::apiFromDensity(850.0, m_sink), 34.8065, 5e-5);
    EXPECT_NEAR(density::densityFromApi(35, m_sink), 849.0123, 5e-5);
    EXPECT_NEAR(density::densityFromApi(0, m_sink), 1074.9852, 5e-5);
    EXPECT_NEAR(density::densityFromApi(99, m_sink), 613.2779, 5e-5);
    EXPECT_TRUE(m_sink.texts.empty());
}

TEST_F(Api, TheConstantCarriesAllItsDigits)
{
    EXPECT_EQ(density::kApiConstant, 141360.55175);
    EXPECT_DOUBLE_EQ(density::kApiConstant, 141.5 * 999.0145);
}

TEST_F(Api, TheConversionsAreInverses)
{
    for (double d = 600; d <= 1100; d += 12.5)
        EXPECT_NEAR(density::densityFromApi(density::apiFromDensity(d, m_sink), m_sink), d, 1e-9);
}

TEST_F(Api, DivisionByZeroIsReportedWithAFixedValue)
{
    EXPECT_EQ(density::apiFromDensity(0, m_sink), 10.0);
    EXPECT_EQ(density::densityFromApi(-131.5, m_sink), 900.0);
    ASSERT_EQ(m_sink.keys.size(), 2u);
    EXPECT_EQ(m_sink.keys[0], MsgKey::MsgGostToApiError);
    EXPECT_EQ(m_sink.texts[0], "Ошибка при конвертации плотности по ГОСТ в плотность по API");
    EXPECT_EQ(m_sink.keys[1], MsgKey::MsgApiToGostError);
    EXPECT_EQ(m_sink.texts[1], "Ошибка при конвертации плотности по API в плотность по ГОСТ");
}

}  // namespace
