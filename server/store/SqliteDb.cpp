#include "SqliteDb.h"

#include "DSException.h"
#include "SqlFunctions.h"

#include <sqlite3.h>

SqliteDb::SqliteDb(const QString &path, std::mutex *writeLock) : m_writeLock(writeLock)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const QString reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        throw DSException(QStringLiteral("Veritabanı açılamadı (%1): %2").arg(path, reason),
                          QStringLiteral("EVeritabaniHatasi"));
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
    SqlFunctions::install(*this);
    // Reads the schema now, so the first statement of a write transaction does not parse it
    // while holding the store's write lock.
    exec("SELECT COUNT(*) FROM sqlite_schema");
}

SqliteDb::~SqliteDb()
{
    for (sqlite3_stmt *statement : std::as_const(m_cache))
        sqlite3_finalize(statement);
    sqlite3_close_v2(m_db);
}

void SqliteDb::exec(const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(error ? error : sqlite3_errmsg(m_db));
        sqlite3_free(error);
        throw DSException(QStringLiteral("Veritabanı hatası: %1").arg(reason), QStringLiteral("EVeritabaniHatasi"));
    }
}

SqliteStatement SqliteDb::prepare(const QByteArray &sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK)
        raise(QString::fromUtf8(sql).simplified().left(80));
    return SqliteStatement(*this, statement, true);
}

SqliteStatement SqliteDb::cached(const char *sql)
{
    const QByteArray key = QByteArray::fromRawData(sql, qsizetype(qstrlen(sql)));
    sqlite3_stmt *statement = m_cache.value(key);
    if (!statement) {
        if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
            raise(QString::fromUtf8(sql).simplified().left(80));
        m_cache.insert(QByteArray(sql), statement);
    }
    return SqliteStatement(*this, statement, false);
}

qint64 SqliteDb::scalarInt(const QByteArray &sql, qint64 fallback)
{
    SqliteStatement statement = prepare(sql);
    if (!statement.step() || statement.isNull(0))
        return fallback;
    return statement.int64(0);
}

qint64 SqliteDb::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int SqliteDb::changes() const
{
    return sqlite3_changes(m_db);
}

bool SqliteDb::inTransaction() const
{
    return sqlite3_get_autocommit(m_db) == 0;
}

void SqliteDb::raise(const QString &context) const
{
    throw DSException(QStringLiteral("Veritabanı hatası: %1 (%2)").arg(QString::fromUtf8(sqlite3_errmsg(m_db)), context),
                      QStringLiteral("EVeritabaniHatasi"));
}
