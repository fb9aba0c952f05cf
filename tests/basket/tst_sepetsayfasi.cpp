#include "ModaldaCalistir.h"
#include "SepetSunucusu.h"

#include "app/basket/SecenekGrubu.h"
#include "app/basket/SepetSayfasi.h"
#include "app/basket/TONAYSIP.h"
#include "identity/MesajGoster.h"
#include "identity/TSonucBilgisi.h"
#include "orders/Tstokayarinti.h"
#include "platform/Task.h"
#include "remote/DSConnection.h"
#include "widgets/DataGrid.h"
#include "widgets/MemTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>


// The basket tab through its real widgets against a small order server.
class TestSepetSayfasi : public QObject
{
    Q_OBJECT

    std::unique_ptr<SepetSunucusu> m_sunucu;
    DSConnection m_bagc;
    TSonucBilgisi m_bilgi;
    QStringList m_mesajlar;
    int m_yanit = mesaj::SonucEvet;
    std::unique_ptr<MesajYanitlayiciKapsami> m_yanitlayici;
    std::unique_ptr<SepetSayfasi> m_sayfa;
    QStringList m_basliklar;

    // Two lines of the totals example (both ticked) and one unticked line.
    void sepetiDoldur()
    {
        SepetSunucusu::Satir a;
        a.carino = 5;
        a.stokno = 11;
        a.barkod = QStringLiteral("8690011");
        a.stokadi = QStringLiteral("FREN DİSKİ ÖN");
        a.miktar = 1;
        a.birimfiyat = 100.125;
        a.tutar = 100.125;
        a.indirimTutar = 10;
        a.sec = 1;
        m_sunucu->satirEkle(a);
        SepetSunucusu::Satir b = a;
        b.stokno = 12;
        b.barkod = QStringLiteral("8690012");
        b.stokadi = QStringLiteral("BALATA ARKA");
        b.miktar = 2;
        b.birimfiyat = 25;
        b.tutar = 50;
        b.indirimTutar = 0;
        m_sunucu->satirEkle(b);
        SepetSunucusu::Satir c = b;
        c.stokno = 13;
        c.barkod = QStringLiteral("8690013");
        c.stokadi = QStringLiteral("YAĞ FİLTRESİ");
        c.sec = 0;
        c.tutar = 30;
        m_sunucu->satirEkle(c);
    }

    QStringList toplamlar() const
    {
        return {m_sayfa->aratoplaml()->text(), m_sayfa->indiriml()->text(), m_sayfa->nettutarl()->text(),
                m_sayfa->vergil()->text(), m_sayfa->geneltoplaml()->text()};
    }

