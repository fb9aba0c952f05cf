#include "app/basket/SepetSayfasi.h"

#include "app/basket/SecenekGrubu.h"
#include "app/basket/SepetKolonlari.h"
#include "app/basket/SepetToplami.h"
#include "app/basket/TONAYSIP.h"
#include "identity/AmountFormat.h"
#include "identity/BaglantiKontrol.h"
#include "identity/MesajGoster.h"
#include "identity/TSonucBilgisi.h"
#include "orders/AcilisDegerleri.h"
#include "orders/SepeteEkle.h"
#include "orders/UzakCagri.h"
#include "platform/Task.h"
#include "remote/DSConnection.h"
#include "remote/TServerMethods1Client.h"
#include "remote/TableHelpers.h"
#include "widgets/DataGrid.h"
#include "widgets/XlsxExport.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString secAlani = QStringLiteral("SEC");

int sayiKolonu(const MemTable &t, int satir, const char *kolon)
{
    const int c = t.columnIndex(QLatin1String(kolon));
    return c < 0 ? 0 : int(t.integer(satir, c));
}

// Screen width decides between the weights and size-to-content: wider than 1152 uses weights.
constexpr int genisEkranEsigi = 1153;
constexpr int genislikPayi = 30;

} // namespace

SepetSayfasi::SepetSayfasi(DSConnection &bagc, TSonucBilgisi &sbilgi, QWidget *parent)
    : QWidget(parent), m_bagc(bagc), m_sbilgi(sbilgi), m_servis(bagc, sbilgi)
{
    setObjectName(QStringLiteral("ssepet"));
    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(ustKisimKur(), 1);
    duzen->addWidget(altKisimKur());
    toplamlariYaz({});
}

SepetSayfasi::~SepetSayfasi()
{
    // The grid must not outlive the table it shows.
    m_grid->detach();
}

QWidget *SepetSayfasi::ustKisimKur()
{
    auto *ust = new QWidget(this);
    auto *duzen = new QVBoxLayout(ust);
    duzen->setContentsMargins(0, 0, 0, 0);

    m_grid = new DataGrid(ust);
    m_grid->setObjectName(QStringLiteral("cxGrid2"));
    m_grid->setTitle(QStringLiteral("Sepet"));
    m_grid->setColumns(sepetKolonlari(0));
    m_grid->setRowHeight(40);
    m_grid->setHeaderHeight(40);
    m_grid->setFocusFrame(false);
    m_grid->setFooterItems({{QStringLiteral("SEC"), DataGrid::FooterItem::Count},
                            {QStringLiteral("VERILISTARIHI"), DataGrid::FooterItem::Count},
                            {QStringLiteral("MIKTAR"), DataGrid::FooterItem::Sum},
                            {QStringLiteral("NETTUTAR"), DataGrid::FooterItem::Sum}});
    m_grid->setWeightRule(genisEkranEsigi, genislikPayi);
    m_grid->setReferenceWidth([this] {
        const QScreen *ekran = screen() ? screen() : QGuiApplication::primaryScreen();
        return ekran ? ekran->geometry().width() : 0;
    });
    m_grid->setLayoutOnResize(true);
    m_grid->attach(&m_sepet);
    connect(m_grid, &DataGrid::rowDoubleClicked, this, [this] { HatalariRaporla([this] { Deitir1Click(); }); });

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    m_popup->addAction(QStringLiteral("Satır Değiştir"), this, [this] { HatalariRaporla([this] { Deitir1Click(); }); });
    m_popup->addSeparator();
    m_popup->addAction(QStringLiteral("Satır Sil"), this, [this] { HatalariRaporla([this] { SatrSil1Click(); }); });
    m_popup->addSeparator();
    m_popup->addAction(QStringLiteral("Hepsini Sil"), this, [this] { HatalariRaporla([this] { HepsiniSil1Click(); }); });
    m_grid->setContextMenu(m_popup);
    duzen->addWidget(m_grid, 1);

    auto *panel = new QWidget(ust);
    auto *panelDuzeni = new QHBoxLayout(panel);
    panelDuzeni->setContentsMargins(0, 0, 0, 0);
    m_hepsiniSec = new QPushButton(QStringLiteral("Hepsini Seç"), panel);
    m_secimleriKaldir = new QPushButton(QStringLiteral("Seçimleri Kaldır"), panel);
    connect(m_hepsiniSec, &QPushButton::clicked, this, [this] { HatalariRaporla([this] { Button4Click(); }); });
    connect(m_secimleriKaldir, &QPushButton::clicked, this, [this] { HatalariRaporla([this] { Button5Click(); }); });
    m_lbluyarbakiye = new QLabel(panel);
    m_lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
    m_lbluyarbakiye->setAccessibleName(QStringLiteral("Bakiye uyarısı"));
    m_lbluyarbakiye->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-size: 16px;"));
    m_lbluyarbakiye->setTextFormat(Qt::PlainText);
    panelDuzeni->addWidget(m_hepsiniSec);
    panelDuzeni->addWidget(m_secimleriKaldir);
    panelDuzeni->addWidget(m_lbluyarbakiye, 1);
    duzen->addWidget(panel);
    return ust;
}

