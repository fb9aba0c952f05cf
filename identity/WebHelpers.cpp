#include "identity/WebHelpers.h"

#include <QFileInfo>
#include <QUrl>

QString UrlKodla(const QString &url)
{
    return QUrl(url, QUrl::TolerantMode).toString(QUrl::FullyEncoded);
}

int IeSurumu()
{
    return 0;
}

QStringList ChromeAdaylari()
{
    return {
        QStringLiteral("/usr/bin/google-chrome-stable"),
        QStringLiteral("/usr/bin/google-chrome"),
        QStringLiteral("/opt/google/chrome/google-chrome"),
        QStringLiteral("/opt/google/chrome/chrome"),
        QStringLiteral("/usr/bin/chromium"),
        QStringLiteral("/usr/bin/chromium-browser"),
        QStringLiteral("/snap/bin/chromium"),
    };
}

QString ChromeYolu()
{
    return ChromeYolu(ChromeAdaylari());
}

QString ChromeYolu(const QStringList &candidates)
{
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}
