#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <set>

// Two running copies append 1,000 entries each at the same time: every one
// is in the file once, in each writer's order.
TEST(JournalFile, TwoProgramsAppendingAtOnceLoseNothing)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    constexpr int kEach = 1000;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w)
        writers[w].start(QStringLiteral(JOURNAL_WRITER), {path, QString::number(w), QString::number(kEach)});
    for (QProcess& p : writers) {
        ASSERT_TRUE(p.waitForFinished(300000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec(QStringLiteral("SELECT json_extract(inputs_json, '$[0].name'), "
                                  "json_extract(inputs_json, '$[0].value') FROM entries ORDER BY id")));
        std::vector<int> next(2, 0);
        int rows = 0;
        while (q.next()) {
            const int writer = q.value(0).toInt();
            ASSERT_TRUE(writer == 0 || writer == 1);
            EXPECT_EQ(q.value(1).toInt(), next[writer]++) << "writer " << writer;
            ++rows;
        }
        EXPECT_EQ(rows, 2 * kEach);
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
        EXPECT_EQ(q.value(0).toString(), QStringLiteral("wal"));
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        EXPECT_EQ(q.value(0).toInt(), 1);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
}