QWidget *SepetSayfasi::altKisimKur()
{
    auto *alt = new QWidget(this);
    alt->setMaximumHeight(240); // the grid gets the rest of the height
    auto *duzen = new QHBoxLayout(alt);
    duzen->setContentsMargins(0, 0, 0, 0);

    m_teslimbox = new SecenekGrubu(QStringLiteral("Teslim Durumu"), alt);
    m_teslimbox->setObjectName(QStringLiteral("teslimbox"));
    m_boxkargo = new SecenekGrubu(QStringLiteral("Kargo Türleri"), alt);
    m_boxkargo->setObjectName(QStringLiteral("boxkargo"));
    connect(m_boxkargo, &SecenekGrubu::tiklandi, this, [this] { HatalariRaporla([this] { boxkargoClick(); }); });

    auto *kargoGrubu = new QGroupBox(QStringLiteral("Kargo"), alt);
    auto *kargoDuzeni = new QVBoxLayout(kargoGrubu);
    m_kargocombo = new QComboBox(kargoGrubu);
    m_kargocombo->setObjectName(QStringLiteral("kargocombo"));
    m_kargocombo->setAccessibleName(QStringLiteral("Kargo"));
    m_kargocombo->setMinimumContentsLength(18);
    connect(m_kargocombo, &QComboBox::currentIndexChanged, this, [this] { kargocomboChange(); });
    m_uyarikargo = new QLabel(kargoGrubu);
    m_uyarikargo->setObjectName(QStringLiteral("uyarikargo"));
    m_uyarikargo->setAccessibleName(QStringLiteral("Kargo uyarısı"));
    m_uyarikargo->setWordWrap(true);
    m_uyarikargo->setTextFormat(Qt::PlainText);
    kargoDuzeni->addWidget(m_kargocombo);
    kargoDuzeni->addWidget(m_uyarikargo, 1);

    auto *mesajGrubu = new QGroupBox(QStringLiteral("Mesaj"), alt);
    auto *mesajDuzeni = new QHBoxLayout(mesajGrubu);
    m_aciklamagir = new QPlainTextEdit(mesajGrubu);
    m_aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
    m_aciklamagir->setAccessibleName(QStringLiteral("Mesaj"));
    m_aciklamagir->setTabChangesFocus(true);
    mesajDuzeni->addWidget(m_aciklamagir, 1);
    mesajDuzeni->addWidget(toplamlarKur());

    auto *tuslar = new QVBoxLayout;
    m_gonder = new QPushButton(QStringLiteral("Gönder"), alt);
    m_excel = new QPushButton(QStringLiteral("Excel Kaydet"), alt);
    m_gonder->setMinimumHeight(48);
    connect(m_gonder, &QPushButton::clicked, this, [this] { HatalariRaporla([this] { Button1Click(); }); });
    connect(m_excel, &QPushButton::clicked, this, [this] { HatalariRaporla([this] { Button2Click(); }); });
    tuslar->addWidget(m_gonder);
    tuslar->addWidget(m_excel);
    tuslar->addStretch();

    duzen->addWidget(m_teslimbox);
    duzen->addWidget(m_boxkargo);
    duzen->addWidget(kargoGrubu);
    duzen->addWidget(mesajGrubu, 1);
    duzen->addLayout(tuslar);
    return alt;
}

