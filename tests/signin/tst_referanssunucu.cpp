#include "ModalBekleyici.h"
#include "ServerFixture.h"
#include "TestOrtami.h"

#include "DemoDataGenerator.h"
#include "Store.h"
#include "downloads/KurulumBaslatici.h"
#include "downloads/Tdosyaindir.h"
#include "identity/WorkstationIdentity.h"
#include "remote/DSConnection.h"
#include "remote/MemTable.h"
#include "signin/CariBilgileriPaneli.h"
#include "signin/Tgirisform.h"
#include "signin/Tkullanicikayit.h"
#include "signin/Tseccari.h"
#include "signin/Ttarihsec.h"
#include "widgets/DataGrid.h"

#include <QAction>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
constexpr int Bekleme = 30000;
} // namespace

// Records the files the windows hand to the desktop to open.
class DosyaKaydi : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> acilanlar;
public Q_SLOTS:
    void ac(const QUrl &adres) { acilanlar.append(adres); }
};

// The sign-in windows against the reference order server started in-process, with its web
// side serving the address file, the public-address answer and the installer.
class TestReferansSunucu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtami> m_ortam;
    std::unique_ptr<ServerFixture> m_sunucu;
    DSConnection m_bag;
    TSonucBilgisi m_bilgi;
    DosyaKaydi m_dosyalar;

