#pragma once

class DemoRandom;
class SqliteDb;

// Writes the demo stock catalogue: `count` items numbered from 1, with codes, OEM numbers,
// makers, fitting vehicles, list and campaign prices, status and stock on hand.
class CatalogueWriter
{
public:
    CatalogueWriter(SqliteDb &db, DemoRandom &random) : m_db(db), m_random(random) {}
    void write(int count);

private:
    SqliteDb &m_db;
    DemoRandom &m_random;
};
