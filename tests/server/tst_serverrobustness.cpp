// Bad input, broken connections and concurrent orders leave the order store whole.

#include "ByteIo.h"
#include "DSException.h"
#include "MemTable.h"
#include "RawSession.h"
#include "ResultSetReader.h"
#include "ServerFixture.h"
#include "SqliteDb.h"

#include <QTest>

#include <functional>
#include <thread>

using Call = std::function<void(TServerMethods1Client &, const TSonucBilgisi &)>;
Q_DECLARE_METATYPE(Call)

class TestServerRobustness : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServerFixture> m_fixture;
    TSonucBilgisi m_dealer;

    qint64 count(const char *sql) { return m_fixture->db().scalarInt(sql); }

    // Row counts of every table a write could touch, and the file's own check.
    QString storeState()
    {
        QStringList parts;
        for (const char *table : {"sepet", "siparis", "siparis_satir", "giden_kutusu", "oturum_olayi"})
            parts << QString::number(m_fixture->db().scalarInt(QByteArray("SELECT COUNT(*) FROM ") + table));
        parts << QString::number(m_fixture->db().scalarInt("SELECT TOTAL(bakiye) FROM siparis_satir"));
        SqliteStatement check = m_fixture->db().prepare("PRAGMA integrity_check");
        check.step();
        parts << check.text(0);
        return parts.join(QLatin1Char('/'));
    }

    // Fills the dealer's basket with `lines` ticked lines.
    void fillBasket(int lines)
    {
        auto c = m_fixture->connect();
        TServerMethods1Client proxy(*c);
        proxy.SepetHepsiniSil(ServerFixture::copy(m_dealer));
        for (int i = 0; i < lines; ++i)
            proxy.SepetEkle(ServerFixture::copy(m_dealer), 1, i + 1, QString(), QString(), i + 1, 20, 10, 0,
                            m_dealer.Sirano, 0);
    }

    QList<Value> orderArguments() const
    {
        const QByteArray record = toJsonObjectForm(m_dealer);
        return {Value::object(record), Value::int32(1), Value::int32(1), Value::int32(1), Value::text(QStringLiteral("x")),
                Value::int32(m_dealer.Sirano), Value::int32(1)};
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_fixture = std::make_unique<ServerFixture>(200, 6);
        m_dealer = m_fixture->login(QStringLiteral("BAYI"));
        fillBasket(2);
    }

    void badInputThroughTheProxy_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("message");
        using P = TServerMethods1Client;
        using B = const TSonucBilgisi &;
        QTest::newRow("unknown method") << Call([](P &p, B) { p.command(QStringLiteral("SiparisSil")).execute(); })
                                        << "Server method TServerMethods1.SiparisSil not found";
        QTest::newRow("wrong parameter type") << Call([](P &p, B) {
            ServerMethodCommand &c = p.command(QStringLiteral("SepetVer"));
            c.setParameter(0, Value::text(QStringLiteral("1")));
            c.execute();
        }) << "Parameter 0 (carino) of SepetVer must be";
        QTest::newRow("unknown customer") << Call([](P &p, B b) {
            p.SepetEkle(ServerFixture::copy(b), 99999, 1, {}, {}, 1, 20, 10, 0, b.Sirano, 0);
        }) << "Cari bulunamadı (cari no 99999)";
        QTest::newRow("unknown stock") << Call([](P &p, B b) {
            p.SepetEkle(ServerFixture::copy(b), 1, 99999, {}, {}, 1, 20, 10, 0, b.Sirano, 0);
        }) << "Stok bulunamadı (stok no 99999)";
        QTest::newRow("negative quantity") << Call([](P &p, B b) {
            p.SepetEkle(ServerFixture::copy(b), 1, 1, {}, {}, -2, 20, 10, 0, b.Sirano, 0);
        }) << "Miktar sıfırdan büyük olmalıdır";
        QTest::newRow("not a number") << Call([](P &p, B b) {
            p.SepetEkle(ServerFixture::copy(b), 1, 1, {}, {}, qQNaN(), 20, 10, 0, b.Sirano, 0);
        }) << "Miktar sıfırdan büyük olmalıdır";
        QTest::newRow("discount above 100") << Call([](P &p, B b) {
            p.SepetEkle(ServerFixture::copy(b), 1, 1, {}, {}, 1, 20, 10, 150, b.Sirano, 0);
        }) << "İndirim oranı 0 ile 100 arasında olmalıdır";
        QTest::newRow("missing login record") << Call([](P &p, B) { p.SepetHepsiniSil(nullptr); })
                                              << "Kullanıcı bilgisi gönderilmedi";
        QTest::newRow("unknown basket line") << Call([](P &p, B b) {
            p.SepetGuncelle(ServerFixture::copy(b), 1, 0, {}, {}, 1, 20, 10, 0, b.Sirano, 99999);
        }) << "Sepet satırı bulunamadı";
        QTest::newRow("cargo company of another type") << Call([](P &p, B b) {
            p.SiparisKaydet(ServerFixture::copy(b), 1, 1, 1, {}, b.Sirano, 4);
        }) << "Kargo firması seçilen kargo türüne ait değil";
        QTest::newRow("negative balance") << Call([](P &p, B b) {
            p.BakiyeDegistir(ServerFixture::copy(b), 0, 0, 1, 1, -1, {});
        }) << "Bakiye negatif olamaz";
        QTest::newRow("another customer's order line") << Call([](P &p, B b) {
            TSonucBilgisi other = b;
            other.CARINO = 2;
            const int line = 1; // the first demo order belongs to customer 1
            p.BakiyeDuzenle(ServerFixture::copy(other), 0, 0, line, 1, 1, {});
        }) << "Sipariş satırı bulunamadı";
        QTest::newRow("unknown report") << Call([](P &p, B) {
            qint64 size = 0;
            p.RaporGetir(9, 9, 1, 1, {}, QDate::currentDate(), QDate::currentDate(), size);
        }) << "Rapor bulunamadı (rapor no 9)";
    }

    // A clear error from the server, and the store exactly as before.
    void badInputThroughTheProxy()
    {
        QFETCH(Call, call);
        QFETCH(QString, message);
        const QString before = storeState();
        auto c = m_fixture->connect();
        TServerMethods1Client proxy(*c);
        try {
            call(proxy, m_dealer);
            QFAIL("the call was accepted");
        } catch (const DSException &e) {
            QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
        }
        QCOMPARE(storeState(), before);
        // The session goes on after a refused call.
        QCOMPARE(proxy.EchoString(QStringLiteral("hâlâ açık")), QStringLiteral("hâlâ açık"));
    }

    void badInputOnTheWire_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QList<Value>>("inputs");
        QTest::addColumn<QString>("message");
        const QList<Value> order = orderArguments();
        QTest::newRow("too few parameters") << "SiparisKaydet" << order.mid(0, 6)
                                            << "SiparisKaydet expects 7 parameters, 6 were sent";
        QTest::newRow("too many parameters") << "SepetVer" << QList<Value>{Value::int32(1), Value::int32(2)}
                                             << "SepetVer expects 1 parameters, 2 were sent";
        QList<Value> broken = order;
        broken[0] = Value::object("{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{\"FSirano\":");
        QTest::newRow("malformed object form") << "SiparisKaydet" << broken << "";
        broken[0] = Value::object("{\"type\":\"baglantiu.TBaskaSinif\",\"id\":1,\"fields\":{}}");
        QTest::newRow("object of another class") << "SiparisKaydet" << broken << "";
        broken[0] = Value::object("{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{\"FSirano\":\"bir\"}}");
        QTest::newRow("field of the wrong type") << "SiparisKaydet" << broken << "";
    }

    void badInputOnTheWire()
    {
        QFETCH(QString, method);
        QFETCH(QList<Value>, inputs);
        QFETCH(QString, message);
        const QString before = storeState();
        RawSession session(m_fixture->server().port());
        const QString error = session.execute(session.prepare(method), inputs);
        QVERIFY2(!error.isEmpty(), "the call was accepted");
        if (!message.isEmpty())
            QCOMPARE(error, message);
        QCOMPARE(storeState(), before);
    }

    // A request cut off in the middle is never executed; one sent whole is executed whole,
    // also when the client is gone before the answer.
    void clientLeavesMidCall()
    {
        fillBasket(3);
        const qint64 orders = count("SELECT COUNT(*) FROM siparis");
        // Greeting, prepare (handle 1) and half of the execute, then the connection closes.
        RawSession::sendAndLeave(m_fixture->server().port(), QStringLiteral("SiparisKaydet"), orderArguments(), 0.5);
        QTRY_COMPARE(m_fixture->server().activeSessions(), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM siparis"), orders);

        {
            // The whole request, and gone before the answer.
            RawSession session(m_fixture->server().port());
            const quint32 handle = session.prepare(QStringLiteral("SiparisKaydet"));
            session.channel().sendFrame(FrameType::Execute, RawSession::executePayload(handle, orderArguments()));
            session.channel().close();
        }
        QTRY_COMPARE(count("SELECT COUNT(*) FROM siparis"), orders + 1);
        QTRY_COMPARE(m_fixture->server().activeSessions(), 0);
        QCOMPARE(count("SELECT COUNT(*) FROM siparis"), orders + 1); // the cut-off request never ran
        QCOMPARE(count("SELECT COUNT(*) FROM siparis_satir WHERE idno = (SELECT MAX(idno) FROM siparis)"), qint64(3));
        QCOMPARE(count("SELECT COUNT(*) FROM sepet WHERE carino = 1"), qint64(0));
    }

    // Several clients send the same basket at once: one order takes every line, the others find none.
    void concurrentOrdersOfOneBasket()
    {
        fillBasket(4);
        const qint64 orders = count("SELECT COUNT(*) FROM siparis");
        constexpr int clients = 8;
        std::atomic<int> stored{0};
        std::atomic<int> failures{0};
        std::vector<std::thread> threads;
        for (int i = 0; i < clients; ++i)
            threads.emplace_back([&] {
                try {
                    auto c = m_fixture->connect();
                    TServerMethods1Client proxy(*c);
                    if (proxy.SiparisKaydet(ServerFixture::copy(m_dealer), 1, 1, 1, {}, m_dealer.Sirano, 1))
                        ++stored;
                } catch (const DSException &) {
                    ++failures;
                }
            });
        for (auto &t : threads)
            t.join();
        QCOMPARE(failures.load(), 0);
        QCOMPARE(stored.load(), 1);
        QCOMPARE(count("SELECT COUNT(*) FROM siparis"), orders + 1);
        QCOMPARE(count("SELECT COUNT(*) FROM siparis_satir WHERE idno = (SELECT MAX(idno) FROM siparis)"), qint64(4));
    }
};

QTEST_MAIN(TestServerRobustness)
#include "tst_serverrobustness.moc"
