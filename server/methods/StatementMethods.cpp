// The account statement and the documents behind its rows: invoices, collections and
// virtual-POS receipts.

#include "Checks.h"
#include "Formats.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "PdfReport.h"
#include "ResultColumns.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"

namespace {
using namespace ColumnType;
using VT = ValueType;

const ResultColumns &statementColumns()
{
    static const ResultColumns columns{{"CARINO", I}, {"TARIH", DT}, {"TURADI", T}, {"EVRAK", T},
                                       {"BORC", D},   {"ALACAK", D}, {"KUR", T},    {"BAKIYE", D},
                                       {"D", T},      {"IDNO", I},   {"ACIKLAMA", T}};
    return columns;
}

const ResultColumns &invoiceLineColumns()
{
    static const ResultColumns columns{
        {"OEMNO", T, "s.oemno"},
        {"STOKADI", T, "s.adi"},
        {"FINISHKOD", T, "s.finishkod"},
        {"MARKA", T, "s.marka"},
        {"MODEL", T, "s.model"},
        {"ANAGRUP", T, "s.anagrup"},
        {"OZELKOD", T, "s.ozelkod"},
        {"BIRIM", T, "s.birim"},
        {"BARKOD", T, "s.barkod"},
        {"STOKHAR_HAREKETTARIHI", DT, "f.tarih"},
        {"STOKHAR_HAREKETTIPI2", T, "f.turadi"},
        {"EVRAKNO", T, "f.evrakno"},
        {"STOKHAR_MIKTAR", D, "l.MIKTAR"},
        {"STOKHAR_TLBIRIMFIYATI", D, "l.BIRIMFIYAT"},
        {"STOKHAR_TLVERGI", D, "l.VERGI"},
        {"STOKHAR_TLTUTAR", D, "l.TUTAR"},
        {"STOKHAR_INDIRIM1", D, "l.INDIRIM1"},
        {"STOKHAR_INDIRIM2", D, "l.INDIRIM2"},
        {"STOKHAR_INDIRIM3", D, "0.0"},
        {"STOKHAR_INDIRIM4", D, "0.0"},
        {"STOKHAR_INDIRIM5", D, "0.0"},
        {"STOKHAR_INDIRIM6", D, "0.0"},
        {"STOKHAR_INDIRIM7", D, "0.0"},
        {"STOKHAR_INDIRIM8", D, "0.0"},
        {"STOKHAR_DOVIZBIRIMFIYATI", D, "0.0"},
        {"STOKHAR_DOVIZVERGI", D, "0.0"},
        {"STOKHAR_DOVIZTUTAR", D, "0.0"},
        {"IRSALIYEEVRAKNO", T, "f.irsaliyeno"},
        {"STOKHAR_IRSTARIHI", DT, "f.irsaliyetarihi"},
        {"KDV", D, "l.KDV"},
        {"STOKHAR_PARTI", T, "''"},
        {"STOKHAR_BEDEN", T, "''"},
        {"STOKHAR_RENK", T, "''"},
        {"SATIRACIKLMASI", T, "l.ACIKLAMA"},
        {"STOKHAR_TOPLAMINDIRIM", D, "l.INDIRIM"},
        {"STOKHAR_MASRAF1", D, "0.0"},
        {"STOKHAR_MASRAF2", D, "0.0"},
        {"STOKHAR_TOPLAMMASRAF", D, "0.0"},
        {"STOKHAR_DOVIZTOPLAMINDIRIM", D, "0.0"},
        {"STOKHAR_DOVIZTOPLAMMASRAF", D, "0.0"},
        {"STOKHAR_SAAT", T, "f.saat"},
        {"STOKHAR_NETTLBIRIMFIYATI", D, "CASE WHEN l.MIKTAR > 0 THEN YUVARLA(l.NET / l.MIKTAR) ELSE 0.0 END"},
        {"STOKHAR_NETDOVIZBIRIMFIYATI", D, "0.0"},
        {"STOKHAR_NETTLTUTAR", D, "l.NET"},
        {"STOKHAR_NETDOVIZTUTAR", D, "0.0"},
        {"STOKHAR_KURTL", D, "1.0"},
        {"STOKHAR_VADE", I, "f.vade"},
        {"SIPARISTIPI", I, "CASE WHEN o.idno IS NULL THEN 0 ELSE 1 END"},
        {"SIPARISEVRAKNO", T, "CASE WHEN o.idno IS NULL THEN '' ELSE 'SP' || printf('%06d', o.idno) END"},
        {"SIPARISTARIHI", DT, "o.tarih"},
        {"IRSALIYETIPINO", I, "CASE WHEN f.iade THEN 2 ELSE 1 END"},
        {"IRSALIYETIP2", T, "CASE WHEN f.iade THEN 'İade İrsaliyesi' ELSE 'Satış İrsaliyesi' END"},
        {"STOKCARIKOD", T, "c.carikod"},
        {"SUBE_NO", I, "0"},
        {"STOKHAR_CARINO", I, "f.carino"},
        {"KUR_KURSIMGE", T, "'TL'"},
        {"SATICIADI", T, "f.saticiadi"},
        {"URETICIKODU", T, "s.ureticikodu"},
        {"DPKOD", T, "s.dpkod"},
        {"ENADI", T, "s.digeradi"},
        {"PKOD", T, "s.pkod"},
        {"BELGENO", T, "f.evrakno"},
        {"IDNO", I, "f.idno"},
    };
    return columns;
}

const ResultColumns &invoiceTotalColumns()
{
    static const ResultColumns columns{{"TOPLAM", D}, {"TOPLAMINDIRIM", D}, {"MATRAH", D}, {"KDVTUTAR", D}, {"KDVDAHIL", D}};
    return columns;
}

const ResultColumns &collectionColumns()
{
    static const ResultColumns columns{
        {"Tarih", DT, "h.tarih"},     {"Türü", T, "h.turadi"},     {"Cins", T, "h.cins"},
        {"EvrakNo", T, "h.evrakno"},  {"Vade", DT, "h.vade"},       {"Tutar", D, "h.tutar"},
        {"Kur", T, "'TL'"},           {"KurTL", D, "1.0"},          {"Açıklama", T, "h.aciklama"},
        {"Döviz Tutar", D, "0.0"},    {"Ref", T, "h.ref"},          {"Saat", T, "h.saat"},
    };
    return columns;
}

void resultSet(MethodContext &ctx, ServerCall &c, const ResultColumns &columns, const QByteArray &from,
               const QList<int> &positions)
{
    SqliteStatement q = ctx.store.db().prepare("SELECT " + columns.selectList() + ' ' + from);
    for (int i = 0; i < positions.size(); ++i)
        q.bind(i + 1, c.int32(positions.at(i)));
    c.setResultSet(columns.read(q));
}

QByteArray receipt(SqliteDb &db, int sirano)
{
    SqliteStatement q = db.prepare(
        "SELECT p.sirano, h.tarih, h.saat, c.carikod, c.cariadi, p.kartsahibi, p.kartno, p.banka, p.taksit,"
        " p.onaykodu, h.tutar, h.evrakno, h.aciklama FROM sanalpos p JOIN tahsilat h ON h.idno = p.tahsilatidno"
        " JOIN cari c ON c.carino = h.carino WHERE p.sirano = ?");
    q.bind(1, sirano);
    if (!q.step())
        Checks::fail(QStringLiteral("Sanal POS dekontu bulunamadı (%1)").arg(sirano));
    PdfReport report(QStringLiteral("Sanal POS Ödeme Dekontu"));
    report.setSubtitle(QStringLiteral("Dekont No: %1").arg(q.int32(0)));
    report.addField(QStringLiteral("İşlem Tarihi"), Formats::date(q.real(1)) + QLatin1Char(' ') + q.text(2));
    report.addField(QStringLiteral("Cari Kodu"), q.text(3));
    report.addField(QStringLiteral("Cari Adı"), q.text(4));
    report.addField(QStringLiteral("Kart Sahibi"), q.text(5));
    report.addField(QStringLiteral("Kart No"), q.text(6));
    report.addField(QStringLiteral("Banka"), q.text(7));
    report.addField(QStringLiteral("Taksit"), q.int32(8) <= 1 ? QStringLiteral("Tek Çekim") : QString::number(q.int32(8)));
    report.addField(QStringLiteral("Onay Kodu"), q.text(9));
    report.addField(QStringLiteral("Evrak No"), q.text(11));
    report.addField(QStringLiteral("Açıklama"), q.text(12));
    report.addTotal(QStringLiteral("Tahsil Edilen Tutar:"), Formats::amount(q.real(10)) + QStringLiteral(" TL"));
    report.addNote(QStringLiteral("Bu dekont sanal POS üzerinden yapılan ödemenin bilgisi için düzenlenmiştir."));
    return report.render();
}

} // namespace

void addStatementMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("CariEkstreVer"), {inParam("carino", VT::Int32)}, VT::ResultSet, [&ctx](ServerCall &c) {
        resultSet(ctx, c, statementColumns(), "FROM cari_ekstre WHERE CARINO = ? ORDER BY TARIH, SIRA, IDNO", {0});
    });
    registry.add(QStringLiteral("FaturaGetir"), {inParam("carino", VT::Int32), inParam("idnosu", VT::Int32)},
                 VT::ResultSet, [&ctx](ServerCall &c) {
                     resultSet(ctx, c, invoiceLineColumns(),
                               "FROM fatura f JOIN fatura_satiri l ON l.IDNO = f.idno JOIN stok s ON s.stokno = l.STOKNO"
                               " JOIN cari c ON c.carino = f.carino LEFT JOIN siparis o ON o.idno = f.siparisidno"
                               " WHERE f.carino = ? AND f.idno = ? ORDER BY l.SATIRNO",
                               {0, 1});
                 });
    registry.add(QStringLiteral("FaturaAltGetir"), {inParam("idnosu", VT::Int32)}, VT::ResultSet,
                 [&ctx](ServerCall &c) { resultSet(ctx, c, invoiceTotalColumns(), "FROM fatura_toplami WHERE IDNO = ?", {0}); });
    registry.add(QStringLiteral("Tahsilat"), {inParam("idnosu", VT::Int32)}, VT::ResultSet,
                 [&ctx](ServerCall &c) { resultSet(ctx, c, collectionColumns(), "FROM tahsilat h WHERE h.idno = ?", {0}); });
    registry.add(QStringLiteral("SanalposSiranoVer"), {inParam("idnosu", VT::Int32)}, VT::Int32, [&ctx](ServerCall &c) {
        SqliteStatement q = ctx.store.db().cached("SELECT sirano FROM sanalpos WHERE tahsilatidno = ?");
        q.bind(1, c.int32(0));
        c.setResult(Value::int32(q.step() ? q.int32(0) : 0));
    });
    registry.add(QStringLiteral("SAnalPosPdfVer"), {inParam("sirano", VT::Int32), outParam("boy", VT::Int64)},
                 VT::Stream, [&ctx](ServerCall &c) {
                     const QByteArray pdf = receipt(ctx.store.db(), c.int32(0));
                     c.setOut(1, Value::int64(pdf.size()));
                     c.setStream(pdf);
                 });
}