QWidget *SepetSayfasi::toplamlarKur()
{
    auto *blok = new QWidget(this);
    auto *form = new QFormLayout(blok);
    auto degerEtiketi = [&](const QString &baslik, const char *ad, bool kalin) {
        auto *deger = new QLabel(blok);
        deger->setObjectName(QLatin1String(ad));
        deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        deger->setMinimumWidth(120);
        auto *yazi = new QLabel(baslik, blok);
        yazi->setBuddy(deger);
        deger->setAccessibleName(baslik);
        if (kalin) {
            QFont f = yazi->font();
            f.setBold(true);
            yazi->setFont(f);
            deger->setFont(f);
        }
        form->addRow(yazi, deger);
        return deger;
    };
    m_aratoplaml = degerEtiketi(QStringLiteral("Toplam:"), "aratoplaml", false);
    m_indiriml = degerEtiketi(QStringLiteral("İndirim Toplam:"), "indiriml", false);
    m_nettutarl = degerEtiketi(QStringLiteral("Ara Toplam:"), "nettutarl", false);
    m_vergil = degerEtiketi(QStringLiteral("Vergi:"), "vergil", false);
    m_geneltoplaml = degerEtiketi(QStringLiteral("Genel Toplam:"), "geneltoplaml", true);
    return blok;
}

void SepetSayfasi::kullaniciTipineUyarla(int musteriTipi)
{
    m_grid->setColumns(sepetKolonlari(musteriTipi));
}

// --- loading -------------------------------------------------------------------------------

void SepetSayfasi::activate()
{
    m_lbluyarbakiye->clear();
    CariBakiyeUyariBak();
    HatalariRaporla([this] {
        SepetAl();
        TeslimKargoAl();
    });
}

void SepetSayfasi::CariBakiyeUyariBak()
{
    const int nesil = ++m_uyariNesli;
    const int carino = m_servis.carino();
    std::shared_ptr<DSConnection> kopya(m_bagc.clone());
    QPointer<SepetSayfasi> sayfa(this);
    platform::Task::run(nullptr, [kopya, carino, sayfa, nesil] {
        if (!BaglantiKontrol(*kopya, 0))
            return; // the label stays empty
        QString metin;
        try {
            TServerMethods1Client proxy(*kopya);
            metin = proxy.CariVadeGunGecmismiBul(carino);
        } catch (...) {
            metin.clear();
        }
        kopya->close();
        platform::Task::runOnUiAndWait([&] {
            if (sayfa && sayfa->m_uyariNesli == nesil) {
                sayfa->m_lbluyarbakiye->setText(metin);
                Q_EMIT sayfa->bakiyeUyarisiGeldi();
            }
        });
    });
}

void SepetSayfasi::SepetAl()
{
    HatalariRaporla([this] { sepetiYukle(); });
}

void SepetSayfasi::sepetiYukle()
{
    std::optional<MemTable> yeni = m_servis.SepetVer();
    if (!yeni)
        return;
    m_grid->detach();
    m_sepet = std::move(*yeni);
    m_grid->attach(&m_sepet);
    Q_EMIT captionChanged(QString::number(m_sepet.rowCount()) + QStringLiteral("=Sepet"));
    SepetToplamHesapla();
}

void SepetSayfasi::TeslimKargoAl()
{
    const std::optional<SepetServisi::TeslimKargo> secenekler = m_servis.TeslimKargoVer();
    if (!secenekler)
        return;
    m_teslimbox->temizle();
    for (const SepetServisi::Secenek &s : secenekler->teslim)
        m_teslimbox->ekle(s.metin, s.id);
    // The second option by default; with fewer, the last one.
    m_teslimbox->secIndeks(std::min(1, m_teslimbox->sayi() - 1));
    m_boxkargo->temizle();
    for (const SepetServisi::Secenek &s : secenekler->kargo)
        m_boxkargo->ekle(s.metin, s.id);
}

void SepetSayfasi::boxkargoClick()
{
    m_uyarikargo->clear();
    if (m_boxkargo->seciliIndeks() >= 0)
        KargolarAl(m_boxkargo->seciliId());
}

void SepetSayfasi::KargolarAl(int kargoTuru)
{
    std::optional<MemTable> firmalar = m_servis.KargolarVer(kargoTuru);
    if (!firmalar)
        return;
    m_kargo = std::move(*firmalar);
    const int ad = m_kargo.columnIndex(QStringLiteral("ADI"));
    QStringList ogeler{QStringLiteral(" ")};
    for (int satir = 0; ad >= 0 && satir < m_kargo.rowCount(); ++satir)
        ogeler.append(m_kargo.text(satir, ad));
    const QSignalBlocker sessiz(m_kargocombo);
    m_kargocombo->clear();
    m_kargocombo->addItems(ogeler);
    m_uyarikargo->clear();
}

