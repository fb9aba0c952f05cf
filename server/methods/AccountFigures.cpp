#include "AccountFigures.h"

#include "SqliteDb.h"
#include "identity/AmountFormat.h"

#include <cmath>

double AccountFigures::balance(SqliteDb &db, int carino)
{
    SqliteStatement q = db.cached("SELECT BAKIYE FROM cari_bakiye WHERE CARINO = ?");
    q.bind(1, carino);
    return q.step() ? q.real(0) : 0.0;
}

AccountFigures::Overdue AccountFigures::overdue(SqliteDb &db, int carino, double asOf)
{
    SqliteStatement credits = db.cached("SELECT COALESCE(SUM(ALACAK), 0) FROM cari_ekstre WHERE CARINO = ?");
    credits.bind(1, carino);
    double left = credits.step() ? credits.real(0) : 0.0;

    Overdue result;
    SqliteStatement debits =
        db.cached("SELECT BORC, VADE FROM cari_ekstre WHERE CARINO = ? AND BORC > 0 ORDER BY VADE, TARIH");
    debits.bind(1, carino);
    while (debits.step()) {
        double open = debits.real(0);
        const double due = debits.real(1);
        const double paid = std::min(open, left);
        left -= paid;
        open = Yuvarla(open - paid);
        if (open <= 0 || due >= asOf)
            continue;
        if (result.amount == 0)
            result.days = int(std::floor(asOf) - std::floor(due));
        result.amount = Yuvarla(result.amount + open);
    }
    return result;
}
