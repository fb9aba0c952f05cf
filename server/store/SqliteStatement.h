#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct sqlite3_stmt;
class SqliteDb;

// One prepared statement. Binding is by position (1-based, as SQLite counts); a cached
// statement is only reset when this handle goes away, an owned one is finalized.
class SqliteStatement
{
public:
    SqliteStatement(SqliteDb &db, sqlite3_stmt *statement, bool owned);
    ~SqliteStatement();
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;
    SqliteStatement &operator=(SqliteStatement &&) = delete;

    SqliteStatement &bind(int position, int value);
    SqliteStatement &bind(int position, qint64 value);
    SqliteStatement &bind(int position, double value);
    SqliteStatement &bind(int position, const QString &value);
    SqliteStatement &bind(int position, const char *utf8);
    SqliteStatement &bindBlob(int position, QByteArrayView bytes);
    SqliteStatement &bindNull(int position);

    // Binds the arguments to positions 1, 2, ... in order.
    template<class... A>
    SqliteStatement &bindAll(const A &...args)
    {
        int position = 0;
        (bind(++position, args), ...);
        return *this;
    }

    // Next row: true while there is one. Raises on any error.
    bool step();
    // Runs a statement that returns no rows (or ignores them).
    void run();
    void reset();

    int columnCount() const;
    const char *columnName(int column) const;
    bool isNull(int column) const;
    int int32(int column) const;
    qint64 int64(int column) const;
    double real(int column) const;
    QString text(int column) const;
    QByteArrayView utf8(int column) const;
    QByteArray blob(int column) const;

private:
    SqliteDb *m_db;
    sqlite3_stmt *m_statement;
    bool m_owned;
};
