#include "CallFrame.h"
#include "DSConnection.h"
#include "DSException.h"
#include "MemTable.h"
#include "MethodRegistry.h"
#include "ProtocolServer.h"
#include "RemoteStream.h"
#include "ResultSetReader.h"
#include "TServerMethods1Client.h"
#include "TableHelpers.h"
#include "WireFixtureMethods.h"

#include <QTest>

// Calls through the real proxy over loopback TCP against the protocol server.
class TestRemoteCall : public QObject
{
    Q_OBJECT

    MethodRegistry m_registry;
    WireFixtureState m_state;
    std::unique_ptr<ProtocolServer> m_server;
    quint16 m_port = 0;

    std::unique_ptr<DSConnection> connection(const QString &host = QStringLiteral("127.0.0.1")) const
    {
        auto c = std::make_unique<DSConnection>();
        c->setParam(QStringLiteral("HostName"), host);
        c->setParam(QStringLiteral("Port"), QString::number(m_port));
        c->setTimeouts(2000, 5000);
        return c;
    }

private Q_SLOTS:
    void initTestCase()
    {
        addWireFixtureMethods(m_registry, m_state);
        m_server = std::make_unique<ProtocolServer>(m_registry);
        m_port = m_server->listen(QStringLiteral("127.0.0.1"), 0);
    }

    void storedSettingsAndClone()
    {
        DSConnection c;
        QCOMPARE(c.connectionName(), QStringLiteral("DataSnapCONNECTION"));
        QCOMPARE(c.param("HostName"), QStringLiteral("127.0.0.1"));
        QCOMPARE(c.param("Port"), QStringLiteral("9090"));
        QCOMPARE(c.param("Filters"), QStringLiteral("{}"));
        QCOMPARE(c.param("DSProxyPort"), QStringLiteral("8090"));
        const auto copy = c.clone();
        QCOMPARE(copy->connectionName(), QStringLiteral("DataSnapCONNECTIONClone1"));
        QCOMPARE(copy->params(), c.params());
        QVERIFY(!copy->isOpen());
    }

    void proxyOnClosedConnectionFails()
    {
        DSConnection c;
        try {
            TServerMethods1Client proxy(c);
            QFAIL("proxy built on a closed connection");
        } catch (const DSException &e) {
            QCOMPARE(e.message(), QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."));
        }
    }

    void scalarCallAndServerError()
    {
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        QCOMPARE(proxy.EchoString(QStringLiteral("Çığ öğün")), QStringLiteral("Çığ öğün"));
        QCOMPARE(proxy.ReverseString(QStringLiteral("abc")), QStringLiteral("cba"));
        try {
            proxy.command(QStringLiteral("Hata")).execute();
            QFAIL("no error raised");
        } catch (const DSException &e) {
            QCOMPARE(e.message(), QStringLiteral("Stok bulunamadı"));
            QCOMPARE(e.className(), QStringLiteral("EStokHatasi"));
        }
        // The session survives a method error.
        QCOMPARE(proxy.EchoString(QStringLiteral("x")), QStringLiteral("x"));
        try {
            proxy.command(QStringLiteral("YokBoyleBirMetot"));
            QFAIL("unknown method prepared");
        } catch (const DSException &e) {
            QVERIFY(e.message().contains(QStringLiteral("TServerMethods1.YokBoyleBirMetot")));
        }
    }

    void secondCallThroughOneProxyPreparesOnce()
    {
        const int before = m_registry.prepareCount(QStringLiteral("SepetVer"));
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        MemTable first, second;
        CopyResultSet(proxy.SepetVer(3), first);
        CopyResultSet(proxy.SepetVer(4), second);
        QCOMPARE(first.rowCount(), 3);
        QCOMPARE(second.rowCount(), 4);
        QCOMPARE(m_registry.prepareCount(QStringLiteral("SepetVer")) - before, 1);
    }

    void resultSetCopyKeepsTypesNullsAndOrder()
    {
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        auto bilgi = std::make_unique<TSonucBilgisi>();
        bilgi->CARINO = 42;
        MemTable table;
        CopyResultSet(proxy.StokAraKorven(QStringLiteral("1500"), std::move(bilgi)), table);
        QVERIFY(table.isOpen());
        QCOMPARE(table.rowCount(), 1500);
        QCOMPARE(table.columnCount(), fixtureStockColumnCount());
        QCOMPARE(table.value(0, "FINISHKOD").toString(), QStringLiteral("PRV-000001"));
        QCOMPARE(table.value(1499, "STOK_STOKNO").toInt(), 1500);
        QCOMPARE(table.value(3, "ADI").toString(), QStringLiteral("FREN BALATASI ÖN TAKIM 3"));
        QVERIFY(table.value(0, "KAMPFIYAT").isValid()); // row 0 has a campaign price
        QVERIFY(!table.value(1, "KAMPFIYAT").isValid());
        QCOMPARE(table.value(2, "FIYAT").toDouble(), 12.5);
        QCOMPARE(table.columnType(table.columnIndex("GUNCELLEME")), ValueType::Date);
        QVERIFY(m_state.lastLoginJson.contains("\"FCARINO\":42"));
        FloatFormatla(table);
        QCOMPARE(table.displayFormat(table.columnIndex("FIYAT")), QStringLiteral("#,###,##0.00"));
        QVERIFY(table.displayFormat(table.columnIndex("GUNCELLEME")).isEmpty());
        QVERIFY(table.displayFormat(table.columnIndex("STOK_STOKNO")).isEmpty());
    }

    void emptyResultLeavesTableOpenWithColumns()
    {
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        MemTable table;
        CopyResultSet(proxy.SepetVer(0), table);
        QVERIFY(table.isOpen());
        QCOMPARE(table.rowCount(), 0);
        QCOMPARE(table.columnName(0), QStringLiteral("STOK_STOKNO"));
        QVERIFY(!KayitVarmi(table));
    }

    void clashingFirstColumnFails()
    {
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        MemTable table;
        table.addColumn({QStringLiteral("SIRANO"), ValueType::Int32, 0});
        try {
            CopyResultSet(proxy.SepetVer(2), table);
            QFAIL("copy succeeded");
        } catch (const DSException &e) {
            QCOMPARE(e.message(), QStringLiteral("Additional columns must be added after the prescribed columns."));
        }
        // The unread rows are skipped before the next request on the same connection.
        QCOMPARE(proxy.EchoString(QStringLiteral("sonra")), QStringLiteral("sonra"));
    }

    void streams_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("reads");
        QTest::addColumn<bool>("kept");
        QTest::newRow("announced 0 is not read") << 0 << 1024 << 0 << false;
        QTest::newRow("exactly one chunk needs a second read") << 1024 << 1024 << 2 << true;
        QTest::newRow("partial last chunk") << 5000 << 1024 << 5 << true;
        QTest::newRow("dialog chunk size") << 70000 << 2048 << 35 << true;
    }
    void streams()
    {
        QFETCH(int, size);
        QFETCH(int, chunk);
        QFETCH(int, reads);
        QFETCH(bool, kept);
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        qint64 announced = -1;
        RemoteStream *stream = proxy.ResimVer5(size, announced);
        QCOMPARE(announced, qint64(size));
        int readCalls = 0;
        QList<qint64> progress;
        const auto copy = KopyalaAkis(stream, announced, chunk, [&](qint64 n) { progress.append(n); }, &readCalls);
        QCOMPARE(readCalls, reads);
        QCOMPARE(copy.has_value(), kept);
        if (kept) {
            QCOMPARE(copy->size(), size);
            QCOMPARE(quint8(copy->at(size - 1)), quint8((size - 1) * 31));
            QCOMPARE(progress.constLast(), qint64(size));
        }
    }

