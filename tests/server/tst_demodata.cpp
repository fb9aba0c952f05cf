// The demo generator: users of every type with their workstations, a consistent year of trade.

#include "DSException.h"
#include "DemoDataGenerator.h"
#include "DemoUsers.h"
#include "SqliteDb.h"
#include "Store.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class TestDemoData : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Store> m_store;

    qint64 count(const char *sql) { return m_store->db().scalarInt(sql); }

private Q_SLOTS:
    void initTestCase()
    {
        m_store = std::make_unique<Store>(m_dir.filePath(QStringLiteral("demo.db")));
        DemoDataGenerator demo(m_store->db());
        QVERIFY(demo.isEmpty());
        demo.generate({500, 6, 11});
        QVERIFY(!demo.isEmpty());
    }

    void usersOfEveryType()
    {
        QCOMPARE(count("SELECT COUNT(DISTINCT tip) FROM kullanici"), qint64(5));
        for (const DemoUsers::User &u : DemoUsers::all()) {
            SqliteStatement q = m_store->db().prepare("SELECT u.sifre, u.tip, u.aktif FROM istasyon i"
                                                      " JOIN kullanici u ON u.sirano = i.kullanici WHERE i.bilgisayarid = ?");
            q.bind(1, QStringLiteral("DEMO-") + QLatin1String(u.name));
            QVERIFY2(q.step(), u.name);
            QCOMPARE(q.text(0), QLatin1String(u.password));
            QCOMPARE(q.int32(1), u.type);
            QCOMPARE(q.int32(2) != 0, u.active);
        }
    }

    void workstationRegistration()
    {
        DemoDataGenerator demo(m_store->db());
        demo.registerWorkstation(QStringLiteral("WS-1"), QStringLiteral("BAYI"));
        demo.registerWorkstation(QStringLiteral("WS-1"), QStringLiteral("MUDUR")); // moves to another user
        QCOMPARE(count("SELECT u.adi = 'MUDUR' FROM istasyon i JOIN kullanici u ON u.sirano = i.kullanici"
                       " WHERE i.bilgisayarid = 'WS-1'"),
                 qint64(1));
        QVERIFY_THROWS_EXCEPTION(DSException, demo.registerWorkstation(QStringLiteral("WS-2"), QStringLiteral("YOK")));
        QVERIFY_THROWS_EXCEPTION(DSException, demo.registerWorkstation(QStringLiteral(" "), QStringLiteral("BAYI")));
    }

    void tradeIsConsistent()
    {
        QCOMPARE(count("SELECT COUNT(*) FROM stok"), qint64(500));
        QVERIFY(count("SELECT COUNT(*) FROM stok WHERE yeni = 1") > 0);
        QVERIFY(count("SELECT COUNT(*) FROM stok WHERE kampanya > 0 AND kampfiyat BETWEEN 0.01 AND listefiyat") > 0);
        QCOMPARE(count("SELECT COUNT(DISTINCT durum) FROM stok"), qint64(6));
        // Every order has lines; no line is open beyond what was ordered and not delivered.
        QCOMPARE(count("SELECT COUNT(*) FROM siparis o WHERE NOT EXISTS (SELECT 1 FROM siparis_satir l WHERE l.idno = o.idno)"), qint64(0));
        QCOMPARE(count("SELECT COUNT(*) FROM siparis_satir WHERE bakiye + teslimedilen > miktar + 0.0001"), qint64(0));
        QCOMPARE(count("SELECT COUNT(DISTINCT durum) FROM siparis"), qint64(6));
        // Delivered goods are invoiced; virtual-POS receipts belong to virtual-POS collections.
        QCOMPARE(count("SELECT COUNT(*) FROM siparis o WHERE EXISTS (SELECT 1 FROM siparis_satir l WHERE l.idno = o.idno"
                       " AND l.teslimedilen > 0) AND NOT EXISTS (SELECT 1 FROM fatura f WHERE f.siparisidno = o.idno)"),
                 qint64(0));
        QVERIFY(count("SELECT COUNT(*) FROM sanalpos") > 0);
        QCOMPARE(count("SELECT COUNT(*) FROM sanalpos p JOIN tahsilat h ON h.idno = p.tahsilatidno WHERE h.cins <> 'Sanal POS'"),
                 qint64(0));
        // The stock's customer-ordered figure is the open quantity of its order lines.
        QCOMPARE(count("SELECT COUNT(*) FROM stok s WHERE ABS(s.verilensiparis - (SELECT TOTAL(l.bakiye)"
                       " FROM siparis_satir l WHERE l.stokno = s.stokno)) > 0.0001"),
                 qint64(0));
        // Barcodes are EAN-13 with a valid check digit.
        SqliteStatement codes = m_store->db().prepare("SELECT barkod FROM stok");
        while (codes.step()) {
            const QString code = codes.text(0);
            QCOMPARE(code.size(), 13);
            int sum = 0;
            for (int i = 0; i < 12; ++i)
                sum += code.at(i).digitValue() * (i % 2 ? 3 : 1);
            QCOMPARE(code.at(12).digitValue(), (10 - sum % 10) % 10);
        }
        QCOMPARE(count("SELECT COUNT(*) FROM acilis_ekrani WHERE resim IS NULL"), qint64(0));
        QVERIFY(count("SELECT COUNT(*) FROM dosya") >= 3);
    }
};

QTEST_MAIN(TestDemoData)
#include "tst_demodata.moc"
