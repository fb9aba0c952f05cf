#include "SqliteStatement.h"

#include "SqliteDb.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(SqliteDb &db, sqlite3_stmt *statement, bool owned)
    : m_db(&db), m_statement(statement), m_owned(owned)
{
}

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_db(other.m_db), m_statement(std::exchange(other.m_statement, nullptr)), m_owned(other.m_owned)
{
}

SqliteStatement::~SqliteStatement()
{
    if (!m_statement)
        return;
    if (m_owned) {
        sqlite3_finalize(m_statement);
    } else {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

SqliteStatement &SqliteStatement::bind(int position, int value)
{
    if (sqlite3_bind_int(m_statement, position, value) != SQLITE_OK)
        m_db->raise(QStringLiteral("bind"));
    return *this;
}

SqliteStatement &SqliteStatement::bind(int position, qint64 value)
{
    if (sqlite3_bind_int64(m_statement, position, value) != SQLITE_OK)
        m_db->raise(QStringLiteral("bind"));
    return *this;
}

SqliteStatement &SqliteStatement::bind(int position, double value)
{
    if (sqlite3_bind_double(m_statement, position, value) != SQLITE_OK)
        m_db->raise(QStringLiteral("bind"));
    return *this;
}

SqliteStatement &SqliteStatement::bind(int position, const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_statement, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        m_db->raise(QStringLiteral("bind"));
    return *this;
}

SqliteStatement &SqliteStatement::bind(int position, const char *utf8)
{
    if (sqlite3_bind_text(m_statement, position, utf8, -1, SQLITE_TRANSIENT) != SQLITE_OK)
        m_db->raise(QStringLiteral("bind"));
    return *this;
}

SqliteStatement &SqliteStatement::bindBlob(int position, QByteArrayView bytes)
{
    if (sqlite3_bind_blob64(m_statement, position, bytes.data(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT)
        != SQLITE_OK)
        m_db->raise(QStringLiteral("bind"));
    return *this;
}

SqliteStatement &SqliteStatement::bindNull(int position)
{
    if (sqlite3_bind_null(m_statement, position) != SQLITE_OK)
        m_db->raise(QStringLiteral("bind"));
    return *this;
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db->raise(QString::fromUtf8(sqlite3_sql(m_statement)).simplified().left(80));
}

void SqliteStatement::run()
{
    while (step()) {
    }
    sqlite3_reset(m_statement);
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_statement);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

const char *SqliteStatement::columnName(int column) const
{
    return sqlite3_column_name(m_statement, column);
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

int SqliteStatement::int32(int column) const
{
    return sqlite3_column_int(m_statement, column);
}

qint64 SqliteStatement::int64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QString SqliteStatement::text(int column) const
{
    const QByteArrayView v = utf8(column);
    return QString::fromUtf8(v.data(), v.size());
}

QByteArrayView SqliteStatement::utf8(int column) const
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return p ? QByteArrayView(p, sqlite3_column_bytes(m_statement, column)) : QByteArrayView();
}

QByteArray SqliteStatement::blob(int column) const
{
    const auto *p = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return p ? QByteArray(p, sqlite3_column_bytes(m_statement, column)) : QByteArray();
}
