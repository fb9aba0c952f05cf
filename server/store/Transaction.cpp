#include "Transaction.h"

#include "SqliteDb.h"

Transaction::Transaction(SqliteDb &db) : m_db(db)
{
    if (std::mutex *lock = m_db.writeLock())
        m_turn = std::unique_lock(*lock);
    m_db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    try {
        m_db.exec("ROLLBACK");
    } catch (...) {
        // The connection already rolled back on its own (e.g. after a full disk); nothing to undo.
    }
}

void Transaction::commit()
{
    m_db.exec("COMMIT");
    m_done = true;
    if (m_turn.owns_lock())
        m_turn.unlock();
}
