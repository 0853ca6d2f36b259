#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "support/main_window_fixture.h"
#include "support/special_files.h"
#include "ui/help/help_window.h"
#include "ui/journal/journal_form.h"

namespace {

using settings::IniDocument;

// ---- the file format ----

struct ReadCase {
    const char* name;
    std::string bytes;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, ValueAsStored)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument::parse(c.bytes).value(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, IniRead,
    ::testing::Values(ReadCase{"Verbatim", "[Gost]\ned1=  8,5.3x = ;# \n", "Gost", "ed1", "  8,5.3x = ;# "},
                      ReadCase{"EmptyValueIsEmptyText", "[Gost]\ned1=\n", "Gost", "ed1", ""},
                      ReadCase{"MissingKey", "[Gost]\ned2=1\n", "Gost", "ed1", std::nullopt},
                      ReadCase{"OtherSection", "[Form2]\nTop=7\n[Gost]\nTop=3\n", "Gost", "Top", "3"},
                      ReadCase{"NamesWithoutCaseAndBlanks", "[ gost ]\r\n  TOP =9\r\n", "Gost", "Top", "9"},
                      ReadCase{"FirstOfDuplicates", "[Gost]\ned1=1\ned1=2\n", "Gost", "ed1", "1"},
                      ReadCase{"CrLf", "[Gost]\r\ned1=900\r\n", "Gost", "ed1", "900"},
                      ReadCase{"ByteOrderMark", "\xEF\xBB\xBF[Gost]\ned1=900\n", "Gost", "ed1", "900"},
                      ReadCase{"Utf8Cyrillic", "[Gost]\ned1=Ёж 5\n", "Gost", "ed1", "Ёж 5"},
                      ReadCase{"Cp1251Cyrillic", "[Gost]\ned1=\xA8\xE6 \xB0\xD1\n", "Gost", "ed1", "Ёж °С"},
                      ReadCase{"LastLineWithoutEnd", "[Gost]\ned1=5", "Gost", "ed1", "5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Settings, IntegersDecimalOrHexOtherwiseNothing)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"12", 12},
        {" -5 ", -5},
        {"0x1F", 31},
        {"0X10", 16},
        {"+7", 7},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1,5", std::nullopt},
        {"0x", std::nullopt},
        {"1e3", std::nullopt},
        {"99999999999", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(settings::parseInteger(text), expected) << text;
}

TEST(Settings, SetReplacesInPlaceAddsAtSectionEndAndKeepsOtherLines)
{
    IniDocument doc = IniDocument::parse("\xEF\xBB\xBF; mine\r\n[Gost]\r\nTop=1\r\nmy=own\r\n\r\n[Other]\r\nx=1\r\n");
    doc.set("Gost", "Top", "2");
    doc.set("Gost", "ed1", " a=b ");
    doc.set("Form2", "Top", "10");
    EXPECT_EQ(doc.text(),
              "\xEF\xBB\xBF; mine\r\n[Gost]\r\nTop=2\r\nmy=own\r\ned1= a=b \r\n\r\n[Other]\r\nx=1\r\n[Form2]\r\n"
              "Top=10\r\n");
}

// ---- through the windows ----

class SettingsFile : public MainWindowTest {
protected:
    QString iniPath() const { return folder() + QStringLiteral("settings.ini"); }
    void writeIni(const QByteArray& bytes)
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readIni() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A new run of the program in the same folder.
    void restart()
    {
        m_form = std::make_unique<gui::TForm1>();
        m_form->attachWindows(&m_editor, &m_about);
        m_form->setPlaces(places::portable(folder().toStdString()));
        showForm();
    }
    bool checked(const char* name)
    {
        return form().component<QObject>(QString::fromLatin1(name))->property("checked").toBool();
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
};

TEST_F(SettingsFile, FirstCloseWritesEveryDefaultInOrder)
{
    showForm();
    form().close();
    const QByteArray file = readIni();
    EXPECT_EQ(file.count('='), 138);
    EXPECT_TRUE(file.startsWith("[Gost]\nTop=5\nLeft=5\ned1=900\ned2=20\ned4=900\n"));
    for (const char* run :
         {"ed41=10\ned42=20\nlanguage_tag=1\nChek_1=1\nChek_2=0\n", "Chek_12=1\nrd1=0\nrd2=1\nrd3=0\n",
          "rd18=0\nN14=1\nN15=0\nN12=1\nN9=1\n", "N37=1\nN38=0\nN40=1\nN41=1\nN42=0\nN43=0\nN45=1\nN46=1\n",
          "N68=1\nN69=1\nN70=0\nN71=0\nN73=1\nN74=1\n"})
        EXPECT_TRUE(file.contains(run)) << run;
    EXPECT_TRUE(
        file.endsWith("N101=1\nN102=0\nN103=1\n[Form2]\nTop=10\nLeft=10\nHeight=300\nWidth=500\n"
                      "[Help]\nTop=40\nLeft=60\nHeight=600\nWidth=800\n"
                      "[Journal]\nTop=120\nLeft=120\nHeight=480\nWidth=760\nEnabled=1\n"));
}

TEST_F(SettingsFile, HandEditedFileIsReadKeyByKey)
{
    writeIni(
        "\xEF\xBB\xBF[Gost]\r\n"
        "Top=-9000\r\nLeft=0x14\r\n"
        "ed1=\r\ned2= 8,5.3x\r\ned4=\xCF\xEB\xEE\xF2\xED\xEE\xF1\xF2\xFC\r\n"  // cp1251
        "ed5=Ёж=;#\r\n"
        "language_tag=7\r\n"
        "rd1=0\r\nrd2=0\r\nrd3=0\r\n"      // none of the group
        "rd4=1\r\nrd5=1\r\nrd6=0\r\n"      // the last one marked wins
        "rd7=abc\r\nrd8=0\r\nrd9=0x1\r\n"  // garbage is the default, hex 1 is true
        "Chek_1=0\r\nChek_11=2\r\n"
        "N14=1\r\nN15=1\r\nN12=0\r\nN12=1\r\n"  // both units: the last; duplicates: the first
        "N41=0\r\nN42=0\r\nN43=0\r\n"
        "[Form2]\r\nTop=0x20\r\nLeft=30\r\nHeight=abc\r\nWidth=640\r\n");
    showForm();
    EXPECT_EQ(text("Edit1"), QString());
    EXPECT_EQ(text("Edit2"), QStringLiteral(" 8,5.3x"));
    EXPECT_EQ(text("Edit4"), QStringLiteral("Плотность"));
    EXPECT_EQ(text("Edit5"), QStringLiteral("Ёж=;#"));
    EXPECT_EQ(text("Edit7"), QStringLiteral("10"));
    EXPECT_FALSE(checked("RadioButton1") || checked("RadioButton2") || checked("RadioButton3"));
    EXPECT_TRUE(!checked("RadioButton4") && checked("RadioButton5") && !checked("RadioButton6"));
    EXPECT_TRUE(!checked("RadioButton7") && !checked("RadioButton8") && checked("RadioButton9"));
    EXPECT_FALSE(checked("CheckBox1"));
    EXPECT_TRUE(checked("CheckBox11"));
    EXPECT_TRUE(!checked("N14") && checked("N15") && !checked("N12"));
    EXPECT_EQ(get<QWidget>("Panel3")->property("text").toString(), QStringLiteral("°F"));
    EXPECT_FALSE(checked("N41") || checked("N42") || checked("N43"));
    // a place off every screen gives the default one
    EXPECT_EQ(form().pos(), QPoint(5, 5));
    EXPECT_EQ(m_editor.pos(), QPoint(30, 32));
    EXPECT_EQ(m_editor.size(), QSize(640, 300));
    // a tag other than 1 or 2 starts in Russian and is written back as 1
    EXPECT_TRUE(checked("N106"));
    form().close();
    const QByteArray file = readIni();
    EXPECT_TRUE(file.contains("language_tag=1\r\n"));
    EXPECT_TRUE(file.contains("ed4=Плотность\r\n"));
}

TEST_F(SettingsFile, EveryKeySurvivesACloseAndANewStart)
{
    showForm();
    int n = 0;
    for (const settings::Key& key : settings::keyTable()) {
        if (key.kind == settings::KeyKind::Text)
            get<QLineEdit>(key.target.c_str())->setText(QStringLiteral(" Ёж=;#8,5.3x %1 ").arg(++n));
        else if (key.kind == settings::KeyKind::Check)
            get<QAbstractButton>(key.target.c_str())->click();
    }
    // groups: the first, the third, none
    for (int group = 0; group < 6; ++group) {
        const int first = group * 3 + 1;
        if (group % 3 == 2) {
            get<QAbstractButton>(qPrintable(QStringLiteral("RadioButton%1").arg(first + 1)))->setAutoExclusive(false);
            get<QAbstractButton>(qPrintable(QStringLiteral("RadioButton%1").arg(first + 1)))->setChecked(false);
        } else {
            get<QAbstractButton>(qPrintable(QStringLiteral("RadioButton%1").arg(first + group % 3 * 2)))->click();
        }
    }
    // every indicator on its last unit, recalculation off
    for (const settings::Key& key : settings::keyTable())
        if (key.kind == settings::KeyKind::Mark)
            get<QAction>(key.target.c_str())->setChecked(key.defaultValue == "0");
    get<QAction>("N107")->trigger();
    form().move(40, 30);
    m_editor.move(20, 25);
    m_editor.resize(520, 320);
    form().helpWindow()->move(70, 50);
    form().helpWindow()->resize(640, 480);
    form().journalForm()->move(60, 70);
    form().journalForm()->resize(700, 400);
    form().close();
    const QByteArray first = readIni();

    const IniDocument doc = IniDocument::parse(first.toStdString());
    for (const settings::Key& key : settings::keyTable()) {
        if (key.kind != settings::KeyKind::Radio && key.kind != settings::KeyKind::Mark) {
            EXPECT_NE(doc.value(key.section, key.key), key.defaultValue) << key.key;
        }
    }

    restart();
    EXPECT_TRUE(checked("N107"));
    EXPECT_EQ(text("Edit42"), QStringLiteral(" Ёж=;#8,5.3x 31 "));
    form().close();
    EXPECT_EQ(readIni(), first);
}

// Places no screen shows, however far off, give the default places, with no
// overflow in working that out.
class FarPlace : public SettingsFile, public ::testing::WithParamInterface<const char*> {};

TEST_P(FarPlace, GivesTheDefaultPlace)
{
    const QByteArray place = GetParam();
    writeIni("[Gost]\n" + place + "[Form2]\n" + place + "Height=2147483647\nWidth=-2147483648\n");
    showForm();
    EXPECT_EQ(form().pos(), QPoint(5, 5));
    EXPECT_EQ(m_editor.pos(), QPoint(10, 10));
    EXPECT_EQ(m_editor.width(), 100);
}

INSTANTIATE_TEST_SUITE_P(Extremes, FarPlace,
                         ::testing::Values("Top=2147483647\nLeft=2147483647\n", "Top=-2147483648\nLeft=-2147483648\n",
                                           "Top=2147483647\nLeft=-2147483648\n", "Top=0x7fffffff\nLeft=5\n",
                                           "Top=5\nLeft=-2147483648\n"));

TEST_F(SettingsFile, FailedWriteLeavesTheOldFileAndSaysWhy)
{
    writeIni("[Gost]\nlanguage_tag=1\n");
    showForm();
    // a disk that fills up after the first bytes of the new file
    signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    form().close();
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(readIni(), QByteArray("[Gost]\nlanguage_tag=1\n"));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{QStringLiteral("settings.ini")});
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_TRUE(m_boxes.requests[0].text.startsWith(QStringLiteral("Не удалось сохранить настройки в файл ") +
                                                    QDir::toNativeSeparators(iniPath()) + QStringLiteral(":\n")));
    EXPECT_GT(m_boxes.requests[0].text.size(), m_boxes.requests[0].text.indexOf(QLatin1Char('\n')) + 1);
}

// An installed copy keeps its settings in the user's folder and leaves its
// program folder as the install made it.
TEST_F(SettingsFile, InstalledCopyKeepsTheFileInTheUsersFolder)
{
    QTemporaryDir config;
    places::Places installed = places::portable(folder().toStdString());
    installed.kind = places::CopyKind::Installed;
    installed.configFolder = config.path().toStdString() + "/vantorel";
    form().setPlaces(installed);
    showForm();
    get<QLineEdit>("Edit1")->setText(QStringLiteral("851"));
    form().close();

    QFile file(config.path() + QStringLiteral("/vantorel/settings.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\ned1=851\n"));
    EXPECT_FALSE(QFileInfo::exists(iniPath()));
    EXPECT_TRUE(m_boxes.requests.empty());
}

// What lies at a path, followed through links: its kind, and its bytes when
// it is a regular file.
QByteArray stateOf(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    QByteArray state = QByteArray::number(::lstat(name.constData(), &st) == 0 ? st.st_mode : 0) + ' ';
    if (::stat(name.constData(), &st) != 0)
        return state;
    state += QByteArray::number(st.st_mode) + ' ' + QByteArray::number(st.st_rdev) + ' ';
    QFile file(path);
    if (S_ISREG(st.st_mode) && file.open(QIODevice::ReadOnly))
        state += file.readAll();
    return state;
}

struct RefusedCase {
    const char* name;
    std::function<std::string(const std::string& path)> make;  // why it could not be made, or nothing
    std::function<QString()> reason;                           // as the box gives it
};

class RefusedSettings : public SettingsFile, public ::testing::WithParamInterface<RefusedCase> {};

// A settings file that is not a regular file within 1 MB is not read, not
// waited for, and not written at close: the user is told once, at the start,
// and the program runs with the defaults.
TEST_P(RefusedSettings, IsToldOnceAndLeftAsItIs)
{
    if (const std::string why = GetParam().make(QFile::encodeName(iniPath()).toStdString()); !why.empty())
        GTEST_SKIP() << why;
    const QByteArray before = stateOf(iniPath());
    ::alarm(30);  // a FIFO waited for ends the test here
    form().show();
    ::alarm(0);
    const auto settingsBoxes = [this] {
        QStringList out;
        for (const QString& text : m_boxes.texts())
            if (text.contains(QStringLiteral("settings.ini")))
                out << text;
        return out;
    };
    EXPECT_EQ(settingsBoxes(),
              QStringList{QStringLiteral("Настройки не прочитаны из файла ") + QDir::toNativeSeparators(iniPath()) +
                          QStringLiteral(":\n") + GetParam().reason() +
                          QStringLiteral("\nПрограмма работает с настройками по умолчанию и не "
                                         "изменит этот файл.")});
    EXPECT_EQ(text("Edit1"), QStringLiteral("900"));
    get<QLineEdit>("Edit1")->setText(QStringLiteral("851"));
    form().close();
    EXPECT_EQ(settingsBoxes().size(), 1);
    EXPECT_EQ(stateOf(iniPath()), before);
}

std::string linkTo(const std::string& target, const std::string& path)
{
    return ::symlink(target.c_str(), path.c_str()) == 0 ? std::string() : std::strerror(errno);
}

QString notRegular()
{
    return QStringLiteral("это не обычный файл");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RefusedSettings,
    ::testing::Values(
        // closing used to replace the device with a regular file
        RefusedCase{"LinkToADevice",
                    [](const std::string& p) {
                        const std::string why = special::makeNullDevice(p + ".null");
                        return why.empty() ? linkTo(p + ".null", p) : why;
                    },
                    notRegular},
        // used to read without end
        RefusedCase{"LinkToEndlessZero", [](const std::string& p) { return linkTo("/dev/zero", p); }, notRegular},
        // used to wait for a writer before any window showed
        RefusedCase{
            "Fifo",
            [](const std::string& p) { return ::mkfifo(p.c_str(), 0600) == 0 ? std::string() : std::strerror(errno); },
            notRegular},
        RefusedCase{"OverOneMegabyte",
                    [](const std::string& p) {
                        QFile f(QFile::decodeName(QByteArray::fromStdString(p)));
                        if (!f.open(QIODevice::WriteOnly))
                            return f.errorString().toStdString();
                        f.write("[Gost]\ned1=5\n" + QByteArray(settings::kMaxSettingsFileSize, ';'));
                        return std::string();
                    },
                    [] { return QStringLiteral("файл больше 1 МБ"); }},
        RefusedCase{"Folder",
                    [](const std::string& p) { return ::mkdir(p.c_str(), 0700) == 0 ? std::string() : "mkdir"; },
                    [] { return QString::fromLocal8Bit(std::generic_category().message(EISDIR)); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
