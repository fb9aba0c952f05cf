// Sign-in, account information and the mail/request outbox.

#include "AccountFigures.h"
#include "Caller.h"
#include "Checks.h"
#include "Dates.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"
#include "Transaction.h"
#include "TransferRecords.h"
#include "identity/AmountFormat.h"
#include "identity/DecimalText.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {
using VT = ValueType;

constexpr const char *mailFields[] = {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir", "telefon",
                                      "fax", "vd", "vn", "yetkili", "kullaniciadi", "sifre", "mail", "kargoambar"};

QList<ParamSpec> mailParams(bool withSubject)
{
    QList<ParamSpec> params;
    for (const char *name : mailFields)
        params.append(inParam(name, VT::Text));
    if (withSubject)
        params.append(inParam("konu", VT::Text));
    return params;
}

// Keeps a request or mail in the outbox with every field the client sent, in order.
void storeMail(SqliteDb &db, const ServerCall &call, const QString &kind, bool withSubject)
{
    QJsonObject fields;
    for (int i = 0; i < int(std::size(mailFields)); ++i)
        fields.insert(QLatin1String(mailFields[i]), call.text(i));
    if (withSubject)
        fields.insert(QStringLiteral("konu"), call.text(16));
    Transaction tx(db);
    db.cached("INSERT INTO giden_kutusu (tarih, tur, bilgisayarid, konu, alanlar) VALUES (?, ?, ?, ?, ?)")
        .bindAll(Dates::now(), kind, call.text(0), call.text(1),
                 QString::fromUtf8(QJsonDocument(fields).toJson(QJsonDocument::Compact)))
        .run();
    tx.commit();
}

int programVersion(SqliteDb &db)
{
    return int(db.scalarInt("SELECT CAST(deger AS INTEGER) FROM ayar WHERE anahtar = 'surum'", 27));
}

void buyukGetir(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    TSonucBilgisi record;
    record.BILGISAYARID = c.text(0);
    record.Version = programVersion(db);
    SqliteStatement q = db.cached(
        "SELECT u.sirano, u.adi, u.sifre, u.tip, u.aktif, u.mail, COALESCE(u.carino, 0), COALESCE(c.carikod, ''),"
        " COALESCE(c.cariadi, ''), COALESCE(s.saticino, 0), COALESCE(s.adi, ''), COALESCE(s.mail, ''),"
        " COALESCE(s.telefon, '')"
        " FROM istasyon i JOIN kullanici u ON u.sirano = i.kullanici"
        " LEFT JOIN cari c ON c.carino = u.carino"
        " LEFT JOIN satici s ON s.saticino = COALESCE(u.saticino, c.saticino)"
        " WHERE i.bilgisayarid = ?");
    q.bind(1, record.BILGISAYARID);
    if (q.step()) {
        record.Varmi = true;
        record.Sirano = q.int32(0);
        record.ADI = q.text(1);
        record.SIFRE = q.text(2);
        record.MusteriTipi = q.int32(3);
        record.AKTIF = q.int32(4);
        record.Kullanicimail = q.text(5);
        record.CARINO = q.int32(6);
        record.carikod = q.text(7);
        record.CariAdi = q.text(8);
        record.SaticiNo = q.int32(9);
        record.SaticiAdi = q.text(10);
        record.SaticiMail = q.text(11);
        record.SaticiTelefon = q.text(12);
    }
    c.setResultObject(&record);
}

void cikisGonder(MethodContext &ctx, ServerCall &c)
{
    const TSonucBilgisi record = Checks::login(c, 0);
    SqliteDb &db = ctx.store.db();
    const Caller caller = Caller::of(db, record);
    Transaction tx(db);
    db.cached("INSERT INTO oturum_olayi (tarih, tur, kullanici, bilgisayarid) VALUES (?, 'cikis', ?, ?)")
        .bindAll(Dates::now(), caller.userId, record.BILGISAYARID)
        .run();
    tx.commit();
}

