#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <deque>

#include <sys/stat.h>
#include <unistd.h>

#include "density/table_file.h"
#include "files/system_error.h"
#include "shell/help.h"
#include "shell/qt_translations.h"
#include "support/main_window_fixture.h"
#include "support/modal_answer.h"
#include "support/special_files.h"
#include "support/table_fixture.h"
#include "ui/help/help_window.h"

namespace {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray shippedTable()
{
    return readBytes(QCoreApplication::applicationDirPath() + QStringLiteral("/tablegost3900.txt"));
}

// The editor with the program folder a temporary folder and every dialog
// answered from scripted answers (an empty path or nothing cancels).
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // Qt's own texts (the system's reasons) in English, whatever ran before
        shell::useQtTranslations(false);
        // filled by the main window in the program
        text::catalogue().fill(text::UiLanguage::Russian);
        m_editor.setPlaces(places::portable(folder().toStdString()));
        gui::EditorDialogs d;
        d.openFile = [this](QWidget*, const gui::FileRequest& r) { return next(r); };
        d.saveFile = [this](QWidget*, const gui::FileRequest& r) { return next(r); };
        d.color = [this](QWidget*, const QColor& start) {
            colorStarts.push_back(start);
            return colorAnswer;
        };
        d.font = [this](QWidget*, const gui::TextFont& start) {
            fontStarts.push_back(start);
            return fontAnswer;
        };
        m_editor.setDialogs(d);
    }
    void TearDown() override { text::catalogue().fill(text::UiLanguage::Russian); }

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const char* name) const { return folder() + QString::fromUtf8(name); }
    void trigger(const char* item) { m_editor.findChild<QAction*>(QString::fromLatin1(item))->trigger(); }
    void click(const char* button) { m_editor.findChild<QToolButton*>(QString::fromLatin1(button))->click(); }
    // Opens a file through the open dialog.
    void openThrough(const QString& file)
    {
        answers.push_back(file);
        trigger("N6");
    }
    // Saves through the save dialog under a path.
    void saveAs(const QString& file)
    {
        answers.push_back(file);
        click("ToolButton4");
    }
    QString text() const { return m_editor.textArea()->toPlainText(); }

    std::deque<QString> answers;
    std::vector<gui::FileRequest> requests;
    std::optional<QColor> colorAnswer;
    std::vector<QColor> colorStarts;
    std::optional<gui::TextFont> fontAnswer;
    std::vector<gui::TextFont> fontStarts;

    QTemporaryDir m_dir;
    BoxRecorder m_boxes;
    gui::TForm2 m_editor;

