#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <stdexcept>

namespace platform {

// Raised by a workstation query that cannot answer; the identity code falls back on it.
class WorkstationError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One network adapter as the adapter status query sees it. `answered` is false when the
// adapter gave no usable hardware address, which the identity loop treats as a failed query.
struct AdapterStatus
{
    QString name;
    bool answered = false;
    QByteArray address; // six bytes when answered
};

// What the workstation identity needs of the machine. The real machine is `Workstation`;
// tests give a fake so the fallback rules run without the real hardware.
class WorkstationSource
{
public:
    virtual ~WorkstationSource() = default;

    // Host name cut to the 15 characters the identity has always kept; "" on failure.
    virtual QString computerName() const = 0;
    // Login name of the effective user; "" on failure.
    virtual QString userName() const = 0;
    // First IPv4 address of the own host name; "127.0.0.1" when it does not resolve.
    virtual QString localIPv4() const = 0;
    // Serial of the first whole disk as stored (not trimmed, case kept). Throws WorkstationError.
    virtual QString diskSerial() const = 0;
    // Adapters in interface-index order, loopback left out.
    virtual QList<AdapterStatus> adapters() const = 0;
};

} // namespace platform
