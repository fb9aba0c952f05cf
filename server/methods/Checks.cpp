#include "Checks.h"

#include "DSException.h"
#include "ServerCall.h"
#include "SqliteDb.h"

#include <cmath>

void Checks::fail(const QString &message)
{
    throw DSException(message, QStringLiteral("EVeriHatasi"));
}

TSonucBilgisi Checks::login(const ServerCall &call, int position)
{
    const auto record = call.object<TSonucBilgisi>(position);
    if (!record)
        fail(QStringLiteral("Kullanıcı bilgisi gönderilmedi"));
    return *record;
}

void Checks::customer(SqliteDb &db, int carino)
{
    SqliteStatement q = db.cached("SELECT 1 FROM cari WHERE carino = ?");
    q.bind(1, carino);
    if (!q.step())
        fail(QStringLiteral("Cari bulunamadı (cari no %1)").arg(carino));
}

void Checks::stock(SqliteDb &db, int stokno)
{
    SqliteStatement q = db.cached("SELECT 1 FROM stok WHERE stokno = ?");
    q.bind(1, stokno);
    if (!q.step())
        fail(QStringLiteral("Stok bulunamadı (stok no %1)").arg(stokno));
}

double Checks::quantity(double value, const QString &what)
{
    if (!std::isfinite(value) || value <= 0)
        fail(QStringLiteral("%1 sıfırdan büyük olmalıdır").arg(what));
    return value;
}

double Checks::amount(double value, const QString &what)
{
    if (!std::isfinite(value) || value < 0)
        fail(QStringLiteral("%1 negatif olamaz").arg(what));
    return value;
}

double Checks::rate(double value, const QString &what)
{
    if (!std::isfinite(value) || value < 0 || value > 100)
        fail(QStringLiteral("%1 0 ile 100 arasında olmalıdır").arg(what));
    return value;
}
