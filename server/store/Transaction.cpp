#include "Transaction.h"

#include "SqliteDb.h"

Transaction::Transaction(SqliteDb &db) : m_db(db)
{
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
}
