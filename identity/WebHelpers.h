#pragma once

#include <QString>
#include <QStringList>

// Percent-encodes a complete address: path and query characters outside the URL-safe set
// become UTF-8 bytes written as %XX; scheme, host and port stay as they are.
QString UrlKodla(const QString &url);

// Version of an embedded system browser; there is none here, so always 0.
int IeSurumu();

// Where the browser is looked for, in order: Chrome first, then Chromium.
QStringList ChromeAdaylari();

// First candidate that exists as a file, "" when none does.
QString ChromeYolu();
QString ChromeYolu(const QStringList &candidates);
