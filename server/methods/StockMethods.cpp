// Stock search, new and campaign products, stock pictures.

#include "Checks.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "ResultColumns.h"
#include "SearchText.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "StockPicture.h"
#include "Store.h"

namespace {
using namespace ColumnType;
using VT = ValueType;

// Prices of a stock item for a customer: a campaign item sells at its campaign price without
// further discount, any other at its list price less the customer's discount (?1).
const char *const priced = "WITH p AS ("
                           " SELECT s.*, CASE WHEN s.kampanya > 0 THEN s.kampfiyat ELSE s.listefiyat END AS fiyat,"
                           " CASE WHEN s.kampanya > 0 THEN 0.0 ELSE ?1 END AS ind FROM stok s WHERE %1"
                           "), q AS (SELECT p.*, p.fiyat - YUVARLA(p.fiyat * p.ind / 100.0) AS net FROM p) ";

const ResultColumns &stockColumns()
{
    static const ResultColumns columns{
        {"DURUM", I, "q.durum"},
        {"OEM1", T, "q.oem1"},
        {"OEM2", T, "q.oem2"},
        {"OEM3", T, "q.oem3"},
        {"BARKOD", T, "q.barkod"},
        {"FINISHKOD", T, "q.finishkod"},
        {"ADI", T, "q.adi"},
        {"OEM4", T, "q.oem4"},
        {"STOK_STOKNO", I, "q.stokno"},
        {"URETICIKODU", T, "q.ureticikodu"},
        {"RESIM", I, "q.resim"},
        {"BARKOD_BARKODNO", T, "q.barkodno"},
        {"DIGERADI", T, "q.digeradi"},
        {"DPKOD", T, "q.dpkod"},
        {"OEMNO", T, "q.oemno"},
        {"BIRIM", T, "q.birim"},
        {"MARKA", T, "q.marka"},
        {"MODEL", T, "q.model"},
        {"ANAGRUP", T, "q.anagrup"},
        {"OZELKOD", T, "q.ozelkod"},
        {"KALAN", D, "q.kalan"},
        {"PKOD", T, "q.pkod"},
        {"KDV", I, "q.kdv"},
        {"ALINANSIPARIS", D, "q.alinansiparis"},
        {"VERILENSIPARIS", D, "q.verilensiparis"},
        {"LISTEFIYAT1", D, "q.listefiyat"},
        {"KAMPFIYAT", D, "q.kampfiyat"},
        {"FIYAT", D, "q.fiyat"},
        {"Y", I, "q.yeni"},
        {"K", I, "q.kampanya"},
        {"INDIRIM", D, "q.ind"},
        {"NETFIYAT", D, "q.net"},
        {"KDVDAHIL", D, "YUVARLA(q.net * (1 + q.kdv / 100.0))"},
    };
    return columns;
}

// The campaign list names the former list price ESKIFIYAT; FIYAT is the campaign price.
const ResultColumns &campaignColumns()
{
    static const ResultColumns columns(stockColumns(), {{"ESKIFIYAT", D, "q.listefiyat"}});
    return columns;
}

double customerDiscount(SqliteDb &db, int carino)
{
    if (carino == 0)
        return 0;
    SqliteStatement q = db.cached("SELECT indirim FROM cari WHERE carino = ?");
    q.bind(1, carino);
    if (!q.step())
        Checks::fail(QStringLiteral("Cari bulunamadı (cari no %1)").arg(carino));
    return q.real(0);
}

SqliteStatement pricedQuery(SqliteDb &db, const ResultColumns &columns, const QByteArray &filter, const char *tail)
{
    return db.prepare(QByteArray(priced).replace("%1", filter) + "SELECT " + columns.selectList() + " FROM q " + tail);
}

// A phrase of the full-text index: the word in double quotes, inner quotes doubled.
QString ftsPhrase(const QString &word)
{
    QString quoted = word;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Every word of the text must occur in the item's codes, names, brand or model. Words of three
// letters or more go through the trigram index; shorter ones are matched on the stored text.
void stokAraKorven(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 1);
    SqliteDb &db = ctx.store.db();
    const double discount = customerDiscount(db, record.CARINO);

    QStringList indexed;
    QStringList shortWords;
    for (const QString &word : SearchText::words(c.text(0)))
        (word.size() >= 3 ? indexed : shortWords).append(word);

    QByteArray filter = "1";
    if (!indexed.isEmpty())
        filter += " AND s.stokno IN (SELECT rowid FROM stok_ara WHERE stok_ara MATCH ?3)";
    for (int i = 0; i < shortWords.size(); ++i)
        filter += " AND instr(s.arama, ?" + QByteArray::number(i + 4) + ") > 0";
    filter += " ORDER BY s.stokno LIMIT ?2";

    SqliteStatement q = pricedQuery(db, stockColumns(), filter, "ORDER BY q.stokno");
    q.bind(1, discount).bind(2, ctx.settings.searchLimit);
    if (!indexed.isEmpty()) {
        QStringList phrases;
        for (const QString &word : indexed)
            phrases.append(ftsPhrase(word));
        q.bind(3, phrases.join(QStringLiteral(" AND ")));
    }
    for (int i = 0; i < shortWords.size(); ++i)
        q.bind(i + 4, shortWords.at(i));
    c.setResultSet(stockColumns().read(q));
}

void yenilerVer(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    const double discount = customerDiscount(db, c.int32(0));
    SqliteStatement q = pricedQuery(db, stockColumns(), "s.yeni = 1", "ORDER BY q.stokno DESC");
    q.bind(1, discount);
    c.setResultSet(stockColumns().read(q));
}

void kampanyaliVer(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    const double discount = customerDiscount(db, c.int32(0));
    SqliteStatement q = pricedQuery(db, campaignColumns(), "s.kampanya > 0", "ORDER BY q.anagrup, q.adi, q.stokno");
    q.bind(1, discount);
    c.setResultSet(campaignColumns().read(q));
}

void resimVer5(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    SqliteStatement q = db.cached("SELECT resim, stokno, adi, marka, model, finishkod, anagrup FROM stok WHERE stokno = ?");
    q.bind(1, c.int32(0));
    if (!q.step())
        Checks::fail(QStringLiteral("Stok bulunamadı (stok no %1)").arg(c.int32(0)));
    QByteArray jpeg;
    if (q.int32(0) != 0)
        jpeg = StockPicture::jpeg({q.int32(1), q.text(2), q.text(3), q.text(4), q.text(5), q.text(6)});
    c.setOut(1, Value::int64(jpeg.size()));
    c.setStream(jpeg);
}

} // namespace

void addStockMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("StokAraKorven"), {inParam("kod", VT::Text), inParam("bilgi", VT::Object)},
                 VT::ResultSet, [&ctx](ServerCall &c) { stokAraKorven(ctx, c); });
    registry.add(QStringLiteral("YenilerVer"), {inParam("carino", VT::Int32)}, VT::ResultSet,
                 [&ctx](ServerCall &c) { yenilerVer(ctx, c); });
    registry.add(QStringLiteral("KampanyaliVer"), {inParam("cario", VT::Int32), inParam("satici", VT::Int32)},
                 VT::ResultSet, [&ctx](ServerCall &c) { kampanyaliVer(ctx, c); });
    registry.add(QStringLiteral("ResimVer5"), {inParam("stokno", VT::Int32), outParam("boy", VT::Int64)}, VT::Stream,
                 [&ctx](ServerCall &c) { resimVer5(ctx, c); });
}
