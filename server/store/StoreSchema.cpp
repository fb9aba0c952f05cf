#include "StoreSchema.h"

#include "DSException.h"
#include "SqliteDb.h"
#include "Transaction.h"

#include <iterator>

extern const char *const schemaV1;

namespace {
// Index i takes the store from version i to i + 1.
const char *const steps[] = {schemaV1};
static_assert(std::size(steps) == StoreSchema::currentVersion);
} // namespace

int StoreSchema::version(SqliteDb &db)
{
    db.exec("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
    return int(db.scalarInt("SELECT MAX(version) FROM schema_version", 0));
}

void StoreSchema::migrate(SqliteDb &db)
{
    Transaction lock(db); // one process migrates at a time
    int at = version(db);
    lock.commit();
    if (at > currentVersion)
        throw DSException(QStringLiteral("Veritabanı bu sunucudan yeni (şema %1, beklenen en çok %2)").arg(at).arg(currentVersion),
                          QStringLiteral("EVeritabaniHatasi"));
    for (; at < currentVersion; ++at) {
        Transaction step(db);
        if (version(db) > at) // another process got there first
            continue;
        db.exec(steps[at]);
        db.prepare("INSERT INTO schema_version (version) VALUES (?)").bind(1, at + 1).run();
        step.commit();
    }
}
