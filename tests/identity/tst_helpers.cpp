#include "identity/Folders.h"
#include "identity/WebHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chromeOrder_data()
    {
        QTest::addColumn<QList<int>>("existing"); // indexes of candidates that exist
        QTest::addColumn<int>("found");           // -1: none
        QTest::newRow("second and fourth exist") << QList<int>{1, 3} << 1;
        QTest::newRow("only the last") << QList<int>{3} << 3;
        QTest::newRow("all exist") << QList<int>{0, 1, 2, 3} << 0;
        QTest::newRow("none") << QList<int>{} << -1;
        QTest::newRow("a directory does not count") << QList<int>{-2, 2} << 2;
    }

    void chromeOrder()
    {
        QFETCH(QList<int>, existing);
        QFETCH(int, found);
        QTemporaryDir dir;
        QStringList candidates;
        for (int i = 0; i < 4; ++i)
            candidates << dir.filePath(QStringLiteral("browser%1/chrome").arg(i));
        for (int i : existing) {
            if (i == -2) { // the first candidate as a directory
                QVERIFY(QDir().mkpath(candidates.at(0)));
                continue;
            }
            QDir().mkpath(QFileInfo(candidates.at(i)).absolutePath());
            QFile file(candidates.at(i));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(ChromeYolu(candidates), found < 0 ? QString() : candidates.at(found));
    }

    void chromeCandidatesChromeBeforeChromium()
    {
        const QStringList candidates = ChromeAdaylari();
        const auto firstChromium = std::find_if(candidates.begin(), candidates.end(),
                                                [](const QString &p) { return p.contains("chromium"); });
        QVERIFY(firstChromium != candidates.end());
        QVERIFY(std::none_of(firstChromium, candidates.end(),
                             [](const QString &p) { return p.contains("google"); }));
        QCOMPARE(IeSurumu(), 0);
    }

    void urlKodla_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("payment page")
            << QStringLiteral("https://www.parvela.com.tr/reradade.html?carino=12&sube=MERKEZ&firmasi=Çelik Oto Ltd.&bakiye=1.234,50")
            << QStringLiteral("https://www.parvela.com.tr/reradade.html?carino=12&sube=MERKEZ&firmasi=%C3%87elik%20Oto%20Ltd.&bakiye=1.234,50");
        QTest::newRow("path and document")
            << QStringLiteral("http://host:8080/belge klasörü/ödeme.html")
            << QStringLiteral("http://host:8080/belge%20klas%C3%B6r%C3%BC/%C3%B6deme.html");
        QTest::newRow("already safe") << QStringLiteral("http://host/a/b.html?x=1")
                                      << QStringLiteral("http://host/a/b.html?x=1");
    }

    void urlKodla()
    {
        QFETCH(QString, url);
        QFETCH(QString, encoded);
        QCOMPARE(UrlKodla(url), encoded);
    }

    void settingsFolderIsCreated()
    {
        QTemporaryDir home;
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        // The base itself is missing too, as on a fresh account.
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        const QString folder = AyarKlasoru();
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(folder, home.filePath(QStringLiteral("config/parvela")));
        QVERIFY(QFileInfo(folder).isDir());
    }

    void documentsFolder()
    {
        QTemporaryDir home;
        const QByteArray saved = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        const QString documents = BelgelerKlasoru();
        qputenv("HOME", saved);
        QVERIFY(documents.startsWith(home.path()));
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
