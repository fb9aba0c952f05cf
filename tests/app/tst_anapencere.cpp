#include "AramaKutusu.h"
#include "ServerFixture.h"
#include "ProgramBaslangici.h"
#include "StokSayfasi.h"
#include "TForm1.h"
#include "../signin/TestOrtami.h"

#include "DemoDataGenerator.h"
#include "Store.h"
#include "identity/WorkstationIdentity.h"
#include "signin/Tgirisform.h"
#include "widgets/CountedTabWidget.h"
#include "widgets/DataGrid.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The main window through the real sign-in against the reference server on loopback.
class TestAnaPencere : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServerFixture> m_sunucu;

    // Signs in as `kullanici` (registered for this workstation) and waits for the start-up task.
    std::unique_ptr<TForm1> girisYap(const QString &kullanici, const QString &sifre)
    {
        DemoDataGenerator(m_sunucu->server().store().db()).registerWorkstation(BilgisayarIdAl(), kullanici);
        auto form = std::make_unique<TForm1>();
        QTimer doldur;
        doldur.setInterval(50);
        connect(&doldur, &QTimer::timeout, this, [&] {
            auto *giris = qobject_cast<Tgirisform *>(QApplication::activeModalWidget());
            if (!giris || giris->girisSuruyor() || !giris->Button1()->isEnabled())
                return;
            giris->adi()->setText(kullanici);
            giris->sifre()->setText(sifre);
            QTest::mouseClick(giris->Button1(), Qt::LeftButton);
        });
        doldur.start();
        form->FormCreate();
        doldur.stop();
        if (!form->baslangicBitti()) {
            QSignalSpy bitti(form.get(), &TForm1::baslangicTamamlandi);
            if (!bitti.wait(30000))
                qWarning("start-up task did not end");
        }
        return form;
    }

    static void resimKaydet(QWidget *w, const QString &ad)
    {
        const QString klasor = qEnvironmentVariable("PARVELA_TEST_BUILD_DIR") + QStringLiteral("/screenshots");
        QDir().mkpath(klasor);
        QVERIFY(w->grab().save(klasor + QLatin1Char('/') + ad));
    }

private Q_SLOTS:
    void initTestCase()
    {
        ProgramBaslangici::uygula(*qApp);
        m_sunucu = std::make_unique<ServerFixture>(400, 8);
        const QString web = QStringLiteral("http://127.0.0.1:%1").arg(m_sunucu->server().httpPort());
        qputenv("PARVELA_UPDATE_URL", web.toUtf8());
        qputenv("PARVELA_PUBLIC_IP_URL", (web + QStringLiteral("/ip")).toUtf8());
        qputenv("PARVELA_LAN_SERVER", "127.0.0.1");
        qputenv("PARVELA_SERVER_PORT", QByteArray::number(m_sunucu->server().port()));
    }

    void bayiGirisiBasligiVeRozetleriDoldurur()
    {
        TestOrtami ortam;
        auto form = girisYap(QStringLiteral("BAYI"), QStringLiteral("1234"));
        QVERIFY(ortam.cikislar.isEmpty());
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("Parvela Online Sipariş Programı"));
        QCOMPARE(form->kullaniciEtiketi()->text(), QStringLiteral("BAYI"));
        QVERIFY(!form->cariEtiketi()->text().isEmpty());
        QVERIFY(form->saticiEtiketi()->text().contains(QStringLiteral(" Telefonu: ")));
        QVERIFY(!form->musteriTusu()->isVisible());
        // Badge captions come from the server's counts.
        QVERIFY(form->sekmeler()->tabText(TForm1::Sepet).endsWith(QStringLiteral("=Sepet")));
        QVERIFY(form->sekmeler()->tabText(TForm1::Duyurular).endsWith(QStringLiteral("=Duyurular")));
        QVERIFY(form->sekmeler()->isTabVisible(TForm1::KampanyaliStoklar));
        QVERIFY2(ortam.mesajlar.isEmpty(), qPrintable(ortam.metinler().join(QLatin1Char('|'))));

        StokSayfasi *stok = form->stokSayfasi();
        QSignalSpy bitti(stok, &StokSayfasi::aramaBitti);
        stok->araedit()->setText(QStringLiteral("FREN"));
        stok->ara();
        QVERIFY(bitti.wait(20000));
        QVERIFY(stok->grid()->rowCount() > 0);
        QCOMPARE(form->sekmeler()->tabText(TForm1::StokListesi),
                 QString::number(stok->stok().rowCount()) + QStringLiteral("=Stok Listesi"));
        form->resize(1400, 900);
        resimKaydet(form.get(), QStringLiteral("anapencere.png"));
    }

    void tip4KampanyaGormez()
    {
        TestOrtami ortam;
        auto form = girisYap(QStringLiteral("MUHASEBE"), QStringLiteral("4444"));
        QVERIFY(!form->sekmeler()->isTabVisible(TForm1::KampanyaliStoklar));
        DataGrid *grid = form->stokSayfasi()->grid();
        for (const GridColumn &c : grid->columns()) {
            if (c.field == QLatin1String("K") || c.field == QLatin1String("KAMPFIYAT")) {
                QVERIFY(!c.visible);
                QVERIFY(!c.inChooser);
            }
        }
    }

    void cikistaHayirPencereyiAcikBirakir()
    {
        TestOrtami ortam;
        auto form = girisYap(QStringLiteral("DEPO"), QStringLiteral("3333"));
        QStringList sorular;
        MesajYanitlayiciKapsami hayir([&](int, const QString &metin, int, int) {
            sorular.append(metin);
            return mesaj::SonucHayir;
        });
        QVERIFY(!form->close());
        QCOMPARE(sorular, QStringList{QStringLiteral("Programdan Çıkmak İstiyor musunuz ?")});
        QVERIFY(form->isVisible());
        QVERIFY(ortam.cikislar.isEmpty());
    }

    void cikistaEvetCikisBildiririVeBiter()
    {
        TestOrtami ortam;
        auto form = girisYap(QStringLiteral("DEPO"), QStringLiteral("3333"));
        QVERIFY(form->close());
        QTRY_COMPARE_WITH_TIMEOUT(ortam.cikislar, QList<int>{0}, 15000);
    }
};

QTEST_MAIN(TestAnaPencere)
#include "tst_anapencere.moc"
