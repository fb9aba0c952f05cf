// Delivery and cargo choices, sending the basket as an order, and the customer's orders.

#include "Checks.h"
#include "Dates.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "OrderLineColumns.h"
#include "ResultColumns.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"
#include "Transaction.h"
#include "TransferRecords.h"

namespace {
using namespace ColumnType;
using VT = ValueType;

const ResultColumns &choiceColumns()
{
    static const ResultColumns columns{{"SIRANO", I, "id"}, {"ADI", T, "adi"}};
    return columns;
}

const ResultColumns &cargoCompanyColumns()
{
    static const ResultColumns columns{{"SIRANO", I, "sirano"}, {"ADI", T, "adi"}, {"UYARI", T, "uyari"},
                                       {"TURID", I, "turid"}};
    return columns;
}

const ResultColumns &previousOrderColumns()
{
    static const ResultColumns columns{
        {"CARINO", I, "o.carino"},
        {"IDNO", I, "o.idno"},
        {"TARIH", DT, "o.tarih"},
        {"KUR", T, "o.kur"},
        {"KURTL", D, "o.kurtl"},
        {"VERENIDNO", I, "o.verenidno"},
        {"KARGO", T, "k.adi"},
        {"TESLIM", T, "d.adi"},
        {"VEREN", T, "o.veren"},
        {"CARIKOD", T, "c.carikod"},
        {"CARIADI", T, "c.cariadi"},
        {"VERGI", D, "COALESCE(t.vergi, 0.0)"},
        {"NETTUTAR", D, "COALESCE(t.net, 0.0)"},
        {"TUTAR", D, "COALESCE(t.tutar, 0.0)"},
        {"DURUM", T, OrderLineColumns::stateText},
        {"KARGOADI", T, "f.adi"},
        {"VERENINNOTU", T, "o.mesaj"},
        {"ALANNOTU", T, "o.bizimmesaj"},
        {"SATICINOTU", T, "o.saticinotu"},
    };
    return columns;
}

void requireRow(SqliteDb &db, const char *sql, int id, const QString &message)
{
    SqliteStatement q = db.cached(sql);
    q.bind(1, id);
    if (!q.step())
        Checks::fail(message);
}

// The name of the user giving the order; 0 gives no name.
QString giverName(SqliteDb &db, int verenid)
{
    if (verenid == 0)
        return {};
    SqliteStatement u = db.cached("SELECT adi FROM kullanici WHERE sirano = ?");
    u.bind(1, verenid);
    if (!u.step())
        Checks::fail(QStringLiteral("Kullanıcı bulunamadı (kullanıcı no %1)").arg(verenid));
    return u.text(0);
}

void checkDelivery(SqliteDb &db, int teslim, int kargo, int company)
{
    requireRow(db, "SELECT 1 FROM teslim WHERE id = ?", teslim, QStringLiteral("Teslim şekli bulunamadı (%1)").arg(teslim));
    requireRow(db, "SELECT 1 FROM kargo_turu WHERE id = ?", kargo, QStringLiteral("Kargo türü bulunamadı (%1)").arg(kargo));
    SqliteStatement firm = db.cached("SELECT turid FROM kargo_firma WHERE sirano = ?");
    firm.bind(1, company);
    if (!firm.step())
        Checks::fail(QStringLiteral("Kargo firması bulunamadı (%1)").arg(company));
    if (firm.int32(0) != kargo)
        Checks::fail(QStringLiteral("Kargo firması seçilen kargo türüne ait değil"));
}

int tickedLines(SqliteDb &db, int carino)
{
    SqliteStatement q = db.cached("SELECT COUNT(*) FROM sepet WHERE carino = ? AND sec = 1");
    q.bind(1, carino);
    q.step();
    return q.int32(0);
}

// The ticked basket lines become one order; the lines leave the basket in the same transaction.
void siparisKaydet(MethodContext &ctx, ServerCall &c)
{
    Checks::login(c, 0);
    const int carino = c.int32(1);
    const int teslim = c.int32(2);
    const int kargo = c.int32(3);
    const QString note = c.text(4);
    const int verenid = c.int32(5);
    const int company = c.int32(6);
    SqliteDb &db = ctx.store.db();
    Checks::customer(db, carino);
    checkDelivery(db, teslim, kargo, company);
    const QString giver = giverName(db, verenid);

    Transaction tx(db);
    if (tickedLines(db, carino) == 0) {
        c.setResult(Value::boolean(false));
        return;
    }
    const double now = Dates::now();
    const QString time = Dates::timeOfDay();
    db.cached("INSERT INTO siparis (carino, tarih, saat, teslimid, kargoid, kargofirmaid, durum, verenidno, veren, mesaj)"
              " VALUES (?, ?, ?, ?, ?, ?, 1, ?, ?, ?)")
        .bindAll(carino, now, time, teslim, kargo, company, verenid, giver, note)
        .run();
    const qint64 order = db.lastInsertId();
    db.cached("INSERT INTO siparis_satir (idno, sepetsirano, stokno, barkod, stokadi, miktar, kdv, birimfiyat, ilkfiyat,"
              " indirim1, indirim2, indirim3, bakiye, verenidno, veren, tarih, saat, aciklama)"
              " SELECT ?1, b.sirano, b.stokno, b.barkod, b.stokadi, b.miktar, b.kdv, b.birimfiyat, b.birimfiyat,"
              " b.indirim1, b.indirim2, b.indirim3, b.miktar, b.verenidno, COALESCE(u.adi, ''), ?2, ?3, b.aciklama"
              " FROM sepet b LEFT JOIN kullanici u ON u.sirano = b.verenidno"
              " WHERE b.carino = ?4 AND b.sec = 1 ORDER BY b.sirano")
        .bindAll(order, now, time, carino)
        .run();
    db.cached("UPDATE stok SET verilensiparis = verilensiparis"
              " + (SELECT SUM(b.miktar) FROM sepet b WHERE b.carino = ?1 AND b.sec = 1 AND b.stokno = stok.stokno)"
              " WHERE stokno IN (SELECT stokno FROM sepet WHERE carino = ?1 AND sec = 1)")
        .bind(1, carino)
        .run();
    db.cached("DELETE FROM sepet WHERE carino = ? AND sec = 1").bind(1, carino).run();
    tx.commit();
    c.setResult(Value::boolean(true));
}

void oncekiSiparisler2(MethodContext &ctx, ServerCall &c)
{
    SqliteStatement q = ctx.store.db().prepare(
        "SELECT " + previousOrderColumns().selectList()
        + " FROM siparis o JOIN cari c ON c.carino = o.carino JOIN teslim d ON d.id = o.teslimid"
          " JOIN kargo_turu k ON k.id = o.kargoid JOIN kargo_firma f ON f.sirano = o.kargofirmaid"
          " LEFT JOIN (SELECT IDNO, YUVARLA(SUM(TUTAR)) AS tutar, YUVARLA(SUM(NETTUTAR)) AS net,"
          " YUVARLA(SUM(VERGITUTARI)) AS vergi FROM siparis_satiri WHERE CARINO = ?1 GROUP BY IDNO) t ON t.IDNO = o.idno"
          " WHERE o.carino = ?1 ORDER BY o.idno DESC");
    q.bind(1, c.int32(0));
    c.setResultSet(previousOrderColumns().read(q));
}

void siparisAyrintisi(MethodContext &ctx, ServerCall &c)
{
    const ResultColumns &columns = OrderLineColumns::detail();
    SqliteStatement q = ctx.store.db().prepare("SELECT " + columns.selectList()
                                               + " FROM siparis_satiri WHERE CARINO = ? AND IDNO = ? ORDER BY STOKHAR_NO");
    q.bindAll(c.int32(0), c.int32(1));
    c.setResultSet(columns.read(q));
}

void siparisAytintisiDip(MethodContext &ctx, ServerCall &c)
{
    SqliteStatement q = ctx.store.db().prepare(
        QByteArray("SELECT o.mesaj, ") + OrderLineColumns::stateText
        + ", o.veren, f.adi, o.bizimmesaj, d.adi, k.adi, o.saticinotu FROM siparis o"
          " JOIN teslim d ON d.id = o.teslimid JOIN kargo_turu k ON k.id = o.kargoid"
          " JOIN kargo_firma f ON f.sirano = o.kargofirmaid WHERE o.idno = ?2 AND (?1 = 0 OR o.carino = ?1)");
    q.bindAll(c.int32(0), c.int32(1));
    if (!q.step()) {
        c.setResultObject<TSiparisDipAyrinti>(nullptr);
        return;
    }
    TSiparisDipAyrinti footer;
    footer.SizinMesaj = q.text(0);
    footer.Durumu = q.text(1);
    footer.Veren = q.text(2);
    footer.Kargo = q.text(3);
    footer.BizimMesaj = q.text(4);
    footer.TeslimCinsi = q.text(5);
    footer.KargoCinsi = q.text(6);
    footer.SaticiNotu = q.text(7);
    c.setResultObject(&footer);
}

void tumSiparislerVer(MethodContext &ctx, ServerCall &c)
{
    const ResultColumns &columns = OrderLineColumns::balance();
    SqliteStatement q = ctx.store.db().prepare("SELECT " + columns.selectList()
                                               + " FROM siparis_satiri WHERE CARINO = ?1 AND (?2 = 0 OR STOKNO = ?2)"
                                                 " ORDER BY IDNO DESC, STOKHAR_NO");
    q.bindAll(c.int32(0), c.int32(1));
    c.setResultSet(columns.read(q));
}

void listChoices(MethodContext &ctx, ServerCall &c, const char *table)
{
    SqliteStatement q = ctx.store.db().prepare("SELECT " + choiceColumns().selectList() + " FROM " + table
                                               + " ORDER BY sira, id");
    c.setResultSet(choiceColumns().read(q));
}

} // namespace

void addOrderMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("SiparisKaydet"),
                 {inParam("BB", VT::Object), inParam("_carino", VT::Int32), inParam("_teslim", VT::Int32),
                  inParam("_kargo", VT::Int32), inParam("_aciklama", VT::Text), inParam("_verenid", VT::Int32),
                  inParam("_kargoyeni", VT::Int32)},
                 VT::Bool, [&ctx](ServerCall &c) { siparisKaydet(ctx, c); });
    registry.add(QStringLiteral("TeslimVer"), {}, VT::ResultSet,
                 [&ctx](ServerCall &c) { listChoices(ctx, c, "teslim"); });
    registry.add(QStringLiteral("KargoVer"), {}, VT::ResultSet,
                 [&ctx](ServerCall &c) { listChoices(ctx, c, "kargo_turu"); });
    registry.add(QStringLiteral("KargolarVer"), {inParam("gn", VT::Int32)}, VT::ResultSet, [&ctx](ServerCall &c) {
        SqliteStatement q = ctx.store.db().prepare("SELECT " + cargoCompanyColumns().selectList()
                                                   + " FROM kargo_firma WHERE turid = ? ORDER BY adi");
        q.bind(1, c.int32(0));
        c.setResultSet(cargoCompanyColumns().read(q));
    });
    registry.add(QStringLiteral("OncekiSiparisler2"), {inParam("carino", VT::Int32)}, VT::ResultSet,
                 [&ctx](ServerCall &c) { oncekiSiparisler2(ctx, c); });
    registry.add(QStringLiteral("SiparisAyrintisi"), {inParam("carino", VT::Int32), inParam("idnosu", VT::Int32)},
                 VT::ResultSet, [&ctx](ServerCall &c) { siparisAyrintisi(ctx, c); });
    registry.add(QStringLiteral("SiparisAytintisiDip"), {inParam("carino", VT::Int32), inParam("siranosu", VT::Int32)},
                 VT::Object, [&ctx](ServerCall &c) { siparisAytintisiDip(ctx, c); });
    registry.add(QStringLiteral("TumSiparislerVer"), {inParam("carino", VT::Int32), inParam("stokno", VT::Int32)},
                 VT::ResultSet, [&ctx](ServerCall &c) { tumSiparislerVer(ctx, c); });
}
