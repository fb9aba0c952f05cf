#include "identity/BaglantiKontrol.h"
#include "identity/CheckableConnection.h"
#include "identity/MesajGoster.h"

#include <QTest>

#include <stdexcept>

namespace {

// Opens at the given attempt (0: never) and records what the check did to it.
class FakeConnection : public CheckableConnection
{
public:
    explicit FakeConnection(int opensAt) : m_opensAt(opensAt) {}

    void close() override
    {
        m_open = false;
        m_log += 'c';
    }
    void open() override
    {
        ++m_attempts;
        m_log += 'o';
        if (m_opensAt == 0 || m_attempts < m_opensAt)
            throw std::runtime_error("Connection refused");
        m_open = true;
    }
    bool isOpen() const override { return m_open; }

    int m_opensAt;
    int m_attempts = 0;
    bool m_open = true; // starts open: the check must close it first
    QByteArray m_log;
};

} // namespace

class TestBaglantiKontrol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void attempts_data()
    {
        QTest::addColumn<int>("opensAt");
        QTest::addColumn<int>("show");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("pauses");
        QTest::addColumn<int>("messages");

        QTest::newRow("open at once") << 1 << 1 << true << 1 << 0 << 0;
        QTest::newRow("open at third attempt") << 3 << 1 << true << 3 << 2 << 0;
        QTest::newRow("open at last attempt") << 11 << 1 << true << 11 << 10 << 0;
        QTest::newRow("never, silent") << 0 << 0 << false << 11 << 11 << 0;
        QTest::newRow("never, with message") << 0 << 1 << false << 11 << 11 << 1;
        QTest::newRow("never, other flag is silent") << 0 << 2 << false << 11 << 11 << 0;
    }

    void attempts()
    {
        QFETCH(int, opensAt);
        QFETCH(int, show);
        QFETCH(bool, result);
        QFETCH(int, attempts);
        QFETCH(int, pauses);
        QFETCH(int, messages);

        QStringList shown;
        MesajYanitlayiciKapsami responder([&](int kind, const QString &text, int buttons, int def) {
            shown << QStringLiteral("%1|%2|%3|%4").arg(kind).arg(text).arg(buttons).arg(def);
            return mesaj::SonucTamam;
        });
        FakeConnection connection(opensAt);
        QList<int> pauseLengths;
        QCOMPARE(BaglantiKontrol(connection, show, [&](int ms) { pauseLengths << ms; }), result);
        QCOMPARE(connection.m_attempts, attempts);
        QCOMPARE(pauseLengths, QList<int>(pauses, 500));
        QCOMPARE(connection.isOpen(), result);
        QVERIFY2(connection.m_log.startsWith('c'), "closed before the first attempt");
        QCOMPARE(shown.size(), messages);
        if (messages)
            QCOMPARE(shown.first(), QStringLiteral("1|Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!|4|2"));
    }

    void defaultPauseReallySleeps()
    {
        FakeConnection connection(2);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(BaglantiKontrol(connection, 0));
        QVERIFY(clock.elapsed() >= 450);
    }
};

QTEST_GUILESS_MAIN(TestBaglantiKontrol)
#include "tst_baglantikontrol.moc"
