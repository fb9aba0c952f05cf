// The server-side basket: lines added, changed, ticked and deleted persist per customer.

#include "Checks.h"
#include "Dates.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "ResultColumns.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"
#include "Transaction.h"

namespace {
using namespace ColumnType;
using VT = ValueType;

const ResultColumns &basketColumns()
{
    static const ResultColumns columns{
        {"SEC", I}, {"VERILISTARIHI", DT}, {"SIRANO", I}, {"SIPARISNO", I}, {"CARINO", I}, {"TARIH", DT},
        {"AKTAR", I}, {"STOKNO", I}, {"BARKOD", T}, {"FINISHKOD", T}, {"OEMNO", T}, {"STOKADI", T},
        {"MIKTAR", D}, {"BIRIMFIYAT", D}, {"TUTAR", D}, {"INDIRIMORANI1", D}, {"INDIRIMORANI2", D},
        {"INDIRIMORANI3", D}, {"INDIRIMTUTAR", D}, {"NETBIRIMFIYAT", D}, {"KDV", D}, {"VERGITUTARI", D},
        {"NETTUTAR", D}, {"KUR", T}, {"KURTL", D}, {"VERENIDNO", I}, {"SAAT", T}, {"TESLIMID", I},
        {"KARGOID", I}, {"ACIKLAMA", T}, {"IDNO", I}, {"VERENSIRANO", I}, {"VEREN", T}, {"CARIKOD", T},
        {"CARIADI", T}, {"OEM1", T}, {"OEM2", T}, {"OEM3", T}, {"OEM4", T}, {"STOK_STOKNO", I},
        {"URETICIKODU", T}, {"DIGERADI", T}, {"DPKOD", T}, {"MARKA", T}, {"MODEL", T}, {"ANAGRUP", T},
        {"OZELKOD", T}, {"PKOD", T}, {"DURUM", I}, {"KALAN", D},
    };
    return columns;
}

// The line values both SepetEkle and SepetGuncelle carry at positions 1 to 9.
struct LineInput
{
    int carino;
    int stokno;
    QString barkod;
    QString stokadi;
    double miktar;
    double kdv;
    double fiyat;
    double indirim;
    int verenid;

