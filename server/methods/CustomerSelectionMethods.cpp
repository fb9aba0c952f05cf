// What a sales representative's customer selection asks: customer lists by search text or by
// basket and order state, and the counts on its state buttons.

#include "Caller.h"
#include "Checks.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "ResultColumns.h"
#include "SearchText.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"
#include "TransferRecords.h"

namespace {
using namespace ColumnType;
using VT = ValueType;

const ResultColumns &customerColumns()
{
    static const ResultColumns columns{
        {"CARINO", I, "c.carino"},
        {"CARIKOD", T, "c.carikod"},
        {"CARIADI", T, "c.cariadi"},
        {"SATICISI", T, "COALESCE(s.adi, '')"},
        {"TLBAKIYE", D, "b.BAKIYE"},
        {"DURUM", T, "CASE WHEN b.BAKIYE > 0.005 THEN 'Borçlu' WHEN b.BAKIYE < -0.005 THEN 'Alacaklı' ELSE '' END"},
        {"SEPET", I, "(SELECT COUNT(*) FROM sepet x WHERE x.carino = c.carino)"},
        {"ALINDI", I, "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 1)"},
        {"ONAYLANDI", I, "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 2)"},
        {"GORULDU", I, "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 3)"},
        {"HAZIRLANDI", I, "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 5)"},
        {"PARCALIHAZIRLANDI", I, "(SELECT COUNT(*) FROM siparis o WHERE o.carino = c.carino AND o.durum = 4)"},
        {"OZELKOD", T, "c.ozelkod"},
        {"ANAGRUP", T, "c.anagrup"},
        {"ALTGRUP", T, "c.altgrup"},
        {"YETKILI", T, "c.yetkili"},
        {"ADRES1", T, "c.adres1"},
        {"ADRES2", T, "c.adres2"},
        {"ILCE", T, "c.ilce"},
        {"IL", T, "c.il"},
        {"VERGIDAIRESI", T, "c.vergidairesi"},
        {"VERGINO", T, "c.vergino"},
        {"TEL1", T, "c.tel1"},
        {"TEL2", T, "c.tel2"},
        {"FAX1", T, "c.fax1"},
        {"FAX2", T, "c.fax2"},
        {"GSM", T, "c.gsm"},
        {"EMAIL", T, "c.email"},
        {"VADE", I, "c.vade"},
        {"INDIRIM", D, "c.indirim"},
        {"KOD1", T, "c.kod1"},
        {"KOD2", T, "c.kod2"},
        {"KOD3", T, "c.kod3"},
        {"KOD4", T, "c.kod4"},
        {"KOD5", T, "c.kod5"},
        {"VADEKONTROLGUN", I, "c.vadekontrolgun"},
        {"VADEKONTROLAY", I, "c.vadekontrolay"},
    };
    return columns;
}

// The caller's customers that pass `condition` (binds from ?4 on), by name.
SqliteStatement customerList(SqliteDb &db, const Caller &caller, const QByteArray &condition)
{
    SqliteStatement q = db.prepare("SELECT " + customerColumns().selectList()
                                   + " FROM cari c JOIN cari_bakiye b ON b.CARINO = c.carino"
                                     " LEFT JOIN satici s ON s.saticino = c.saticino WHERE "
                                   + Caller::visibleCustomers() + " AND " + condition + " ORDER BY c.cariadi, c.carino");
    caller.bindVisibility(q);
    return q;
}

void cariAra(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    SqliteDb &db = ctx.store.db();
    const Caller caller = Caller::of(db, record);
    const QStringList words = SearchText::words(c.text(1));
    QByteArray condition = "1";
    for (int i = 0; i < words.size(); ++i)
        condition += " AND instr(KATLA(c.carikod || ' ' || c.cariadi || ' ' || c.il || ' ' || c.ilce || ' ' || c.yetkili), ?"
                     + QByteArray::number(i + 4) + ") > 0";
    SqliteStatement q = customerList(db, caller, condition);
    for (int i = 0; i < words.size(); ++i)
        q.bind(i + 4, words.at(i));
    c.setResultSet(customerColumns().read(q));
}

void cariSepetVer(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    const int state = c.int32(1);
    if (state < 1 || state > 7)
        Checks::fail(QStringLiteral("Geçersiz sipariş durumu kodu: %1").arg(state));
    SqliteDb &db = ctx.store.db();
    const Caller caller = Caller::of(db, record);
    // 1: something in the basket; 2 to 7: an order received, approved, seen, partly prepared,
    // prepared or shipped (order states 1 to 6).
    SqliteStatement q = customerList(
        db, caller,
        "CASE WHEN ?4 = 1 THEN EXISTS (SELECT 1 FROM sepet x WHERE x.carino = c.carino)"
        " ELSE EXISTS (SELECT 1 FROM siparis o WHERE o.carino = c.carino AND o.durum = ?4 - 1) END");
    q.bind(4, state);
    c.setResultSet(customerColumns().read(q));
}

void sepetSayisi(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    SqliteDb &db = ctx.store.db();
    const Caller caller = Caller::of(db, record);
    SqliteStatement q = db.prepare(QByteArray("SELECT COUNT(*) FROM cari c WHERE ") + Caller::visibleCustomers()
                                   + " AND EXISTS (SELECT 1 FROM sepet x WHERE x.carino = c.carino)");
    caller.bindVisibility(q);
    q.step();
    c.setResult(Value::int32(q.int32(0)));
}

void tusSonuclariVer(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    SqliteDb &db = ctx.store.db();
    const Caller caller = Caller::of(db, record);
    SqliteStatement q = db.prepare(QByteArray("SELECT o.durum, COUNT(*) FROM siparis o JOIN cari c ON c.carino = o.carino WHERE ")
                                   + Caller::visibleCustomers() + " GROUP BY o.durum");
    caller.bindVisibility(q);
    TTusSonuclari counts;
    while (q.step()) {
        const int n = q.int32(1);
        switch (q.int32(0)) {
        case 1: counts.Alindi = n; break;
        case 2: counts.Onaylandi = n; break;
        case 3: counts.Goruldu = n; break;
        case 4: counts.ParcaliHazirlandi = n; break;
        case 5: counts.Hazirlandi = n; break;
        case 6: counts.SevkEdildi = n; break;
        }
    }
    c.setResultObject(&counts);
}

} // namespace

void addCustomerSelectionMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("CariAra"), {inParam("bil", VT::Object), inParam("aranan", VT::Text)}, VT::ResultSet,
                 [&ctx](ServerCall &c) { cariAra(ctx, c); });
    registry.add(QStringLiteral("CariSepetVer"), {inParam("bil", VT::Object), inParam("n", VT::Int32)}, VT::ResultSet,
                 [&ctx](ServerCall &c) { cariSepetVer(ctx, c); });
    registry.add(QStringLiteral("SepetSayisi"), {inParam("bil", VT::Object)}, VT::Int32,
                 [&ctx](ServerCall &c) { sepetSayisi(ctx, c); });
    registry.add(QStringLiteral("TusSonuclariVer"), {inParam("bil", VT::Object)}, VT::Object,
                 [&ctx](ServerCall &c) { tusSonuclariVer(ctx, c); });
}