private Q_SLOTS:
    void initTestCase()
    {
        m_ortam = std::make_unique<TestOrtami>();
        m_sunucu = std::make_unique<ServerFixture>(200, 8);
        const QString web = QStringLiteral("http://127.0.0.1:%1").arg(m_sunucu->server().httpPort());
        qputenv("PARVELA_UPDATE_URL", web.toUtf8());
        qputenv("PARVELA_PUBLIC_IP_URL", (web + QStringLiteral("/ip")).toUtf8());
        qputenv("PARVELA_LAN_SERVER", "127.0.0.1");
        m_bag.setParam(QStringLiteral("Port"), QString::number(m_sunucu->server().port()));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_dosyalar, "ac");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void init() { m_ortam->temizle(); }

    void cleanup() { QVERIFY(platform::Task::waitForAll(Bekleme)); }

    // A representative signs in, sees the counts and the customer list the server gives,
    // opens a report and chooses a customer.
    void temsilciGirisiVeCariSecimi()
    {
        DemoDataGenerator(m_sunucu->server().store().db()).registerWorkstation(BilgisayarIdAl(),
                                                                                QStringLiteral("TEMSILCI"));
        ModalBekleyici bekleyici;
        int secilen = 0;
        QString secilenAd;
        QString detaydakiAd;
        bekleyici.uzerine<Ttarihsec>([](Ttarihsec *d) { QTest::mouseClick(d->Button1(), Qt::LeftButton); });
        bekleyici.uzerine<Tseccari>([&](Tseccari *s) {
            QVERIFY(platform::Task::waitForAll(Bekleme));
            for (int kod = 2; kod <= Tseccari::DurumSayisi; ++kod) {
                bool sayi = false;
                s->durumTusu(kod)->text().toInt(&sayi);
                QVERIFY2(sayi, qPrintable(s->durumTusu(kod)->objectName()));
            }
            QTest::mouseClick(s->sBitBtn2(), Qt::LeftButton);
            QVERIFY(platform::Task::waitForAll(Bekleme));
            const MemTable *cariler = s->CARILER();
            QVERIFY(cariler && cariler->rowCount() > 0);
            for (const char *sutun : {"CARINO", "CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "DURUM", "SEPET",
                                      "ALINDI", "ONAYLANDI", "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI", "ADRES1",
                                      "IL", "VADE", "INDIRIM"})
                QVERIFY2(cariler->columnIndex(QLatin1String(sutun)) >= 0, sutun);
            detaydakiAd = s->GroupBox1()->deger(QStringLiteral("Cari Adı:"));

            s->CariTopluAlacakVadeleri1()->trigger();
            QVERIFY(platform::Task::waitForAll(Bekleme));

            const int satir = s->cxGrid1()->currentSourceRow();
            secilen = int(cariler->integer(satir, cariler->columnIndex(QStringLiteral("CARINO"))));
            secilenAd = cariler->text(satir, cariler->columnIndex(QStringLiteral("CARIADI")));
            QTest::mouseClick(s->Button1(), Qt::LeftButton);
        });

        Tgirisform giris(nullptr);
        giris.bagim = &m_bag;
        giris.Bilgim = &m_bilgi;
        QSignalSpy bitis(&giris, &QDialog::finished);
        giris.open();
        QTest::keyClicks(giris.adi(), QStringLiteral("temsilci"));
        QTest::keyClicks(giris.sifre(), QStringLiteral("1111"));
        QTest::keyClick(giris.sifre(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(bitis.count(), 1, Bekleme);

        QVERIFY2(m_ortam->mesajlar.isEmpty(), qPrintable(m_ortam->metinler().join(QLatin1Char('|'))));
        QVERIFY(m_ortam->hatalar.isEmpty());
        QCOMPARE(bitis.at(0).at(0).toInt(), int(QDialog::Accepted));
        QCOMPARE(m_bilgi.ADI, QStringLiteral("TEMSILCI"));
        QCOMPARE(m_bilgi.MusteriTipi, 1);
        QVERIFY(secilen > 0);
        QCOMPARE(m_bilgi.CARINO, secilen);
        QCOMPARE(m_bilgi.CariAdi, secilenAd);
        QCOMPARE(detaydakiAd, secilenAd);
        QCOMPARE(m_bag.param(QStringLiteral("HostName")), QStringLiteral("127.0.0.1"));

        const QString rapor = m_ortam->belgeler() + QStringLiteral("/rapor6.pdf");
        QCOMPARE(m_dosyalar.acilanlar, QList<QUrl>{QUrl::fromLocalFile(rapor)});
        QFile pdf(rapor);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    // Both request kinds reach the server, the password change filled from its customer data.
    void istekler()
    {
        // The server answers with the customer of the user this workstation belongs to.
        DemoDataGenerator(m_sunucu->server().store().db()).registerWorkstation(BilgisayarIdAl(), QStringLiteral("BAYI"));
        TSonucBilgisi bilgi = m_sunucu->login(QStringLiteral("BAYI"));
        m_bag.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
        std::unique_ptr<Tkullanicikayit> p(Tkullanicikayit::Ac(nullptr, bilgi, m_bag));
        QVERIFY(platform::Task::waitForAll(Bekleme));
        QVERIFY(!p->adres1()->text().isEmpty());
        QCOMPARE(p->kullaniciadi()->text(), QStringLiteral("BAYI"));
        for (QLineEdit *k : {p->yetkili(), p->sifre(), p->mail()})
            k->setText(QStringLiteral("X"));
        QTest::mouseClick(p->Button2(), Qt::LeftButton);
        QVERIFY(platform::Task::waitForAll(Bekleme));
        QCOMPARE(m_ortam->metinler(), QStringList{QStringLiteral("İsteğiniz Gönderildi!")});
        QVERIFY(m_ortam->hatalar.isEmpty());
    }

    // The installer the update web server offers is saved and started silently.
    void guncelleme()
    {
        QStringList baslatilan;
        KurulumBaslaticisiKur([&](const QString &program, const QStringList &parametreler) {
            baslatilan << program << parametreler;
            return true;
        });
        std::unique_ptr<Tdosyaindir> p(Tdosyaindir::Yeni(nullptr, 28));
        QSignalSpy bitis(p.get(), &QDialog::finished);
        p->show();
        QTRY_COMPARE_WITH_TIMEOUT(bitis.count(), 1, Bekleme);
        KurulumBaslaticisiKur({});
        QCOMPARE(baslatilan, (QStringList{p->hedefDosya(), QStringLiteral("/silent")}));
        QVERIFY(QFileInfo(p->hedefDosya()).size() > 0);
        QCOMPARE(m_ortam->cikislar, QList<int>{0});
        QVERIFY(m_ortam->mesajlar.isEmpty());
    }
};

QTEST_MAIN(TestReferansSunucu)
#include "tst_referanssunucu.moc"
