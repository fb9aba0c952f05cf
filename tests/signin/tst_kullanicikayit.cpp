#include "SigninSunucusu.h"
#include "TestOrtami.h"

#include "identity/WorkstationIdentity.h"
#include "remote/DSConnection.h"
#include "signin/Tkullanicikayit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString Gonderildi = QStringLiteral("İsteğiniz Gönderildi!");
} // namespace

// The request window in both modes against the sign-in methods on loopback.
class TestKullanicikayit : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtami> m_ortam;
    std::unique_ptr<SigninSunucusu> m_sunucu;
    DSConnection m_bag;
    TSonucBilgisi m_bilgi;

    using Olusturucu = Tkullanicikayit *(*)(QWidget *, const TSonucBilgisi &, const DSConnection &);

    std::unique_ptr<Tkullanicikayit> pencere(Olusturucu olustur = &Tkullanicikayit::Yeni)
    {
        std::unique_ptr<Tkullanicikayit> p(olustur(nullptr, m_bilgi, m_bag));
        p->show();
        return p;
    }

    // Every box in order, required ones first named by their message.
    static QList<QLineEdit *> kutular(const Tkullanicikayit &p)
    {
        return {p.firmaadi(), p.adres1(), p.adres2(), p.ilce(), p.sehir(),        p.telefon(), p.fax(),
                p.vd(),       p.vn(),     p.yetkili(), p.kullaniciadi(), p.sifre(), p.mail(),  p.kargoambar()};
    }

    static void doldur(Tkullanicikayit &p)
    {
        for (QLineEdit *k : kutular(p))
            k->setText(k->objectName().toUpper());
    }

    static void bekle() { QVERIFY(platform::Task::waitForAll(20000)); }

