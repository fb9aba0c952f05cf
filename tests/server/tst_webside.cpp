// The web side over real HTTP: address file, caller address, installer, payment page.

#include "HttpServer.h"
#include "SetupInstaller.h"
#include "WebSide.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

class TestWebSide : public QObject
{
    Q_OBJECT

    WebSide m_side{QStringLiteral("10.1.2.3")};
    HttpServer m_server{[this](const HttpRequest &r) { return m_side.handle(r); }};
    quint16 m_port = 0;
    QNetworkAccessManager m_network;

    QNetworkReply *get(const QString &path)
    {
        QNetworkReply *reply = m_network.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path))));
        QSignalSpy done(reply, &QNetworkReply::finished);
        if (!reply->isFinished())
            done.wait(5000);
        return reply;
    }

    // The raw answer to raw request bytes. The server runs on this thread's event loop, so the
    // wait spins it instead of blocking.
    QByteArray exchange(const QByteArray &request)
    {
        QTcpSocket socket;
        QSignalSpy closed(&socket, &QTcpSocket::disconnected);
        socket.connectToHost(QStringLiteral("127.0.0.1"), m_port);
        socket.write(request);
        closed.wait(5000);
        return socket.readAll();
    }

private Q_SLOTS:
    void initTestCase() { m_port = m_server.listen(QHostAddress::LocalHost, 0); }

    void routes_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("body");
        QTest::newRow("address file") << "/prv.txt" << 200 << QByteArray("text/plain") << "10.1.2.3";
        QTest::newRow("caller address") << "/ip" << 200 << QByteArray("text/plain") << "127.0.0.1";
        QTest::newRow("home page") << "/" << 200 << QByteArray("text/html") << "Parvela";
        QTest::newRow("unknown page") << "/prv2.txt" << 404 << QByteArray("text/plain") << "bulunamadı";
    }

    void routes()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, type);
        QFETCH(QString, body);
        QNetworkReply *reply = get(path);
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), status);
        QVERIFY(reply->header(QNetworkRequest::ContentTypeHeader).toByteArray().startsWith(type));
        const QString text = QString::fromUtf8(reply->readAll());
        QVERIFY2(text.contains(body), qPrintable(text));
        if (status == 200 && type == "text/plain")
            QCOMPARE(text, body); // plain text, nothing around it
        reply->deleteLater();
    }

    // The page shows the four keys, decoded and escaped.
    void paymentPageEchoesItsKeys()
    {
        QNetworkReply *reply = get(QStringLiteral("/reradade.html?carino=120&sube=MERKEZ&firmasi=%C3%96ZKAN+OTO+%3Cscript%3E&bakiye=1234.50"));
        const QString page = QString::fromUtf8(reply->readAll());
        QVERIFY(page.contains(QStringLiteral("<td id=\"carino\">120</td>")));
        QVERIFY(page.contains(QStringLiteral("<td id=\"sube\">MERKEZ</td>")));
        QVERIFY(page.contains(QStringLiteral("<td id=\"firmasi\">ÖZKAN OTO &lt;script&gt;</td>")));
        QVERIFY(page.contains(QStringLiteral("<td id=\"bakiye\">1234.50</td>")));
        QVERIFY(!page.contains(QStringLiteral("<script>")));
        reply->deleteLater();
    }

    void installerRecordsASilentInstall()
    {
        QNetworkReply *reply = get(QStringLiteral("/exe/ParvelaSetup.exe"));
        const QByteArray installer = reply->readAll();
        reply->deleteLater();
        QCOMPARE(installer, SetupInstaller::script());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ParvelaSetup.exe"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(installer);
        out.close();
        const QString marker = dir.filePath(QStringLiteral("kurulum/kurulum.txt"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PARVELA_SETUP_MARKER"), marker);
        QProcess run;
        run.setProcessEnvironment(env);
        run.start(QStringLiteral("/bin/sh"), {file});
        QVERIFY(run.waitForFinished(5000));
        QCOMPARE(run.exitCode(), 0);
        QVERIFY(!QFile::exists(marker)); // without /silent nothing is installed
        run.start(QStringLiteral("/bin/sh"), {file, QStringLiteral("/silent")});
        QVERIFY(run.waitForFinished(5000));
        QCOMPARE(run.exitCode(), 0);
        QFile written(marker);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().contains("27"));
    }

    void badRequests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("statusLine");
        QTest::newRow("garbage") << QByteArray("HELLO\r\n\r\n") << QByteArray("HTTP/1.1 400");
        QTest::newRow("post") << QByteArray("POST /prv.txt HTTP/1.1\r\nHost: x\r\n\r\n") << QByteArray("HTTP/1.1 405");
        QTest::newRow("head too long") << ("GET / HTTP/1.1\r\nX: " + QByteArray(20000, 'a')) << QByteArray("HTTP/1.1 431");
    }

    void badRequests()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, statusLine);
        QVERIFY(exchange(request).startsWith(statusLine));
    }

    void headHasNoBody()
    {
        const QByteArray answer = exchange("HEAD /prv.txt HTTP/1.1\r\nHost: x\r\n\r\n");
        QVERIFY(answer.startsWith("HTTP/1.1 200"));
        QVERIFY(answer.contains("Content-Length: 8\r\n"));
        QVERIFY(answer.endsWith("\r\n\r\n"));
    }
};

QTEST_MAIN(TestWebSide)
#include "tst_webside.moc"
