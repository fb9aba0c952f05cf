#include "ModalBekleyici.h"
#include "SigninSunucusu.h"
#include "TestOrtami.h"

#include "identity/AmountFormat.h"
#include "remote/DSConnection.h"
#include "remote/MemTable.h"
#include "signin/CariBilgileriPaneli.h"
#include "signin/Tseccari.h"
#include "signin/Ttarihsec.h"
#include "widgets/DataGrid.h"

#include <QAction>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>

// Records the files the window hands to the desktop to open.
class DosyaAcici : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> acilanlar;
public Q_SLOTS:
    void ac(const QUrl &adres) { acilanlar.append(adres); }
};

// Customer selection against the sign-in methods on loopback.
class TestSeccari : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtami> m_ortam;
    std::unique_ptr<SigninSunucusu> m_sunucu;
    DSConnection m_bag;
    TSonucBilgisi m_bilgi;
    DosyaAcici m_acici;

    std::unique_ptr<Tseccari> pencere()
    {
        auto p = std::make_unique<Tseccari>(nullptr);
        p->bag = &m_bag;
        p->bilgim = &m_bilgi;
        return p;
    }

    static QString hucre(const Tseccari &p, int satir, const QString &alan)
    {
        const MemTable *t = p.CARILER();
        return t ? t->text(satir, t->columnIndex(alan)) : QString();
    }

    static int satirSayisi(const Tseccari &p) { return p.cxGrid1()->rowCount(); }

    static void bekle() { QVERIFY(platform::Task::waitForAll(20000)); }