void mobilCariBilgisiGetir(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    // A customer number when given, else the customer of the workstation's user.
    SqliteStatement q = db.cached(
        "SELECT c.carino, c.cariadi, c.carikod, c.il, c.ilce, c.ulke, c.adres1, c.adres2, c.tel1, c.tel2, c.fax1,"
        " c.fax2, c.gsm, c.email, c.vergidairesi, c.vergino, c.yetkili, c.anagrup, c.altgrup, c.ozelkod,"
        " COALESCE(s.adi, ''), COALESCE(s.mail, ''), COALESCE(s.telefon, ''), COALESCE(u.adi, ''),"
        " COALESCE(u.mail, ''), b.BORC, b.ALACAK, b.BAKIYE"
        " FROM cari c JOIN cari_bakiye b ON b.CARINO = c.carino"
        " LEFT JOIN satici s ON s.saticino = c.saticino"
        " LEFT JOIN istasyon i ON i.bilgisayarid = ?2"
        " LEFT JOIN kullanici u ON u.sirano = i.kullanici"
        " WHERE c.carino = CASE WHEN ?1 > 0 THEN ?1 ELSE u.carino END");
    q.bind(1, c.int32(0)).bind(2, c.text(1));
    if (!q.step()) {
        c.setResultObject<TMobilCariBilgisi>(nullptr);
        return;
    }
    TMobilCariBilgisi r;
    r.BILGISAYARID = c.text(1);
    r.CARINO = q.int32(0);
    r.CARIADI = q.text(1);
    r.CARIKOD = q.text(2);
    r.SEHIR = q.text(3);
    r.ILCE = q.text(4);
    r.ULKE = q.text(5);
    r.ADRES1 = q.text(6);
    r.ADRES2 = q.text(7);
    r.TEL1 = q.text(8);
    r.TEL2 = q.text(9);
    r.FAX1 = q.text(10);
    r.FAX2 = q.text(11);
    r.GSM = q.text(12);
    r.EMAIL = q.text(13);
    r.VERGIDAIRESI = q.text(14);
    r.VERGINO = q.text(15);
    r.YETKILI = q.text(16);
    r.AnaGrup = q.text(17);
    r.AltGrup = q.text(18);
    r.OzelKod = q.text(19);
    r.SATICIADI = q.text(20);
    r.SATICIMAIL = q.text(21);
    r.SATICITELEFON = q.text(22);
    r.KULLANICIADI = q.text(23);
    r.MAIL = q.text(24).isEmpty() ? r.EMAIL : q.text(24);
    r.TLBORC = q.real(25);
    r.TLALACAK = q.real(26);
    r.TLBAKIYE = q.real(27);
    // The password stays with the server: no screen needs it back.
    c.setResultObject(&r);
}

void cariDurumVer(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    const int carino = c.int32(0);
    Checks::customer(db, carino);
    // Plain decimal text: the payment page takes it as the amount to pay.
    c.setResult(Value::text(QString::fromLatin1(DecimalText(AccountFigures::balance(db, carino), 2).toPlainText())));
}

void cariVadeGunGecmismiBul(MethodContext &ctx, ServerCall &c)
{
    SqliteDb &db = ctx.store.db();
    const int carino = c.int32(0);
    Checks::customer(db, carino);
    const auto overdue = AccountFigures::overdue(db, carino, Dates::now());
    if (overdue.amount < 0.01) {
        c.setResult(Value::text(QString()));
        return;
    }
    c.setResult(Value::text(QStringLiteral("Vadesi %1 gün geçmiş %2 TL bakiyeniz bulunmaktadır. Lütfen ödemenizi yapınız.")
                                .arg(overdue.days)
                                .arg(formatAmount(overdue.amount, QLocale(QLocale::Turkish, QLocale::Turkey)))));
}

} // namespace

void addAccountMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("BuyukGetir"), {inParam("idsi", VT::Text)}, VT::Object,
                 [&ctx](ServerCall &c) { buyukGetir(ctx, c); });
    registry.add(QStringLiteral("CikisGonder"), {inParam("bilgi", VT::Object)}, VT::Null,
                 [&ctx](ServerCall &c) { cikisGonder(ctx, c); });
    registry.add(QStringLiteral("MobilCariBilgisiGetir"), {inParam("sirano", VT::Int32), inParam("_idsi", VT::Text)},
                 VT::Object, [&ctx](ServerCall &c) { mobilCariBilgisiGetir(ctx, c); });
    registry.add(QStringLiteral("CariDurumVer"), {inParam("carino", VT::Int32)}, VT::Text,
                 [&ctx](ServerCall &c) { cariDurumVer(ctx, c); });
    registry.add(QStringLiteral("CariVadeGunGecmismiBul"), {inParam("carino", VT::Int32)}, VT::Text,
                 [&ctx](ServerCall &c) { cariVadeGunGecmismiBul(ctx, c); });
    registry.add(QStringLiteral("MailGonserCari"), mailParams(false), VT::Int32, [&ctx](ServerCall &c) {
        storeMail(ctx.store.db(), c, QStringLiteral("MailGonserCari"), false);
        c.setResult(Value::int32(1));
    });
    registry.add(QStringLiteral("MailGonserCariNormal"), mailParams(true), VT::Int32, [&ctx](ServerCall &c) {
        storeMail(ctx.store.db(), c, QStringLiteral("MailGonserCariNormal"), true);
        c.setResult(Value::int32(1));
    });
}
