#include "platform/Workstation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The machine queries read sysfs and the udev database; here they read fake trees.
class TestWorkstation : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_root;

    void write(const QString &relative, const QByteArray &content)
    {
        const QString path = m_root->filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void mkdir(const QString &relative) { QVERIFY(QDir().mkpath(m_root->filePath(relative))); }

    platform::Workstation workstation() const
    {
        platform::Workstation::Sources sources;
        sources.sysRoot = m_root->filePath(QStringLiteral("sys"));
        sources.udevDataRoot = m_root->filePath(QStringLiteral("udev"));
        return platform::Workstation(sources);
    }

    // Lays out a tree from "path=content" entries; a path ending in "/" is a directory.
    void build(const QStringList &entries)
    {
        for (const QString &entry : entries) {
            if (entry.endsWith(QLatin1Char('/'))) {
                mkdir(entry);
                continue;
            }
            const qsizetype eq = entry.indexOf(QLatin1Char('='));
            write(entry.left(eq), entry.mid(eq + 1).toUtf8());
        }
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
    }

    void diskSerial_data()
    {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QString>("serial"); // null: the query throws

        QTest::newRow("device serial kept as stored")
            << QStringList{"sys/block/sda/device/", "sys/block/sda/device/serial=  wd-123 \n"}
            << QStringLiteral("  wd-123 ");
        QTest::newRow("udev serial when sysfs has none")
            << QStringList{"sys/block/sda/device/", "sys/block/sda/dev=8:0\n",
                           "udev/b8:0=S:disk/by-id/x\nE:ID_SERIAL=Long_Name_S1\nE:ID_SERIAL_SHORT=S1\n"}
            << QStringLiteral("S1");
        QTest::newRow("virtio serial")
            << QStringList{"sys/block/vda/device/", "sys/block/vda/serial=vd-42"}
            << QStringLiteral("vd-42");
        QTest::newRow("loop, ram and removable disks are skipped")
            << QStringList{"sys/block/loop0/", "sys/block/ram0/",
                           "sys/block/sda/device/", "sys/block/sda/removable=1\n",
                           "sys/block/sda/device/serial=USBSTICK",
                           "sys/block/sdb/device/", "sys/block/sdb/removable=0\n",
                           "sys/block/sdb/device/serial=DISK-B"}
            << QStringLiteral("DISK-B");
        QTest::newRow("first disk by name, shorter names first")
            << QStringList{"sys/block/sdaa/device/serial=AA", "sys/block/sdb/device/serial=B",
                           "sys/block/sda/device/serial=A"}
            << QStringLiteral("A");
        QTest::newRow("only the first disk is asked")
            << QStringList{"sys/block/sda/device/", "sys/block/sdb/device/serial=B"}
            << QString();
        QTest::newRow("no disk at all") << QStringList{"sys/block/loop0/"} << QString();
        QTest::newRow("udev data without the serial key")
            << QStringList{"sys/block/sda/device/", "sys/block/sda/dev=8:0",
                           "udev/b8:0=E:ID_MODEL=x\n"}
            << QString();
    }

    void diskSerial()
    {
        QFETCH(QStringList, tree);
        QFETCH(QString, serial);
        build(tree);
        const platform::Workstation machine = workstation();
        if (serial.isNull())
            QVERIFY_THROWS_EXCEPTION(platform::WorkstationError, machine.diskSerial());
        else
            QCOMPARE(machine.diskSerial(), serial);
    }

    void adaptersInIndexOrderWithoutLoopback()
    {
        build({"sys/class/net/lo/type=772\n", "sys/class/net/lo/ifindex=1\n",
               "sys/class/net/lo/address=00:00:00:00:00:00\n",
               "sys/class/net/wlan0/type=1\n", "sys/class/net/wlan0/ifindex=3\n",
               "sys/class/net/wlan0/address=00:1a:2b:3c:4d:5e\n",
               "sys/class/net/eth0/type=1\n", "sys/class/net/eth0/ifindex=2\n",
               "sys/class/net/eth0/address=02:fc:00:00:00:01\n",
               "sys/class/net/tun0/type=65534\n", "sys/class/net/tun0/ifindex=4\n",
               "sys/class/net/tun0/address=\n",
               "sys/class/net/ib0/type=32\n", "sys/class/net/ib0/ifindex=10\n",
               "sys/class/net/ib0/address=80:00:00:48:fe:80:00:00:00:00:00:00:00:02:c9:03:00:0a:1b:2c\n"});
        const QList<platform::AdapterStatus> adapters = workstation().adapters();
        QStringList names;
        for (const auto &a : adapters)
            names << a.name + (a.answered ? ":" + QString::fromLatin1(a.address.toHex()) : ":-");
        QCOMPARE(names, (QStringList{"eth0:02fc00000001", "wlan0:001a2b3c4d5e", "tun0:-", "ib0:-"}));
    }

    void computerNameKeepsFifteenCharacters_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<QString>("name");
        QTest::newRow("short") << QByteArray("kasa1") << QStringLiteral("kasa1");
        QTest::newRow("exactly 15") << QByteArray("abcdefghijklmno") << QStringLiteral("abcdefghijklmno");
        QTest::newRow("longer is cut") << QByteArray("magaza-bilgisayari-2") << QStringLiteral("magaza-bilgisay");
        QTest::newRow("unknown") << QByteArray() << QString();
    }

    void computerNameKeepsFifteenCharacters()
    {
        QFETCH(QByteArray, host);
        QFETCH(QString, name);
        platform::Workstation::Sources sources;
        sources.hostName = [host] { return host; };
        QCOMPARE(platform::Workstation(sources).computerName(), name);
    }

    void localAddress()
    {
        platform::Workstation::Sources sources;
        QByteArray asked;
        sources.hostName = [] { return QByteArray("kasa1"); };
        sources.resolveIPv4 = [&asked](const QByteArray &host) -> std::optional<QString> {
            asked = host;
            return std::nullopt;
        };
        QCOMPARE(platform::Workstation(sources).localIPv4(), QStringLiteral("127.0.0.1"));
        QCOMPARE(asked, QByteArray("kasa1"));

        sources.resolveIPv4 = [](const QByteArray &) { return std::optional<QString>("10.0.0.5"); };
        QCOMPARE(platform::Workstation(sources).localIPv4(), QStringLiteral("10.0.0.5"));
    }

    void systemResolver()
    {
        QCOMPARE(platform::Workstation::systemResolveIPv4("10.1.2.3"), std::optional<QString>("10.1.2.3"));
        QVERIFY(!platform::Workstation::systemResolveIPv4(QByteArray()).has_value());
    }

    void realMachineAnswers()
    {
        const platform::Workstation machine;
        QVERIFY(!machine.userName().isEmpty());
        QVERIFY(machine.computerName().size() <= 15);
        QVERIFY(!machine.localIPv4().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWorkstation)
#include "tst_workstation.moc"
