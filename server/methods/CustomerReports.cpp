#include "CustomerReports.h"

#include "AccountFigures.h"
#include "Checks.h"
#include "Formats.h"
#include "PdfReport.h"
#include "SqliteDb.h"
#include "identity/AmountFormat.h"

#include <cmath>

namespace {

using Column = PdfReport::Column;

QString userName(SqliteDb &db, int userId)
{
    SqliteStatement q = db.cached("SELECT adi FROM kullanici WHERE sirano = ?");
    q.bind(1, userId);
    return q.step() ? q.text(0) : QString();
}

QString preparedBy(SqliteDb &db, int userId)
{
    const QString name = userName(db, userId);
    return name.isEmpty() ? QString() : QStringLiteral("Hazırlayan: %1").arg(name);
}

// Customer summary on one day: account data, statement of the last 90 days with its running
// balance, totals up to that day and what is overdue.
QByteArray summary(SqliteDb &db, const CustomerReports::Request &r)
{
    SqliteStatement c = db.prepare("SELECT c.carikod, c.cariadi, c.yetkili, c.adres1 || ' ' || c.adres2, c.ilce || '/' || c.il,"
                                   " c.vergidairesi || ' / ' || c.vergino, c.tel1, c.vade, c.indirim, COALESCE(s.adi, '')"
                                   " FROM cari c LEFT JOIN satici s ON s.saticino = c.saticino WHERE c.carino = ?");
    c.bind(1, r.carino);
    if (!c.step())
        Checks::fail(QStringLiteral("Cari bulunamadı (cari no %1)").arg(r.carino));
    PdfReport report(QStringLiteral("Cari Özeti"));
    report.setSubtitle(QStringLiteral("%1 tarihi itibarıyla   %2").arg(Formats::date(r.from), preparedBy(db, r.userId)));
    report.addField(QStringLiteral("Cari Kodu"), c.text(0));
    report.addField(QStringLiteral("Cari Adı"), c.text(1));
    report.addField(QStringLiteral("Yetkili"), c.text(2));
    report.addField(QStringLiteral("Adres"), c.text(3) + QStringLiteral("  ") + c.text(4));
    report.addField(QStringLiteral("Vergi D. / No"), c.text(5));
    report.addField(QStringLiteral("Telefon"), c.text(6));
    report.addField(QStringLiteral("Satıcı"), r.salesRep.trimmed().isEmpty() ? c.text(9) : r.salesRep);
    report.addField(QStringLiteral("Vade (Gün)"), QString::number(c.int32(7)));
    report.addField(QStringLiteral("İndirim %"), Formats::amount(c.real(8)));

    report.setColumns({{QStringLiteral("Tarih"), 2}, {QStringLiteral("Tür"), 3}, {QStringLiteral("Evrak No"), 3},
                       {QStringLiteral("Borç"), 2, true}, {QStringLiteral("Alacak"), 2, true},
                       {QStringLiteral("Bakiye"), 2, true}});
    const double dayEnd = std::floor(r.from) + 1;
    SqliteStatement e = db.prepare("SELECT TARIH, TURADI, EVRAK, BORC, ALACAK FROM cari_ekstre"
                                   " WHERE CARINO = ? AND TARIH < ? ORDER BY TARIH, SIRA, IDNO");
    e.bind(1, r.carino).bind(2, dayEnd);
    double debit = 0, credit = 0, running = 0;
    while (e.step()) {
        debit = Yuvarla(debit + e.real(3));
        credit = Yuvarla(credit + e.real(4));
        running = Yuvarla(running + e.real(3) - e.real(4));
        if (e.real(0) >= dayEnd - 90)
            report.addRow({Formats::date(e.real(0)), e.text(1), e.text(2), Formats::amount(e.real(3)),
                           Formats::amount(e.real(4)), Formats::amount(running)});
    }
    report.addTotal(QStringLiteral("Toplam Borç:"), Formats::amount(debit));
    report.addTotal(QStringLiteral("Toplam Alacak:"), Formats::amount(credit));
    report.addTotal(QStringLiteral("Bakiye:"), Formats::amount(running));
    const auto overdue = AccountFigures::overdue(db, r.carino, dayEnd);
    report.addTotal(QStringLiteral("Vadesi Geçmiş:"), Formats::amount(overdue.amount));
    SqliteStatement open = db.prepare("SELECT COUNT(*), COALESCE(SUM(l.bakiye), 0) FROM siparis_satir l"
                                      " JOIN siparis o ON o.idno = l.idno WHERE o.carino = ? AND l.bakiye > 0");
    open.bind(1, r.carino);
    open.step();
    report.addNote(QStringLiteral("Açık sipariş bakiyesi: %1 satır, %2 adet. Son 90 günün hareketleri listelenmiştir.")
                       .arg(open.int32(0))
                       .arg(open.real(1)));
    return report.render();
}

// Receivables of every customer (of one representative, unless "."), with what is overdue.
QByteArray receivables(SqliteDb &db, const CustomerReports::Request &r)
{
    const QString rep = r.salesRep.trimmed();
    const bool everyone = rep.isEmpty() || rep == QLatin1String(".");
    PdfReport report(QStringLiteral("Cari Toplu Alacak Vadeleri"));
    report.setSubtitle(QStringLiteral("%1 tarihi itibarıyla   %2   %3")
                           .arg(Formats::date(r.from), everyone ? QStringLiteral("Tüm satıcılar") : rep,
                                preparedBy(db, r.userId)));
    report.setColumns({{QStringLiteral("Cari Kodu"), 2}, {QStringLiteral("Cari Adı"), 5}, {QStringLiteral("Satıcı"), 3},
                       {QStringLiteral("Bakiye"), 2, true}, {QStringLiteral("Vadesi Geçmiş"), 2, true},
                       {QStringLiteral("Gün"), 1, true}});
    SqliteStatement q = db.prepare("SELECT c.carino, c.carikod, c.cariadi, COALESCE(s.adi, ''), b.BAKIYE FROM cari c"
                                   " JOIN cari_bakiye b ON b.CARINO = c.carino LEFT JOIN satici s ON s.saticino = c.saticino"
                                   " WHERE b.BAKIYE > 0.005 AND (?1 OR s.adi = ?2) ORDER BY b.BAKIYE DESC");
    q.bind(1, everyone ? 1 : 0).bind(2, rep);
    const double dayEnd = std::floor(r.from) + 1;
    double total = 0, overdueTotal = 0;
    while (q.step()) {
        const auto overdue = AccountFigures::overdue(db, q.int32(0), dayEnd);
        total = Yuvarla(total + q.real(4));
        overdueTotal = Yuvarla(overdueTotal + overdue.amount);
        report.addRow({q.text(1), q.text(2), q.text(3), Formats::amount(q.real(4)), Formats::amount(overdue.amount),
                       overdue.amount > 0 ? QString::number(overdue.days) : QString()});
    }
    report.addTotal(QStringLiteral("Toplam Alacak:"), Formats::amount(total));
    report.addTotal(QStringLiteral("Vadesi Geçmiş:"), Formats::amount(overdueTotal));
    return report.render();
}

// Sales, returns and collections of one customer by month and representative between two days.
QByteArray salesTable(SqliteDb &db, const CustomerReports::Request &r)
{
    if (r.from > r.to)
        Checks::fail(QStringLiteral("Başlangıç tarihi bitiş tarihinden sonra olamaz"));
    SqliteStatement c = db.prepare("SELECT carikod, cariadi FROM cari WHERE carino = ?");
    c.bind(1, r.carino);
    if (!c.step())
        Checks::fail(QStringLiteral("Cari bulunamadı (cari no %1)").arg(r.carino));
    PdfReport report(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"));
    report.setSubtitle(QStringLiteral("%1 %2   %3 - %4   %5")
                           .arg(c.text(0), c.text(1), Formats::date(r.from), Formats::date(r.to), preparedBy(db, r.userId)));
    report.setColumns({{QStringLiteral("Ay"), 2}, {QStringLiteral("Satıcı"), 3}, {QStringLiteral("Fatura"), 1, true},
                       {QStringLiteral("Satış"), 2, true}, {QStringLiteral("İade"), 2, true},
                       {QStringLiteral("Tahsilat"), 2, true}, {QStringLiteral("Net"), 2, true}});
    SqliteStatement q = db.prepare(
        "WITH h AS ("
        " SELECT date(f.tarih + 2415018.5) AS gun, f.saticiadi AS satici, 1 AS fatura,"
        "  CASE WHEN f.iade THEN 0 ELSE t.KDVDAHIL END AS satis, CASE WHEN f.iade THEN t.KDVDAHIL ELSE 0 END AS iade,"
        "  0 AS tahsilat FROM fatura f JOIN fatura_toplami t ON t.IDNO = f.idno"
        "  WHERE f.carino = ?1 AND f.tarih >= ?2 AND f.tarih < ?3"
        " UNION ALL"
        " SELECT date(h.tarih + 2415018.5), '', 0, 0, 0, CASE WHEN h.turadi = 'Tediye' THEN -h.tutar ELSE h.tutar END"
        "  FROM tahsilat h WHERE h.carino = ?1 AND h.tarih >= ?2 AND h.tarih < ?3)"
        " SELECT strftime('%m.%Y', gun), satici, SUM(fatura), YUVARLA(SUM(satis)), YUVARLA(SUM(iade)), YUVARLA(SUM(tahsilat))"
        " FROM h GROUP BY strftime('%Y-%m', gun), satici ORDER BY strftime('%Y-%m', gun), satici");
    q.bind(1, r.carino).bind(2, std::floor(r.from)).bind(3, std::floor(r.to) + 1);
    double sales = 0, returns = 0, collected = 0;
    while (q.step()) {
        const double net = Yuvarla(q.real(3) - q.real(4) - q.real(5));
        sales = Yuvarla(sales + q.real(3));
        returns = Yuvarla(returns + q.real(4));
        collected = Yuvarla(collected + q.real(5));
        report.addRow({q.text(0), q.text(1).isEmpty() ? QStringLiteral("-") : q.text(1), QString::number(q.int32(2)),
                       Formats::amount(q.real(3)), Formats::amount(q.real(4)), Formats::amount(q.real(5)),
                       Formats::amount(net)});
    }
    report.addTotal(QStringLiteral("Toplam Satış:"), Formats::amount(sales));
    report.addTotal(QStringLiteral("Toplam İade:"), Formats::amount(returns));
    report.addTotal(QStringLiteral("Toplam Tahsilat:"), Formats::amount(collected));
    report.addTotal(QStringLiteral("Net:"), Formats::amount(Yuvarla(sales - returns - collected)));
    return report.render();
}

} // namespace

QByteArray CustomerReports::render(SqliteDb &db, const Request &request)
{
    switch (request.report) {
    case 6:
        return request.carino > 0 ? summary(db, request) : receivables(db, request);
    case 7:
        return salesTable(db, request);
    default:
        Checks::fail(QStringLiteral("Rapor bulunamadı (rapor no %1)").arg(request.report));
    }
}
