#include "platform/Http.h"
#include "platform/HttpCall.h"
#include "platform/Task.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

// A loopback web server with one behaviour per connection, taken from a script; the last
// behaviour repeats.
class TinyServer : public QObject
{
    Q_OBJECT
public:
    enum Behaviour { Answer, NotFound, Silent, Hangup };

    explicit TinyServer(QList<Behaviour> script, QByteArray body = "merhaba")
        : m_script(std::move(script))
        , m_body(std::move(body))
    {
        connect(&m_server, &QTcpServer::newConnection, this, &TinyServer::accept);
        m_server.listen(QHostAddress::LocalHost, 0);
    }

    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/prv.txt").arg(m_server.serverPort()));
    }
    int connections() const { return m_connections; }

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            const Behaviour behaviour = m_script.at(std::min<qsizetype>(m_connections, m_script.size() - 1));
            ++m_connections;
            if (behaviour == Hangup) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, behaviour] {
                m_request += socket->readAll();
                if (!m_request.contains("\r\n\r\n") || behaviour == Silent)
                    return;
                m_request.clear();
                const QByteArray status = behaviour == Answer ? "200 OK" : "404 Not Found";
                socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                              + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer m_server;
    QList<Behaviour> m_script;
    QByteArray m_body;
    QByteArray m_request;
    int m_connections = 0;
};

class TestHttp : public QObject
{
    Q_OBJECT

    // A blocking GET made on a worker task while this thread serves the loopback server.
    static platform::HttpResult syncOnWorker(const std::function<platform::HttpResult()> &call)
    {
        platform::HttpResult result;
        const platform::TaskHandle handle = platform::Task::run(nullptr, [&] { result = call(); });
        if (!handle.wait(20000))
            qFatal("HTTP call did not finish");
        return result;
    }

private Q_SLOTS:
    void getSync_data()
    {
        QTest::addColumn<int>("behaviour");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("body");

        QTest::newRow("success") << int(TinyServer::Answer) << int(platform::HttpStatus::Ok) << 200
                                 << QByteArray("merhaba");
        QTest::newRow("error status keeps body")
            << int(TinyServer::NotFound) << int(platform::HttpStatus::HttpError) << 404 << QByteArray("merhaba");
        QTest::newRow("no answer times out") << int(TinyServer::Silent) << int(platform::HttpStatus::Timeout) << 0
                                             << QByteArray();
        QTest::newRow("dropped connection") << int(TinyServer::Hangup) << int(platform::HttpStatus::NetworkError)
                                            << 0 << QByteArray();
    }

    void getSync()
    {
        QFETCH(int, behaviour);
        QFETCH(int, status);
        QFETCH(int, code);
        QFETCH(QByteArray, body);
        TinyServer server({TinyServer::Behaviour(behaviour)});
        QElapsedTimer clock;
        clock.start();
        const platform::HttpResult result = syncOnWorker([&] { return platform::Http::getSync(server.url(), 400); });
        QCOMPARE(int(result.status), status);
        QCOMPARE(result.httpStatusCode, code);
        QCOMPARE(result.body, body);
        QCOMPARE(result.errorText.isEmpty(), result.ok());
        QVERIFY2(clock.elapsed() < 5000, "the time-out was not applied");
    }

    void refusedConnection()
    {
        QUrl url;
        {
            TinyServer closed({TinyServer::Answer});
            url = closed.url();
        }
        const platform::HttpResult result = syncOnWorker([&] { return platform::Http::getSync(url, 2000); });
        QCOMPARE(result.status, platform::HttpStatus::NetworkError);
        QVERIFY(!result.errorText.isEmpty());
    }

    void asyncDeliversToContextWithProgress()
    {
        const QByteArray body(100000, 'x');
        TinyServer server({TinyServer::Answer}, body);
        platform::Http http;
        QObject context;
        qint64 lastReceived = -1;
        qint64 lastTotal = -1;
        std::optional<platform::HttpResult> result;
        platform::HttpRequest request;
        request.url = server.url();
        request.progress = [&](qint64 received, qint64 total) {
            QVERIFY(platform::Task::isUiThread());
            lastReceived = received;
            lastTotal = total;
        };
        http.get(request, &context, [&](const platform::HttpResult &r) { result = r; });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 10000);
        QVERIFY(result->ok());
        QCOMPARE(result->body, body);
        QCOMPARE(lastReceived, qint64(body.size()));
        QCOMPARE(lastTotal, qint64(body.size()));
    }

    void asyncDroppedWhenContextDies()
    {
        TinyServer server({TinyServer::Silent});
        platform::Http http;
        auto *context = new QObject;
        bool called = false;
        http.get({server.url(), 5000, 5000, {}}, context, [&](const platform::HttpResult &) { called = true; });
        QTRY_COMPARE(server.connections(), 1);
        delete context;
        QTest::qWait(100);
        QVERIFY(!called);
        QCOMPARE(http.findChildren<platform::HttpCall *>().size(), 0); // the call was stopped
    }

    void asyncRetryUntilAnswer()
    {
        TinyServer server({TinyServer::Hangup, TinyServer::Hangup, TinyServer::Answer});
        platform::Http http;
        QObject context;
        std::optional<platform::HttpResult> result;
        http.getWithRetry({server.url(), 2000, 2000, {}}, {0, 10}, &context,
                          [&](const platform::HttpResult &r) { result = r; });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 10000);
        QVERIFY(result->ok());
        QCOMPARE(server.connections(), 3);
    }

    void syncRetryStopsAtLimit()
    {
        TinyServer server({TinyServer::NotFound});
        const platform::HttpResult result = syncOnWorker([&] {
            return platform::Http::getSyncWithRetry({server.url(), 2000, 2000, {}}, {3, 10});
        });
        QCOMPARE(result.status, platform::HttpStatus::HttpError);
        QCOMPARE(server.connections(), 3);
    }

    void syncRetryEndsOnCancel()
    {
        TinyServer server({TinyServer::Hangup});
        platform::CancelFlag cancel;
        platform::HttpResult result;
        const platform::TaskHandle handle = platform::Task::run(nullptr, [&] {
            result = platform::Http::getSyncWithRetry({server.url(), 2000, 2000, {}}, {0, 50}, cancel);
        });
        QTRY_VERIFY(server.connections() >= 2);
        cancel.cancel();
        QVERIFY(handle.wait(5000));
        QCOMPARE(result.status, platform::HttpStatus::Aborted);
    }
};

QTEST_GUILESS_MAIN(TestHttp)
#include "tst_http.moc"
