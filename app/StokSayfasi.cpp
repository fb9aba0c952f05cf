#include "StokSayfasi.h"

#include "AramaKutusu.h"
#include "ArkaPlanYukleyici.h"
#include "GridKolonAyari.h"
#include "MesgulGostergesi.h"
#include "StokKolonlari.h"
#include "StokKurallari.h"
#include "identity/TSonucBilgisi.h"
#include "remote/TServerMethods1Client.h"
#include "widgets/DataGrid.h"
#include "widgets/MultiLineCellDelegate.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString stokBasligi = QStringLiteral("Stok Listesi");
const QStringList fiyatKolonlari = {QStringLiteral("LISTEFIYAT1"), QStringLiteral("KAMPFIYAT"),
                                    QStringLiteral("INDIRIM"), QStringLiteral("NETFIYAT"), QStringLiteral("KDVDAHIL")};

double sayi(const MemTable &t, int row, const char *field)
{
    const int col = t.columnIndex(QLatin1String(field));
    return col < 0 ? 0 : t.real(row, col);
}
} // namespace

StokSayfasi::StokSayfasi(const DSConnection &bagc, const TSonucBilgisi &sbilgi, QWidget *parent)
    : QWidget(parent), m_bagc(bagc), m_sbilgi(sbilgi)
{
    setAccessibleName(stokBasligi);
    m_araedit = new AramaKutusu(this);
    m_araedit->setFixedWidth(340);
    QFont yazi(QStringLiteral("Tahoma"));
    yazi.setPixelSize(20);
    m_araedit->setFont(yazi);
    m_ara = new QPushButton(QStringLiteral("Ara"), this);
    m_temizle = new QPushButton(QStringLiteral("Temizle"), this);
    m_gosterge = new MesgulGostergesi(stokBasligi, this);

    m_yukleyici = new ArkaPlanYukleyici(
        bagc, {&m_stok, stokBasligi, ArkaPlanYukleyici::HataPolitikasi::BaglantiMesajiVeBosalt}, this);

    gridKur();
    auto *dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->addWidget(m_grid);

    connect(m_araedit, &AramaKutusu::aramaIstendi, this, &StokSayfasi::ara);
    connect(m_ara, &QPushButton::clicked, this, [this] {
        if (m_araedit->isEnabled())
            ara();
    });
    connect(m_temizle, &QPushButton::clicked, this, &StokSayfasi::SpeedButton1Click);
    connect(m_yukleyici, &ArkaPlanYukleyici::basladi, this, [this] {
        m_gosterge->goster();
        m_grid->detach();
        m_grid->clearFilters();
    });
    connect(m_yukleyici, &ArkaPlanYukleyici::bitti, this, [this](const QString &baslik, bool) {
        if (!baslik.isEmpty())
            Q_EMIT baslikDegisti(baslik);
        m_araedit->setEnabled(true);
        m_grid->attach(&m_stok);
        m_araedit->selectAll();
        m_araedit->setFocus();
        m_gosterge->gizle();
        StokKolonDuzenle(window()->width());
        Q_EMIT aramaBitti();
    });
}

StokSayfasi::~StokSayfasi() = default;

void StokSayfasi::gridKur()
{
    m_grid = new DataGrid(this);
    m_grid->setTitle(QStringLiteral("Stok listesi"));
    QList<GridColumn> kolonlar = stokKolonlari();
    for (GridColumn &c : kolonlar) {
        if (c.field != fiyatBilgisiKolonu)
            continue;
        c.text = [](const MemTable &t, int row) {
            return fiyatBilgisiMetni(sayi(t, row, "LISTEFIYAT1"), sayi(t, row, "KAMPFIYAT"), sayi(t, row, "INDIRIM"),
                                     sayi(t, row, "NETFIYAT"), sayi(t, row, "KDVDAHIL"))
                .trimmed();
        };
        c.delegate = new MultiLineCellDelegate(Qt::AlignRight | Qt::AlignVCenter, 10);
    }
    m_grid->setColumns(kolonlar);
    m_grid->setHeaderHeight(40);
    m_grid->setRowHeight(40);
    QFont arial(QStringLiteral("Arial"));
    m_grid->setFont(arial);

    m_popstok = new QMenu(this);
    connect(m_popstok->addAction(QStringLiteral("Sepete Ekle")), &QAction::triggered, this, &StokSayfasi::satirSecildi);
    m_popstok->addSeparator();
    // These two open the order-history windows, which arrive with the account tabs.
    m_popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"))->setEnabled(false);
    m_popstok->addSeparator();
    m_popstok->addAction(QStringLiteral("Siparişleri Göster"))->setEnabled(false);
    m_grid->setContextMenu(m_popstok);
    connect(m_grid, &DataGrid::rowDoubleClicked, this, &StokSayfasi::satirSecildi);
}

