#pragma once

class DemoRandom;
class SqliteDb;

// Writes the sales representatives, `customers` customer accounts, the demo users and their
// workstations.
class AccountWriter
{
public:
    AccountWriter(SqliteDb &db, DemoRandom &random) : m_db(db), m_random(random) {}
    void write(int customers);

private:
    void writeCustomer(int carino);

    SqliteDb &m_db;
    DemoRandom &m_random;
};