private:
    QString next(const gui::FileRequest& r)
    {
        requests.push_back(r);
        if (answers.empty())
            return {};
        const QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace

// Every opening from the main menu shows the program folder's table, whatever
// was opened before; showing leaves the file name alone; Exit just closes.
// The tool bar gets its icons at the first opening, not at the start.
TEST_F(MainWindowTest, EditorReloadsTheTableAtEveryOpening)
{
    writeBytes(folder() + QStringLiteral("tablegost3900.txt"), "first table\n");
    writeBytes(folder() + QStringLiteral("other/notes.txt"), "notes\n");
    gui::EditorDialogs d;
    d.openFile = [this](QWidget*, const gui::FileRequest&) { return folder() + QStringLiteral("other/notes.txt"); };
    m_editor.setDialogs(d);

    // the tool bar's icons are drawn at the first opening
    const auto* saveButton = m_editor.findChild<QToolButton*>(QStringLiteral("ToolButton4"));
    ASSERT_TRUE(saveButton);
    EXPECT_TRUE(saveButton->icon().isNull());
    QStringList seen;
    const auto openEditor = [&](std::function<void()> inside) {
        ModalAnswer answer([&](QWidget* modal) {
            EXPECT_EQ(modal, &m_editor);
            EXPECT_FALSE(saveButton->icon().isNull());
            EXPECT_FALSE(m_editor.findChild<QAction*>(QStringLiteral("N7"))->icon().isNull());
            seen << m_editor.textArea()->toPlainText();
            inside();
            m_editor.findChild<QAction*>(QStringLiteral("N17"))->trigger();
        });
        get<QAction>("N5")->trigger();
        EXPECT_TRUE(answer.answered());
        EXPECT_FALSE(m_editor.isVisible());
    };
    openEditor([&] { m_editor.findChild<QAction*>(QStringLiteral("N6"))->trigger(); });
    writeBytes(folder() + QStringLiteral("tablegost3900.txt"), "second table\n");
    get<QAction>("N107")->trigger();
    openEditor([this] {
        EXPECT_EQ(m_editor.findChild<QAction*>(QStringLiteral("N6"))->text(), QStringLiteral("&Open..."));
        EXPECT_EQ(m_editor.windowTitle(),
                  QStringLiteral("Edit of table GOST 3900-85 — ") + folder() + QStringLiteral("tablegost3900.txt"));
    });
    get<QAction>("N106")->trigger();

    EXPECT_EQ(seen, (QStringList{"first table\n", "second table\n"}));
    EXPECT_EQ(m_editor.editorFileName(), folder() + QStringLiteral("other/notes.txt"));
    EXPECT_EQ(m_editor.textArea()->toPlainText(), QStringLiteral("second table\n"));
    EXPECT_EQ(m_editor.statusText(), QStringLiteral("  Загружен файл - ") + m_editor.editorFileName());
}

// A cancelled open changes nothing; a file that cannot be read is reported
// and leaves text and status bar as they were.
TEST_F(EditorTest, OpenCancelledOrUnreadable)
{
    m_editor.textArea()->setPlainText(QStringLiteral("kept"));
    openThrough(QString());
    EXPECT_TRUE(m_editor.editorFileName().isEmpty());
    openThrough(path("missing.txt"));
    EXPECT_EQ(text(), QStringLiteral("kept"));
    EXPECT_TRUE(m_editor.statusText().isEmpty());
    EXPECT_EQ(m_editor.editorFileName(), path("missing.txt"));
    ASSERT_EQ(m_boxes.texts().size(), 1);
    // the system's words, in the locale's language
    EXPECT_TRUE(m_boxes.texts()[0].contains(path("missing.txt") + QStringLiteral(":\n") +
                                            QString::fromStdString(files::systemReason(ENOENT))));
    EXPECT_EQ(requests[0].folder, folder());
}

// Save offers the bare name of the last file opened or saved, in the program
// folder, also after the editor was closed and opened again.
TEST_F(EditorTest, SaveProposesTheBareNameInTheProgramFolder)
{
    writeBytes(path("sub/a.txt"), "alpha\n");
    writeBytes(path("tablegost3900.txt"), "table\n");
    saveAs(QString());
    openThrough(path("sub/a.txt"));
    saveAs(QString());
    EXPECT_EQ(m_editor.editorFileName(), QStringLiteral("a.txt"));
    m_editor.show();
    m_editor.hide();
    saveAs(path("sub/b.txt"));
    saveAs(QString());

    QStringList proposed;
    for (const gui::FileRequest& r : requests)
        if (r.title == QStringLiteral("По умолчанию файл сохраниться в формате TXT")) {
            EXPECT_EQ(r.folder, folder());
            proposed << r.proposedName;
        }
    EXPECT_EQ(proposed, (QStringList{"", "a.txt", "a.txt", "b.txt"}));
    EXPECT_EQ(readBytes(path("sub/b.txt")), QByteArray("table\n"));
}

struct RoundTrip {
    const char* name;
    QByteArray contents;  // empty: the shipped table
    const char* saveAs;
};

class EditorRoundTrip : public EditorTest, public ::testing::WithParamInterface<RoundTrip> {};

// Opened and saved under another name, a file comes back byte for byte.
TEST_P(EditorRoundTrip, SavesTheBytesItOpened)
{
    const QByteArray contents = GetParam().contents.isEmpty() ? shippedTable() : GetParam().contents;
    writeBytes(path("source.txt"), contents);
    openThrough(path("source.txt"));
    text::catalogue().fill(text::UiLanguage::English);
    saveAs(path(GetParam().saveAs));
    EXPECT_EQ(readBytes(path(GetParam().saveAs)), contents);
    EXPECT_EQ(m_editor.statusText(), QStringLiteral(" Reload the program after saving"));
    EXPECT_TRUE(m_boxes.texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, EditorRoundTrip,
                         ::testing::Values(RoundTrip{"ShippedTable", QByteArray(), "tablegost3900.txt"},
                                           RoundTrip{"Latin1WithCrLf", QByteArray("d\xe9j\xe0\r\nvu\r\n"), "x.txt"},
                                           RoundTrip{"Utf8NoFinalBreak", QByteArray("плотность\nρ"), "y.txt"}),
                         [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST_F(EditorTest, NameWithoutExtensionIsSavedAsText)
{
    m_editor.textArea()->setPlainText(QStringLiteral("x"));
    saveAs(path("plain"));
    EXPECT_EQ(readBytes(path("plain.txt")), QByteArray("x"));
    EXPECT_FALSE(QFileInfo::exists(path("plain")));
    EXPECT_EQ(m_editor.editorFileName(), path("plain.txt"));
}

// A save that cannot be written leaves the old file whole and names the file
// and the reason. (Root writes read-only files, so that case needs a user.)
TEST_F(EditorTest, FailedSaveKeepsTheOldFile)
{
    writeBytes(path("locked.txt"), "old\n");
    writeBytes(path("taken.txt/inside"), "old\n");
    QFile::setPermissions(path("locked.txt"), QFile::ReadOwner);
    const bool root = ::geteuid() == 0;
    m_editor.textArea()->setPlainText(QStringLiteral("new\n"));
    const QStringList targets{path("locked.txt"), path("taken.txt"), path("no/such/folder/t.txt")};
    for (const QString& target : targets)
        if (!root || target != path("locked.txt"))
            saveAs(target);
    QFile::setPermissions(path("locked.txt"), QFile::ReadOwner | QFile::WriteOwner);

    EXPECT_EQ(readBytes(path("locked.txt")), QByteArray("old\n"));
    EXPECT_EQ(readBytes(path("taken.txt/inside")), QByteArray("old\n"));
    const QStringList boxes = m_boxes.texts();
    ASSERT_EQ(boxes.size(), root ? 2 : 3);
    for (int i = 0; i < boxes.size(); ++i) {
        const QString& target = targets[i + (root ? 1 : 0)];
        EXPECT_TRUE(boxes[i].startsWith(QStringLiteral("Не удалось сохранить файл ") + target + QStringLiteral(":\n")));
        EXPECT_GT(boxes[i].size(),
                  (QStringLiteral("Не удалось сохранить файл ") + target + QStringLiteral(":\n")).size());
    }
    EXPECT_TRUE(m_editor.statusText().isEmpty());
}

// Saved as the table file, lines the calculator would not read (or an empty
// table) are reported and the user decides.
TEST_F(EditorTest, TableIsCheckedBeforeItIsSaved)
{
    const std::string good = testdata::tableRow(20.0, {{800, 800.0}, {810, 810.0}});
    std::string bad = good;
    bad.replace(bad.find("*0810"), 5, "*081O");
    const std::string table = testdata::joinLines({good, bad, good, bad}, "\n");
    writeBytes(path("tablegost3900.txt"), "old\n");
    m_editor.textArea()->setPlainText(QString::fromStdString(table));

    m_boxes.answer(QMessageBox::No);
    saveAs(path("tablegost3900.txt"));
    EXPECT_EQ(readBytes(path("tablegost3900.txt")), QByteArray("old\n"));
    ASSERT_EQ(m_boxes.texts().size(), 1);
    EXPECT_TRUE(m_boxes.texts()[0].contains(QStringLiteral("строки с номерами 2, 4.")));

    m_boxes.answer(QMessageBox::Yes);
    saveAs(path("tablegost3900.txt"));
    EXPECT_EQ(readBytes(path("tablegost3900.txt")), QByteArray::fromStdString(table));

    m_editor.textArea()->clear();
    m_boxes.answer(QMessageBox::No);
    saveAs(path("tablegost3900.txt"));
    EXPECT_EQ(readBytes(path("tablegost3900.txt")), QByteArray::fromStdString(table));
    EXPECT_EQ(m_boxes.texts().size(), 3);
}

// What the next start would refuse is warned about before it is saved as
// the table: the shipped table pasted 19 times (over 4 MB), or too many lines.
TEST_F(EditorTest, TableTheNextStartWouldRefuseIsWarnedAbout)
{
    const QString table = QString::fromLatin1(shippedTable());
    ASSERT_FALSE(table.isEmpty());
    const QString tooLarge[] = {table.repeated(20), QString(static_cast<int>(density::kMaxTableLines) + 1, '\n')};
    writeBytes(path("tablegost3900.txt"), "old\n");
    for (const QString& contents : tooLarge) {
        m_editor.textArea()->setPlainText(contents);
        m_boxes.clear();
        m_boxes.answer(QMessageBox::No);
        saveAs(path("tablegost3900.txt"));
        EXPECT_EQ(readBytes(path("tablegost3900.txt")), QByteArray("old\n"));
        ASSERT_EQ(m_boxes.texts().size(), 1);
        EXPECT_TRUE(
            m_boxes.texts()[0].contains(QString::number(density::kMaxTableFileSize >> 20) + QStringLiteral(" МБ")));
        EXPECT_TRUE(m_boxes.texts()[0].contains(QString::number(density::kMaxTableLines)));
        EXPECT_EQ(m_boxes.requests[0].defaultButton, QMessageBox::No);
    }
    // under another name it is only a text
    m_boxes.clear();
    saveAs(path("big.txt"));
    EXPECT_TRUE(m_boxes.texts().isEmpty());
}

struct RefusedFile {
    const char* name;
    // puts it at the path; returns why it could not be made, or nothing
    std::function<std::string(const std::string& path)> make;
    std::function<bool(const std::string& path)> kept;  // still there as it was
};

std::string linkTo(const std::string& target, const std::string& path)
{
    return ::symlink(target.c_str(), path.c_str()) == 0 ? std::string() : std::strerror(errno);
}

std::string fifoAt(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0600) == 0 ? std::string() : std::strerror(errno);
}

const RefusedFile kLinkToDevice{"LinkToADevice",
                                [](const std::string& p) {
                                    const std::string why = special::makeNullDevice(p + ".null");
                                    return why.empty() ? linkTo(p + ".null", p) : why;
                                },
                                [](const std::string& p) { return special::isCharacterDevice(p + ".null"); }};
const RefusedFile kFifo{"Fifo", fifoAt, special::isFifo};

class EditorRefuses : public EditorTest, public ::testing::WithParamInterface<RefusedFile> {};

// Opened, a file that is not a regular file is neither read nor waited for;
// saved to, it is not replaced. Either is told, naming the file (and where
// its link leads), and the text stays.
TEST_P(EditorRefuses, WhatIsNotARegularFile)
{
    const std::string target = QFile::encodeName(path("table.txt")).toStdString();
    if (const std::string why = GetParam().make(target); !why.empty())
        GTEST_SKIP() << why;
    m_editor.textArea()->setPlainText(QStringLiteral("kept\n"));
    ::alarm(30);
    openThrough(path("table.txt"));
    saveAs(path("table.txt"));
    ::alarm(0);
    EXPECT_EQ(text(), QStringLiteral("kept\n"));
    EXPECT_TRUE(GetParam().kept(target));
    QString linked;
    if (special::isSymlink(target))
        linked = QStringLiteral(": ") + path("table.txt.null");
    EXPECT_EQ(m_boxes.texts(), (QStringList{QStringLiteral("Не удалось прочитать файл ") + path("table.txt") +
                                                QStringLiteral(":\nэто не обычный файл"),
                                            QStringLiteral("Не удалось сохранить файл ") + path("table.txt") +
                                                QStringLiteral(":\nэто не обычный файл") + linked}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditorRefuses, ::testing::Values(kLinkToDevice, kFifo),
                         [](const auto& info) { return std::string(info.param.name); });

// Files beyond the table's limit are not opened, endless ones included; the
// disk filling up during a save gives the system's reason.
TEST_F(EditorTest, OpensWithinTheTableLimitAndTellsWhyASaveFailed)
{
    writeBytes(path("huge.txt"), QByteArray(static_cast<qsizetype>(density::kMaxTableFileSize) + 1, 'x'));
    ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(path("zero.txt")).constData()), 0);
    m_editor.textArea()->setPlainText(QStringLiteral("kept\n"));
    openThrough(path("huge.txt"));
    openThrough(path("zero.txt"));
    EXPECT_EQ(m_boxes.texts(), (QStringList{QStringLiteral("Не удалось прочитать файл ") + path("huge.txt") +
                                                QStringLiteral(":\nфайл больше 4 МБ"),
                                            QStringLiteral("Не удалось прочитать файл ") + path("zero.txt") +
                                                QStringLiteral(":\nэто не обычный файл")}));
    EXPECT_EQ(text(), QStringLiteral("kept\n"));

    QDir().mkpath(path("disk"));
    const special::SmallDisk disk(QFile::encodeName(path("disk")).toStdString(), 64 * 1024);
    if (!disk.whyNot().empty())
        GTEST_SKIP() << disk.whyNot();
    m_editor.textArea()->setPlainText(QString(128 * 1024, QLatin1Char('x')));
    m_boxes.clear();
    saveAs(path("disk/notes.txt"));
    EXPECT_EQ(m_boxes.texts(),
              QStringList{QStringLiteral("Не удалось сохранить файл ") + path("disk/notes.txt") +
                          QStringLiteral(":\n") + QString::fromLocal8Bit(std::generic_category().message(ENOSPC))});
    EXPECT_FALSE(QFileInfo::exists(path("disk/notes.txt")));
    EXPECT_TRUE(QDir(path("disk")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

struct ClipboardCase {
    const char* name;
    void (gui::TForm2::*operation)();
    const char* textAfter;       // with the focus in the text area
    const char* clipboardAfter;  // likewise
};

class EditorClipboard : public EditorTest, public ::testing::WithParamInterface<ClipboardCase> {};

// Copy, cut and paste act only while the text area has the keyboard focus.
TEST_P(EditorClipboard, ActsOnlyWithTheFocusInTheTextArea)
{
    m_editor.show();
    m_editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_editor));
    QPlainTextEdit* area = m_editor.textArea();
    for (const bool focused : {false, true}) {
        area->setPlainText(QStringLiteral("abc"));
        area->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("xyz"));
        if (focused)
            area->setFocus();
        else
            area->clearFocus();
        (m_editor.*GetParam().operation)();
        EXPECT_EQ(area->toPlainText(), focused ? QString::fromLatin1(GetParam().textAfter) : QStringLiteral("abc"));
        EXPECT_EQ(QApplication::clipboard()->text(),
                  focused ? QString::fromLatin1(GetParam().clipboardAfter) : QStringLiteral("xyz"));
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, EditorClipboard,
                         ::testing::Values(ClipboardCase{"Copy", &gui::TForm2::copy, "abc", "abc"},
                                           ClipboardCase{"Cut", &gui::TForm2::cut, "", "abc"},
                                           ClipboardCase{"Paste", &gui::TForm2::paste, "xyz", "xyz"}),
                         [](const ::testing::TestParamInfo<ClipboardCase>& info) {
                             return std::string(info.param.name);
                         });

// The colour and font dialogs open on their own last choice, not on the text
// area's; a cancel changes nothing.
TEST_F(EditorTest, ColourAndFontDialogs)
{
    QPlainTextEdit* area = m_editor.textArea();
    const QPalette before = area->palette();
    const QFont fontBefore = area->font();
    for (int round = 0; round < 3; ++round) {
        trigger("N18");
        trigger("N19");
        if (round == 0) {
            EXPECT_EQ(area->palette(), before);
            EXPECT_EQ(area->font(), fontBefore);
        }
        colorAnswer = QColor(Qt::yellow);
        fontAnswer = gui::TextFont{QFont(QStringLiteral("DejaVu Sans Mono"), 11), QColor(Qt::darkBlue)};
    }
    EXPECT_EQ(area->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(area->palette().color(QPalette::Text), QColor(Qt::darkBlue));
    EXPECT_EQ(area->font().pointSize(), 11);
    EXPECT_EQ(colorStarts, (std::vector<QColor>{Qt::black, Qt::black, Qt::yellow}));
    EXPECT_EQ(fontStarts[0].font, QFont(QStringLiteral("MS Sans Serif"), 8));
    EXPECT_EQ(fontStarts[2].color, QColor(Qt::darkBlue));
}

// A file that is not UTF-8 is read in the Windows Cyrillic code page and
// saved back in it; a character typed that the code page lacks makes it
// UTF-8 rather than being lost. The text is in a fixed-width font.
TEST_F(EditorTest, Cp1251ComesBackAsItCameInAFixedWidthFont)
{
    // the columns line up: every character as wide as any other
    const QFontMetrics metrics(m_editor.textArea()->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("1111,1")), metrics.horizontalAdvance(QStringLiteral("8888*8")));
    const QByteArray cp1251 = "\xCF\xEB\xEE\xF2\xED\xEE\xF1\xF2\xFC;20\r\n";  // Плотность;20
    writeBytes(path("old.txt"), cp1251);
    openThrough(path("old.txt"));
    EXPECT_EQ(text(), QStringLiteral("Плотность;20\n"));
    saveAs(path("same.txt"));
    EXPECT_EQ(readBytes(path("same.txt")), cp1251);
    m_editor.textArea()->moveCursor(QTextCursor::End);
    m_editor.textArea()->insertPlainText(QStringLiteral("✓"));
    saveAs(path("wider.txt"));
    EXPECT_EQ(readBytes(path("wider.txt")), QStringLiteral("Плотность;20\r\n✓").toUtf8());
    EXPECT_TRUE(m_boxes.requests.empty());
}

// An installed copy: the program folder holds the shipped table, the user's
// folder the user's own. The editor opens the table the calculators read,
// names it in the title, saves into the user's folder and never into the
// program folder, and goes back to the shipped table after asking.
TEST_F(EditorTest, InstalledCopyKeepsTheUsersTableApart)
{
    places::Places installed = places::portable((folder() + QStringLiteral("program")).toStdString());
    installed.kind = places::CopyKind::Installed;
    installed.dataFolder = (folder() + QStringLiteral("data/vantorel")).toStdString();
    m_editor.setPlaces(installed);
    const QString shipped = path("program/tablegost3900.txt");
    const QString own = path("data/vantorel/tablegost3900.txt");
    writeBytes(shipped, "shipped\n");
    QAction* restore = m_editor.findChild<QAction*>(QStringLiteral("RestoreTable1"));
    const auto open = [&] {
        m_editor.show();
        m_editor.hide();
    };
    const auto title = [&](const QString& shown) { return QStringLiteral("Base — ") + shown; };
    m_editor.setWindowTitle(QStringLiteral("Base"));

    open();
    EXPECT_EQ(text(), QStringLiteral("shipped\n"));
    EXPECT_EQ(m_editor.windowTitle(), title(shipped));
    EXPECT_TRUE(restore->isVisible());
    EXPECT_FALSE(restore->isEnabled());

    // saved into the user's folder, made for the dialog; the program folder refuses
    m_editor.textArea()->setPlainText(QStringLiteral("own\n"));
    saveAs(shipped);
    EXPECT_EQ(requests.back().folder, path("data/vantorel/"));
    EXPECT_EQ(readBytes(shipped), QByteArray("shipped\n"));
    ASSERT_EQ(m_boxes.texts().size(), 1);
    EXPECT_EQ(m_boxes.texts()[0], QStringLiteral("Не удалось сохранить файл ") + shipped +
                                      QStringLiteral(":\nпапка установленной программы не изменяется; ваша таблица "
                                                     "сохраняется в папке ") +
                                      path("data/vantorel/"));
    m_boxes.clear();
    m_boxes.answer(QMessageBox::Yes);  // the table check: save anyway
    saveAs(own);
    EXPECT_EQ(readBytes(own), QByteArray("own\n"));
    EXPECT_EQ(m_editor.windowTitle(), title(own));
    EXPECT_TRUE(restore->isEnabled());

    // the next opening shows the user's table; the language keeps the path
    open();
    EXPECT_EQ(text(), QStringLiteral("own\n"));
    m_editor.setWindowTitle(QStringLiteral("Other"));
    EXPECT_EQ(m_editor.windowTitle(), QStringLiteral("Other — ") + own);
    m_editor.setWindowTitle(QStringLiteral("Base"));

    // going back: No keeps the user's table, Yes removes it
    m_boxes.clear();
    m_boxes.answer(QMessageBox::No);
    restore->trigger();
    EXPECT_TRUE(QFileInfo::exists(own));
    m_boxes.answer(QMessageBox::Yes);
    restore->trigger();
    ASSERT_EQ(m_boxes.requests.size(), 2u);
    EXPECT_EQ(m_boxes.requests[0].text, QStringLiteral("Удалить вашу таблицу ") + own +
                                            QStringLiteral(" и вернуться к поставляемой с программой?"));
    EXPECT_EQ(m_boxes.requests[0].defaultButton, QMessageBox::No);
    EXPECT_FALSE(QFileInfo::exists(own));
    EXPECT_EQ(text(), QStringLiteral("shipped\n"));
    EXPECT_EQ(m_editor.windowTitle(), title(shipped));
    EXPECT_EQ(m_editor.statusText(), QStringLiteral(" Возвращена поставляемая таблица. Перезагрузите программу"));
    EXPECT_FALSE(restore->isEnabled());
}

// A portable copy has no table of the user's apart from its own: no restore item.
TEST_F(EditorTest, PortableCopyHasNoRestoreItem)
{
    EXPECT_FALSE(m_editor.findChild<QAction*>(QStringLiteral("RestoreTable1"))->isVisible());
}

TEST_F(EditorTest, HelpNamesTheEditorPage)
{
    gui::HelpWindow help;
    m_editor.setHelpWindow(&help);
    writeBytes(path("Help/eng/edit_table.html"), "<p>");
    QDir().mkpath(path("Help"));
    text::catalogue().fill(text::UiLanguage::English);
    click("ToolButton5");
    text::catalogue().fill(text::UiLanguage::Russian);
    const QUrl shown = help.currentPage();
    help.hide();
    trigger("N5");
    m_editor.setHelpWindow(nullptr);

    EXPECT_EQ(shown.toLocalFile(), path("Help/eng/edit_table.html"));
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(m_boxes.texts(),
              QStringList{QStringLiteral("Файл edit_table не найден. Проверьте его наличие в папке программы.")});
}
