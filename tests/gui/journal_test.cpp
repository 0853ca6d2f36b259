// The journal of calculations as the window keeps it, the journal window, the
// results on the clipboard and the record as PDF.
#include <unistd.h>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QFile>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

#include "journal/entry_csv.h"
#include "journal/journal_file.h"
#include "places/program_places.h"
#include "support/main_window_fixture.h"
#include "support/shipped_table.h"
#include "ui/journal/journal_form.h"
#include "ui/journal/record_document.h"
#include "ui/main/results_actions.h"

namespace {

class Journal : public MainWindowTest {
protected:
    QString journalPath() const { return folder() + QStringLiteral("journal.sqlite"); }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
    void trigger(const char* name) { get<QAction>(name)->trigger(); }

    // The rows of a query on the journal file, each a list of its columns.
    std::vector<QStringList> select(const QString& sql)
    {
        std::vector<QStringList> rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
            db.setDatabaseName(journalPath());
            EXPECT_TRUE(db.open());
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
            while (q.next()) {
                QStringList row;
                for (int i = 0; i < q.record().count(); ++i)
                    row << (q.isNull(i) ? QStringLiteral("NULL") : q.value(i).toString());
                rows.push_back(row);
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("reader"));
        return rows;
    }
    int entryCount() { return select(QStringLiteral("SELECT count(*) FROM entries")).at(0).at(0).toInt(); }

    // The desktop's dialogs answered: every save goes to `path`.
    void saveTo(const QString& path)
    {
        gui::JournalDialogs dialogs;
        dialogs.saveFile = [path](QWidget*, const gui::FileRequest&) { return path; };
        form().results()->setDialogs(dialogs);
        form().journalForm()->setDialogs(dialogs);
    }
};

// A click on a button and a chain of two: three entries with their fields.
TEST_F(Journal, EveryRunOfACourseIsOneEntry)
{
    showForm();
    get<QLineEdit>("Edit29")->setText(QStringLiteral("0,5"));
    click("Button7");
    click("CheckBox8");  // unlocks the density-to-density chain
    click("SpeedButton2");
    ASSERT_TRUE(m_boxes.texts().isEmpty()) << m_boxes.texts().join(QLatin1Char('|')).toStdString();

    const std::vector<QStringList> rows = select(QStringLiteral(
        "SELECT page, block, standard, product_group, glass_correction, pressure_on, inputs_json, results_json, "
        "messages, status, language, table_path, program_version, recorded_at FROM entries ORDER BY id"));
    ASSERT_EQ(rows.size(), 3u);
    const QString reading =
        QStringLiteral(R"({"key":"reading","name":"Плотность по ареометру","unit":"кг/м3","value":"990"},)"
                       R"({"key":"temperature","name":"Температура","unit":"°C","value":"15"})");
    const QString result15 =
        QStringLiteral(R"([{"key":"density15","name":"Плотность при 15 °C","unit":"кг/м3","value":"%1"}])")
            .arg(get<QLineEdit>("Edit17")->text());
    const QStringList reduction = {"density15",
                                   "reduce15",
                                   "GOST R 50.2.076-2010",
                                   "petroleum_products",
                                   "1",
                                   "NULL",
                                   QLatin1Char('[') + reading + QLatin1Char(']'),
                                   result15,
                                   "[]",
                                   "ok",
                                   "ru",
                                   "NULL",
                                   VANTOREL_VERSION};
    EXPECT_EQ(rows[0].mid(0, 13), reduction);
    EXPECT_EQ(rows[1].mid(0, 13), reduction);
    const QString actual = get<QLineEdit>("Edit20")->text();
    EXPECT_EQ(
        rows[2].mid(0, 13),
        (QStringList{
            "density15", "actual15", "GOST R 50.2.076-2010", "petroleum_products", "NULL", "0",
            QStringLiteral(R"([{"key":"density15","name":"Плотность при 15 °C","unit":"кг/м3","value":"%1"},)"
                           R"({"key":"temperature","name":"Температура","unit":"°C","value":"15"}])")
                .arg(get<QLineEdit>("Edit18")->text()),
            QStringLiteral(R"([{"key":"actual_density","name":"Плотность фактическая","unit":"кг/м3","value":"%1"}])")
                .arg(actual),
            "[]", "ok", "ru", "NULL", VANTOREL_VERSION}));
    EXPECT_FALSE(actual.isEmpty());
    // local time with its offset, to the millisecond
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d$)"))
                    .match(rows[0][13])
                    .hasMatch())
        << rows[0][13].toStdString();
}

