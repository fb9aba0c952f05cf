// Published documents and the customer reports.

#include "Checks.h"
#include "CustomerReports.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "ResultColumns.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"

namespace {
using namespace ColumnType;
using VT = ValueType;

const ResultColumns &fileColumns()
{
    static const ResultColumns columns{{"SIRANO", I, "sirano"},
                                       {"ACIKLAMA", T, "aciklama"},
                                       {"DOSYAYOL", T, "dosyaadi"},
                                       {"TARIH", DT, "tarih"},
                                       {"BOYUT", I, "length(icerik)"}};
    return columns;
}

void belgeIndir2(MethodContext &ctx, ServerCall &c)
{
    // The login record may be missing: documents are public to every signed-in workstation.
    c.object<TSonucBilgisi>(3);
    SqliteStatement q = ctx.store.db().prepare("SELECT dosyaadi, icerik FROM dosya WHERE sirano = ?");
    q.bind(1, c.int32(0));
    if (!q.step())
        Checks::fail(QStringLiteral("Belge bulunamadı (%1)").arg(c.int32(0)));
    const QByteArray content = q.blob(1);
    c.setOut(1, Value::int64(content.size()));
    c.setOut(2, Value::text(q.text(0)));
    c.setStream(content);
}

void raporGetir(MethodContext &ctx, ServerCall &c)
{
    CustomerReports::Request r;
    r.report = c.int32(0); // the section (position 1) always repeats the report number
    r.userId = c.int32(2);
    r.carino = c.int32(3);
    r.salesRep = c.text(4);
    r.from = c.real(5);
    r.to = c.real(6);
    const QByteArray pdf = CustomerReports::render(ctx.store.db(), r);
    c.setOut(7, Value::int64(pdf.size()));
    c.setStream(pdf);
}

} // namespace

void addDocumentMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("DosyaListesi"), {}, VT::ResultSet, [&ctx](ServerCall &c) {
        SqliteStatement q = ctx.store.db().prepare("SELECT " + fileColumns().selectList() + " FROM dosya ORDER BY sirano");
        c.setResultSet(fileColumns().read(q));
    });
    registry.add(QStringLiteral("BelgeIndir2"),
                 {inParam("sirano", VT::Int32), outParam("size", VT::Int64), outParam("adi", VT::Text),
                  inParam("bilgi", VT::Object)},
                 VT::Stream, [&ctx](ServerCall &c) { belgeIndir2(ctx, c); });
    registry.add(QStringLiteral("RaporGetir"),
                 {inParam("raporno", VT::Int32), inParam("bolum", VT::Int32), inParam("idno", VT::Int32),
                  inParam("carino", VT::Int32), inParam("saticiadi", VT::Text), inParam("tarih1", VT::Date),
                  inParam("tarih2", VT::Date), outParam("size", VT::Int64)},
                 VT::Stream, [&ctx](ServerCall &c) { raporGetir(ctx, c); });
}
