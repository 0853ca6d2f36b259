#include <gtest/gtest.h>

#include <variant>

#include "support/case_name.h"
#include "text/catalogue.h"

using density::MsgKey;
using text::UiLanguage;
using text::WindowKey;

namespace {

struct EntryCase {
    std::variant<MsgKey, WindowKey> key;
    const char* russian;
    const char* english;
};

class CatalogueEntries : public ::testing::TestWithParam<EntryCase> {};

TEST_P(CatalogueEntries, HoldTheTextsOfTheLanguageLastFilled)
{
    text::MessageCatalogue c;
    const auto entry = [&c](auto key) { return c.text(key); };
    EXPECT_EQ(std::visit(entry, GetParam().key), "");
    c.fill(UiLanguage::English);
    EXPECT_EQ(std::visit(entry, GetParam().key), GetParam().english);
    c.fill(UiLanguage::Russian);
    EXPECT_EQ(std::visit(entry, GetParam().key), GetParam().russian);
}

// Texts whose blanks, separators or punctuation matter.
INSTANTIATE_TEST_SUITE_P(
    Samples, CatalogueEntries,
    ::testing::Values(
        EntryCase{MsgKey::MsgCaptionAttention, "Внимание!", "Attention!"},
        EntryCase{MsgKey::MsgFilePrefix, "Файл ", "File "},
        EntryCase{MsgKey::MsgFileNotFoundSuffix, " не найден. Проверьте его наличие в папке программы.",
                  " not found. Check the file exists."},
        EntryCase{WindowKey::TextLoadedFilePrefix, "  Загружен файл - ", "  Open file - "},
        EntryCase{WindowKey::TextReloadAfterSave, " Перезагрузите программу после сохранения",
                  " Reload the program after saving"},
        EntryCase{WindowKey::HelpLanguagePrefix, "", "eng\\"},
        EntryCase{MsgKey::MsgDensity15OutOfTable, "Плотность при 15°C вышла за пределы таблицы : 610-1170 кг/м3",
                  "Density (15°C) is out of the table : 610-1170 kg/m3"},
        EntryCase{MsgKey::MsgHydrometerOutOfTable, "Плотность по ареометру вышла за пределы таблицы : 500 - 1090 кг/м3",
                  "Density (areometer) is out of the table : 500 - 1090 kg/m3"},
        EntryCase{MsgKey::MsgApiOutOfRange, "Плотность по API вышла за пределы таблицы : 0 - 99",
                  "API Gravity 60°F is out of range : 0 - 99"},
        EntryCase{MsgKey::MsgGostToApiError, "Ошибка при конвертации плотности по ГОСТ в плотность по API",
                  "Error when converting density from GOST to API"},
        EntryCase{MsgKey::MsgApiToGostError, "Ошибка при конвертации плотности по API в плотность по ГОСТ",
                  "Error when converting density from API to GOST"},
        EntryCase{MsgKey::MsgCalcError, "Ошибка при вычислении плотности : проверьте входные параметры",
                  "Error when calculating density : check input data"}),
    [](const ::testing::TestParamInfo<CatalogueEntries::ParamType>& i) {
        return testnames::caseName(i.index, i.param.english);
    });

TEST(Catalogue, EveryEntryHasTextInBothLanguagesButTheHelpPrefix)
{
    text::MessageCatalogue ru;
    text::MessageCatalogue en;
    ru.fill(UiLanguage::Russian);
    en.fill(UiLanguage::English);
    for (int k = 0; k < density::kMsgKeyCount; ++k) {
        const auto key = static_cast<MsgKey>(k);
        EXPECT_FALSE(ru.text(key).empty()) << k;
        EXPECT_FALSE(en.text(key).empty()) << k;
    }
    for (int k = 0; k < text::kWindowKeyCount; ++k) {
        const auto key = static_cast<WindowKey>(k);
        if (key == WindowKey::HelpLanguagePrefix)
            continue;
        EXPECT_FALSE(ru.text(key).empty()) << "window " << k;
        EXPECT_FALSE(en.text(key).empty()) << "window " << k;
    }
}

TEST(Catalogue, RendersPiecesWithNothingBetween)
{
    text::MessageCatalogue c;
    c.fill(UiLanguage::Russian);
    const density::Message m =
        density::Message(MsgKey::MsgFilePrefix).then("gost_index.html").then(MsgKey::MsgFileNotFoundSuffix);
    EXPECT_EQ(c.render(m), "Файл gost_index.html не найден. Проверьте его наличие в папке программы.");
}

}  // namespace
