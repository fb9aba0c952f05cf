#include "platform/Workstation.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <limits>

#include <arpa/inet.h>
#include <netdb.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// The identity always kept at most 15 characters of the computer name.
constexpr int ComputerNameLength = 15;
constexpr int ArphrdLoopback = 772;

std::optional<QByteArray> readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(4096);
}

QByteArray parseHardwareAddress(const QByteArray &text)
{
    const QList<QByteArray> parts = text.trimmed().split(':');
    if (parts.size() != 6)
        return {};
    QByteArray bytes;
    for (const QByteArray &part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok || part.size() != 2 || value > 0xff)
            return {};
        bytes.append(char(value));
    }
    return bytes;
}

} // namespace

Workstation::Workstation()
    : Workstation(Sources{})
{
}

Workstation::Workstation(Sources sources)
    : m_sources(std::move(sources))
{
    if (!m_sources.hostName)
        m_sources.hostName = &Workstation::systemHostName;
    if (!m_sources.resolveIPv4)
        m_sources.resolveIPv4 = &Workstation::systemResolveIPv4;
}

QByteArray Workstation::systemHostName()
{
    char buffer[256] = {};
    if (gethostname(buffer, sizeof buffer - 1) != 0)
        return {};
    return QByteArray(buffer);
}

std::optional<QString> Workstation::systemResolveIPv4(const QByteArray &host)
{
    if (host.isEmpty())
        return std::nullopt;
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *list = nullptr;
    if (getaddrinfo(host.constData(), nullptr, &hints, &list) != 0 || !list)
        return std::nullopt;
    std::optional<QString> result;
    char text[INET_ADDRSTRLEN] = {};
    const auto *address = reinterpret_cast<const sockaddr_in *>(list->ai_addr);
    if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text))
        result = QString::fromLatin1(text);
    freeaddrinfo(list);
    return result;
}

QString Workstation::computerName() const
{
    return QString::fromLocal8Bit(m_sources.hostName()).left(ComputerNameLength);
}

QString Workstation::userName() const
{
    passwd entry = {};
    passwd *found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) != 0 || !found)
        return {};
    return QString::fromLocal8Bit(found->pw_name);
}

QString Workstation::localIPv4() const
{
    return m_sources.resolveIPv4(m_sources.hostName()).value_or(QStringLiteral("127.0.0.1"));
}

// The first whole disk stands in for "physical drive 0": block devices backed by a device
// (loop, ram, zram, device-mapper and md have none), not removable, in name order with
// shorter names first so sda..sdz come before sdaa.
QString Workstation::firstWholeDisk() const
{
    const QDir block(m_sources.sysRoot + QStringLiteral("/block"));
    QStringList disks;
    for (const QString &name : block.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString dir = block.filePath(name);
        if (!QFileInfo::exists(dir + QStringLiteral("/device")))
            continue;
        if (readSmallFile(dir + QStringLiteral("/removable")).value_or("0").trimmed() == "1")
            continue;
        disks.append(name);
    }
    if (disks.isEmpty())
        throw WorkstationError("no whole disk found");
    std::sort(disks.begin(), disks.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return disks.first();
}

std::optional<QString> Workstation::udevSerial(const QString &disk) const
{
    const auto dev = readSmallFile(m_sources.sysRoot + QStringLiteral("/block/") + disk
                                   + QStringLiteral("/dev"));
    if (!dev)
        return std::nullopt;
    QFile data(m_sources.udevDataRoot + QStringLiteral("/b") + QString::fromLatin1(dev->trimmed()));
    if (!data.open(QIODevice::ReadOnly))
        return std::nullopt;
    static const QByteArray key = "E:ID_SERIAL_SHORT=";
    while (!data.atEnd()) {
        const QByteArray line = data.readLine();
        if (line.startsWith(key))
            return QString::fromUtf8(line.mid(key.size())).remove(QLatin1Char('\n'));
    }
    return std::nullopt;
}

QString Workstation::diskSerial() const
{
    const QString disk = firstWholeDisk();
    const QString dir = m_sources.sysRoot + QStringLiteral("/block/") + disk;
    // SATA/NVMe expose device/serial, virtio disks a plain serial file.
    for (const QString &file : {dir + QStringLiteral("/device/serial"), dir + QStringLiteral("/serial")}) {
        if (const auto text = readSmallFile(file))
            return QString::fromUtf8(*text).remove(QLatin1Char('\n'));
    }
    if (const auto serial = udevSerial(disk))
        return *serial;
    throw WorkstationError("no serial for disk " + disk.toStdString());
}

QList<AdapterStatus> Workstation::adapters() const
{
    const QDir net(m_sources.sysRoot + QStringLiteral("/class/net"));
    QList<std::pair<int, AdapterStatus>> found;
    for (const QString &name : net.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString dir = net.filePath(name);
        if (readSmallFile(dir + QStringLiteral("/type")).value_or("").trimmed().toInt() == ArphrdLoopback)
            continue;
        bool ok = false;
        const int index = readSmallFile(dir + QStringLiteral("/ifindex")).value_or("").trimmed().toInt(&ok);
        AdapterStatus status;
        status.name = name;
        status.address = parseHardwareAddress(readSmallFile(dir + QStringLiteral("/address")).value_or(""));
        status.answered = status.address.size() == 6;
        found.append({ok ? index : std::numeric_limits<int>::max(), status});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<AdapterStatus> result;
    for (const auto &entry : found)
        result.append(entry.second);
    return result;
}

} // namespace platform
