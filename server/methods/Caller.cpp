#include "Caller.h"

#include "Checks.h"
#include "SqliteDb.h"

Caller Caller::of(SqliteDb &db, const TSonucBilgisi &record)
{
    SqliteStatement q = db.cached(
        "SELECT u.sirano, u.adi, u.tip, COALESCE(u.carino, 0), COALESCE(u.saticino, 0) FROM kullanici u WHERE u.sirano = ?");
    q.bind(1, record.Sirano);
    if (!q.step())
        Checks::fail(QStringLiteral("Kullanıcı bulunamadı (kullanıcı no %1)").arg(record.Sirano));
    return {q.int32(0), q.text(1), q.int32(2), q.int32(3), q.int32(4)};
}

const char *Caller::visibleCustomers()
{
    return "(?1 = 2 OR (?1 = 1 AND c.saticino = ?2) OR (?1 NOT IN (1, 2) AND c.carino = ?3))";
}

void Caller::bindVisibility(SqliteStatement &statement) const
{
    statement.bind(1, type).bind(2, salesRep).bind(3, customer);
}