TEST_F(Journal, TheSettingsKeyTurnsItOff)
{
    QFile ini(folder() + QStringLiteral("settings.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Journal]\nEnabled=0\n");
    ini.close();
    showForm();
    EXPECT_FALSE(get<QAction>("actionJournalEnabled")->isChecked());
    click("Button7");
    EXPECT_FALSE(QFile::exists(journalPath()));
}

enum class Trouble { Locked, ReadOnly, Corrupt };

class JournalTrouble : public Journal, public ::testing::WithParamInterface<Trouble> {};

// The calculation goes on and shows its result; one message names the file;
// a damaged file is kept aside; the next start writes again.
TEST_P(JournalTrouble, CalculationsGoOnWithOneMessage)
{
    const Trouble trouble = GetParam();
    if (trouble == Trouble::ReadOnly && geteuid() == 0)
        GTEST_SKIP() << "the superuser writes read-only files";
    const QByteArray damaged = QByteArray("this is no journal\n").repeated(200);
    if (trouble == Trouble::Corrupt) {
        QFile f(journalPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(damaged);
    } else {
        ASSERT_TRUE(journal::JournalFile(journalPath()).open().ok());
    }
    if (trouble == Trouble::ReadOnly)
        QFile::setPermissions(journalPath(), QFile::ReadOwner);
    QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
    if (trouble == Trouble::Locked) {
        locker.setDatabaseName(journalPath());
        ASSERT_TRUE(locker.open());
        ASSERT_TRUE(QSqlQuery(locker).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }

    showForm();
    for (int run = 0; run < 2; ++run) {
        get<QLineEdit>("Edit17")->clear();
        click("Button7");
        EXPECT_FALSE(get<QLineEdit>("Edit17")->text().isEmpty());
    }
    ASSERT_EQ(m_boxes.texts().size(), 1) << m_boxes.texts().join(QLatin1Char('|')).toStdString();
    const QString message = m_boxes.texts().at(0);
    if (trouble == Trouble::Corrupt) {
        const QStringList aside = QDir(folder()).entryList({QStringLiteral("journal.sqlite.*.corrupt")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(message.contains(aside[0]));
        QFile kept(folder() + aside[0]);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), damaged);
        EXPECT_EQ(entryCount(), 2);
    } else {
        EXPECT_TRUE(message.contains(journalPath())) << message.toStdString();
    }

    // the next start tries again
    if (trouble == Trouble::Locked)
        QSqlQuery(locker).exec(QStringLiteral("ROLLBACK"));
    locker.close();
    locker = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    // SQLite makes the -wal and -shm files with the permissions of the journal
    for (const char* suffix : {"", "-wal", "-shm"})
        QFile::setPermissions(journalPath() + QLatin1String(suffix), QFile::ReadOwner | QFile::WriteOwner);
    const int before = entryCount();
    m_form = std::make_unique<gui::TForm1>();
    m_form->attachWindows(&m_editor, &m_about);
    m_form->setPlaces(places::portable(folder().toStdString()));
    showForm();
    click("Button7");
    EXPECT_EQ(entryCount(), before + 1);
    EXPECT_TRUE(m_boxes.texts().isEmpty()) << m_boxes.texts().join(QLatin1Char('|')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(, JournalTrouble, ::testing::Values(Trouble::Locked, Trouble::ReadOnly, Trouble::Corrupt),
                         [](const auto& info) {
                             return std::string(info.param == Trouble::Locked     ? "Locked"
                                                : info.param == Trouble::ReadOnly ? "ReadOnly"
                                                                                  : "Corrupt");
                         });

// RFC 4180 cells back from the text.
std::vector<QStringList> parseCsv(QString text, QChar separator)
{
    std::vector<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                cell += c, ++i;
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                cell += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            row << cell, cell.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
            row << cell, cell.clear(), ++i;
            rows.push_back(row), row.clear();
        } else {
            cell += c;
        }
    }
    return rows;
}

TEST_F(Journal, TheWindowFiltersExportsAndDeletes)
{
    {
        journal::JournalFile file(journalPath());
        ASSERT_TRUE(file.open().ok());
        const QDateTime now = QDateTime::currentDateTime();
        const struct {
            int daysAgo;
            const char* page;
            const char* value;
        } made[] = {{40, "density20", "850,5"},
                    {10, "density15", "850,5"},
                    {0, "density20", "912,25"},
                    {0, "calculator15", "700"}};
        for (const auto& m : made) {
            journal::Entry e;
            e.recordedAt = now.addDays(-m.daysAgo);
            e.page = QString::fromLatin1(m.page);
            e.block = QStringLiteral("reduce20");
            e.standard = QStringLiteral("GOST 3900-85");
            e.inputs = {{"reading", "Плотность", QString::fromLatin1(m.value), "кг/м3"}};
            e.results = {{"density20", "Плотность при 20 °C", "851,3", "кг/м3"}};
            e.messages = {QStringLiteral("Внимание; \"кавычки\"\nи вторая строка")};
            e.status = QStringLiteral("ok");
            e.language = QStringLiteral("ru");
            ASSERT_TRUE(file.append(e).ok());
        }
    }
    showForm();
    gui::JournalForm* window = form().journalForm();
    window->show();
    auto ids = [window] {
        std::vector<qint64> out;
        for (const journal::Entry& e : window->shownEntries())
            out.push_back(e.id);
        return out;
    };
    auto* from = window->findChild<QDateEdit*>(QStringLiteral("journalFrom"));
    auto* page = window->findChild<QComboBox*>(QStringLiteral("journalPage"));
    auto* search = window->findChild<QLineEdit*>(QStringLiteral("journalSearch"));
    EXPECT_EQ(ids(), (std::vector<qint64>{4, 3, 2}));  // the last month, newest first
    from->setDate(QDate::currentDate().addDays(-60));
    EXPECT_EQ(ids(), (std::vector<qint64>{4, 3, 2, 1}));
    page->setCurrentIndex(page->findData(QStringLiteral("density20")));
    EXPECT_EQ(ids(), (std::vector<qint64>{3, 1}));
    page->setCurrentIndex(0);
    search->setText(QStringLiteral("850,5"));
    EXPECT_EQ(ids(), (std::vector<qint64>{2, 1}));
    search->clear();
    EXPECT_EQ(window->table()->model()->rowCount(), 4);

    const QString csvPath = folder() + QStringLiteral("out.csv");
    saveTo(csvPath);
    auto* style = window->findChild<QComboBox*>(QStringLiteral("journalCsvStyle"));
    for (const journal::CsvStyle s : {journal::CsvStyle::Comma, journal::CsvStyle::SemicolonDecimalComma}) {
        style->setCurrentIndex(style->findData(static_cast<int>(s)));
        window->findChild<QPushButton*>(QStringLiteral("journalExportCsv"))->click();
        QFile csv(csvPath);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        QByteArray bytes = csv.readAll();
        const bool bom = bytes.startsWith("\xEF\xBB\xBF");
        EXPECT_EQ(bom, s == journal::CsvStyle::SemicolonDecimalComma);
        const std::vector<QStringList> rows =
            parseCsv(QString::fromUtf8(bytes.mid(bom ? 3 : 0)), journal::cellSeparator(s));
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[0], gui::entryHeaders());
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(rows[i + 1], gui::entryCells(window->shownEntries()[i], journal::decimalSeparator(s)));
        EXPECT_TRUE(
            rows[1][5].contains(s == journal::CsvStyle::Comma ? QStringLiteral("= 700 ") : QStringLiteral("= 700 ")));
        EXPECT_TRUE(rows[2][5].contains(s == journal::CsvStyle::Comma ? QStringLiteral("= 912.25 ")
                                                                      : QStringLiteral("= 912,25 ")));
    }

    // deleting asks first
    window->table()->selectRow(1);
    m_boxes.answer(QMessageBox::No);
    window->findChild<QPushButton*>(QStringLiteral("journalDelete"))->click();
    EXPECT_EQ(entryCount(), 4);
    m_boxes.answer(QMessageBox::Yes);
    window->findChild<QPushButton*>(QStringLiteral("journalDelete"))->click();
    EXPECT_EQ(select(QStringLiteral("SELECT id FROM entries ORDER BY id DESC")),
              (std::vector<QStringList>{{"4"}, {"2"}, {"1"}}));
    EXPECT_EQ(m_boxes.requests.size(), 2u);
}

TEST_F(Journal, CopyResultsPutsCellsOnTheClipboardInTheInterfaceLanguage)
{
    showForm();
    click("Button7");
    const QString result = get<QLineEdit>("Edit17")->text();
    trigger("actionCopyResults");
    EXPECT_EQ(
        QGuiApplication::clipboard()->text(),
        QStringLiteral("Плотность по ареометру\t990\tкг/м3\nТемпература\t15\t°C\nПлотность при 15 °C\t%1\tкг/м3\n")
            .arg(result));
    trigger("N107");
    click("Button7");
    trigger("actionCopyResults");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Hydrometer reading\t990\tkg/m3\nTemperature\t15\t°C\nDensity at 15 °C\t%1\tkg/m3\n")
                  .arg(result));
    // the block's own menu holds the same items
    QMenu* menu = form().results()->blockMenu(form().results()->activeBlock());
    EXPECT_TRUE(menu->actions().contains(get<QAction>("actionCopyResults")));
}

// The text of the PDF line by line as laid out, without any blanks, so that
// a table row reads as one run of text and a wrapped path as one word.
QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
}

