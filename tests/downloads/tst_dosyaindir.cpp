#include "HttpStub.h"
#include "TestOrtami.h"

#include "downloads/IndirmeIlerlemesi.h"
#include "downloads/KurulumBaslatici.h"
#include "downloads/Tdosyaindir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

// The forced update against an HTTP stand-in of the update web server.
class TestDosyaindir : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtami> m_ortam;
    std::unique_ptr<HttpStub> m_http;
    QStringList m_olaylar; // "baslat <program> <parameters>" and "cikis <code>", in order

    QString hedef() const { return m_ortam->belgeler() + QStringLiteral("/ParvelaSetup.exe"); }

    void eskiDosya()
    {
        QVERIFY(QDir().mkpath(m_ortam->belgeler()));
        QFile f(hedef());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("eski kurulum");
    }

    std::unique_ptr<Tdosyaindir> pencere(int surum = 28)
    {
        return std::unique_ptr<Tdosyaindir>(Tdosyaindir::Yeni(nullptr, surum));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_ortam = std::make_unique<TestOrtami>();
        m_http = std::make_unique<HttpStub>();
        KurulumBaslaticisiKur([this](const QString &program, const QStringList &parametreler) {
            m_olaylar.append(QStringLiteral("baslat %1 %2").arg(program, parametreler.join(QLatin1Char(' '))));
            return true;
        });
        platform::setEndProcessHook([this](int kod) {
            m_ortam->cikislar.append(kod);
            m_olaylar.append(QStringLiteral("cikis %1").arg(kod));
        });
    }

    void cleanupTestCase() { KurulumBaslaticisiKur({}); }

    void init()
    {
        qputenv("PARVELA_UPDATE_URL", m_http->baseUrl().toUtf8());
        m_ortam->temizle();
        m_olaylar.clear();
        m_http->clearRoutes();
        m_http->resetHits();
        QFile::remove(hedef());
    }

    void cleanup() { QVERIFY(platform::Task::waitForAll()); }

    void metin_data()
    {
        QTest::addColumn<int>("surum");
        QTest::newRow("yeni sürüm") << 28;
        QTest::newRow("eski sürüm") << 26;
    }

    void metin()
    {
        QFETCH(int, surum);
        auto p = pencere(surum);
        QCOMPARE(p->windowTitle(), QStringLiteral("Dosya İndir"));
        QCOMPARE(p->sLabel1()->text(), QStringLiteral("Parvela Online Sipariş Programının\nYeni versiyonu "
                                                      "indirilecektir\nLütfen Bekleyiniz...!\nVersion: %1-27")
                                           .arg(surum));
        QVERIFY(!p->basladi());
        QCOMPARE(Tdosyaindir::kurulumAdresi().toString(), m_http->baseUrl() + QStringLiteral("/exe/ParvelaSetup.exe"));
    }

    // The installer is saved whole, started with "/silent", and only then the program ends.
    void basarili()
    {
        eskiDosya();
        QByteArray kurulum(300 * 1024, Qt::Uninitialized);
        for (qsizetype i = 0; i < kurulum.size(); ++i)
            kurulum[i] = char(i * 7 + 3);
        m_http->setRoute(QStringLiteral("/exe/ParvelaSetup.exe"), 200, kurulum);

        auto p = pencere();
        QSignalSpy bitis(p.get(), &QDialog::finished);
        p->show();
        QVERIFY(p->basladi());
        QTRY_COMPARE(bitis.count(), 1);

        QFile f(hedef());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), kurulum);
        QVERIFY(f.permissions().testFlag(QFile::ExeOwner));
        QCOMPARE(m_olaylar, (QStringList{QStringLiteral("baslat %1 /silent").arg(hedef()), QStringLiteral("cikis 0")}));
        QVERIFY(m_ortam->mesajlar.isEmpty());
        QCOMPARE(p->ProgressBar1()->maximum(), kurulum.size());
        QCOMPARE(p->ProgressBar1()->value(), kurulum.size());
        QVERIFY(p->bilgi()->text().startsWith(QStringLiteral("Bilgi: %")));
        QVERIFY(p->bilgi()->text().endsWith(QStringLiteral(" Mb")));

        // A later activation starts nothing.
        p->show();
        QApplication::setActiveWindow(p.get());
        QTest::qWait(50);
        QCOMPARE(m_http->hits(QStringLiteral("/exe/ParvelaSetup.exe")), 1);
    }

    void hatalar_data()
    {
        QTest::addColumn<int>("durum"); // 0: no server at all
        QTest::addColumn<QByteArray>("govde");
        QTest::newRow("HTTP 404") << 404 << QByteArray("<html>bulunamadı</html>");
        QTest::newRow("HTTP 500") << 500 << QByteArray();
        QTest::newRow("boş gövde") << 200 << QByteArray();
        QTest::newRow("sunucu yok") << 0 << QByteArray();
    }

    // An error page or an empty answer is never saved or started: the error dialog, then the end.
    void hatalar()
    {
        QFETCH(int, durum);
        QFETCH(QByteArray, govde);
        eskiDosya();
        if (durum == 0) {
            QTcpServer kapali; // a port that was free a moment ago and is closed again
            QVERIFY(kapali.listen(QHostAddress::LocalHost, 0));
            const quint16 port = kapali.serverPort();
            kapali.close();
            qputenv("PARVELA_UPDATE_URL", QStringLiteral("http://127.0.0.1:%1").arg(port).toUtf8());
        } else {
            m_http->setRoute(QStringLiteral("/exe/ParvelaSetup.exe"), durum, govde);
        }
        auto p = pencere();
        QSignalSpy bitis(p.get(), &QDialog::finished);
        p->show();
        QTRY_COMPARE_WITH_TIMEOUT(bitis.count(), 1, 20000);

        QCOMPARE(m_ortam->mesajlar.size(), 1);
        QCOMPARE(m_ortam->mesajlar.at(0).first, mesaj::Hata);
        QVERIFY2(m_ortam->mesajlar.at(0).second.startsWith(QStringLiteral("Hata Oluştu !\nHata: ")),
                 qPrintable(m_ortam->mesajlar.at(0).second));
        QVERIFY(m_ortam->mesajlar.at(0).second.size() > QStringLiteral("Hata Oluştu !\nHata: ").size());
        QCOMPARE(m_olaylar, QStringList{QStringLiteral("cikis 0")});
        QVERIFY(!QFile::exists(hedef()));
    }

    // While the installer is on its way the update cannot be skipped.
    void indirilirkenKapanmaz()
    {
        m_http->setRoute(QStringLiteral("/exe/ParvelaSetup.exe"), -1, {});
        auto p = pencere();
        p->show();
        QTRY_COMPARE(m_http->hits(QStringLiteral("/exe/ParvelaSetup.exe")), 1);
        QTest::keyClick(p.get(), Qt::Key_Escape);
        p->close();
        QVERIFY(p->isVisible());
        QVERIFY(m_olaylar.isEmpty());
    }

    // A file that cannot be written starts nothing; the window may then be closed and the
    // login goes on.
    void yazilamayanDosya()
    {
        QVERIFY(QDir(m_ortam->belgeler()).removeRecursively());
        QFile engel(m_ortam->belgeler());
        QVERIFY(engel.open(QIODevice::WriteOnly)); // a file where the documents folder should be
        engel.close();
        m_http->setRoute(QStringLiteral("/exe/ParvelaSetup.exe"), 200, QByteArray("kurulum"));
        auto p = pencere();
        p->show();
        QTRY_COMPARE(m_ortam->mesajlar.size(), 1);
        QCOMPARE(m_ortam->mesajlar.at(0).first, mesaj::Hata);
        QVERIFY(m_olaylar.isEmpty());
        QVERIFY(p->isVisible());
        p->close();
        QVERIFY(!p->isVisible());
        QFile::remove(m_ortam->belgeler());
    }

    void ilerlemeMetni_data()
    {
        QTest::addColumn<QLocale>("yerel");
        QTest::addColumn<qint64>("okunan");
        QTest::addColumn<qint64>("toplam");
        QTest::addColumn<QString>("metin");
        const QLocale tr(QLocale::Turkish, QLocale::Turkey);
        QTest::newRow("ondalık virgül") << tr << qint64(1310720) << qint64(2621440)
                                        << "Bilgi: %50,00  İndirilen: 1,25/2,50 Mb";
        QTest::newRow("ondalık nokta") << QLocale(QLocale::English, QLocale::UnitedStates) << qint64(1310720)
                                       << qint64(2621440) << "Bilgi: %50.00  İndirilen: 1.25/2.50 Mb";
        QTest::newRow("basamak ayracı yok") << tr << qint64(1610612736) << qint64(2147483648LL)
                                            << "Bilgi: %75,00  İndirilen: 1536,00/2048,00 Mb";
        QTest::newRow("başlangıç") << tr << qint64(0) << qint64(1000) << "Bilgi: %0,00  İndirilen: 0,00/0,00 Mb";
    }

    void ilerlemeMetni()
    {
        QFETCH(QLocale, yerel);
        QFETCH(qint64, okunan);
        QFETCH(qint64, toplam);
        QTEST(IndirmeIlerlemeMetni(okunan, toplam, yerel), "metin");
    }
};

QTEST_MAIN(TestDosyaindir)
#include "tst_dosyaindir.moc"