void SepetSayfasi::kargocomboChange()
{
    const int ad = m_kargo.columnIndex(QStringLiteral("ADI"));
    const int uyari = m_kargo.columnIndex(QStringLiteral("UYARI"));
    QString metin;
    for (int satir = 0; ad >= 0 && uyari >= 0 && satir < m_kargo.rowCount(); ++satir) {
        if (m_kargo.text(satir, ad) == m_kargocombo->currentText()) {
            metin = m_kargo.text(satir, uyari);
            break;
        }
    }
    m_uyarikargo->setText(metin);
}

// --- totals --------------------------------------------------------------------------------

void SepetSayfasi::SepetToplamHesapla()
{
    toplamlariYaz(::SepetToplamHesapla(m_sepet));
}

void SepetSayfasi::toplamlariYaz(const SepetToplamlari &t)
{
    m_aratoplaml->setText(formatAmount(t.toplam));
    m_indiriml->setText(formatAmount(t.indirim));
    m_nettutarl->setText(formatAmount(t.araToplam));
    m_vergil->setText(formatAmount(t.vergi));
    m_geneltoplaml->setText(formatAmount(t.genelToplam));
}

// --- selection marks and line changes ------------------------------------------------------

int SepetSayfasi::odaktakiSatir() const
{
    const int satir = m_grid->currentSourceRow();
    return satir >= 0 && satir < m_sepet.rowCount() ? satir : -1;
}

void SepetSayfasi::Deitir1Click()
{
    const int satir = odaktakiSatir();
    if (satir < 0)
        return;
    const int sirano = sayiKolonu(m_sepet, satir, "SIRANO");
    m_sepet.setCurrentRow(satir);
    if (m_grid->currentField().compare(secAlani, Qt::CaseInsensitive) != 0) {
        SepetSatirDegistir(sirano);
        return;
    }
    const int yeni = sayiKolonu(m_sepet, satir, "SEC") == 0 ? 1 : 0;
    m_sepet.setValue(satir, secAlani, yeni);
    m_grid->refreshRow(satir);
    SecimKaydet(sirano, yeni);
    SepetToplamHesapla();
}

void SepetSayfasi::SepetSatirDegistir(int sirano)
{
    ::SepetSatirDegistir(window(), m_bagc, m_sbilgi, *this, sirano);
}

void SepetSayfasi::SecimKaydet(int sirano, int secim)
{
    m_servis.SecimKaydet(sirano, secim);
}

void SepetSayfasi::hepsiniIsaretle(int secim)
{
    for (int satir = 0; satir < m_sepet.rowCount(); ++satir) {
        m_sepet.setCurrentRow(satir);
        m_sepet.setValue(satir, secAlani, secim);
        SecimKaydet(sayiKolonu(m_sepet, satir, "SIRANO"), secim);
    }
    m_grid->refresh();
    SepetToplamHesapla();
    if (m_searchIdle && m_searchIdle())
        Q_EMIT searchFocusRequested();
}

void SepetSayfasi::Button4Click()
{
    hepsiniIsaretle(1);
}

void SepetSayfasi::Button5Click()
{
    hepsiniIsaretle(0);
}

void SepetSayfasi::SatrSil1Click()
{
    const int satir = odaktakiSatir();
    if (satir < 0)
        return;
    const int sirano = sayiKolonu(m_sepet, satir, "SIRANO");
    m_sepet.setCurrentRow(satir);
    const QString aciklama = kolonMetni(m_sepet, satir, QStringLiteral("BARKOD")) + QLatin1Char('-') +
                             kolonMetni(m_sepet, satir, QStringLiteral("STOKADI"));
    if (MesajGoster(QStringLiteral("Satırı silmek istiyor musunuz "), mesaj::Soru, mesaj::SetEvetHayir,
                    mesaj::DugmeHayir) != mesaj::SonucEvet)
        return;
    if (!m_servis.SatirSil(sirano, aciklama))
        return;
    SepetAl();
    MesajGoster(QStringLiteral("Satır silindi !"), mesaj::Bilgi, mesaj::SetTamam, mesaj::DugmeTamam);
}

