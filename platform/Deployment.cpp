#include "platform/Deployment.h"

#include <QtGlobal>

namespace platform {

namespace {

QString value(const char *variable, const QString &fallback)
{
    const QString text = qEnvironmentVariable(variable).trimmed();
    return text.isEmpty() ? fallback : text;
}

QString address(const char *variable, const QString &fallback)
{
    QString text = value(variable, fallback);
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return text;
}

} // namespace

QString Deployment::updateBaseUrl()
{
    return address("PARVELA_UPDATE_URL", QStringLiteral("http://www.parvela.com.tr"));
}

QString Deployment::publicAddressUrl()
{
    return address("PARVELA_PUBLIC_IP_URL", QStringLiteral("http://api.ipify.org"));
}

QString Deployment::lanServerAddress()
{
    return value("PARVELA_LAN_SERVER", QStringLiteral("192.168.1.2"));
}

quint16 Deployment::serverPort()
{
    constexpr quint16 fallback = 9090;
    bool ok = false;
    const uint port = qEnvironmentVariable("PARVELA_SERVER_PORT").trimmed().toUInt(&ok);
    return ok && port > 0 && port <= 65535 ? quint16(port) : fallback;
}

QString Deployment::webSite()
{
    return address("PARVELA_WEB_SITE", QStringLiteral("http://www.parvela.com.tr"));
}

} // namespace platform
