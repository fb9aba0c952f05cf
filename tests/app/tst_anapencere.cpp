#include "ModaldaCalistir.h"
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
#include "basket/SepetSayfasi.h"
#include "basket/SecenekGrubu.h"
#include "basket/TONAYSIP.h"
#include "orders/Tstokayarinti.h"
#include "SqliteDb.h"
#include "SqliteStatement.h"
#include "remote/MemTable.h"
#include "widgets/GridFilterProxy.h"
#include "widgets/MemTableModel.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

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

namespace {

// Double-clicks the cell of a table row in a grid, as the user would.
void hucreyeCiftTikla(DataGrid &grid, int kaynakSatir, const QString &alan)
{
    QTableView *view = grid.view();
    const QModelIndex kaynak = grid.tableModel()->index(kaynakSatir, grid.columnIndex(alan));
    const QModelIndex hucre = grid.filterModel()->mapFromSource(kaynak);
    view->scrollTo(hucre);
    const QPoint orta = view->visualRect(hucre).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, orta);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, orta);
}
} // namespace

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

    // The road of one order through the real widgets: search, double-click, quantity 3,
    // "Sipariş ekle", tick the line, delivery, cargo type and company, note, "Gönder", "Evet".
    void birSiparisinYolu()
    {
        TestOrtami ortam;
        auto form = girisYap(QStringLiteral("BAYI"), QStringLiteral("1234"));
        StokSayfasi *stok = form->stokSayfasi();
        QSignalSpy bitti(stok, &StokSayfasi::aramaBitti);
        stok->araedit()->setText(QStringLiteral("FREN"));
        stok->ara();
        QVERIFY(bitti.wait(20000));
        const int stokno = stok->stok().value(0, QStringLiteral("STOK_STOKNO")).toInt();

        bool eklendi = false;
        modaldaCalistir<Tstokayarinti>([&](Tstokayarinti &d) {
            d.adet()->setValue(3);
            QTest::mouseClick(d.ParcaliTus1(), Qt::LeftButton);
            eklendi = true;
        });
        hucreyeCiftTikla(*stok->grid(), 0, QStringLiteral("ADI"));
        QVERIFY(eklendi);

        form->sekmeler()->setCurrentIndex(TForm1::Sepet);
        SepetSayfasi *sepet = form->sepetSayfasi();
        const MemTable &satirlar = sepet->sepetTablosu();
        int satir = -1;
        for (int r = 0; r < satirlar.rowCount(); ++r) {
            if (satirlar.value(r, QStringLiteral("STOKNO")).toInt() == stokno)
                satir = r;
        }
        QVERIFY(satir >= 0);
        QCOMPARE(satirlar.value(satir, QStringLiteral("MIKTAR")).toDouble(), 3.0);

        QTest::mouseClick(sepet->secimleriKaldirTusu(), Qt::LeftButton);
        hucreyeCiftTikla(*sepet->grid(), satir, QStringLiteral("SEC"));
        QCOMPARE(satirlar.value(satir, QStringLiteral("SEC")).toInt(), 1);
        QTest::mouseClick(sepet->teslimbox()->dugme(0), Qt::LeftButton);
        QTest::mouseClick(sepet->boxkargo()->dugme(0), Qt::LeftButton);
        sepet->kargocombo()->setCurrentIndex(1);
        const QString not_ = QStringLiteral("Yol testi %1").arg(QDateTime::currentMSecsSinceEpoch());
        sepet->aciklamagir()->setFocus();
        QTest::keyClicks(sepet->aciklamagir(), not_);
        ortam.temizle();
        modaldaCalistir<TONAYSIP>([](TONAYSIP &o) { QTest::mouseClick(o.evetTusu(), Qt::LeftButton); });
        QTest::mouseClick(sepet->gonderTusu(), Qt::LeftButton);
        QVERIFY2(ortam.metinler().contains(QStringLiteral("Siparişiniz Gönderildi !")),
                 qPrintable(ortam.metinler().join(QLatin1Char('|'))));

        SqliteStatement siparis = m_sunucu->db().prepare(
            "SELECT s.idno, COUNT(l.sirano), MAX(l.stokno), MAX(l.miktar) FROM siparis s "
            "JOIN siparis_satir l ON l.idno = s.idno WHERE s.mesaj = ? GROUP BY s.idno");
        siparis.bind(1, not_);
        QVERIFY(siparis.step());
        QCOMPARE(siparis.int32(1), 1);
        QCOMPARE(siparis.int32(2), stokno);
        QCOMPARE(siparis.int32(3), 3);
        QVERIFY(!siparis.step()); // stored exactly once
        // The basket reloaded without the ordered line.
        for (int r = 0; r < satirlar.rowCount(); ++r)
            QVERIFY(satirlar.value(r, QStringLiteral("STOKNO")).toInt() != stokno);
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
