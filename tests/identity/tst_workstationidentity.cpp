#include "identity/TSonucBilgisi.h"
#include "identity/WorkstationIdentity.h"
#include "platform/Workstation.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// A machine described by its answers; a null serial makes the disk query fail.
class FakeMachine : public platform::WorkstationSource
{
public:
    QString serial;
    QList<platform::AdapterStatus> adapterList;

    QString computerName() const override { return QStringLiteral("KASA1"); }
    QString userName() const override { return QStringLiteral("muhasebe.kullanicisi"); }
    QString localIPv4() const override { return QStringLiteral("192.168.1.40"); }
    QString diskSerial() const override
    {
        if (serial.isNull())
            throw platform::WorkstationError("no access to the disk");
        return serial;
    }
    QList<platform::AdapterStatus> adapters() const override { return adapterList; }
};

// "00:1a:..." answers with that address, "-" does not answer.
QList<platform::AdapterStatus> adapters(const QStringList &list)
{
    QList<platform::AdapterStatus> result;
    for (const QString &entry : list) {
        platform::AdapterStatus status;
        status.answered = entry != QLatin1String("-");
        if (status.answered)
            status.address = QByteArray::fromHex(entry.toLatin1().replace(':', ""));
        result << status;
    }
    return result;
}

} // namespace

class TestWorkstationIdentity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identifier_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QStringList>("adapterList");
        QTest::addColumn<QString>("identifier");

        const QString failing; // null: the disk query raises
        const QString zero = QStringLiteral("00:00:00:00:00:00");
        const QString first = QStringLiteral("00:1a:2b:3c:4d:5e");
        const QString second = QStringLiteral("02:fc:00:00:00:01");

        QTest::newRow("serial trimmed and upper case")
            << QStringLiteral(" \t wd-wcc4e1234567 \n\x01") << QStringList{first} << "WD-WCC4E1234567";
        QTest::newRow("failing disk gives first non-zero adapter")
            << failing << QStringList{zero, first, second} << "00-1A-2B-3C-4D-5E";
        QTest::newRow("blank serial gives the adapter")
            << QStringLiteral("   ") << QStringList{first} << "00-1A-2B-3C-4D-5E";
        QTest::newRow("all adapters zero gives zero text")
            << failing << QStringList{zero, zero, zero} << "00-00-00-00-00-00";
        QTest::newRow("silent first adapter ends the search")
            << failing << QStringList{"-", first} << "";
        QTest::newRow("silent adapter after a zero one is passed over")
            << failing << QStringList{zero, "-", second} << "02-FC-00-00-00-01";
        QTest::newRow("no adapters and no disk") << failing << QStringList{} << "";
    }

    void identifier()
    {
        QFETCH(QString, serial);
        QFETCH(QStringList, adapterList);
        QFETCH(QString, identifier);
        FakeMachine machine;
        machine.serial = serial;
        machine.adapterList = adapters(adapterList);
        QCOMPARE(BilgisayarIdAl(machine), identifier);
    }

    void diskQueryRaises()
    {
        FakeMachine machine;
        QVERIFY_THROWS_EXCEPTION(platform::WorkstationError, DiskSeriNoAl(machine));
        machine.serial = QStringLiteral(" abc ");
        QCOMPARE(DiskSeriNoAl(machine), QStringLiteral(" ABC "));
    }

    void unresolvableHostGivesLoopback()
    {
        platform::Workstation::Sources sources;
        sources.hostName = [] { return QByteArray("bilinmeyen-makine"); };
        sources.resolveIPv4 = [](const QByteArray &) { return std::optional<QString>(); };
        QCOMPARE(YerelIpAl(platform::Workstation(sources)), QStringLiteral("127.0.0.1"));
    }

    void fillsWorkstationFieldsOnly()
    {
        FakeMachine machine;
        machine.serial = QStringLiteral("s1");
        TSonucBilgisi record;
        record.ADI = QStringLiteral("bayi");
        record.Disip = QStringLiteral("85.1.2.3");
        record.CARINO = 7;
        IstasyonAlanlariniDoldur(record, machine);

        TSonucBilgisi expected;
        expected.ADI = QStringLiteral("bayi");
        expected.Disip = QStringLiteral("85.1.2.3");
        expected.CARINO = 7;
        expected.BilgiSayarAdi = QStringLiteral("KASA1");
        expected.BilgisayarKullanici = QStringLiteral("muhasebe.kullanicisi");
        expected.Icip = QStringLiteral("192.168.1.40");
        expected.BILGISAYARID = QStringLiteral("S1");
        QVERIFY(record == expected);
    }

    void realMachineGivesAnIdentity()
    {
        // Whatever this machine offers, the answer is trimmed and in the agreed shapes.
        const QString id = BilgisayarIdAl();
        QCOMPARE(id, id.trimmed());
        QVERIFY(BilgisayarAdiAl().size() <= 15);
        const QString mac = MacAdresiAl();
        QVERIFY2(mac.isEmpty() || QRegularExpression("^([0-9A-F]{2}-){5}[0-9A-F]{2}$").match(mac).hasMatch(),
                 qPrintable(mac));
    }
};

QTEST_GUILESS_MAIN(TestWorkstationIdentity)
#include "tst_workstationidentity.moc"