    static LineInput read(SqliteDb &db, const ServerCall &c)
    {
        Checks::login(c, 0);
        LineInput in{c.int32(1), c.int32(2), c.text(3), c.text(4),
                     Checks::quantity(c.real(5), QStringLiteral("Miktar")),
                     Checks::rate(c.real(6), QStringLiteral("KDV oranı")),
                     Checks::amount(c.real(7), QStringLiteral("Fiyat")),
                     Checks::rate(c.real(8), QStringLiteral("İndirim oranı")), c.int32(9)};
        Checks::customer(db, in.carino);
        if (in.verenid != 0) {
            SqliteStatement u = db.cached("SELECT 1 FROM kullanici WHERE sirano = ?");
            u.bind(1, in.verenid);
            if (!u.step())
                Checks::fail(QStringLiteral("Kullanıcı bulunamadı (kullanıcı no %1)").arg(in.verenid));
        }
        return in;
    }
};

void sepetVer(MethodContext &ctx, ServerCall &c)
{
    SqliteStatement q = ctx.store.db().prepare("SELECT " + basketColumns().selectList()
                                               + " FROM sepet_satiri WHERE CARINO = ? ORDER BY SIRANO");
    q.bind(1, c.int32(0));
    c.setResultSet(basketColumns().read(q));
}

void sepetEkle(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    const LineInput in = LineInput::read(db, c);
    Checks::stock(db, in.stokno);
    Transaction tx(db);
    // Empty texts take the catalogue's barcode and name.
    db.cached("INSERT INTO sepet (carino, stokno, barkod, stokadi, miktar, kdv, birimfiyat, indirim1, verenidno,"
              " kampanya, sec, tarih, saat)"
              " SELECT ?1, stokno, CASE WHEN ?2 = '' THEN barkod ELSE ?2 END, CASE WHEN ?3 = '' THEN adi ELSE ?3 END,"
              " ?4, ?5, ?6, ?7, ?8, ?9, 1, ?10, ?11 FROM stok WHERE stokno = ?12")
        .bindAll(in.carino, in.barkod, in.stokadi, in.miktar, in.kdv, in.fiyat, in.indirim, in.verenid, c.int32(10),
                 Dates::now(), Dates::timeOfDay(), in.stokno)
        .run();
    tx.commit();
    c.setResult(Value::int32(1));
}

void sepetGuncelle(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    const LineInput in = LineInput::read(db, c);
    const int line = c.int32(10);
    Transaction tx(db);
    db.cached("UPDATE sepet SET barkod = CASE WHEN ?1 = '' THEN barkod ELSE ?1 END,"
              " stokadi = CASE WHEN ?2 = '' THEN stokadi ELSE ?2 END, miktar = ?3, kdv = ?4, birimfiyat = ?5,"
              " indirim1 = ?6 WHERE sirano = ?7 AND carino = ?8 AND (?9 = 0 OR stokno = ?9)")
        .bindAll(in.barkod, in.stokadi, in.miktar, in.kdv, in.fiyat, in.indirim, line, in.carino, in.stokno)
        .run();
    if (db.changes() == 0)
        Checks::fail(QStringLiteral("Sepet satırı bulunamadı (satır %1, cari no %2)").arg(line).arg(in.carino));
    tx.commit();
    c.setResult(Value::int32(1));
}

void sepetHepsiniSil(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    SqliteDb &db = ctx.store.db();
    Checks::customer(db, record.CARINO);
    Transaction tx(db);
    db.cached("DELETE FROM sepet WHERE carino = ?").bind(1, record.CARINO).run();
    tx.commit();
    c.setResult(Value::int32(1));
}

void sepetSatirSil(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    SqliteDb &db = ctx.store.db();
    Checks::customer(db, record.CARINO);
    Transaction tx(db);
    db.cached("DELETE FROM sepet WHERE sirano = ? AND carino = ?").bindAll(c.int32(1), record.CARINO).run();
    const int deleted = db.changes();
    tx.commit();
    c.setResult(Value::int32(deleted)); // 0: the line was already gone
}

void sepetSecimGuncelle(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    Transaction tx(db);
    db.cached("UPDATE sepet SET sec = ? WHERE sirano = ?").bindAll(c.int32(1), c.int32(0)).run();
    if (db.changes() == 0)
        Checks::fail(QStringLiteral("Sepet satırı bulunamadı (satır %1)").arg(c.int32(0)));
    tx.commit();
}

QList<ParamSpec> lineParams(const char *last)
{
    return {inParam("bilgim", VT::Object), inParam("carino", VT::Int32), inParam("stokno", VT::Int32),
            inParam("barkod", VT::Text),   inParam("stokadi", VT::Text), inParam("miktar", VT::Double),
            inParam("kdv", VT::Double),    inParam("fiyat", VT::Double), inParam("indirim", VT::Double),
            inParam("verenid", VT::Int32), inParam(last, VT::Int32)};
}

} // namespace

void addBasketMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("SepetVer"), {inParam("carino", VT::Int32)}, VT::ResultSet,
                 [&ctx](ServerCall &c) { sepetVer(ctx, c); });
    registry.add(QStringLiteral("SepetEkle"), lineParams("k"), VT::Int32, [&ctx](ServerCall &c) { sepetEkle(ctx, c); });
    registry.add(QStringLiteral("SepetGuncelle"), lineParams("_sepetsirano"), VT::Int32,
                 [&ctx](ServerCall &c) { sepetGuncelle(ctx, c); });
    registry.add(QStringLiteral("SepetHepsiniSil"), {inParam("bilgi", VT::Object)}, VT::Int32,
                 [&ctx](ServerCall &c) { sepetHepsiniSil(ctx, c); });
    registry.add(QStringLiteral("SepetSatirSil"),
                 {inParam("bilgi", VT::Object), inParam("satirno", VT::Int32), inParam("aciklamam", VT::Text)},
                 VT::Int32, [&ctx](ServerCall &c) { sepetSatirSil(ctx, c); });
    registry.add(QStringLiteral("SepetSecimGuncelle"), {inParam("sirano", VT::Int32), inParam("secim", VT::Int32)},
                 VT::Null, [&ctx](ServerCall &c) { sepetSecimGuncelle(ctx, c); });
}
