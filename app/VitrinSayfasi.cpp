#include "VitrinSayfasi.h"

#include "ArkaPlanYukleyici.h"
#include "GridKolonAyari.h"
#include "MesgulGostergesi.h"
#include "StokKolonlari.h"
#include "identity/MesajGoster.h"
#include "identity/TSonucBilgisi.h"
#include "platform/Task.h"
#include "remote/CallFrame.h"
#include "remote/DSConnection.h"
#include "remote/DSException.h"
#include "remote/TServerMethods1Client.h"
#include "widgets/DataGrid.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString baglantiMesaji = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");
}

VitrinSayfasi::VitrinSayfasi(Tur tur, const DSConnection &bagc, const TSonucBilgisi &sbilgi, QWidget *parent)
    : QWidget(parent), m_tur(tur), m_sbilgi(sbilgi)
{
    const bool yeni = tur == Tur::Yeniler;
    const QString ad = yeni ? QStringLiteral("Yeni Stoklar") : QStringLiteral("Kampanyalı Stoklar");
    setAccessibleName(ad);
    m_gosterge = new MesgulGostergesi(ad, this);
    m_grid = new DataGrid(this);
    m_grid->setTitle(ad);
    m_grid->setColumns(yeni ? yeniStokKolonlari() : kampanyaKolonlari());
    if (yeni) {
        QFont tahoma(QStringLiteral("Tahoma"));
        tahoma.setPixelSize(13);
        m_grid->setFont(tahoma);
        m_grid->setHeaderHeight(55);
        m_grid->setFitToWidth(true);
    } else {
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(11);
        m_grid->setFont(arial);
        m_grid->setRowHeight(55);
        m_grid->setHeaderHeight(40);
    }
    auto *dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->addWidget(m_grid);

    m_yukleyici = new ArkaPlanYukleyici(bagc, {&m_tablo, yeni ? QStringLiteral("Yeni Stoklar") : QStringLiteral("Kampanyalı")},
                                        this);
    connect(m_yukleyici, &ArkaPlanYukleyici::basladi, this, [this] {
        m_gosterge->goster();
        m_grid->setEnabled(false);
        m_grid->detach();
    });
    connect(m_yukleyici, &ArkaPlanYukleyici::bitti, this, [this](const QString &baslik, bool) {
        if (!baslik.isEmpty())
            Q_EMIT baslikDegisti(baslik);
        m_grid->attach(&m_tablo);
        m_grid->setEnabled(true);
        m_gosterge->gizle();
        if (m_tur == Tur::Kampanyali)
            KampanyaKolonGenislik();
        Q_EMIT yuklemeBitti();
    });
    connect(m_grid, &DataGrid::rowDoubleClicked, this, [this](int satir) {
        if (satir >= 0 && satir < m_tablo.rowCount() && sepeteEkle)
            sepeteEkle(m_tablo, satir);
    });
}

void VitrinSayfasi::yukle()
{
    const int carino = m_sbilgi.CARINO;
    if (m_tur == Tur::Yeniler) {
        m_yukleyici->baslat([carino](TServerMethods1Client &p) { return p.YenilerVer(carino); });
    } else {
        const int tip = m_sbilgi.MusteriTipi;
        m_yukleyici->baslat([carino, tip](TServerMethods1Client &p) { return p.KampanyaliVer(carino, tip); });
    }
}

void VitrinSayfasi::kullaniciTipiniUygula(int musteriTipi)
{
    if (musteriTipi == 1 || musteriTipi == 2) {
        miktarKolonlariniAc(*m_grid);
    } else if (musteriTipi == 4 && m_tur == Tur::Yeniler) {
        for (const char *f : {"K", "KAMPFIYAT"})
            kolonAyarla(*m_grid, QLatin1String(f), false, false);
    }
}

void VitrinSayfasi::KampanyaKolonGenislik()
{
    const QScreen *ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (ekran && ekran->geometry().width() > 1152) {
        m_grid->setWeightRule(0, 30);
        m_grid->applyWeights();
    } else {
        m_grid->fitColumnsToContent();
    }
}

void VitrinSayfasi::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_tur == Tur::Kampanyali && m_grid->isEnabled())
        KampanyaKolonGenislik();
}