private Q_SLOTS:
    void initTestCase()
    {
        m_ortam = std::make_unique<TestOrtami>();
        m_sunucu = std::make_unique<SigninSunucusu>();
        m_bag.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        m_bag.setParam(QStringLiteral("Port"), QString::number(m_sunucu->port()));
        TMobilCariBilgisi cari;
        cari.ADRES1 = QStringLiteral("Sanayi Sitesi 4. Blok");
        cari.ADRES2 = QStringLiteral("No: 7");
        cari.ILCE = QStringLiteral("Nilüfer");
        cari.SEHIR = QStringLiteral("Bursa");
        cari.TEL1 = QStringLiteral("0224 111 11 11");
        cari.FAX1 = QStringLiteral("0224 222 22 22");
        cari.VERGIDAIRESI = QStringLiteral("Nilüfer V.D.");
        cari.VERGINO = QStringLiteral("1234567890");
        cari.YETKILI = QStringLiteral("Sunucudaki Yetkili");
        cari.EMAIL = QStringLiteral("sunucu@ornek.com");
        m_sunucu->setMobilCari(cari);
    }

    void init()
    {
        m_ortam->temizle();
        m_sunucu->temizle();
        m_bilgi = TSonucBilgisi();
        m_bilgi.ADI = QStringLiteral("BAYI1");
        m_bilgi.CariAdi = QStringLiteral("ÖZ OTO YEDEK PARÇA");
    }

    void cleanup() { bekle(); }

    void zorunluAlanlar_data()
    {
        QTest::addColumn<QString>("bos");
        QTest::addColumn<QString>("deger");
        QTest::addColumn<QString>("mesaj");
        const QList<QPair<const char *, const char *>> sira = {
            {"firmaadi", "Firma Adı boş olamaz !"}, {"adres1", "Adres boş olamaz !"},
            {"ilce", "İlçe Adı boş olamaz !"},      {"sehir", "Şehir Adı boş olamaz !"},
            {"telefon", "Telefon  boş olamaz !"},   {"yetkili", "Yetkili  boş olamaz !"},
            {"kullaniciadi", "Kullanıcı  boş olamaz !"}, {"sifre", "Şifre  boş olamaz !"},
            {"mail", "Mail  boş olamaz !"},
        };
        for (const auto &[kutu, mesaj] : sira)
            QTest::newRow(kutu) << kutu << "" << QString::fromUtf8(mesaj);
        QTest::newRow("yalnız boşluk") << "telefon" << " \t " << "Telefon  boş olamaz !";
        QTest::newRow("hepsi boş: ilki") << "*" << "" << "Firma Adı boş olamaz !";
    }

    // The first empty required box, in the form's order, stops the request and takes the focus.
    void zorunluAlanlar()
    {
        QFETCH(QString, bos);
        QFETCH(QString, deger);
        auto p = pencere();
        QVERIFY(QTest::qWaitForWindowActive(p.get()));
        if (bos != QLatin1String("*"))
            doldur(*p);
        QLineEdit *kutu = bos == QLatin1String("*") ? p->firmaadi() : p->findChild<QLineEdit *>(bos);
        QVERIFY(kutu);
        kutu->setText(deger);
        QTest::mouseClick(p->Button2(), Qt::LeftButton);
        QFETCH(QString, mesaj);
        QCOMPARE(m_ortam->mesajlar, (QList<QPair<int, QString>>{{mesaj::Uyari, mesaj}}));
        QVERIFY(kutu->hasFocus());
        QCOMPARE(kutu->selectedText(), deger);
        bekle();
        QCOMPARE(m_sunucu->sayi(QStringLiteral("MailGonserCari")), 0);
    }

    // Optional boxes go as empty texts; every press sends one request and is confirmed.
    void yeniKullaniciIstegi()
    {
        auto p = pencere();
        QCOMPARE(p->windowTitle(), QStringLiteral("B2B İstek Formu"));
        QCOMPARE(p->durum(), Tkullanicikayit::tyeni);
        QCOMPARE(p->lblid()->text(), QStringLiteral("Bilgisayar ID: ") + BilgisayarIdAl());
        for (QLineEdit *k : kutular(*p))
            QVERIFY2(k->text().isEmpty(), qPrintable(k->objectName()));
        QCOMPARE(m_sunucu->sayi(QStringLiteral("MobilCariBilgisiGetir")), 0);

        doldur(*p);
        for (QLineEdit *k : {p->adres2(), p->fax(), p->vd(), p->vn(), p->kargoambar()})
            k->clear();
        QTest::mouseClick(p->Button2(), Qt::LeftButton);
        bekle();
        QTest::mouseClick(p->Button2(), Qt::LeftButton);
        bekle();

        const QList<SigninSunucusu::Cagri> cagrilar = m_sunucu->cagrilar(QStringLiteral("MailGonserCari"));
        QCOMPARE(cagrilar.size(), 2);
        QCOMPARE(cagrilar.at(0).degerler,
                 (QVariantList{BilgisayarIdAl(), QStringLiteral("B2B Yeni Kullanıcı İstek"), "FIRMAADI", "ADRES1", "",
                               "ILCE", "SEHIR", "TELEFON", "", "", "", "YETKILI", "KULLANICIADI", "SIFRE", "MAIL", ""}));
        QCOMPARE(m_ortam->metinler(), (QStringList{Gonderildi, Gonderildi}));
        QCOMPARE(m_ortam->mesajlar.at(0).first, mesaj::Bilgi);
        QVERIFY(p->isVisible()); // the window stays open with its content
        QCOMPARE(p->firmaadi()->text(), QStringLiteral("FIRMAADI"));
    }

    // Password change: the signed-in user's name and firm, the address data from the server;
    // the contact, password, mail and depot boxes stay for the user.
    void sifreDegistirme()
    {
        auto p = pencere(&Tkullanicikayit::Ac);
        QCOMPARE(p->windowTitle(), QStringLiteral("Şifre Değiştirme İsteği"));
        QCOMPARE(p->durum(), Tkullanicikayit::teski);
        QCOMPARE(p->kullaniciadi()->text(), QStringLiteral("BAYI1"));
        QCOMPARE(p->firmaadi()->text(), QStringLiteral("ÖZ OTO YEDEK PARÇA"));
        bekle();
        QCOMPARE(m_sunucu->cagrilar(QStringLiteral("MobilCariBilgisiGetir")).value(0).degerler,
                 (QVariantList{0, BilgisayarIdAl()}));
        QCOMPARE(p->adres1()->text(), QStringLiteral("Sanayi Sitesi 4. Blok"));
        QCOMPARE(p->adres2()->text(), QStringLiteral("No: 7"));
        QCOMPARE(p->ilce()->text(), QStringLiteral("Nilüfer"));
        QCOMPARE(p->sehir()->text(), QStringLiteral("Bursa"));
        QCOMPARE(p->telefon()->text(), QStringLiteral("0224 111 11 11"));
        QCOMPARE(p->fax()->text(), QStringLiteral("0224 222 22 22"));
        QCOMPARE(p->vd()->text(), QStringLiteral("Nilüfer V.D."));
        QCOMPARE(p->vn()->text(), QStringLiteral("1234567890"));
        for (QLineEdit *k : {p->yetkili(), p->sifre(), p->mail(), p->kargoambar()})
            QVERIFY2(k->text().isEmpty(), qPrintable(k->objectName()));

        p->yetkili()->setText(QStringLiteral("Mehmet Demir"));
        p->mail()->setText(QStringLiteral("mehmet@ornek.com"));
        QTest::mouseClick(p->Button2(), Qt::LeftButton);
        QCOMPARE(m_ortam->metinler(), QStringList{QStringLiteral("Şifre  boş olamaz !")});
        p->sifre()->setText(QStringLiteral("YENI1"));
        QTest::mouseClick(p->Button2(), Qt::LeftButton);
        bekle();
        const QVariantList d = m_sunucu->cagrilar(QStringLiteral("MailGonserCari")).value(0).degerler;
        QCOMPARE(d.value(1).toString(), QStringLiteral("Şifre Değiştirme İsteği"));
        QCOMPARE(d.value(13).toString(), QStringLiteral("YENI1"));
    }

    void kapat()
    {
        auto p = pencere();
        QSignalSpy bitis(p.get(), &QDialog::finished);
        QTest::mouseClick(p->Button1(), Qt::LeftButton);
        QCOMPARE(bitis.count(), 1);
        QCOMPARE(bitis.at(0).at(0).toInt(), int(QDialog::Rejected));
        QVERIFY(m_ortam->cikislar.isEmpty());
    }

    void etiketler()
    {
        auto p = pencere();
        for (QLineEdit *k : kutular(*p)) {
            bool adli = !k->accessibleName().isEmpty();
            for (const QLabel *e : p->findChildren<QLabel *>())
                adli = adli || e->buddy() == k;
            QVERIFY2(adli, qPrintable(k->objectName()));
        }
    }
};

QTEST_MAIN(TestKullanicikayit)
#include "tst_kullanicikayit.moc"
