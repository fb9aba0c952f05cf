#pragma once

class SqliteDb;

// The store's schema and its migrations. `schema_version` holds the version reached; each
// missing step runs in its own transaction, so a failed step leaves the previous version.
namespace StoreSchema {
constexpr int currentVersion = 1;
void migrate(SqliteDb &db);
int version(SqliteDb &db);
} // namespace StoreSchema
