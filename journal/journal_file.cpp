#include "journal_file.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <atomic>

namespace journal {

namespace {

// SQLite's primary result codes that matter here.
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kCorrupt = 11;
constexpr int kCantOpen = 14;
constexpr int kNotADatabase = 26;

// The table as version 1 of the schema has it; README.md describes it.
const char* const kCreateEntries = R"(CREATE TABLE IF NOT EXISTS entries (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  recorded_at TEXT NOT NULL,
  page TEXT NOT NULL,
  block TEXT NOT NULL,
  standard TEXT NOT NULL,
  product_group TEXT,
  glass_correction INTEGER,
  pressure_on INTEGER,
  inputs TEXT NOT NULL,
  results TEXT NOT NULL,
  inputs_json TEXT NOT NULL,
  results_json TEXT NOT NULL,
  messages TEXT NOT NULL,
  status TEXT NOT NULL,
  language TEXT NOT NULL,
  table_path TEXT,
  table_checksum TEXT,
  program_version TEXT NOT NULL))";

const char* const kColumns =
    "id, recorded_at, page, block, standard, product_group, glass_correction, pressure_on, inputs_json, "
    "results_json, messages, status, language, table_path, table_checksum, program_version";

int primaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

QString connectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("vantorel-journal-%1").arg(++counter);
}

QVariant optionalFlag(const std::optional<bool>& flag)
{
    return flag ? QVariant(*flag ? 1 : 0) : QVariant(QMetaType::fromType<int>());
}

std::optional<bool> flagOf(const QVariant& v)
{
    if (v.isNull())
        return std::nullopt;
    return v.toInt() != 0;
}

// Qt binds a null string as NULL; a column that must hold text gets "".
QVariant requiredText(const QString& text)
{
    return QVariant(text.isNull() ? QString::fromLatin1("") : text);
}

QVariant optionalText(const QString& text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

QString messagesJson(const QStringList& messages)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(messages)).toJson(QJsonDocument::Compact));
}

QStringList messagesFromJson(const QString& json)
{
    QStringList out;
    for (const QJsonValue& v : QJsonDocument::fromJson(json.toUtf8()).array())
        out << v.toString();
    return out;
}

bool mentions(const std::vector<Quantity>& quantities, const QString& search)
{
    for (const Quantity& q : quantities)
        if (q.name.contains(search, Qt::CaseInsensitive) || q.value.contains(search, Qt::CaseInsensitive))
            return true;
    return false;
}

}  // namespace

JournalFile::JournalFile(QString path, std::chrono::milliseconds lockWait)
    : m_path(std::move(path)), m_connection(connectionName()), m_lockWait(lockWait)
{
}

JournalFile::~JournalFile()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

FileOutcome JournalFile::failure(const QSqlError& error) const
{
    const int code = primaryCode(error);
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (code == kBusy || code == kLocked)
        return {FileStatus::Locked, reason, {}};
    const QFileInfo file(m_path);
    const bool unwritable = (file.exists() && !file.isWritable()) || !QFileInfo(file.absolutePath()).isWritable();
    if (code == kReadOnly || (code == kCantOpen && unwritable))
        return {FileStatus::ReadOnly, reason, {}};
    return {FileStatus::Failed, reason, {}};
}

FileOutcome JournalFile::open()
{
    const QFileInfo file(m_path);
    if (file.isSymLink() || (file.exists() && !file.isFile()))
        return {FileStatus::Failed, QStringLiteral("not a regular file"), {}};
    QDir().mkpath(file.absolutePath());

    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_lockWait.count()));
    if (!db.open())
        return failure(db.lastError());
    // SQLite refuses some locks at once rather than through its busy wait
    // (two copies switching a new file to WAL together): they get the same
    // wait in all
    const QDeadlineTimer deadline(m_lockWait);
    FileOutcome outcome = prepare();
    while (outcome.status == FileStatus::Locked && !deadline.hasExpired()) {
        QThread::msleep(10);
        outcome = prepare();
    }
    if (outcome.status == FileStatus::SetAside) {
        db.close();
        outcome = setAside();
        if (outcome.status != FileStatus::SetAside)
            return outcome;
        if (!db.open())
            return failure(db.lastError());
        const FileOutcome fresh = prepare();
        if (fresh.status != FileStatus::Ok)
            return fresh;
    }
    m_open = outcome.ok();
    return outcome;
}

