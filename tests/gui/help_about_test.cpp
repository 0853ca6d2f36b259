#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "shell/help.h"
#include "places/program_places.h"
#include "support/main_window_fixture.h"
#include "support/page_fixture.h"
#include "ui/help/find_bar.h"
#include "ui/help/help_window.h"

namespace {

// Records what would be handed to the desktop's browser instead of opening it.
class BrowserRecorder {
public:
    BrowserRecorder()
    {
        shell::setBrowserOpener([this](const QUrl& url) {
            opened << url.toLocalFile();
            return true;
        });
    }
    ~BrowserRecorder() { shell::setBrowserOpener({}); }
    QStringList opened;
};

// The page the help window shows, or nothing while it is hidden.
QString shownPage(const gui::TForm1& form)
{
    const gui::HelpWindow* help = form.helpWindow();
    return help->isVisible() ? help->currentPage().toLocalFile() : QString();
}

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

// N7 opens the index of the language in force in the help window, reports a missing page by its
// bare name and says nothing when the language's folder is missing.
TEST_P(HelpMenu, OpensTheIndexOfTheLanguage)
{
    const HelpCase& c = GetParam();
    touch(folder() + QStringLiteral("Help/density20.html"));
    if (c.existing)
        touch(folder() + QString::fromLatin1(c.existing));
    text::catalogue().fill(c.language);

    get<QAction>("N7")->trigger();

    EXPECT_EQ(shownPage(form()), c.opened ? folder() + QString::fromLatin1(c.opened) : QString());
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
        // the main window's close box is input too: it leaves both windows up
        // and writes nothing
        EXPECT_FALSE(form().close());
        EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("settings.ini")));

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

namespace {

QString shippedHelp(const char* path)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Help/") + QString::fromLatin1(path);
}

struct F1Case {
    const char* tab;
    const char* page;  // under Help/
};

class F1OnEachTab : public PageTest, public ::testing::WithParamInterface<std::tuple<F1Case, bool>> {
protected:
    void TearDown() override
    {
        PageTest::TearDown();
        text::catalogue().fill(text::UiLanguage::Russian);
    }
};

}  // namespace

// F1 opens the help page of the tab in front, in the interface's language, in
// the program's own help window.
TEST_P(F1OnEachTab, OpensThePageOfTheTab)
{
    const auto& [c, english] = GetParam();
    showForm();
    if (english)
        get<QAction>("N107")->trigger();
    // the pages that ship beside the tests
    form().setPlaces(places::portable((QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString()));
    showPage(c.tab);
    QApplication::setActiveWindow(&form());
    QTest::keyClick(&form(), Qt::Key_F1);
    EXPECT_EQ(shownPage(form()), shippedHelp(english ? "eng/" : "") + QString::fromLatin1(c.page));
    EXPECT_TRUE(messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, F1OnEachTab,
    ::testing::Combine(::testing::Values(F1Case{"TabSheet1", "density20.html"}, F1Case{"TabSheet3", "calcul20.html"},
                                         F1Case{"TabSheet6", "api.html"}, F1Case{"TabSheet7", "api.html"},
                                         F1Case{"TabSheet8", "api.html"}, F1Case{"TabSheet4", "density15.html"},
                                         F1Case{"TabSheet5", "calcul15.html"}),
                       ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).tab) + (std::get<1>(info.param) ? "_English" : "_Russian");
    });

// The help window: links between pages, back and forward, the contents page,
// finding in the page, the page handed to the browser on request, the page
// following a language switch; in the editor F1 opens the editor's page.
TEST_F(MainWindowTest, HelpWindowGoesWhereTheUserGoes)
{
    showForm();
    form().setPlaces(places::portable((QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString()));
    get<QAbstractButton>("SpeedButton5")->click();
    gui::HelpWindow* help = form().helpWindow();
    QTextBrowser* browser = help->browser();
    ASSERT_EQ(shownPage(form()), shippedHelp("density20.html"));
    EXPECT_EQ(help->windowTitle(), browser->documentTitle());

    // a link of the page, as a click hands it over
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("calcul20.html"))));
    EXPECT_EQ(shownPage(form()), shippedHelp("calcul20.html"));
    help->back();
    EXPECT_EQ(shownPage(form()), shippedHelp("density20.html"));
    help->forward();
    EXPECT_EQ(shownPage(form()), shippedHelp("calcul20.html"));
    help->goHome();
    EXPECT_EQ(shownPage(form()), shippedHelp("gost_index.html"));

    help->find();
    ASSERT_TRUE(help->findBar()->isVisible());
    QTest::keyClicks(help->findBar()->words(), QStringLiteral("50.2.076"));
    EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("50.2.076"));
    QTest::keyClick(help->findBar()->words(), Qt::Key_Escape);
    EXPECT_FALSE(help->findBar()->isVisible());
    EXPECT_TRUE(help->isVisible());

    BrowserRecorder browserOpened;
    help->openInBrowser();
    EXPECT_EQ(browserOpened.opened, QStringList{shippedHelp("gost_index.html")});

    get<QAction>("N107")->trigger();
    EXPECT_EQ(shownPage(form()), shippedHelp("eng/gost_index.html"));
    get<QAction>("N106")->trigger();

    m_editor.setPlaces(places::portable((form().programFolder()).toStdString()));
    m_editor.show();
    QApplication::setActiveWindow(&m_editor);
    QTest::keyClick(&m_editor, Qt::Key_F1);
    EXPECT_EQ(shownPage(form()), shippedHelp("edit_table.html"));
    m_editor.hide();
}

// The About box's version is the project's: the package, the metainfo and
// vantorel-calc --version are made from the project's version.
TEST_F(MainWindowTest, AboutBoxShowsTheProjectsVersion)
{
    showForm();
    const QLabel* version = m_about.findChild<QLabel*>(QStringLiteral("Label3"));
    EXPECT_TRUE(version->text().startsWith(QStringLiteral("Версия " VANTOREL_VERSION "  (")));
}
