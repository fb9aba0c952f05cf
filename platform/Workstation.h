#pragma once

#include "platform/WorkstationSource.h"

#include <functional>
#include <optional>

namespace platform {

// The real machine: host and user names from the C library, the local address from the
// resolver, the disk serial and the adapter addresses from sysfs and the udev database.
// Every source can be pointed elsewhere so tests can run the parsing on fake trees.
class Workstation : public WorkstationSource
{
public:
    struct Sources
    {
        QString sysRoot = QStringLiteral("/sys");
        QString udevDataRoot = QStringLiteral("/run/udev/data");
        // Own host name; empty means unknown.
        std::function<QByteArray()> hostName;
        // First IPv4 address of a host name in dotted form, or nothing.
        std::function<std::optional<QString>(const QByteArray &host)> resolveIPv4;
    };

    Workstation();
    explicit Workstation(Sources sources);

    QString computerName() const override;
    QString userName() const override;
    QString localIPv4() const override;
    QString diskSerial() const override;
    QList<AdapterStatus> adapters() const override;

    static QByteArray systemHostName();
    static std::optional<QString> systemResolveIPv4(const QByteArray &host);

private:
    QString firstWholeDisk() const;
    std::optional<QString> udevSerial(const QString &disk) const;

    Sources m_sources;
};

} // namespace platform