// WAL, then the table when the file is new. A file SQLite cannot read as a
// database comes back as SetAside, not yet renamed.
FileOutcome JournalFile::prepare()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    const auto failed = [this](const QSqlError& e) {
        const int code = primaryCode(e);
        return code == kNotADatabase || code == kCorrupt ? FileOutcome{FileStatus::SetAside, e.databaseText(), {}}
                                                         : failure(e);
    };
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return failed(q.lastError());
    if (!q.exec(QStringLiteral("PRAGMA synchronous=FULL")) || !q.exec(QStringLiteral("PRAGMA user_version")) ||
        !q.next())
        return failed(q.lastError());
    const int version = q.value(0).toInt();
    if (version > kSchemaVersion)
        return {FileStatus::Failed,
                QStringLiteral("written by a newer version of the program (schema %1)").arg(version),
                {}};
    if (version == kSchemaVersion)
        return {};
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(q.lastError());
    if (!q.exec(QString::fromLatin1(kCreateEntries)) ||
        !q.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) || !q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        return failed(error);
    }
    return {};
}

// "journal.sqlite" becomes "journal.sqlite.20261208-142503.corrupt" (with its
// -wal and -shm files beside it); nothing is deleted.
FileOutcome JournalFile::setAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QLatin1Char('.') + stamp + QStringLiteral(".corrupt");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QLatin1Char('.') + stamp + QLatin1Char('-') + QString::number(n) + QStringLiteral(".corrupt");
    QFile file(m_path);
    if (!file.rename(aside))
        return {FileStatus::Failed, file.errorString(), {}};
    for (const char* suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    return {FileStatus::SetAside, {}, aside};
}

FileOutcome JournalFile::append(Entry& e)
{
    if (!m_open)
        return {FileStatus::Failed, QStringLiteral("the journal is not open"), {}};
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral(
        "INSERT INTO entries (recorded_at, page, block, standard, product_group, glass_correction, pressure_on, "
        "inputs, results, inputs_json, results_json, messages, status, language, table_path, table_checksum, "
        "program_version) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v :
         {requiredText(timeText(e.recordedAt)), requiredText(e.page), requiredText(e.block), requiredText(e.standard),
          optionalText(e.productGroup), optionalFlag(e.glassCorrection), optionalFlag(e.pressureOn),
          requiredText(quantityLines(e.inputs)), requiredText(quantityLines(e.results)), requiredText(toJson(e.inputs)),
          requiredText(toJson(e.results)), requiredText(messagesJson(e.messages)), requiredText(e.status),
          requiredText(e.language), optionalText(e.tablePath), optionalText(e.tableChecksum),
          requiredText(e.programVersion)})
        q.addBindValue(v);
    if (!q.exec())
        return failure(q.lastError());
    e.id = q.lastInsertId().toLongLong();
    return {};
}

std::vector<Entry> JournalFile::entries(const Filter& filter) const
{
    std::vector<Entry> out;
    if (!m_open)
        return out;
    QString sql = QStringLiteral("SELECT %1 FROM entries WHERE 1").arg(QString::fromLatin1(kColumns));
    if (filter.from.isValid())
        sql += QStringLiteral(" AND substr(recorded_at, 1, 10) >= :from");
    if (filter.to.isValid())
        sql += QStringLiteral(" AND substr(recorded_at, 1, 10) <= :to");
    if (!filter.page.isEmpty())
        sql += QStringLiteral(" AND page = :page");
    sql += QStringLiteral(" ORDER BY id DESC");
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(sql);
    if (filter.from.isValid())
        q.bindValue(QStringLiteral(":from"), filter.from.toString(Qt::ISODate));
    if (filter.to.isValid())
        q.bindValue(QStringLiteral(":to"), filter.to.toString(Qt::ISODate));
    if (!filter.page.isEmpty())
        q.bindValue(QStringLiteral(":page"), filter.page);
    if (!q.exec())
        return out;
    while (q.next()) {
        Entry e;
        e.id = q.value(0).toLongLong();
        e.recordedAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
        e.page = q.value(2).toString();
        e.block = q.value(3).toString();
        e.standard = q.value(4).toString();
        e.productGroup = q.value(5).toString();
        e.glassCorrection = flagOf(q.value(6));
        e.pressureOn = flagOf(q.value(7));
        e.inputs = quantitiesFromJson(q.value(8).toString());
        e.results = quantitiesFromJson(q.value(9).toString());
        e.messages = messagesFromJson(q.value(10).toString());
        e.status = q.value(11).toString();
        e.language = q.value(12).toString();
        e.tablePath = q.value(13).toString();
        e.tableChecksum = q.value(14).toString();
        e.programVersion = q.value(15).toString();
        if (filter.search.isEmpty() || mentions(e.inputs, filter.search) || mentions(e.results, filter.search))
            out.push_back(std::move(e));
    }
    return out;
}

FileOutcome JournalFile::remove(const std::vector<qint64>& ids)
{
    if (!m_open)
        return {FileStatus::Failed, QStringLiteral("the journal is not open"), {}};
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return failure(db.lastError());
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM entries WHERE id = ?"));
    for (qint64 id : ids) {
        q.addBindValue(id);
        if (!q.exec()) {
            const FileOutcome outcome = failure(q.lastError());
            db.rollback();
            return outcome;
        }
    }
    if (!db.commit())
        return failure(db.lastError());
    return {};
}

}  // namespace journal
