#pragma once

#include <QString>

class SqliteDb;

// Fills an empty order store with a demo distributor: a Turkish auto-parts catalogue, customers,
// users of every type with known credentials, a year of orders, invoices and collections,
// baskets, documents, opening screens and notices. Everything goes in one transaction.
class DemoDataGenerator
{
public:
    struct Options
    {
        int stockCount = 20000;
        int customerCount = 60;
        quint32 seed = 27;
    };

    explicit DemoDataGenerator(SqliteDb &db) : m_db(db) {}

    // True when the store has no catalogue and no users yet.
    bool isEmpty();
    void generate(const Options &options);

    // Registers `workstationId` for the user named `userName` (replacing an earlier
    // registration of that identifier). Raises when the user does not exist.
    void registerWorkstation(const QString &workstationId, const QString &userName);

private:
    SqliteDb &m_db;
};