    // Double-clicks a cell of the basket grid, as the user would.
    void hucreyeCiftTikla(int satir, const QString &alan)
    {
        QTableView *view = m_sayfa->grid()->view();
        const QModelIndex hucre = view->model()->index(satir, m_sayfa->grid()->columnIndex(alan));
        view->scrollTo(hucre);
        const QPoint orta = view->visualRect(hucre).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, orta);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, orta);
    }

    void kargoSec(int turIndeksi, int firmaIndeksi)
    {
        QTest::mouseClick(m_sayfa->boxkargo()->dugme(turIndeksi), Qt::LeftButton);
        m_sayfa->kargocombo()->setCurrentIndex(firmaIndeksi);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        m_sunucu = std::make_unique<SepetSunucusu>();
        m_sunucu->yonlendir(m_bagc);
        m_bilgi.CARINO = 5;
        m_bilgi.Sirano = 9;
        m_bilgi.ADI = QStringLiteral("AHMET YILMAZ");
        m_bilgi.CariAdi = QStringLiteral("ÖRNEK OTOMOTİV");
        m_yanitlayici = std::make_unique<MesajYanitlayiciKapsami>([this](int tur, const QString &metin, int, int) {
            m_mesajlar.append(QString::number(tur) + QLatin1Char('|') + metin);
            return m_yanit;
        });
    }

    void init()
    {
        m_sunucu->temizle();
        sepetiDoldur();
        m_mesajlar.clear();
        m_yanit = mesaj::SonucEvet;
        m_basliklar.clear();
        m_sayfa = std::make_unique<SepetSayfasi>(m_bagc, m_bilgi);
        connect(m_sayfa.get(), &SepetSayfasi::captionChanged, this, [this](const QString &b) { m_basliklar.append(b); });
        m_sayfa->resize(1300, 800);
        m_sayfa->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_sayfa.get()));
        QSignalSpy uyari(m_sayfa.get(), &SepetSayfasi::bakiyeUyarisiGeldi);
        m_sayfa->activate();
        QVERIFY(uyari.count() == 1 || uyari.wait(10000));
    }

    void cleanup()
    {
        m_sayfa.reset();
        QVERIFY(platform::Task::waitForAll());
    }

    void acilistaYuklenir()
    {
        QCOMPARE(m_basliklar, QStringList{QStringLiteral("3=Sepet")});
        QCOMPARE(m_sayfa->grid()->rowCount(), 3);
        QCOMPARE(toplamlar(), (QStringList{"150,13", "10,00", "140,13", "28,03", "168,16"}));
        QCOMPARE(m_sayfa->lbluyarbakiye()->text(), QStringLiteral("Vadesi geçmiş 1.250,00 TL bakiyeniz bulunmaktadır."));
        QCOMPARE(m_sayfa->teslimbox()->sayi(), 2);
        QCOMPARE(m_sayfa->teslimbox()->seciliIndeks(), 1);
        QCOMPARE(m_sayfa->boxkargo()->sayi(), 2);
        QCOMPARE(m_sayfa->boxkargo()->seciliIndeks(), -1);
        QCOMPARE(m_sayfa->grid()->footerText(QStringLiteral("MIKTAR")), QStringLiteral("5,00"));
        QVERIFY(m_sayfa->grid()->isColumnVisible(QStringLiteral("DURUM")));
        QVERIFY(!m_sayfa->grid()->isColumnVisible(QStringLiteral("KALAN")));

        const QString klasor = qEnvironmentVariable("PARVELA_TEST_BUILD_DIR", QDir::tempPath()) + "/screenshots";
        QDir().mkpath(klasor);
        QVERIFY(m_sayfa->grab().save(klasor + "/sepet.png"));
    }

    void kullaniciTipleri()
    {
        m_sayfa->kullaniciTipineUyarla(3);
        QVERIFY(!m_sayfa->grid()->isColumnVisible(QStringLiteral("DURUM")));
        m_sayfa->kullaniciTipineUyarla(2);
        QVERIFY(m_sayfa->grid()->isColumnVisible(QStringLiteral("KALAN")));
        QVERIFY(m_sayfa->grid()->isColumnVisible(QStringLiteral("DURUM")));
        QCOMPARE(m_sayfa->grid()->rowCount(), 3);
    }

    void tekTeslimSecenegiSecilir()
    {
        m_sunucu->teslimSecenekleri({{4, QStringLiteral("Gel Al")}});
        m_sayfa->TeslimKargoAl();
        QCOMPARE(m_sayfa->teslimbox()->seciliIndeks(), 0);
        QCOMPARE(m_sayfa->teslimbox()->seciliId(), 4);
    }

    // A tick is stored at once and moves the totals; any other cell opens the change dialog.
    void secimIsaretleri()
    {
        hucreyeCiftTikla(0, QStringLiteral("SEC"));
        QCOMPARE(toplamlar(), (QStringList{"50,00", "0,00", "50,00", "10,00", "60,00"}));
        QCOMPARE(m_sunucu->sepet(5).at(0).sec, 0);

        m_sunucu->cagrilariTemizle();
        modaldaCalistir<Tstokayarinti>([](Tstokayarinti &d) {
            QCOMPARE(d.adi()->text(), QStringLiteral("BALATA ARKA"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        hucreyeCiftTikla(1, QStringLiteral("STOKADI"));
        QVERIFY(m_sunucu->cagrilar().filter(QStringLiteral("SepetGuncelle")).isEmpty());

        bool bos = true;
        m_sayfa->setSearchIdle([&] { return bos; });
        QSignalSpy odak(m_sayfa.get(), &SepetSayfasi::searchFocusRequested);
        QTest::mouseClick(m_sayfa->hepsiniSecTusu(), Qt::LeftButton);
        for (const SepetSunucusu::Satir &s : m_sunucu->sepet(5))
            QCOMPARE(s.sec, 1);
        QCOMPARE(m_sayfa->aratoplaml()->text(), QStringLiteral("180,13"));
        QCOMPARE(odak.count(), 1);

        bos = false;
        QTest::mouseClick(m_sayfa->secimleriKaldirTusu(), Qt::LeftButton);
        for (const SepetSunucusu::Satir &s : m_sunucu->sepet(5))
            QCOMPARE(s.sec, 0);
        QCOMPARE(m_sayfa->geneltoplaml()->text(), QStringLiteral("0,00"));
        QCOMPARE(odak.count(), 1);
    }

    void siparisDenetimleri_data()
    {
        QTest::addColumn<QString>("eksik");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("no ticked line") << "secim" << "Gönderilecek Parça Yok ";
        QTest::newRow("no delivery") << "teslim" << "Lütfen Teslim Durumu Seçiniz !";
        QTest::newRow("no cargo type") << "kargo" << "Lütfen Kargo Türünü Seçiniz !";
        QTest::newRow("blank cargo company") << "firma" << "Lütfen Kargo  Seçiniz !";
    }
    void siparisDenetimleri()
    {
        QFETCH(QString, eksik);
        QFETCH(QString, mesaj);
        if (eksik == QLatin1String("secim"))
            QTest::mouseClick(m_sayfa->secimleriKaldirTusu(), Qt::LeftButton);
        if (eksik == QLatin1String("teslim")) {
            m_sunucu->teslimSecenekleri({});
            m_sayfa->TeslimKargoAl();
        }
        if (eksik != QLatin1String("kargo"))
            kargoSec(0, eksik == QLatin1String("firma") ? 0 : 1);
        m_mesajlar.clear();
        m_sunucu->cagrilariTemizle();
        QTest::mouseClick(m_sayfa->gonderTusu(), Qt::LeftButton);
        QCOMPARE(m_mesajlar, QStringList{QString::number(mesaj::Uyari) + QLatin1Char('|') + mesaj});
        QVERIFY(m_sunucu->cagrilar().isEmpty());
        if (eksik == QLatin1String("firma"))
            QTRY_VERIFY(m_sayfa->kargocombo()->hasFocus());
    }

    // The road of one order: tick, delivery, cargo type and company, note, "Gönder", "Evet".
    void siparisGonderilir()
    {
        hucreyeCiftTikla(1, QStringLiteral("SEC")); // untick the 50,00 line: one line goes
        QTest::mouseClick(m_sayfa->teslimbox()->dugme(0), Qt::LeftButton);
        QTest::mouseClick(m_sayfa->boxkargo()->dugme(0), Qt::LeftButton);
        QCOMPARE(m_sayfa->kargocombo()->count(), 3);
        QCOMPARE(m_sayfa->kargocombo()->itemText(0), QStringLiteral(" "));
        m_sayfa->kargocombo()->setFocus();
        QTest::keyClick(m_sayfa->kargocombo(), Qt::Key_Down);
        QCOMPARE(m_sayfa->kargocombo()->currentText(), QStringLiteral("ARAS KARGO"));
        QCOMPARE(m_sayfa->uyarikargo()->text(), QStringLiteral("Aras: 16.00'dan sonra ertesi gün"));
        m_sayfa->aciklamagir()->setFocus();
        QTest::keyClicks(m_sayfa->aciklamagir(), QStringLiteral("Acil, 2 koli"));

        // "Hayır" sends nothing.
        m_sunucu->cagrilariTemizle();
        modaldaCalistir<TONAYSIP>([](TONAYSIP &o) { QTest::mouseClick(o.hayirTusu(), Qt::LeftButton); });
        QTest::mouseClick(m_sayfa->gonderTusu(), Qt::LeftButton);
        QVERIFY(m_sunucu->cagrilar().isEmpty());

        QString ozet, uyari;
        modaldaCalistir<TONAYSIP>([&](TONAYSIP &o) {
            ozet = o.Label2()->text();
            uyari = o.Label3()->text();
            QCOMPARE(o.windowTitle(), QStringLiteral("Sipariş Onay"));
            QTest::mouseClick(o.evetTusu(), Qt::LeftButton);
        });
        QTest::mouseClick(m_sayfa->gonderTusu(), Qt::LeftButton);
        QCOMPARE(ozet, QStringLiteral("Kullanıcı: AHMET YILMAZ\r\n"
                                      "Cari     : ÖRNEK OTOMOTİV\r\n"
                                      "Teslim   : Depodan Teslim\r\n"
                                      "Kargo    : Kargo\r\n"
                                      "Tutar    : 108,16\r\n"
                                      "Kargo    : ARAS KARGO\r\n"
                                      "Açıklama : Acil, 2 koli"));
        QCOMPARE(uyari, m_sayfa->lbluyarbakiye()->text());

        const QList<SepetSunucusu::Siparis> siparisler = m_sunucu->siparisler();
        QCOMPARE(siparisler.size(), 1);
        const SepetSunucusu::Siparis &s = siparisler.first();
        QCOMPARE(s.aciklama, QStringLiteral("Acil, 2 koli"));
        QCOMPARE(s.satirlar.size(), 1);
        QCOMPARE(s.satirlar.first().stokadi, QStringLiteral("FREN DİSKİ ÖN"));
        QCOMPARE((QList<int>{s.carino, s.teslim, s.kargo, s.kargoFirmasi, s.verenid}), (QList<int>{5, 1, 1, 11, 9}));
        QVERIFY(m_sunucu->cagrilar().first().startsWith(QStringLiteral("SiparisKaydet|bilgi|")));
        QCOMPARE(m_mesajlar, QStringList{QStringLiteral("2|Siparişiniz Gönderildi !")});
        QCOMPARE(m_basliklar.last(), QStringLiteral("2=Sepet"));
        QCOMPARE(m_sayfa->grid()->rowCount(), 2);
        QVERIFY(m_sayfa->aciklamagir()->toPlainText().isEmpty());
    }

    void silme()
    {
        m_sayfa->grid()->setCurrentSourceRow(0);
        m_yanit = mesaj::SonucHayir;
        m_sayfa->SatrSil1Click();
        QCOMPARE(m_sunucu->sepet(5).size(), 3);

        m_yanit = mesaj::SonucEvet;
        m_sayfa->SatrSil1Click();
        QCOMPARE(m_sunucu->sepet(5).size(), 2);
        QVERIFY(m_sunucu->cagrilar().contains(QStringLiteral("SepetSatirSil|101|8690011-FREN DİSKİ ÖN"))
                || m_sunucu->cagrilar().filter(QStringLiteral("SepetSatirSil|")).first().endsWith(
                    QStringLiteral("|8690011-FREN DİSKİ ÖN")));
        QCOMPARE(m_mesajlar.last(), QStringLiteral("2|Satır silindi !"));
        QCOMPARE(m_basliklar.last(), QStringLiteral("2=Sepet"));

        m_yanit = mesaj::SonucVazgec; // the question's close box
        m_sayfa->HepsiniSil1Click();
        QCOMPARE(m_sunucu->sepet(5).size(), 2);

        m_yanit = mesaj::SonucEvet;
        m_sayfa->HepsiniSil1Click();
        QVERIFY(m_sunucu->sepet(5).isEmpty());
        QCOMPARE(m_mesajlar.last(), QStringLiteral("2|Sepet Silindi !"));
        QCOMPARE(m_basliklar.last(), QStringLiteral("0=Sepet"));
        QCOMPARE(toplamlar(), (QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"}));

        m_mesajlar.clear();
        m_sayfa->HepsiniSil1Click(); // an empty basket asks nothing
        QVERIFY(m_mesajlar.isEmpty());
    }

    // The exported workbook, read back by an independent reader, holds the grid's values
    // with their types.
    void excelKaydet()
    {
        QTemporaryDir klasor;
        const QString yol = klasor.filePath(QStringLiteral("sepet"));
        m_sayfa->setKayitYoluSorucu([&] { return yol; });
        QTest::mouseClick(m_sayfa->excelTusu(), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(yol + QStringLiteral(".xlsx")));

        QProcess okuyucu;
        okuyucu.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral("-c"), QStringLiteral(R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
print(json.dumps([[[type(c.value).__name__, c.value if not hasattr(c.value, 'isoformat') else c.value.isoformat()]
                   for c in row] for row in ws.iter_rows()]))
)"),
                       yol + QStringLiteral(".xlsx")});
        QVERIFY(okuyucu.waitForFinished(30000));
        QCOMPARE(okuyucu.exitCode(), 0);
        const QJsonArray satirlar = QJsonDocument::fromJson(okuyucu.readAllStandardOutput()).array();

        const DataGrid *grid = m_sayfa->grid();
        const MemTableModel *model = grid->tableModel();
        const QList<int> kolonlar = grid->visibleColumns();
        QCOMPARE(satirlar.size(), 1 + grid->rowCount());
        const QJsonArray baslik = satirlar.at(0).toArray();
        QCOMPARE(baslik.size(), kolonlar.size());
        for (int i = 0; i < kolonlar.size(); ++i)
            QCOMPARE(baslik.at(i).toArray().at(1).toString(), model->caption(kolonlar.at(i)));

        for (int satir = 0; satir < grid->rowCount(); ++satir) {
            const QJsonArray hucreler = satirlar.at(satir + 1).toArray();
            const int kaynak = grid->sourceRow(satir);
            for (int i = 0; i < kolonlar.size(); ++i) {
                const int kolon = kolonlar.at(i);
                const QString tur = hucreler.at(i).toArray().at(0).toString();
                const QJsonValue deger = hucreler.at(i).toArray().at(1);
                const QString alan = model->field(kolon);
                if (alan == QLatin1String("VERILISTARIHI")) {
                    QCOMPARE(tur, QStringLiteral("datetime"));
                    QVERIFY(deger.toString().startsWith(QStringLiteral("2025-12-09")));
                } else if (model->isNumeric(kolon)) {
                    QVERIFY2(tur == QLatin1String("int") || tur == QLatin1String("float"), qPrintable(alan + tur));
                    QCOMPARE(deger.toDouble(), model->number(kaynak, kolon));
                } else {
                    QCOMPARE(tur, QStringLiteral("str"));
                    QCOMPARE(deger.toString(), model->displayText(kaynak, kolon));
                }
            }
        }
    }
};

QTEST_MAIN(TestSepetSayfasi)
#include "tst_sepetsayfasi.moc"
