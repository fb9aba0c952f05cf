#include "signin/GirisAdresleri.h"

#include "platform/Deployment.h"
#include "platform/Http.h"
#include "signin/Kirp.h"

namespace GirisAdresleri {

QUrl disIpAdresi()
{
    return QUrl(platform::Deployment::publicAddressUrl());
}

QUrl sunucuAdresDosyasi()
{
    return QUrl(platform::Deployment::updateBaseUrl() + QStringLiteral("/prv.txt"));
}

platform::HttpRequest istek(const QUrl &adres)
{
    platform::HttpRequest r;
    r.url = adres;
    r.connectTimeoutMs = 15000;
    r.readTimeoutMs = 1500;
    return r;
}

platform::HttpRetryPolicy denemeKurali()
{
    return platform::HttpRetryPolicy{0, 1000};
}

QString govde(const platform::HttpResult &sonuc)
{
    return sonuc.ok() ? Kirp(QString::fromUtf8(sonuc.body)) : QString();
}

} // namespace GirisAdresleri

namespace {
QString al(const QUrl &adres, const platform::CancelFlag &iptal)
{
    return GirisAdresleri::govde(platform::Http::getSyncWithRetry(GirisAdresleri::istek(adres),
                                                                  GirisAdresleri::denemeKurali(), iptal));
}
} // namespace

QString DisIpAl(const platform::CancelFlag &iptal)
{
    return al(GirisAdresleri::disIpAdresi(), iptal);
}

QString SunucuAdresiAl(const platform::CancelFlag &iptal)
{
    return al(GirisAdresleri::sunucuAdresDosyasi(), iptal);
}
