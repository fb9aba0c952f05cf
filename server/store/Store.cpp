#include "Store.h"

#include "StoreSchema.h"
#include "SqliteDb.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <memory>
#include <unordered_map>

namespace {
std::atomic<quint64> nextStoreId{1};
// Per thread, the connection to each open store; ids are never reused, so a closed store's
// entry is never found again.
thread_local std::unordered_map<quint64, std::unique_ptr<SqliteDb>> t_connections;
} // namespace

Store::Store(const QString &path) : m_path(path), m_id(nextStoreId++)
{
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    StoreSchema::migrate(db());
}

Store::~Store()
{
    t_connections.erase(m_id);
}

SqliteDb &Store::db()
{
    auto &slot = t_connections[m_id];
    if (!slot)
        slot = std::make_unique<SqliteDb>(m_path, &m_writeLock);
    return *slot;
}
