// Open order balances: the order lines with a quantity still to deliver, and the three changes
// a customer or representative makes to them.

#include "Checks.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "OrderLineColumns.h"
#include "ResultColumns.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"
#include "Transaction.h"

#include <functional>

namespace {
using VT = ValueType;

struct OpenLine
{
    int id = 0;
    int stokno = 0;
    double miktar = 0;
    double delivered = 0;
    double open = 0;
};

// The order line the arguments name (positions 0 to 3), checked against the record's customer.
OpenLine findLine(SqliteDb &db, const ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    const int stokno = c.int32(1);
    const int basketLine = c.int32(2);
    const int line = c.int32(3);
    Checks::customer(db, record.CARINO);
    SqliteStatement q = db.cached("SELECT l.sirano, l.stokno, l.miktar, l.teslimedilen, l.bakiye, l.sepetsirano"
                                  " FROM siparis_satir l JOIN siparis o ON o.idno = l.idno"
                                  " WHERE l.sirano = ? AND o.carino = ?");
    q.bindAll(line, record.CARINO);
    if (!q.step())
        Checks::fail(QStringLiteral("Sipariş satırı bulunamadı (satır %1, cari no %2)").arg(line).arg(record.CARINO));
    if ((stokno != 0 && stokno != q.int32(1)) || basketLine != q.int32(5))
        Checks::fail(QStringLiteral("Sipariş satırı verilen stok ve sepet satırı ile eşleşmiyor (satır %1)").arg(line));
    return {q.int32(0), q.int32(1), q.real(2), q.real(3), q.real(4)};
}

// Sets the line's open quantity (raising the ordered quantity when more is left open than was
// ordered and not yet delivered) and moves the stock's customer-ordered figure along.
void setOpenQuantity(SqliteDb &db, const OpenLine &line, double open)
{
    db.cached("UPDATE siparis_satir SET bakiye = ?1, miktar = MAX(miktar, teslimedilen + ?1) WHERE sirano = ?2")
        .bind(1, open)
        .bind(2, line.id)
        .run();
    db.cached("UPDATE stok SET verilensiparis = MAX(0, verilensiparis + ?1) WHERE stokno = ?2")
        .bind(1, open - line.open)
        .bind(2, line.stokno)
        .run();
}

// Runs a balance change in one transaction; the method answers 1.
void change(MethodContext &ctx, ServerCall &c, const std::function<void(SqliteDb &, const OpenLine &)> &apply)
{
    SqliteDb &db = ctx.store.db();
    Transaction tx(db); // the line is read and changed under one write lock
    const OpenLine line = findLine(db, c);
    apply(db, line);
    tx.commit();
    c.setResult(Value::int32(1));
}

QList<ParamSpec> balanceParams()
{
    return {inParam("k", VT::Object), inParam("stokno", VT::Int32), inParam("sepetsirano", VT::Int32),
            inParam("siparissirano", VT::Int32), inParam("Adet", VT::Double), inParam("Bakiye", VT::Double),
            inParam("barkod", VT::Text)};
}

} // namespace

void addBalanceMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("BakiyelerVer"), {inParam("carino", VT::Int32)}, VT::ResultSet, [&ctx](ServerCall &c) {
        const ResultColumns &columns = OrderLineColumns::balance();
        SqliteStatement q = ctx.store.db().prepare("SELECT " + columns.selectList()
                                                   + " FROM siparis_satiri WHERE CARINO = ? AND KALAN > 0"
                                                     " ORDER BY IDNO DESC, STOKHAR_NO");
        q.bind(1, c.int32(0));
        c.setResultSet(columns.read(q));
    });
    // Deletes what is left open of the line.
    registry.add(QStringLiteral("BakiyeDuzenle"), balanceParams(), VT::Int32, [&ctx](ServerCall &c) {
        change(ctx, c, [](SqliteDb &db, const OpenLine &line) { setOpenQuantity(db, line, 0); });
    });
    registry.add(QStringLiteral("BakiyeDegistir"), balanceParams(), VT::Int32, [&ctx](ServerCall &c) {
        const double open = Checks::amount(c.real(5), QStringLiteral("Bakiye"));
        Checks::amount(c.real(4), QStringLiteral("Adet"));
        change(ctx, c, [open](SqliteDb &db, const OpenLine &line) { setOpenQuantity(db, line, open); });
    });
    QList<ParamSpec> priceParams = balanceParams();
    priceParams << inParam("fiyat", VT::Double) << inParam("ind", VT::Double);
    registry.add(QStringLiteral("BakiyeFiyatDegistir"), priceParams, VT::Int32, [&ctx](ServerCall &c) {
        const double price = Checks::amount(c.real(7), QStringLiteral("Fiyat"));
        const double discount = Checks::rate(c.real(8), QStringLiteral("İndirim oranı"));
        change(ctx, c, [price, discount](SqliteDb &db, const OpenLine &line) {
            db.cached("UPDATE siparis_satir SET birimfiyat = ?, indirim1 = ? WHERE sirano = ?")
                .bindAll(price, discount, line.id)
                .run();
        });
    });
}
