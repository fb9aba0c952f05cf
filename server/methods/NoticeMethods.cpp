// Notices: scrolling text, banner, tab badge counts, opening adverts and announcements.

#include "BannerAnimation.h"
#include "Checks.h"
#include "MethodAreas.h"
#include "MethodContext.h"
#include "MethodRegistry.h"
#include "ResultColumns.h"
#include "ServerCall.h"
#include "SqliteDb.h"
#include "Store.h"
#include "TransferRecords.h"

namespace {
using namespace ColumnType;
using VT = ValueType;

const ResultColumns &badgeColumns()
{
    static const ResultColumns columns{
        {"SEPET", I, "(SELECT COUNT(*) FROM sepet WHERE carino = ?1)"},
        {"YENISTOK", I, "(SELECT COUNT(*) FROM stok WHERE yeni = 1)"},
        {"KAMPANYALI", I, "(SELECT COUNT(*) FROM stok WHERE kampanya > 0)"},
        {"DUYURU", I, "(SELECT COUNT(*) FROM acilis_ekrani WHERE tur = 2)"},
        {"BAKIYE", D, "(SELECT CAST(COUNT(*) AS REAL) FROM siparis_satir l JOIN siparis o ON o.idno = l.idno"
                      " WHERE o.carino = ?1 AND l.bakiye > 0)"},
    };
    return columns;
}

std::shared_ptr<TAcilisEkran> screenFrom(const SqliteStatement &q)
{
    auto screen = std::make_shared<TAcilisEkran>();
    screen->SiraNo = q.int32(0);
    screen->Baslik = q.text(1);
    screen->Arama = q.text(2);
    screen->Resim = QString::fromLatin1(q.blob(3).toHex().toUpper());
    return screen;
}

constexpr const char *screenColumns = "SELECT sirano, baslik, arama, resim FROM acilis_ekrani WHERE tur = ? ORDER BY sira, sirano";

QString bannerLines(SqliteDb &db)
{
    SqliteStatement q = db.cached("SELECT deger FROM ayar WHERE anahtar = 'banner'");
    return q.step() ? q.text(0) : QString();
}

} // namespace

void addNoticeMethods(MethodRegistry &registry, MethodContext &ctx)
{
    registry.add(QStringLiteral("KayanYaziGetir"), {}, VT::Text, [&ctx](ServerCall &c) {
        SqliteStatement q = ctx.store.db().cached("SELECT metin FROM kayan_yazi ORDER BY sira, sirano");
        QStringList items;
        while (q.step())
            items.append(q.text(0));
        c.setResult(Value::text(items.join(QStringLiteral(" &nbsp;&nbsp;&bull;&nbsp;&nbsp; "))));
    });
    registry.add(QStringLiteral("BannerResimVer"), {outParam("size", VT::Int64)}, VT::Stream, [&ctx](ServerCall &c) {
        QStringList lines = bannerLines(ctx.store.db()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.isEmpty())
            lines << QStringLiteral("PARVELA OTO YEDEK PARÇA");
        const QByteArray gif = BannerAnimation::gif(lines);
        c.setOut(0, Value::int64(gif.size()));
        c.setStream(gif);
    });
    registry.add(QStringLiteral("BalonGetir"), {inParam("bil", VT::Object)}, VT::ResultSet, [&ctx](ServerCall &c) {
        const TSonucBilgisi record = Checks::login(c, 0);
        SqliteStatement q = ctx.store.db().prepare("SELECT " + badgeColumns().selectList());
        q.bind(1, record.CARINO);
        c.setResultSet(badgeColumns().read(q));
    });
    registry.add(QStringLiteral("AcilisReklamAdet"), {}, VT::Int32, [&ctx](ServerCall &c) {
        c.setResult(Value::int32(int(ctx.store.db().scalarInt("SELECT COUNT(*) FROM acilis_ekrani WHERE tur = 1"))));
    });
    // `sira` counts from 0; past the end there is no advert.
    registry.add(QStringLiteral("AcilisREklamVer"), {inParam("sira", VT::Int32)}, VT::Object, [&ctx](ServerCall &c) {
        SqliteStatement q = ctx.store.db().prepare(QByteArray(screenColumns) + " LIMIT 1 OFFSET ?2");
        q.bind(1, 1).bind(2, c.int32(0));
        if (c.int32(0) < 0 || !q.step()) {
            c.setResultObject<TAcilisEkran>(nullptr);
            return;
        }
        c.setResultObject(screenFrom(q).get());
    });
    registry.add(QStringLiteral("AcilisEkranlarVer2"), {}, VT::Object, [&ctx](ServerCall &c) {
        SqliteStatement q = ctx.store.db().prepare(screenColumns);
        q.bind(1, 2);
        TAcilisEkranlariki holder;
        while (q.step())
            holder.Ekranlar.append(screenFrom(q));
        c.setResultObject(&holder);
    });
}