void StokSayfasi::kullaniciTipiniUygula(int musteriTipi)
{
    if (musteriTipi == 1 || musteriTipi == 2) {
        miktarKolonlariniAc(*m_grid);
    } else if (musteriTipi == 4) {
        for (const char *f : {"KAMPFIYAT", "K"})
            kolonAyarla(*m_grid, QLatin1String(f), false, false);
        m_kampanyaGizli = true;
    }
}

void StokSayfasi::satirSecildi()
{
    const int satir = m_grid->currentSourceRow();
    if (satir < 0 || !m_grid->isAttached() || satir >= m_stok.rowCount() || !sepeteEkle)
        return;
    sepeteEkle(satir);
}

bool StokSayfasi::aramaBosta() const
{
    return m_araedit->isEnabled();
}

void StokSayfasi::ara()
{
    if (m_yukleyici->calisiyor())
        return; // one search at a time: the table has one filler
    if (sekmeyiAc)
        sekmeyiAc();
    const QString metin = m_araedit->text();
    if (metin.trimmed().size() < 3)
        m_araedit->setEnabled(false);
    auto bilgi = std::make_shared<TSonucBilgisi>(m_sbilgi);
    m_yukleyici->baslat([metin, bilgi](TServerMethods1Client &proxy) {
        return proxy.StokAraKorven(metin, std::make_unique<TSonucBilgisi>(*bilgi));
    });
}

void StokSayfasi::SpeedButton1Click()
{
    if (!m_araedit->isEnabled())
        return;
    if (m_stok.isOpen()) {
        m_grid->detach();
        m_stok.clearRows();
        m_grid->attach(&m_stok);
        Q_EMIT baslikDegisti(stokBasligi);
    }
    if (sekmeyiAc)
        sekmeyiAc();
    m_grid->clearFilters();
    m_araedit->clear();
    m_araedit->setFocus();
}

void StokSayfasi::cariDegisti()
{
    if (m_stok.isOpen()) {
        m_grid->detach();
        m_stok.clearRows();
        m_grid->attach(&m_stok);
    }
    Q_EMIT baslikDegisti(QStringLiteral("0=") + stokBasligi);
}

void StokSayfasi::StokKolonDuzenle(int pencereGenisligi)
{
    const StokKolonDuzeni duzen = stokKolonDuzeni(pencereGenisligi);
    setUpdatesEnabled(false);
    for (const QString &f : fiyatKolonlari) {
        // A type 4 user never sees the campaign price, whatever the width.
        const bool goster = duzen.fiyatKolonlari && !(m_kampanyaGizli && f == QLatin1String("KAMPFIYAT"));
        m_grid->setColumnVisible(f, goster);
    }
    m_grid->setColumnVisible(fiyatBilgisiKolonu, !duzen.fiyatKolonlari);
    m_grid->setRowHeight(duzen.satirYuksekligi);
    const int s = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_grid->setWeightRule(0, s + 10);
    m_grid->applyWeights();
    if (!duzen.fiyatKolonlari) {
        m_grid->setColumnWidth(QStringLiteral("OEM1"), 80);
        m_grid->setColumnWidth(QStringLiteral("OEM2"), 70);
        m_grid->setColumnWidth(QStringLiteral("OEM3"), 70);
        m_grid->setColumnWidth(QStringLiteral("OZELKOD"), 60);
        m_grid->setColumnWidth(fiyatBilgisiKolonu, 150 - s);
    }
    setUpdatesEnabled(true);
}

void StokSayfasi::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (aramaBosta())
        StokKolonDuzenle(window()->width());
}
