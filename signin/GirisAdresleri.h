#pragma once

#include "platform/CancelFlag.h"
#include "platform/HttpTypes.h"

#include <QString>
#include <QUrl>

// Result of the address step of the sign-in.
struct TParvelaDonus
{
    QString ip; // the published server address: the trimmed body of the address file
    QString disip; // this workstation's public address: the trimmed answer of the address service
};

// Both address look-ups are the same request: read time-out 1.5 s, connect time-out 15 s,
// tried again one second after any failure, without limit until it succeeds or is cancelled.
namespace GirisAdresleri {
QUrl disIpAdresi();
QUrl sunucuAdresDosyasi();
platform::HttpRequest istek(const QUrl &adres);
platform::HttpRetryPolicy denemeKurali();
// The trimmed body of a successful answer; "" for anything else.
QString govde(const platform::HttpResult &sonuc);
} // namespace GirisAdresleri

// Blocking look-ups for worker tasks; "" when cancelled.
QString DisIpAl(const platform::CancelFlag &iptal);
QString SunucuAdresiAl(const platform::CancelFlag &iptal);
