#include "ModaldaCalistir.h"
#include "SepetSunucusu.h"

#include "identity/MesajGoster.h"
#include "identity/TSonucBilgisi.h"
#include "orders/AcilisDegerleri.h"
#include "orders/ResimGorevi.h"
#include "orders/SepetErisimi.h"
#include "orders/SepeteEkle.h"
#include "orders/Tstokayarinti.h"
#include "orders/UzakCagri.h"
#include "remote/DSConnection.h"
#include "remote/MemTable.h"
#include "remote/ResultSetReader.h"
#include "remote/TServerMethods1Client.h"
#include "remote/TableHelpers.h"
#include "widgets/AmountEdit.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <condition_variable>

namespace {

// The basket side of the hand-overs: the basket table, reloaded from the server.
class SahteSepet : public SepetErisimi
{
public:
    SahteSepet(DSConnection &bagc, int carino) : m_bagc(bagc), m_carino(carino) {}
    const MemTable &sepetTablosu() const override { return m_tablo; }
    void SepetAl() override
    {
        ++yuklemeler;
        MemTable yeni;
        UzakCagir(m_bagc, 1, [&](TServerMethods1Client &p) { CopyResultSet(p.SepetVer(m_carino), yeni); });
        FloatFormatla(yeni);
        m_tablo = std::move(yeni);
    }
    int yuklemeler = 0;

private:
    DSConnection &m_bagc;
    int m_carino;
    MemTable m_tablo;
};

QByteArray jpeg(int genislik, int yukseklik, qsizetype doldurBoyu = 0)
{
    QImage resim(genislik, yukseklik, QImage::Format_RGB32);
    resim.fill(QColor(30, 90, 160));
    for (int y = 0; y < yukseklik; ++y)
        for (int x = 0; x < genislik; x += 7)
            resim.setPixel(x, y, qRgb((x * 13) % 255, (y * 7) % 255, 90));
    QByteArray bayt;
    QBuffer tampon(&bayt);
    tampon.open(QIODevice::WriteOnly);
    resim.save(&tampon, "JPEG", 90);
    // Bytes after the end marker are ignored by decoders: pads a picture to an exact size.
    if (doldurBoyu > bayt.size())
        bayt.append(QByteArray(doldurBoyu - bayt.size(), '\0'));
    return bayt;
}


// A gate the test opens to let a blocked server method answer.
struct Kapi
{
    std::mutex m;
    std::condition_variable cv;
    bool acik = false;
    bool girildi = false;
    void bekle()
    {
        std::unique_lock k(m);
        girildi = true;
        cv.notify_all();
        cv.wait(k, [this] { return acik; });
    }
    void ac()
    {
        std::lock_guard k(m);
        acik = true;
        cv.notify_all();
    }
    bool girildiMi()
    {
        std::lock_guard k(m);
        return girildi;
    }
};

} // namespace

class TestStokAyrinti : public QObject
{
    Q_OBJECT

    std::unique_ptr<SepetSunucusu> m_sunucu;
    DSConnection m_bagc;
    TSonucBilgisi m_bilgi;
    QStringList m_mesajlar;
    std::unique_ptr<MesajYanitlayiciKapsami> m_yanitlayici;

    MemTable stokTablosu(int stokno, int k = 0)
    {
        MemTable t;
        const QList<QPair<const char *, ValueType>> kolonlar = {
            {"STOK_STOKNO", ValueType::Int32}, {"BARKOD", ValueType::Text}, {"ADI", ValueType::Text},
            {"MARKA", ValueType::Text},        {"FINISHKOD", ValueType::Text}, {"MODEL", ValueType::Text},
            {"FIYAT", ValueType::Double},      {"INDIRIM", ValueType::Double}, {"NETFIYAT", ValueType::Double},
            {"KDVDAHIL", ValueType::Double},   {"KDV", ValueType::Double},    {"K", ValueType::Int32}};
        for (const auto &[ad, tur] : kolonlar)
            t.addColumn({QLatin1String(ad), tur, 0});
        t.open();
        t.appendRow({stokno, QStringLiteral("869000%1").arg(stokno), QStringLiteral("FREN DİSKİ ÖN"),
                     QStringLiteral("BOSCAR"), QStringLiteral("FD-%1").arg(stokno), QStringLiteral("DOBLO 1.3"),
                     100.0, 10.0, 90.0, 108.0, 20.0, k});
        FloatFormatla(t);
        return t;
    }

