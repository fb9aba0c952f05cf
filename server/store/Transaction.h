#pragma once

#include <mutex>

class SqliteDb;

// A write transaction of the order store: taken with BEGIN IMMEDIATE so that concurrent
// writers never fail on a lock upgrade (writers of this process first queue on the store's
// write lock, other processes on the busy time-out); rolled back when it goes out of scope
// without commit(), so an error or exception never leaves half a change.
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
    std::unique_lock<std::mutex> m_turn;
    bool m_done = false;
};