DuyurularSayfasi::DuyurularSayfasi(const DSConnection &bagc, QWidget *parent) : QWidget(parent), m_bagc(bagc)
{
    setAccessibleName(QStringLiteral("Duyurular"));
    m_gosterge = new MesgulGostergesi(QStringLiteral("Duyurular"), this);
    m_liste = new QTableWidget(0, 3, this);
    m_liste->setAccessibleName(QStringLiteral("Duyuru listesi"));
    m_liste->horizontalHeader()->hide();
    m_liste->verticalHeader()->hide();
    m_liste->setColumnWidth(0, 605);
    m_liste->setColumnHidden(1, true);
    m_liste->setColumnHidden(2, true);
    m_liste->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_liste->verticalHeader()->setDefaultSectionSize(405);
    m_liste->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setIconSize(QSize(600, 400));
    auto *dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->addWidget(m_liste);
    connect(m_liste, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { duyuruAc(row); });
}

void DuyurularSayfasi::yukle()
{
    if (m_calisiyor)
        return; // one load at a time
    m_calisiyor = true;
    m_gosterge->goster();
    m_liste->setEnabled(false);
    m_liste->setUpdatesEnabled(false);

    struct Sonuc
    {
        bool baglandi = false;
        bool alindi = false;
        QString hata;
        QList<std::tuple<QByteArray, QString, QString>> ekranlar; // picture, title, search text
    };
    auto sonuc = std::make_shared<Sonuc>();
    auto kopya = std::shared_ptr<DSConnection>(m_bagc.clone());
    platform::Task::run(
        this,
        [sonuc, kopya] {
            try {
                sonuc->baglandi = CallFrame::onOwnClone(*kopya, 0, [&](TServerMethods1Client &p) {
                    if (const TAcilisEkranlariki *liste = p.AcilisEkranlarVer2()) {
                        for (const auto &e : liste->Ekranlar) {
                            if (e)
                                sonuc->ekranlar.append({e->Resim.isEmpty() ? QByteArray() : HexCoz(e->Resim), e->Baslik, e->Arama});
                        }
                        sonuc->alindi = true;
                    }
                });
            } catch (const DSException &e) {
                sonuc->baglandi = true;
                sonuc->hata = e.message();
            }
        },
        [this, sonuc] {
            m_calisiyor = false;
            if (sonuc->alindi) {
                m_liste->setRowCount(0);
                for (const auto &[resim, baslik, arama] : sonuc->ekranlar) {
                    const int row = m_liste->rowCount();
                    m_liste->insertRow(row);
                    auto *hucre = new QTableWidgetItem;
                    QPixmap pixmap;
                    if (!resim.isEmpty() && pixmap.loadFromData(resim))
                        hucre->setData(Qt::DecorationRole, pixmap.scaled(600, 400, Qt::KeepAspectRatio, Qt::SmoothTransformation));
                    hucre->setData(Qt::AccessibleTextRole, baslik);
                    m_liste->setItem(row, 0, hucre);
                    m_liste->setItem(row, 1, new QTableWidgetItem(baslik));
                    m_liste->setItem(row, 2, new QTableWidgetItem(arama));
                }
            }
            m_liste->setUpdatesEnabled(true);
            m_liste->setEnabled(true);
            m_gosterge->gizle();
            Q_EMIT yuklemeBitti();
            if (!sonuc->baglandi)
                MesajGoster(baglantiMesaji, mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam);
            else if (!sonuc->hata.isEmpty())
                MesajGoster(sonuc->hata, mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam);
        });
}

void DuyurularSayfasi::duyuruAc(int satir)
{
    if (satir < 0 || satir >= m_liste->rowCount() || !m_liste->item(satir, 2))
        return;
    const QString arama = m_liste->item(satir, 2)->text();
    if (arama.trimmed().isEmpty())
        return;
    if (arama == QStringLiteral("#KAMPANYA#")) {
        if (sekmeAc)
            sekmeAc(0);
    } else if (arama == QStringLiteral("#YENİ#")) {
        if (sekmeAc)
            sekmeAc(1);
    } else if (ara) {
        ara(arama);
    }
}
