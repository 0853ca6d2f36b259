#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

#include "density/numeric_text.h"
#include "shell/about_form.h"
#include "shell/application.h"
#include "support/box_recorder.h"
#include "support/table_fixture.h"
#include "ui/editor/tform2.h"
#include "ui/main/tform1.h"

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }

    void writeTable()
    {
        QFile f(folder() + QStringLiteral("tablegost3900.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(testdata::joinLines(testdata::syntheticTable(-25, 125))));
    }

    QTemporaryDir m_dir;
    BoxRecorder m_boxes;
    density::ScopedDecimalSeparator m_sep{','};
};

TEST_F(Startup, ProgramFolderIsTheExecutablesFolderWithSeparator)
{
    gui::TForm1 form;
    EXPECT_EQ(form.programFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vantorel"));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Vantorel"));
}

TEST_F(Startup, MissingTableIsReportedOnceAndTheProgramGoesOn)
{
    gui::TForm1 form;
    gui::TForm2 editor;
    shell::TO_progr_form about;
    form.attachWindows(&editor, &about);
    form.setPlaces(places::portable(folder().toStdString()));
    form.show();
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(m_boxes.requests[0].caption, QStringLiteral("Внимание!"));
    EXPECT_EQ(m_boxes.requests[0].text,
              QStringLiteral("Файл tablegost3900.txt не найден. Проверьте его наличие в папке программы."));
    EXPECT_TRUE(form.reductionTable().empty());
    EXPECT_EQ(form.settingsPath(), folder() + QStringLiteral("settings.ini"));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(Startup, PresentTableIsLoadedSilently)
{
    writeTable();
    gui::TForm1 form;
    form.setPlaces(places::portable(folder().toStdString()));
    form.show();
    EXPECT_TRUE(m_boxes.requests.empty());
    EXPECT_EQ(form.reductionTable().lines().size(), 301u);
}

// A FIFO as the table is refused at once instead of waited for before any
// window shows.
TEST_F(Startup, TableThatIsNoRegularFileIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder() + QStringLiteral("tablegost3900.txt")).constData(), 0600), 0);
    gui::TForm1 form;
    form.setPlaces(places::portable(folder().toStdString()));
    ::alarm(30);
    form.show();
    ::alarm(0);
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(m_boxes.requests[0].text,
              QStringLiteral("Файл tablegost3900.txt не удаётся прочитать: это не обычный файл"));
    EXPECT_TRUE(form.reductionTable().empty());
}

// An object whose event handler throws, as a handler would on an error it
// does not expect.
class Thrower : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("division by zero"); }
};

TEST_F(Startup, ErrorEscapingAHandlerIsReportedAndTheProgramGoesOn)
{
    Thrower thrower;
    QEvent ev(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&thrower, &ev));
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(m_boxes.requests[0].text, QStringLiteral("division by zero"));
    EXPECT_EQ(m_boxes.requests[0].caption, QStringLiteral("Vantorel"));
}

}  // namespace
