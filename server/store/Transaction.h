#pragma once

class SqliteDb;

// A write transaction of the order store: taken with BEGIN IMMEDIATE so that concurrent
// writers queue on the busy time-out instead of failing on a lock upgrade; rolled back when
// it goes out of scope without commit(), so an error or exception never leaves half a change.
class Transaction
{
public:
    explicit Transaction(SqliteDb &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    SqliteDb &m_db;
    bool m_done = false;
};