    void streamShorterThanAnnouncedIsDropped()
    {
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        qint64 announced = 0;
        RemoteStream *stream = proxy.ResimVer5(100, announced);
        QVERIFY(!KopyalaAkis(stream, announced + 1, 1024));
    }

    void belgeIndirWithoutLoginRecordSendsNull()
    {
        const int before = m_state.nullLoginRecords;
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        qint64 size = 0;
        QString adi;
        RemoteStream *stream = proxy.BelgeIndir2(7, size, adi, nullptr);
        QCOMPARE(m_state.nullLoginRecords - before, 1);
        QCOMPARE(adi, QStringLiteral("belge-7.pdf"));
        const auto body = KopyalaAkis(stream, size, 1024);
        QVERIFY(body);
        QVERIFY(body->startsWith("%PDF"));
    }

    void objectResults()
    {
        auto c = connection();
        c->open();
        TServerMethods1Client proxy(*c);
        const TAcilisEkranlariki *holder = proxy.AcilisEkranlarVer2();
        QVERIFY(holder);
        QCOMPARE(holder->Ekranlar.size(), 3);
        QCOMPARE(holder->Ekranlar.at(2)->Baslik, QStringLiteral("Duyuru 3"));
        QVERIFY(!proxy.SiparisAytintisiDip(0, 0));
        TSiparisDipAyrinti kept;
        kept.Durumu = QStringLiteral("önceki");
        if (TSiparisDipAyrinti *dip = proxy.SiparisAytintisiDip(0, 0))
            kept.Kopyala(*dip);
        QCOMPARE(kept.Durumu, QStringLiteral("önceki"));
        if (TSiparisDipAyrinti *dip = proxy.SiparisAytintisiDip(0, 5))
            kept.Kopyala(*dip);
        QCOMPARE(kept.Durumu, QStringLiteral("Onaylandı"));
        const TSonucBilgisi *record = proxy.BuyukGetir(QStringLiteral("WD-123"));
        QCOMPARE(record->BILGISAYARID, QStringLiteral("WD-123"));
        QVERIFY(record->Varmi);
    }

    void cloneMadeAfterHostChangeReachesThatHost()
    {
        auto main = connection(QString()); // before login: the published address is still empty
        QVERIFY_THROWS_EXCEPTION(DSException, main->clone()->open());
        main->setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        const auto clone = main->clone();
        clone->open();
        TServerMethods1Client proxy(*clone);
        QCOMPARE(proxy.EchoString(QStringLiteral("ok")), QStringLiteral("ok"));
    }

    void callFrameOnOwnCloneClosesEverything()
    {
        auto main = connection();
        QString answer;
        QVERIFY(CallFrame::onOwnClone(*main, 0, [&](TServerMethods1Client &p) { answer = p.EchoString("a"); }));
        QCOMPARE(answer, QStringLiteral("a"));
        QVERIFY(!main->isOpen());
        QVERIFY(CallFrame::onCheckedConnection(*main, [&](TServerMethods1Client &p) { answer = p.EchoString("b"); }));
        QCOMPARE(answer, QStringLiteral("b"));
        QVERIFY(!main->isOpen());
        QVERIFY_THROWS_EXCEPTION(DSException, CallFrame::onHandedConnection(*main, [](TServerMethods1Client &p) {
            p.command(QStringLiteral("Hata")).execute();
        }));
        QVERIFY(!main->isOpen());
    }

    void cleanupTestCase() { m_server->stop(); }
};

QTEST_GUILESS_MAIN(TestRemoteCall)
#include "tst_remotecall.moc"
