#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "shell/help.h"
#include "support/main_window_fixture.h"

namespace {

// Records what would be handed to the desktop instead of opening it.
class OpenerRecorder {
public:
    OpenerRecorder()
    {
        shell::setHelpOpener([this](const QUrl& url) {
            opened << url.toLocalFile();
            return true;
        });
    }
    ~OpenerRecorder() { shell::setHelpOpener({}); }
    QStringList opened;
};

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

struct HelpCase {
    const char* name;
    text::UiLanguage language;
    const char* existing;  // file made under the program folder, nullptr: none
    const char* opened;    // expected page, nullptr: none
    const char* message;   // expected box text, nullptr: none
};

class HelpMenu : public MainWindowTest, public ::testing::WithParamInterface<HelpCase> {
protected:
    void TearDown() override
    {
        text::catalogue().fill(text::UiLanguage::Russian);
        MainWindowTest::TearDown();
    }
};

}  // namespace

// N7 opens the index of the language in force, reports a missing page by its
// bare name and says nothing when the language's folder is missing.
TEST_P(HelpMenu, OpensTheIndexOfTheLanguage)
{
    const HelpCase& c = GetParam();
    OpenerRecorder opener;
    touch(folder() + QStringLiteral("Help/density20.html"));
    if (c.existing)
        touch(folder() + QString::fromLatin1(c.existing));
    text::catalogue().fill(c.language);

    get<QAction>("N7")->trigger();

    EXPECT_EQ(opener.opened, c.opened ? QStringList{folder() + QString::fromLatin1(c.opened)} : QStringList{});
    EXPECT_EQ(m_boxes.texts(), c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Entries, HelpMenu,
    ::testing::Values(
        HelpCase{"Russian", text::UiLanguage::Russian, "Help/gost_index.html", "Help/gost_index.html", nullptr},
        HelpCase{"English", text::UiLanguage::English, "Help/eng/gost_index.html", "Help/eng/gost_index.html", nullptr},
        HelpCase{"RussianMissingPage", text::UiLanguage::Russian, "Help/eng/gost_index.html", nullptr,
                 "Файл gost_index.html не найден. Проверьте его наличие в папке программы."},
        HelpCase{"EnglishMissingPage", text::UiLanguage::English, "Help/eng/api.html", nullptr,
                 "File gost_index.html not found. Check the file exists."},
        HelpCase{"EnglishMissingFolder", text::UiLanguage::English, nullptr, nullptr, nullptr}),
    [](const ::testing::TestParamInfo<HelpCase>& info) { return std::string(info.param.name); });

// However the About box is closed, the main window takes input again; while
// it is shown, only the box does.
class AboutBox : public MainWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(AboutBox, DisablesTheMainWindowWhileShown)
{
    const std::string way = GetParam();
    EXPECT_FALSE(m_about.isEnabled());
    for (int round = 0; round < 2; ++round) {
        get<QAction>("N8")->trigger();
        ASSERT_TRUE(m_about.isVisible());
        EXPECT_TRUE(m_about.isEnabled());
        EXPECT_FALSE(form().isEnabled());
        EXPECT_EQ(m_about.focusWidget(), m_about.okButton());
        EXPECT_TRUE(m_about.okButton()->isDefault());

        if (way == "OK")
            m_about.okButton()->click();
        else if (way == "CloseBox")
            m_about.close();
        else
            m_about.reject();  // Escape
        EXPECT_FALSE(m_about.isVisible());
        EXPECT_TRUE(form().isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Closing, AboutBox, ::testing::Values("OK", "CloseBox", "Escape"));

// The About box's version is the project's: the package, the metainfo and
// vantorel-calc --version are made from the project's version.
TEST_F(MainWindowTest, AboutBoxShowsTheProjectsVersion)
{
    showForm();
    const QLabel* version = m_about.findChild<QLabel*>(QStringLiteral("Label3"));
    EXPECT_TRUE(version->text().startsWith(QStringLiteral("Версия " VANTOREL_VERSION "  (")));
}