private Q_SLOTS:
    void initTestCase()
    {
        m_ortam = std::make_unique<TestOrtami>();
        m_sunucu = std::make_unique<SigninSunucusu>();
        m_bag.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        m_bag.setParam(QStringLiteral("Port"), QString::number(m_sunucu->port()));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_acici, "ac");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init()
    {
        m_ortam->temizle();
        m_sunucu->temizle();
        m_acici.acilanlar.clear();
        m_bilgi = TSonucBilgisi();
        m_bilgi.ADI = QStringLiteral("TEMSILCI1");
        m_bilgi.MusteriTipi = 1;
        m_bilgi.CARINO = 5;
        m_bilgi.Sirano = 42;
    }

    void cleanup() { bekle(); }

    void sayilar_data()
    {
        QTest::addColumn<int>("sepet");
        QTest::addColumn<QString>("sepetYazisi");
        QTest::newRow("boş sepet") << 0 << "";
        QTest::newRow("dolu sepet") << 4 << "4";
    }

    // The basket count is blank below 1; every state count shows, 0 included.
    void sayilar()
    {
        QFETCH(int, sepet);
        m_sunucu->setSepetSayisi(sepet);
        TTusSonuclari tus;
        tus.Alindi = 3;
        tus.Onaylandi = 0;
        tus.Goruldu = 5;
        tus.ParcaliHazirlandi = 6;
        tus.Hazirlandi = 7;
        tus.SevkEdildi = 8;
        m_sunucu->setTusSonuclari(tus);

        auto p = pencere();
        p->SepetSayisiYaz();
        p->TusSonuclari();
        bekle();
        QTEST(p->durumTusu(1)->text(), "sepetYazisi");
        const QStringList beklenen = {"3", "0", "5", "6", "7", "8"};
        for (int kod = 2; kod <= Tseccari::DurumSayisi; ++kod)
            QCOMPARE(p->durumTusu(kod)->text(), beklenen.at(kod - 2));
        QCOMPARE(m_sunucu->cagrilar(QStringLiteral("SepetSayisi")).value(0).bilgi->CARINO, 5);
        QCOMPARE(p->durumTusu(2)->accessibleName(), QStringLiteral("Yeni Alınan Siparişleri Listeler"));
        QCOMPARE(p->windowTitle(), QStringLiteral("Cari Seçimi"));
        QCOMPARE(satirSayisi(*p), 0); // the grid starts empty
    }

    void aramaIleListele()
    {
        auto p = pencere();
        p->show();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        QVERIFY(p->NEdit1()->hasFocus());
        QVERIFY(!p->GroupBox1()->isVisible());
        QTest::keyClicks(p->NEdit1(), QStringLiteral("yedek"));
        QCOMPARE(p->NEdit1()->text(), QStringLiteral("YEDEK"));
        QTest::keyClick(p->NEdit1(), Qt::Key_Return);
        bekle();

        const QList<SigninSunucusu::Cagri> ara = m_sunucu->cagrilar(QStringLiteral("CariAra"));
        QCOMPARE(ara.size(), 1);
        QCOMPARE(ara.at(0).degerler.value(0).toString(), QStringLiteral("YEDEK"));
        QCOMPARE(ara.at(0).bilgi->ADI, QStringLiteral("TEMSILCI1"));
        QCOMPARE(satirSayisi(*p), 1);
        QCOMPARE(p->cxGrid1()->currentSourceRow(), 0);
        QCOMPARE(p->cxGrid1()->footerText(QStringLiteral("CARIKOD")), QStringLiteral("1"));
        QVERIFY(!p->cxGrid1()->isColumnVisible(QStringLiteral("CARINO")));
        QVERIFY(p->cxGrid1()->isColumnVisible(QStringLiteral("TLBAKIYE")));
        QVERIFY(!p->cxGrid1()->isColumnVisible(QStringLiteral("ADRES1")));
        QVERIFY(p->NEdit1()->hasFocus());
        QCOMPARE(p->NEdit1()->selectedText(), QStringLiteral("YEDEK"));

        // The focused customer's details.
        QVERIFY(p->GroupBox1()->isVisible());
        QCOMPARE(p->GroupBox1()->title(), QStringLiteral("Cari Bilgileri"));
        QCOMPARE(p->GroupBox1()->deger(QStringLiteral("Cari Adı:")), QStringLiteral("ÖZ OTO YEDEK PARÇA"));
        QCOMPARE(p->GroupBox1()->deger(QStringLiteral("Adres:")),
                 QStringLiteral("Sanayi Sitesi 4. Blok\nNo: 7\nNilüfer/Bursa"));
        QCOMPARE(p->GroupBox1()->deger(QStringLiteral("Vergi D.:")), QStringLiteral("Nilüfer V.D./1234567890"));
        QCOMPARE(p->GroupBox1()->deger(QStringLiteral("Bakiye:")),
                 formatAmount(1234567.5 + 120) + QStringLiteral(" B"));
    }

    void tumCarilerVeDurumlar()
    {
        auto p = pencere();
        p->show();
        p->NEdit1()->setText(QStringLiteral("XYZ"));
        QTest::mouseClick(p->sBitBtn2(), Qt::LeftButton);
        bekle();
        QVERIFY(p->NEdit1()->text().isEmpty());
        QCOMPARE(m_sunucu->cagrilar(QStringLiteral("CariAra")).value(0).degerler.value(0).toString(), QString());
        QCOMPARE(satirSayisi(*p), 3);

        QTest::mouseClick(p->durumTusu(3), Qt::LeftButton);
        bekle();
        QCOMPARE(m_sunucu->cagrilar(QStringLiteral("CariSepetVer")).value(0).degerler.value(0).toInt(), 3);
        QCOMPARE(satirSayisi(*p), 1);
        QCOMPARE(hucre(*p, 0, QStringLiteral("CARINO")), QStringLiteral("121"));

        // A listing with no rows: nothing focused, no details.
        QTest::mouseClick(p->durumTusu(7), Qt::LeftButton);
        bekle();
        QCOMPARE(satirSayisi(*p), 0);
        QCOMPARE(p->cxGrid1()->currentSourceRow(), -1);
        QVERIFY(!p->GroupBox1()->isVisible());
    }

    // The newest listing wins when two are asked for before the first answer arrives.
    void sonListeGecerli()
    {
        auto p = pencere();
        p->DurumListele(2);
        p->DurumListele(3);
        bekle();
        QCOMPARE(satirSayisi(*p), 1);
        QCOMPARE(hucre(*p, 0, QStringLiteral("CARINO")), QStringLiteral("121"));
    }

    void secim_data()
    {
        QTest::addColumn<int>("satir");
        QTest::addColumn<QString>("nasil");
        QTest::addColumn<bool>("secildi");
        QTest::newRow("Seç") << 1 << "sec" << true;
        QTest::newRow("çift tıklama") << 0 << "cift" << true;
        QTest::newRow("Enter") << 1 << "enter" << true;
        QTest::newRow("numarasız cari") << 2 << "sec" << false;
    }

    void secim()
    {
        QFETCH(int, satir);
        QFETCH(QString, nasil);
        QFETCH(bool, secildi);
        auto p = pencere();
        p->show();
        QSignalSpy bitis(p.get(), &QDialog::finished);
        p->CariListele(QString());
        bekle();
        p->cxGrid1()->setCurrentViewRow(satir);
        QTableView *tablo = p->cxGrid1()->view();
        if (nasil == QLatin1String("sec")) {
            QTest::mouseClick(p->Button1(), Qt::LeftButton);
        } else if (nasil == QLatin1String("cift")) {
            const QRect hucreAlani = tablo->visualRect(tablo->currentIndex());
            QTest::mouseClick(tablo->viewport(), Qt::LeftButton, {}, hucreAlani.center());
            QTest::mouseDClick(tablo->viewport(), Qt::LeftButton, {}, hucreAlani.center());
        } else {
            tablo->setFocus();
            QTest::keyClick(tablo, Qt::Key_Return);
        }
        const SigninSunucusu::Cari cari = SigninSunucusu::cariler().at(satir);
        QCOMPARE(bitis.count(), secildi ? 1 : 0);
        if (secildi) {
            QCOMPARE(bitis.at(0).at(0).toInt(), int(QDialog::Accepted));
            QCOMPARE(m_bilgi.CARINO, cari.carino);
            QCOMPARE(m_bilgi.carikod, cari.kod);
            QCOMPARE(m_bilgi.CariAdi, cari.ad);
        } else {
            QCOMPARE(m_bilgi.CARINO, 5);
            QVERIFY(p->isVisible());
        }
    }

    void secimYokken()
    {
        auto p = pencere();
        p->show();
        QSignalSpy bitis(p.get(), &QDialog::finished);
        QTest::mouseClick(p->Button1(), Qt::LeftButton);
        QCOMPARE(bitis.count(), 0);
        QCOMPARE(m_bilgi.CARINO, 5);
    }

    void kapatmaVeVazgec()
    {
        auto p = pencere();
        p->show();
        QSignalSpy bitis(p.get(), &QDialog::finished);
        p->close();
        QCOMPARE(bitis.count(), 1);
        QCOMPARE(bitis.at(0).at(0).toInt(), int(QDialog::Rejected));
        QVERIFY(m_ortam->cikislar.isEmpty()); // the frame only closes the window

        auto q = pencere();
        q->show();
        QTest::mouseClick(q->Button2(), Qt::LeftButton);
        QCOMPARE(m_ortam->cikislar, QList<int>{0}); // "Vazgeç" ends the program
    }

    void menu()
    {
        auto p = pencere();
        const QList<QAction *> ogeler = p->PopupMenu1()->actions();
        QStringList yazilar;
        for (const QAction *a : ogeler)
            yazilar.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(yazilar, (QStringList{"Cari Özeti Göster", "-", "Bakiyelerini Göster", "-",
                                       "Cari Alış Satış Tablosu (Satıcılı)", "Cari Toplu Alacak Vadeleri"}));
        QVERIFY(!p->B1()->isEnabled());
    }

    void raporlar_data()
    {
        QTest::addColumn<QString>("oge");
        QTest::addColumn<int>("satir"); // -1: no listing at all
        QTest::addColumn<int>("tip");
        QTest::addColumn<int>("raporno");
        QTest::addColumn<int>("carino");
        QTest::addColumn<QString>("satici");
        QTest::addColumn<bool>("ikiTarih");
        QTest::addColumn<QString>("dosya");

        QTest::newRow("cari özeti") << "C1" << 0 << 1 << 6 << 120 << "AHMET YILMAZ" << false << "rapor126.pdf";
        QTest::newRow("alış satış: oturumun carisi") << "alsat" << 1 << 1 << 7 << 5 << "AHMET YILMAZ" << true
                                                     << "rapor12.pdf";
        QTest::newRow("toplu vadeler, satır yok, tip 1") << "toplu" << -1 << 1 << 6 << 0 << "TEMSILCI1" << false
                                                         << "rapor6.pdf";
        QTest::newRow("toplu vadeler, tip 2") << "toplu" << -1 << 2 << 6 << 0 << "." << false << "rapor6.pdf";
    }

    // Each report asks for its dates, fetches the PDF into the documents folder and opens it;
    // the dates reach the server as whole days.
    void raporlar()
    {
        QFETCH(QString, oge);
        QFETCH(int, satir);
        QFETCH(int, tip);
        QFETCH(bool, ikiTarih);
        QFETCH(QString, dosya);
        m_bilgi.MusteriTipi = tip;
        const QString yol = m_ortam->belgeler() + QLatin1Char('/') + dosya;
        QDir().mkpath(m_ortam->belgeler());
        {
            QFile eski(yol);
            QVERIFY(eski.open(QIODevice::WriteOnly));
            eski.write("eski");
        }

        auto p = pencere();
        p->show();
        if (satir >= 0) {
            p->CariListele(QString());
            bekle();
            p->cxGrid1()->setCurrentViewRow(satir);
        }
        ModalBekleyici bekleyici;
        bool ikinciGorunur = true;
        const QDateTime t1(QDate(2024, 3, 1), QTime(15, 45));
        const QDateTime t2(QDate(2024, 3, 31), QTime(23, 59));
        bekleyici.uzerine<Ttarihsec>([&](Ttarihsec *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Tarih Seç"));
            ikinciGorunur = d->DateTimePicker2()->isVisible();
            d->DateTimePicker1()->setDateTime(t1);
            d->DateTimePicker2()->setDateTime(t2);
            QTest::mouseClick(d->Button1(), Qt::LeftButton);
        });
        QAction *eylem = oge == QLatin1String("C1")      ? p->C1()
                         : oge == QLatin1String("alsat") ? p->CariAlSatTablosuSatcl1()
                                                         : p->CariTopluAlacakVadeleri1();
        eylem->trigger();
        bekle();

        QCOMPARE(ikinciGorunur, ikiTarih);
        const QList<SigninSunucusu::Cagri> cagrilar = m_sunucu->cagrilar(QStringLiteral("RaporGetir"));
        QCOMPARE(cagrilar.size(), 1);
        const QVariantList d = cagrilar.at(0).degerler;
        QFETCH(int, raporno);
        QFETCH(int, carino);
        QFETCH(QString, satici);
        const double gun1 = QDate(1899, 12, 30).daysTo(t1.date());
        const double gun2 = QDate(1899, 12, 30).daysTo((ikiTarih ? t2 : t1).date());
        QCOMPARE(d, (QVariantList{raporno, raporno, 42, carino, satici, gun1, gun2}));

        QFile pdf(yol);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll(), fixtureRaporu(raporno));
        QCOMPARE(m_acici.acilanlar, QList<QUrl>{QUrl::fromLocalFile(yol)});
    }

    void raporIcinSatirGerekir_data()
    {
        QTest::addColumn<QString>("oge");
        QTest::newRow("cari özeti") << "C1";
        QTest::newRow("alış satış") << "alsat";
    }

    void raporIcinSatirGerekir()
    {
        QFETCH(QString, oge);
        auto p = pencere();
        p->show();
        p->CariListele(QStringLiteral("MERKEZ")); // one row, without a customer number
        bekle();
        ModalBekleyici bekleyici;
        (oge == QLatin1String("C1") ? p->C1() : p->CariAlSatTablosuSatcl1())->trigger();
        bekle();
        QVERIFY(!bekleyici.gorulenler().contains(QStringLiteral("Ttarihsec")));
        QCOMPARE(m_sunucu->sayi(QStringLiteral("RaporGetir")), 0);
    }

    void tarihSecilmezseRaporYok()
    {
        auto p = pencere();
        p->show();
        ModalBekleyici bekleyici;
        bekleyici.uzerine<Ttarihsec>([](Ttarihsec *d) { d->close(); });
        p->CariTopluAlacakVadeleri1()->trigger();
        bekle();
        QCOMPARE(m_sunucu->sayi(QStringLiteral("RaporGetir")), 0);
        QVERIFY(m_acici.acilanlar.isEmpty());
    }

    void tarihDialogu()
    {
        Ttarihsec d(nullptr);
        QCOMPARE(d.Label1()->text(), QStringLiteral("Tarih 1:"));
        QCOMPARE(d.Label1()->buddy(), d.DateTimePicker1());
        QCOMPARE(d.Label2()->buddy(), d.DateTimePicker2());
        QCOMPARE(d.tarih1(), QDate::currentDate());
        QCOMPARE(d.tarih2(), QDate::currentDate());
        d.show();
        d.tekTarih();
        QVERIFY(!d.DateTimePicker2()->isVisible() && !d.Label2()->isVisible());
    }

    void ekranGoruntusu()
    {
        auto p = pencere();
        p->show();
        p->CariListele(QString());
        bekle();
        QVERIFY(QTest::qWaitForWindowExposed(p.get()));
        const QString klasor =
            qEnvironmentVariable("PARVELA_TEST_BUILD_DIR", QDir::tempPath()) + QStringLiteral("/screenshots");
        QVERIFY(QDir().mkpath(klasor));
        QVERIFY(p->grab().save(klasor + QStringLiteral("/customer-selection.png")));
    }
};

QTEST_MAIN(TestSeccari)
#include "tst_seccari.moc"