QString unblanked(QString s)
{
    return s.remove(QRegularExpression(QStringLiteral("\\s")));
}

TEST_F(Journal, ARecordAsPdfHoldsTheInputsResultsAndTable)
{
    ASSERT_TRUE(QFile::copy(testdata::shippedTablePath(), folder() + QStringLiteral("tablegost3900.txt")));
    showForm();
    const QString pdf = folder() + QStringLiteral("record.pdf");
    saveTo(pdf);
    trigger("actionExportRecordPdf");  // nothing calculated yet: said so, nothing written
    EXPECT_EQ(m_boxes.texts().size(), 1);
    EXPECT_FALSE(QFile::exists(pdf));

    get<QLineEdit>("Edit1")->setText(QStringLiteral("850,5"));
    click("Button3");
    trigger("actionExportRecordPdf");
    QString text = pdfText(pdf);
    QFile table(folder() + QStringLiteral("tablegost3900.txt"));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QString checksum =
        QString::fromLatin1(QCryptographicHash::hash(table.readAll(), QCryptographicHash::Sha256).toHex());
    for (const QString& expected :
         {QStringLiteral("Протокол расчёта"), QStringLiteral("ГОСТ 3900-85"),
          QStringLiteral("Плотность по ареометру 850,5 кг/м3"), QStringLiteral("Температура 20 °C"),
          QStringLiteral("Плотность при 20 °C %1 кг/м3").arg(get<QLineEdit>("Edit3")->text()),
          folder() + QStringLiteral("tablegost3900.txt"), checksum, QStringLiteral("Vantorel " VANTOREL_VERSION)})
        EXPECT_TRUE(text.contains(unblanked(expected))) << expected.toStdString() << "\n" << text.toStdString();

    trigger("N107");
    click("Button3");
    trigger("actionExportRecordPdf");
    text = pdfText(pdf);
    for (const QString& expected :
         {QStringLiteral("Calculation record"), QStringLiteral("Hydrometer reading 850,5 kg/m3")})
        EXPECT_TRUE(text.contains(unblanked(expected))) << expected.toStdString() << "\n" << text.toStdString();
}

}  // namespace
