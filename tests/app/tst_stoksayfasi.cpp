#include "AramaKutusu.h"
#include "StokSayfasi.h"
#include "MethodRegistry.h"
#include "ProtocolServer.h"
#include "WireFixtureMethods.h"
#include "identity/MesajGoster.h"
#include "identity/TSonucBilgisi.h"
#include "platform/Task.h"
#include "remote/DSConnection.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTableView>
#include <QTest>

// The stock tab against a protocol server whose search answers as many rows as the text says.
class TestStokSayfasi : public QObject
{
    Q_OBJECT

    MethodRegistry m_registry;
    WireFixtureState m_state;
    std::unique_ptr<ProtocolServer> m_server;
    DSConnection m_bagc;
    TSonucBilgisi m_sbilgi;
    QStringList m_mesajlar;

    std::unique_ptr<QWidget> pencere(int genislik, StokSayfasi **sayfa, const DSConnection &bagc)
    {
        auto p = std::make_unique<QWidget>();
        *sayfa = new StokSayfasi(bagc, m_sbilgi, p.get());
        QList<QString> captions;
        p->resize(genislik, 700);
        (*sayfa)->resize(genislik, 700);
        p->show();
        return p;
    }

    static void ara(StokSayfasi &sayfa, const QString &metin)
    {
        QSignalSpy bitti(&sayfa, &StokSayfasi::aramaBitti);
        sayfa.araedit()->setText(metin);
        sayfa.ara();
        QVERIFY(bitti.wait(20000));
    }

private Q_SLOTS:
    void initTestCase()
    {
        addWireFixtureMethods(m_registry, m_state);
        m_server = std::make_unique<ProtocolServer>(m_registry);
        m_bagc.setParam(QStringLiteral("Port"), QString::number(m_server->listen(QStringLiteral("127.0.0.1"), 0)));
        MesajYanitlayiciKur([this](int, const QString &metin, int, int) {
            m_mesajlar.append(metin);
            return mesaj::SonucTamam;
        });
    }
    void init() { m_mesajlar.clear(); }

    void turkceHarflerBuyukHarfeCevrilir()
    {
        AramaKutusu kutu;
        for (const QString &harf : {QStringLiteral("ç"), QStringLiteral("ğ"), QStringLiteral("ı"), QStringLiteral("ş"),
                                    QStringLiteral("a")}) {
            QKeyEvent basis(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, harf);
            QApplication::sendEvent(&kutu, &basis);
        }
        QCOMPARE(kutu.text(), QStringLiteral("CGISA"));
    }

    void kisaMetinAramaBitenceKutuyuKilitler_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QString>("gonderilen");
        QTest::addColumn<bool>("kilitli");
        QTest::newRow("two characters") << "ab" << "AB" << true;
        QTest::newRow("three characters") << "abc" << "ABC" << false;
        QTest::newRow("trailing blanks are sent") << "ab  " << "AB  " << true;
    }
    void kisaMetinAramaBitenceKutuyuKilitler()
    {
        QFETCH(QString, yazilan);
        QFETCH(QString, gonderilen);
        QFETCH(bool, kilitli);
        StokSayfasi *sayfa = nullptr;
        auto p = pencere(1300, &sayfa, m_bagc);
        QSignalSpy bitti(sayfa, &StokSayfasi::aramaBitti);
        sayfa->araedit()->setFocus();
        QTest::keyClicks(sayfa->araedit(), yazilan);
        QTest::keyClick(sayfa->araedit(), Qt::Key_Return);
        QCOMPARE(sayfa->araedit()->isEnabled(), !kilitli);
        QVERIFY(bitti.wait(20000));
        QVERIFY(sayfa->araedit()->isEnabled());
        QCOMPARE(m_state.lastSearchText, gonderilen);
    }

    void satirSayisiBasligaYazilir()
    {
        StokSayfasi *sayfa = nullptr;
        auto p = pencere(1300, &sayfa, m_bagc);
        QSignalSpy baslik(sayfa, &StokSayfasi::baslikDegisti);
        ara(*sayfa, QStringLiteral("37"));
        QCOMPARE(baslik.last().at(0).toString(), QStringLiteral("37=Stok Listesi"));
        QCOMPARE(sayfa->grid()->rowCount(), 37);
        QVERIFY(m_mesajlar.isEmpty());
        sayfa->SpeedButton1Click();
        QCOMPARE(baslik.last().at(0).toString(), QStringLiteral("Stok Listesi"));
        QCOMPARE(sayfa->grid()->rowCount(), 0);
        QVERIFY(sayfa->araedit()->text().isEmpty());
    }

    void baglantiYoksaListeBosalir()
    {
        DSConnection kapali;
        kapali.setParam(QStringLiteral("Port"), QStringLiteral("1"));
        StokSayfasi *sayfa = nullptr;
        auto p = pencere(1300, &sayfa, kapali);
        sayfa->stok().addColumn({QStringLiteral("KOD"), ValueType::Text, 10});
        sayfa->stok().open();
        sayfa->stok().appendRow({QStringLiteral("ESKI")});
        QSignalSpy baslik(sayfa, &StokSayfasi::baslikDegisti);
        ara(*sayfa, QStringLiteral("FREN"));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
        QCOMPARE(baslik.last().at(0).toString(), QStringLiteral("Stok Listesi"));
        QCOMPARE(sayfa->stok().rowCount(), 0);
        QVERIFY(sayfa->araedit()->isEnabled());
    }

    void genislikKurali_data()
    {
        QTest::addColumn<int>("genislik");
        QTest::addColumn<bool>("fiyatBilgisi");
        QTest::addColumn<int>("satir");
        QTest::newRow("1299") << 1299 << true << 100;
        QTest::newRow("1300") << 1300 << false << 60;
    }
    void genislikKurali()
    {
        QFETCH(int, genislik);
        QFETCH(bool, fiyatBilgisi);
        QFETCH(int, satir);
        StokSayfasi *sayfa = nullptr;
        auto p = pencere(genislik, &sayfa, m_bagc);
        ara(*sayfa, QStringLiteral("5"));
        DataGrid *grid = sayfa->grid();
        QCOMPARE(grid->isColumnVisible(QStringLiteral("FIYATBILGISI")), fiyatBilgisi);
        for (const char *f : {"LISTEFIYAT1", "KAMPFIYAT", "INDIRIM", "NETFIYAT", "KDVDAHIL"})
            QCOMPARE(grid->isColumnVisible(QLatin1String(f)), !fiyatBilgisi);
        QCOMPARE(grid->rowHeight(), satir);
        if (fiyatBilgisi) {
            const int s = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            QCOMPARE(grid->columnWidth(QStringLiteral("FIYATBILGISI")), 150 - s);
        }
    }

    void cleanupTestCase()
    {
        MesajYanitlayiciKur({});
        m_server->stop();
    }
};

QTEST_MAIN(TestStokSayfasi)
#include "tst_stoksayfasi.moc"