    AcilisDegerleri acilis(double fiyat, double oran)
    {
        AcilisDegerleri d;
        d.stokno = 1;
        d.birimfiyat = fiyat;
        d.indoran = oran;
        d.kdvoran = 20;
        d.indtutar = fiyat - fiyat * oran / 100;
        d.kdvdahiltutar = d.indtutar * 1.2;
        d.kdvlifiyat = d.kdvdahiltutar;
        return d;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        m_sunucu = std::make_unique<SepetSunucusu>();
        m_sunucu->yonlendir(m_bagc);
        m_bilgi.CARINO = 5;
        m_bilgi.Sirano = 9;
        m_bilgi.MusteriTipi = 1;
        m_yanitlayici = std::make_unique<MesajYanitlayiciKapsami>([this](int tur, const QString &metin, int, int) {
            m_mesajlar.append(QString::number(tur) + QLatin1Char('|') + metin);
            return mesaj::SonucTamam;
        });
    }

    void cleanup()
    {
        QVERIFY(platform::Task::waitForAll());
        m_mesajlar.clear();
        m_sunucu->cagrilariTemizle();
    }

    // Typing into the real boxes: the rate gives the net, the net the VAT-inclusive price, that
    // and the quantity the total.
    void yazdikcaHesaplar()
    {
        Tstokayarinti d;
        d.doldur(acilis(100, 0), true);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.geneltutar()->text(), QStringLiteral("120,00")); // TutarHesapla on show

        d.indoran()->setFocus();
        QTest::keyClicks(d.indoran(), QStringLiteral("10"));
        d.adet()->setFocus();
        d.adet()->selectAll();
        QTest::keyClicks(d.adet(), QStringLiteral("3"));
        QCOMPARE(d.indtutar()->value(), 90.0);
        QCOMPARE(d.kdvdahiltutar()->value(), 108.0);
        QCOMPARE(d.geneltutar()->text(), QStringLiteral("324,00"));

        d.birimfiyat()->setFocus();
        d.birimfiyat()->selectAll();
        QTest::keyClicks(d.birimfiyat(), QStringLiteral("19,99"));
        d.indoran()->selectAll();
        d.indoran()->setFocus();
        d.indoran()->selectAll();
        QTest::keyClicks(d.indoran(), QStringLiteral("12,5"));
        QCOMPARE(d.indtutar()->value(), 17.49);

