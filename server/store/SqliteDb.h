#pragma once

#include "SqliteStatement.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <mutex>

struct sqlite3;

// One SQLite connection of the order store: WAL journal, busy time-out and the store's own SQL
// functions. Used by one thread at a time; every failure raises DSException ("EVeritabaniHatasi").
class SqliteDb
{
public:
    static constexpr int busyTimeoutMs = 15000;

    // `writeLock`, when given, is shared by the connections of one process: write transactions
    // queue on it in turn instead of polling SQLite's lock with growing sleeps.
    explicit SqliteDb(const QString &path, std::mutex *writeLock = nullptr);
    ~SqliteDb();
    SqliteDb(const SqliteDb &) = delete;
    SqliteDb &operator=(const SqliteDb &) = delete;

    // Runs one or more statements without results.
    void exec(const char *sql);
    // A new statement, finalized when the handle goes away.
    SqliteStatement prepare(const QByteArray &sql);
    // A statement kept for the connection's lifetime (for hot paths and bulk inserts).
    SqliteStatement cached(const char *sql);

    // Convenience for a single-value query; `fallback` when there is no row or the value is null.
    qint64 scalarInt(const QByteArray &sql, qint64 fallback = 0);

    qint64 lastInsertId() const;
    int changes() const;
    bool inTransaction() const;
    sqlite3 *handle() const { return m_db; }
    std::mutex *writeLock() const { return m_writeLock; }

    [[noreturn]] void raise(const QString &context) const;

private:
    sqlite3 *m_db = nullptr;
    std::mutex *m_writeLock = nullptr;
    QHash<QByteArray, sqlite3_stmt *> m_cache;
};
