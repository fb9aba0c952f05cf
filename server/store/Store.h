#pragma once

#include <QString>

#include <memory>
#include <mutex>

class SqliteDb;

// The order store: one SQLite file, created and migrated when the store opens. Every thread
// that touches the store gets its own connection (sessions run on threads of their own), made
// on first use and closed when that thread ends or the store closes on it.
class Store
{
public:
    explicit Store(const QString &path);
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    const QString &path() const { return m_path; }
    // This thread's connection.
    SqliteDb &db();

private:
    QString m_path;
    quint64 m_id;
    std::mutex m_writeLock;
};