        // A figure typed into the net price is overwritten by the next recomputation.
        d.indtutar()->setFocus();
        QTest::keyClicks(d.indtutar(), QStringLiteral("1"));
        QCOMPARE(d.indtutar()->value(), 17.49);
    }

    // A dealer cannot type prices; a campaign row opens with its label and no rate.
    void bayiFiyatYazamaz()
    {
        MemTable stok = stokTablosu(3, 1);
        Tstokayarinti d;
        d.doldur(acilisDegerleriOku(SepetKaynagi::StokListesi, stok, 0), false);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.indirimoran()->text(), QStringLiteral("Kampanyalı"));
        QCOMPARE(d.indoran()->value(), 0.0);
        QVERIFY(d.birimfiyat()->isReadOnly());
        QVERIFY(d.indoran()->isReadOnly());
        d.birimfiyat()->setFocus();
        QTest::keyClicks(d.birimfiyat(), QStringLiteral("5"));
        QCOMPARE(d.birimfiyat()->value(), 100.0);
        // The recomputation then makes the net price the list price.
        QCOMPARE(d.indtutar()->value(), 100.0);
    }

    void klavye()
    {
        Tstokayarinti d;
        d.doldur(acilis(100, 10), true);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.birimfiyat()->setFocus();
        QTest::keyClick(d.birimfiyat(), Qt::Key_Return);
        QVERIFY(d.indoran()->hasFocus());
        QVERIFY(d.isVisible());
        QTest::keyClick(d.indoran(), Qt::Key_Enter);
        QVERIFY(d.birimfiyat()->hasFocus());
        QCOMPARE(d.birimfiyat()->selectedText(), d.birimfiyat()->text());

        // Enter in the quantity confirms with the text as typed, even one the box would correct.
        d.adet()->setFocus();
        d.adet()->selectAll();
        QTest::keyClicks(d.adet(), QStringLiteral("0"));
        QTest::keyClick(d.adet(), Qt::Key_Return);
        QCOMPARE(d.result(), int(Tstokayarinti::SiparisEkle));
        QVERIFY(!d.isVisible());
        QCOMPARE(d.okunanAdet(), 0.0);

        Tstokayarinti bos;
        bos.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bos));
        bos.adet()->setFocus();
        bos.adet()->selectAll();
        QTest::keyClick(bos.adet(), Qt::Key_Delete);
        QTest::keyClick(bos.adet(), Qt::Key_Return);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, bos.okunanAdet());

        Tstokayarinti kacis;
        kacis.show();
        QVERIFY(QTest::qWaitForWindowExposed(&kacis));
        QTest::keyClick(&kacis, Qt::Key_Escape);
        QCOMPARE(kacis.result(), int(Tstokayarinti::Vazgec));
    }

    // The listed row goes to the server with the dialog's quantity, price and rate, and the
    // basket is reloaded; the next double-click on the same stock changes that line instead.
    void stoktanEkleVeDegistir()
    {
        SahteSepet sepet(m_bagc, m_bilgi.CARINO);
        MemTable stok = stokTablosu(77);

        modaldaCalistir<Tstokayarinti>([](Tstokayarinti &d) {
            QCOMPARE(d.barkod()->text(), QStringLiteral("86900077"));
            QCOMPARE(d.indirimoran()->text(), QStringLiteral("İndirim:  % 10,00"));
            d.adet()->setFocus();
            d.adet()->selectAll();
            QTest::keyClicks(d.adet(), QStringLiteral("3"));
            QTest::mouseClick(d.ParcaliTus1(), Qt::LeftButton);
        });
        QVERIFY(StoktanSepeteEkle(nullptr, m_bagc, m_bilgi, sepet, stok, 0));
        QCOMPARE(m_sunucu->cagrilar().filter(QStringLiteral("SepetEkle")),
                 QStringList{QStringLiteral("SepetEkle|bilgi|5|77|86900077|FREN DİSKİ ÖN|3|20|100|10|9|0")});
        QCOMPARE(sepet.sepetTablosu().rowCount(), 1);
        QCOMPARE(stok.currentRow(), 0);

        m_sunucu->cagrilariTemizle();
        modaldaCalistir<Tstokayarinti>([](Tstokayarinti &d) {
            QCOMPARE(d.adet()->value(), 3);
            QCOMPARE(d.adi()->text(), QStringLiteral("FREN DİSKİ ÖN"));
            d.birimfiyat()->setFocus();
            d.birimfiyat()->selectAll();
            QTest::keyClicks(d.birimfiyat(), QStringLiteral("80"));
            QTest::keyClick(d.birimfiyat(), Qt::Key_Return);
            d.adet()->setFocus();
            d.adet()->selectAll();
            QTest::keyClicks(d.adet(), QStringLiteral("5"));
            QTest::keyClick(d.adet(), Qt::Key_Return);
        });
        QVERIFY(StoktanSepeteEkle(nullptr, m_bagc, m_bilgi, sepet, stok, 0));
        const int sirano = m_sunucu->sepet(5).first().sirano;
        QCOMPARE(m_sunucu->cagrilar().filter(QStringLiteral("Sepet")).filter(QStringLiteral("|")),
                 (QStringList{QStringLiteral("SepetGuncelle|bilgi|5|0|86900077|FREN DİSKİ ÖN|5|20|80|10|9|%1").arg(sirano),
                              QStringLiteral("SepetVer|5")}));
        QCOMPARE(m_sunucu->sepet(5).size(), 1);
        QCOMPARE(m_sunucu->sepet(5).first().miktar, 5.0);
    }

    void vazgecVeReddedilenEkleme()
    {
        SahteSepet sepet(m_bagc, 6);
        TSonucBilgisi bilgi = m_bilgi;
        bilgi.CARINO = 6;
        MemTable stok = stokTablosu(88);

        modaldaCalistir<Tstokayarinti>([](Tstokayarinti &d) { QTest::mouseClick(d.ParcaliTus2(), Qt::LeftButton); });
        QVERIFY(!StoktanSepeteEkle(nullptr, m_bagc, bilgi, sepet, stok, 0));
        QVERIFY(m_sunucu->cagrilar().filter(QStringLiteral("SepetEkle")).isEmpty());

        m_sunucu->sepetEkleSonucu(0);
        const int yuklemeler = sepet.yuklemeler;
        modaldaCalistir<Tstokayarinti>([](Tstokayarinti &d) { QTest::mouseClick(d.ParcaliTus1(), Qt::LeftButton); });
        QVERIFY(!StoktanSepeteEkle(nullptr, m_bagc, bilgi, sepet, stok, 0));
        m_sunucu->sepetEkleSonucu(1);
        QCOMPARE(m_sunucu->cagrilar().filter(QStringLiteral("SepetEkle")).size(), 1);
        QCOMPARE(sepet.yuklemeler, yuklemeler);
        QVERIFY(m_mesajlar.isEmpty());

        QVERIFY(!StoktanSepeteEkle(nullptr, m_bagc, bilgi, sepet, stok, -1));

        // A quantity that is not a number: its error is shown and nothing is sent.
        m_sunucu->cagrilariTemizle();
        modaldaCalistir<Tstokayarinti>([](Tstokayarinti &d) {
            d.adet()->setFocus();
            d.adet()->selectAll();
            QTest::keyClick(d.adet(), Qt::Key_Backspace);
            QTest::keyClick(d.adet(), Qt::Key_Return);
        });
        QVERIFY(!StoktanSepeteEkle(nullptr, m_bagc, bilgi, sepet, stok, 0));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("1|'' geçerli bir sayı değil")});
        QVERIFY(m_sunucu->cagrilar().filter(QStringLiteral("SepetEkle")).isEmpty());
    }

    // The picture arrives in 2048-byte blocks with progress and replaces the placeholder
    // only when exactly the announced size came.
    void resim_data()
    {
        QTest::addColumn<QByteArray>("bayt");
        QTest::addColumn<qint64>("boyFarki");
        QTest::addColumn<bool>("gosterilir");
        QTest::addColumn<int>("ilerlemeEnCok"); // progress maximum; 0 = never shown
        const QByteArray resim = jpeg(400, 300);
        QTest::newRow("picture") << resim << qint64(0) << true << int(resim.size());
        QTest::newRow("exactly two blocks") << jpeg(60, 40, 4096) << qint64(0) << true << 4096;
        QTest::newRow("no picture") << QByteArray() << qint64(0) << false << 0;
        QTest::newRow("shorter than announced") << resim << qint64(10) << false << int(resim.size()) + 10;
        QTest::newRow("not a picture") << QByteArray(3000, 'x') << qint64(0) << false << 3000;
    }
    void resim()
    {
        QFETCH(QByteArray, bayt);
        QFETCH(qint64, boyFarki);
        QFETCH(bool, gosterilir);
        QFETCH(int, ilerlemeEnCok);
        m_sunucu->resimKoy(500, bayt, boyFarki);

        Tstokayarinti d;
        d._bag = &m_bagc;
        AcilisDegerleri a = acilis(100, 10);
        a.stokno = 500;
        a.barkod = QStringLiteral("8690500");
        a.adi = QStringLiteral("DEBRİYAJ SETİ");
        a.marka = QStringLiteral("VALERO");
        a.finishkod = QStringLiteral("DS-500");
        a.model = QStringLiteral("DOBLO 1.3 MJT");
        d.doldur(a, true);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTRY_VERIFY(d.resimGorevi().isFinished());
        QCOMPARE(Tstokayarinti::sonResimGorevi().isFinished(), true);
        QCOMPARE(d.resimGeldi(), gosterilir);
        // The placeholder is light grey; the stock's picture is blue.
        const QImage gorunen = d.Image1()->pixmap().toImage();
        QCOMPARE(gorunen.pixelColor(gorunen.width() / 2, gorunen.height() / 4).red() < 150, gosterilir);
        QVERIFY(d.ProgressBar1()->isHidden());
        QCOMPARE(ilerlemeEnCok == 0 ? 0 : d.ProgressBar1()->maximum(), ilerlemeEnCok);
        if (ilerlemeEnCok > 0)
            QCOMPARE(d.ProgressBar1()->value(), ilerlemeEnCok - int(boyFarki));
        QCOMPARE(m_sunucu->cagrilar(), QStringList{QStringLiteral("ResimVer5|500")});

        if (QByteArrayView(QTest::currentDataTag()) == "picture") {
            const QString klasor = qEnvironmentVariable("PARVELA_TEST_BUILD_DIR", QDir::tempPath()) + "/screenshots";
            QDir().mkpath(klasor);
            QVERIFY(d.grab().save(klasor + "/sepete_ekle.png"));
        }
    }

    // A dialog closed while its picture is on the way is never touched again.
    void kapananDiyalogaDokunulmaz()
    {
        m_sunucu->resimKoy(600, jpeg(200, 200));
        auto kapi = std::make_shared<Kapi>();
        m_sunucu->resimKancasi([kapi] { kapi->bekle(); });

        // The task alone, with a window that lives on: after the cancel nothing reaches it.
        QObject pencere;
        int dokunma = 0;
        ResimGorevi::Hedef hedef{&pencere, [&](qint64) { ++dokunma; }, [&] { ++dokunma; },
                                 [&](const QImage &) { ++dokunma; }};
        const platform::TaskHandle gorev = ResimGorevi::baslat(m_bagc.clone(), 600, hedef);
        QTRY_VERIFY(kapi->girildiMi());
        gorev.cancel();
        kapi->ac();
        QVERIFY(gorev.wait(10000));
        QCOMPARE(dokunma, 0);

        // The dialog itself: closed and destroyed while the server still holds the picture.
        auto kapi2 = std::make_shared<Kapi>();
        m_sunucu->resimKancasi([kapi2] { kapi2->bekle(); });
        auto *d = new Tstokayarinti;
        d->_bag = &m_bagc;
        AcilisDegerleri a = acilis(10, 0);
        a.stokno = 600;
        d->doldur(a, false);
        d->show();
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTRY_VERIFY(kapi2->girildiMi());
        const platform::TaskHandle dGorevi = d->resimGorevi();
        d->reject();
        QVERIFY(dGorevi.isCancelled());
        delete d;
        kapi2->ac();
        QVERIFY(dGorevi.wait(10000));
        m_sunucu->resimKancasi({});
    }

    // An unreachable server: the picture task's connection message comes on the UI thread.
    void baglantiYokken()
    {
        DSConnection kapali;
        kapali.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        kapali.setParam(QStringLiteral("Port"), QStringLiteral("1"));
        kapali.setTimeouts(200, 200);
        int dokunma = 0;
        QObject pencere;
        ResimGorevi::Hedef hedef{&pencere, [&](qint64) { ++dokunma; }, [&] { ++dokunma; },
                                 [&](const QImage &) { ++dokunma; }};
        QVERIFY(ResimGorevi::baslat(kapali.clone(), 1, hedef).wait(20000));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("1|Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!")});
        QCOMPARE(dokunma, 0);
    }
};

QTEST_MAIN(TestStokAyrinti)
#include "tst_stokayarinti.moc"