void SepetSayfasi::HepsiniSil1Click()
{
    if (!KayitVarmi(m_sepet))
        return;
    if (MesajGoster(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), mesaj::Soru, mesaj::SetEvetHayir,
                    mesaj::DugmeHayir) != mesaj::SonucEvet)
        return;
    if (!m_servis.HepsiniSil())
        return;
    MesajGoster(QStringLiteral("Sepet Silindi !"), mesaj::Bilgi, mesaj::SetTamam, mesaj::DugmeTamam);
    SepetAl();
}

// --- export --------------------------------------------------------------------------------

void SepetSayfasi::Button2Click()
{
    QString yol = m_kayitYoluSorucu
                      ? m_kayitYoluSorucu()
                      : QFileDialog::getSaveFileName(this, QStringLiteral("Excel Kaydet"), QString(),
                                                     QStringLiteral("Excel (*.xls*)"));
    if (yol.isEmpty())
        return;
    // The workbook is written in the newer format, so that is the extension it gets.
    if (QFileInfo(yol).suffix().isEmpty())
        yol += QStringLiteral(".xlsx");
    XlsxExport disari(*m_grid);
    if (!disari.save(yol))
        MesajGoster(disari.errorText(), mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam);
}

// --- the order -----------------------------------------------------------------------------

void SepetSayfasi::uyar(const QString &metin)
{
    MesajGoster(metin, mesaj::Uyari, mesaj::SetTamam, mesaj::DugmeTamam);
}

int SepetSayfasi::kargoFirmasiSirano() const
{
    const int ad = m_kargo.columnIndex(QStringLiteral("ADI"));
    const int sirano = m_kargo.columnIndex(QStringLiteral("SIRANO"));
    for (int satir = 0; ad >= 0 && sirano >= 0 && satir < m_kargo.rowCount(); ++satir) {
        if (m_kargo.text(satir, ad) == m_kargocombo->currentText())
            return int(m_kargo.integer(satir, sirano));
    }
    return 0;
}

QString SepetSayfasi::onayMetni() const
{
    return QStringList{
        QStringLiteral("Kullanıcı: ") + m_sbilgi.ADI,
        QStringLiteral("Cari     : ") + m_sbilgi.CariAdi,
        QStringLiteral("Teslim   : ") + m_teslimbox->seciliMetin(),
        QStringLiteral("Kargo    : ") + m_boxkargo->seciliMetin(),
        QStringLiteral("Tutar    : ") + m_geneltoplaml->text(),
        QStringLiteral("Kargo    : ") + m_kargocombo->currentText(),
        QStringLiteral("Açıklama : ") + m_aciklamagir->toPlainText(),
    }.join(QStringLiteral("\r\n"));
}

void SepetSayfasi::Button1Click()
{
    if (!SeciliVarmi(m_sepet)) {
        uyar(QStringLiteral("Gönderilecek Parça Yok "));
        return;
    }
    if (m_teslimbox->seciliIndeks() < 0) {
        uyar(QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
        return;
    }
    if (m_boxkargo->seciliIndeks() < 0) {
        uyar(QStringLiteral("Lütfen Kargo Türünü Seçiniz !"));
        return;
    }
    if (m_kargocombo->currentIndex() <= 0) {
        uyar(QStringLiteral("Lütfen Kargo  Seçiniz !"));
        m_kargocombo->setFocus();
        return;
    }

    const int kargoFirmasi = kargoFirmasiSirano();
    const int teslim = m_teslimbox->seciliId();
    const int kargo = m_boxkargo->seciliId();
    TONAYSIP onay(onayMetni(), m_lbluyarbakiye->text(), window());
    if (onay.exec() == QDialog::Accepted)
        SiparisGonder(teslim, kargo, kargoFirmasi);
}

bool SepetSayfasi::SiparisGonder(int teslim, int kargo, int kargoFirmasi)
{
    if (!m_servis.SiparisKaydet(teslim, kargo, m_aciklamagir->toPlainText(), kargoFirmasi)) {
        MesajGoster(QStringLiteral("Sipariş Göndermede Hata"), mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam);
        return false;
    }
    MesajGoster(QStringLiteral("Siparişiniz Gönderildi !"), mesaj::Bilgi, mesaj::SetTamam, mesaj::DugmeTamam);
    SepetAl();
    m_aciklamagir->clear();
    return true;
}
