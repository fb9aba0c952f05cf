#include "signin/Tseccari.h"

#include "platform/ProcessEnd.h"
#include "platform/ShellOpen.h"
#include "platform/Task.h"
#include "remote/DSConnection.h"
#include "remote/MemTable.h"
#include "remote/ResultSetReader.h"
#include "remote/TServerMethods1Client.h"
#include "remote/TableHelpers.h"
#include "signin/BuyukHarfDogrulayici.h"
#include "signin/EnterTusu.h"
#include "signin/CariBilgileriPaneli.h"
#include "signin/CariRaporu.h"
#include "signin/PencereCagrisi.h"
#include "signin/Ttarihsec.h"
#include "widgets/DataGrid.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct DurumTanimi
{
    int kod;
    const char *ad;
    const char *ipucu;
    QStyle::StandardPixmap simge;
};

// The top bar's state buttons, in order: code sent to CariSepetVer, control name, hint.
constexpr DurumTanimi Durumlar[Tseccari::DurumSayisi] = {
    {1, "sepettus", "Sipariş sepetinde \nstok olan carileri listeler.", QStyle::SP_DriveFDIcon},
    {2, "alinditus", "Yeni Alınan \nSiparişleri Listeler", QStyle::SP_FileDialogNewFolder},
    {3, "onaylanditus", "Onaylanan Siparişler", QStyle::SP_DialogApplyButton},
    {4, "goruldutus", "Görülen Siparişler", QStyle::SP_FileDialogContentsView},
    {5, "parcalihazirlandi", "Eksik Hazırlanan siparişler", QStyle::SP_MessageBoxWarning},
    {6, "hazirlanditus", "Hazırlanan Siparişler", QStyle::SP_DialogSaveButton},
    {7, "sevktus", "Sevk Edilen Siparişler", QStyle::SP_ArrowRight},
};

GridColumn sutun(const char *alan, bool gorunur = true)
{
    GridColumn c;
    c.field = QLatin1String(alan);
    c.visible = gorunur;
    return c;
}

QList<GridColumn> cariSutunlari()
{
    QList<GridColumn> liste;
    for (const char *ad : {"CARINO"})
        liste.append(sutun(ad, false));
    for (const char *ad : {"CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "DURUM", "SEPET", "ALINDI", "ONAYLANDI",
                           "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI"})
        liste.append(sutun(ad));
    for (const char *ad : {"OZELKOD", "ANAGRUP", "ALTGRUP", "YETKILI", "ADRES1", "ADRES2", "ILCE", "IL", "VERGIDAIRESI",
                           "VERGINO", "TEL1", "TEL2", "FAX1", "FAX2", "GSM", "EMAIL", "VADE", "INDIRIM", "KOD1", "KOD2",
                           "KOD3", "KOD4", "KOD5", "VADEKONTROLGUN", "VADEKONTROLAY"})
        liste.append(sutun(ad, false));
    return liste;
}

} // namespace

Tseccari::Tseccari(QWidget *owner) : QDialog(owner)
{
    kur();
}

// Running calls hold their own connection clone and table; their answers are dropped with us.
Tseccari::~Tseccari() = default;

QToolButton *Tseccari::durumTusu(int kod) const
{
    return kod >= 1 && kod <= DurumSayisi ? m_durumTuslari[kod - 1] : nullptr;
}

void Tseccari::kur()
{
    setWindowTitle(QStringLiteral("Cari Seçimi"));

    m_grid = new DataGrid(this);
    m_grid->setColumns(cariSutunlari());
    m_grid->setFooterItems({{QStringLiteral("CARIKOD"), DataGrid::FooterItem::Count}});
    m_grid->setFocusFrame(false);
    m_grid->setTitle(QStringLiteral("Cariler"));
    connect(m_grid, &DataGrid::rowDoubleClicked, this, [this](int) { CariSec(); });
    connect(m_grid, &DataGrid::currentRowChanged, this, &Tseccari::odakDegisti);

    m_GroupBox1 = new CariBilgileriPaneli(this);
    m_GroupBox1->hide();

    auto *bolucu = new QSplitter(Qt::Horizontal, this);
    bolucu->addWidget(m_grid);
    bolucu->addWidget(m_GroupBox1);
    bolucu->setStretchFactor(0, 3);
    bolucu->setStretchFactor(1, 1);
    bolucu->setChildrenCollapsible(false);

    m_Button1 = new QPushButton(QStringLiteral("Seç"), this);
    m_Button1->setAutoDefault(false);
    m_Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    m_Button2->setAutoDefault(false);
    connect(m_Button1, &QPushButton::clicked, this, &Tseccari::CariSec);
    connect(m_Button2, &QPushButton::clicked, this, &Tseccari::Button2Click);
    auto *alt = new QHBoxLayout;
    alt->addWidget(m_Button1);
    alt->addStretch();
    alt->addWidget(m_Button2);

    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(ustCubukKur());
    duzen->addWidget(bolucu, 1);
    duzen->addLayout(alt);

    menuKur();
    m_NEdit1->setFocus();
}

QWidget *Tseccari::ustCubukKur()
{
    auto *cubuk = new QWidget(this);
    auto *duzen = new QVBoxLayout(cubuk);
    duzen->setContentsMargins(0, 0, 0, 0);
    auto *tuslar = new QHBoxLayout;
    duzen->addLayout(tuslar);

    auto tusYap = [this, cubuk](const QString &ipucu, QStyle::StandardPixmap simge) {
        auto *tus = new QToolButton(cubuk);
        tus->setFixedSize(155, 60);
        tus->setIcon(style()->standardIcon(simge));
        tus->setIconSize(QSize(32, 32));
        tus->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        tus->setFocusPolicy(Qt::StrongFocus);
        QFont f = tus->font();
        f.setPixelSize(27);
        tus->setFont(f);
        tus->setToolTip(ipucu);
        // The caption is only a count, so the hint names the button.
        tus->setAccessibleName(QString(ipucu).replace(QLatin1Char('\n'), QString()));
        return tus;
    };

    m_sBitBtn2 = tusYap(QStringLiteral("Tüm Carileri Listeler"), QStyle::SP_FileDialogListView);
    m_sBitBtn2->setObjectName(QStringLiteral("sBitBtn2"));
    tuslar->addWidget(m_sBitBtn2);
    connect(m_sBitBtn2, &QToolButton::clicked, this, [this] {
        m_NEdit1->clear();
        CariListele(QString());
        aramaKutusunaDon();
    });

    for (const DurumTanimi &d : Durumlar) {
        QToolButton *tus = tusYap(QString::fromUtf8(d.ipucu), d.simge);
        tus->setObjectName(QLatin1String(d.ad));
        m_durumTuslari[d.kod - 1] = tus;
        tuslar->addWidget(tus);
        const int kod = d.kod;
        connect(tus, &QToolButton::clicked, this, [this, kod] {
            DurumListele(kod);
            if (kod == 1)
                aramaKutusunaDon();
        });
    }
    tuslar->addStretch();

    m_NEdit1 = new QLineEdit(cubuk);
    m_NEdit1->setValidator(new BuyukHarfDogrulayici(m_NEdit1));
    m_NEdit1->setStyleSheet(QStringLiteral("QLineEdit { background: #fffde7; }"));
    m_NEdit1->setPlaceholderText(QStringLiteral("Cari ara (Enter)"));
    m_NEdit1->setAccessibleName(QStringLiteral("Cari ara"));
    m_NEdit1->installEventFilter(this);
    duzen->addWidget(m_NEdit1);
    return cubuk;
}

void Tseccari::menuKur()
{
    m_PopupMenu1 = new QMenu(this);
    m_C1 = m_PopupMenu1->addAction(QStringLiteral("Cari Özeti Göster"), this, &Tseccari::C1Click);
    m_PopupMenu1->addSeparator();
    // Opens the open-order balances of the customer once that window exists in this program.
    m_B1 = m_PopupMenu1->addAction(QStringLiteral("Bakiyelerini Göster"));
    m_B1->setEnabled(false);
    m_PopupMenu1->addSeparator();
    m_CariAlSat = m_PopupMenu1->addAction(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"), this,
                                          &Tseccari::CariAlSatTablosuSatcl1Click);
    m_CariToplu = m_PopupMenu1->addAction(QStringLiteral("Cari Toplu Alacak Vadeleri"), this,
                                          &Tseccari::CariTopluAlacakVadeleri1Click);
    m_grid->setContextMenu(m_PopupMenu1);
}

void Tseccari::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_gosterildi) {
        m_gosterildi = true;
        FormShow();
    }
}

void Tseccari::FormShow()
{
    QScreen *ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    const QRect alan = ekran->availableGeometry();
    resize(alan.width() - 100, alan.height() - 100);
    move(alan.topLeft() + QPoint(50, 50));
    m_NEdit1->setFocus();
}

bool Tseccari::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne == m_NEdit1 && EnterTusuMu(olay)) {
        CariListele(m_NEdit1->text());
        aramaKutusunaDon();
        return true;
    }
    return QDialog::eventFilter(nesne, olay);
}

void Tseccari::aramaKutusunaDon()
{
    m_NEdit1->selectAll();
    m_NEdit1->setFocus();
}

std::unique_ptr<TSonucBilgisi> Tseccari::bilgiKopyasi() const
{
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(*bilgim);
    return kopya;
}

void Tseccari::SepetSayisiYaz()
{
    bekleyenDegisti(+1);
    PencereCagrisi::calistir<int>(
        this, PencereCagrisi::elVerilen(*bag),
        [bilgi = std::shared_ptr<TSonucBilgisi>(bilgiKopyasi())](TServerMethods1Client &vekil) {
            return vekil.SepetSayisi(std::make_unique<TSonucBilgisi>(*bilgi));
        },
        [this](std::optional<int> sayi) {
            bekleyenDegisti(-1);
            if (sayi)
                m_durumTuslari[0]->setText(*sayi >= 1 ? QString::number(*sayi) : QString());
        });
}

void Tseccari::TusSonuclari()
{
    bekleyenDegisti(+1);
    PencereCagrisi::calistir<TTusSonuclari>(
        this, PencereCagrisi::elVerilen(*bag),
        [bilgi = std::shared_ptr<TSonucBilgisi>(bilgiKopyasi())](TServerMethods1Client &vekil) {
            TTusSonuclari sayilar;
            if (const TTusSonuclari *gelen = vekil.TusSonuclariVer(std::make_unique<TSonucBilgisi>(*bilgi)))
                sayilar.Kopyala(*gelen);
            return sayilar;
        },
        [this](std::optional<TTusSonuclari> sayilar) {
            bekleyenDegisti(-1);
            if (!sayilar)
                return;
            const int degerler[DurumSayisi - 1] = {sayilar->Alindi,           sayilar->Onaylandi,  sayilar->Goruldu,
                                                   sayilar->ParcaliHazirlandi, sayilar->Hazirlandi, sayilar->SevkEdildi};
            for (int i = 0; i < DurumSayisi - 1; ++i)
                m_durumTuslari[i + 1]->setText(QString::number(degerler[i]));
        });
}

void Tseccari::CariListele(const QString &aranan)
{
    listele([aranan](TServerMethods1Client &vekil, std::unique_ptr<TSonucBilgisi> bil) {
        return vekil.CariAra(std::move(bil), aranan);
    });
}

void Tseccari::DurumListele(int kod)
{
    listele([kod](TServerMethods1Client &vekil, std::unique_ptr<TSonucBilgisi> bil) {
        return vekil.CariSepetVer(std::move(bil), kod);
    });
}

void Tseccari::listele(Listeleme cagri)
{
    const int kusak = ++m_listeKusagi;
    bekleyenDegisti(+1);
    // The answer goes into a table of its own; the grid switches to it in one step, so the
    // shown list is never written while a worker fills the next one.
    PencereCagrisi::calistir<std::shared_ptr<MemTable>>(
        this, PencereCagrisi::elVerilen(*bag),
        [cagri = std::move(cagri), bilgi = std::shared_ptr<TSonucBilgisi>(bilgiKopyasi())](TServerMethods1Client &vekil) {
            auto tablo = std::make_shared<MemTable>();
            CopyResultSet(cagri(vekil, std::make_unique<TSonucBilgisi>(*bilgi)), *tablo);
            FloatFormatla(*tablo);
            return tablo;
        },
        [this, kusak](std::optional<std::shared_ptr<MemTable>> tablo) {
            bekleyenDegisti(-1);
            if (tablo && kusak == m_listeKusagi)
                tabloyuKoy(std::move(*tablo));
        });
}

void Tseccari::tabloyuKoy(std::shared_ptr<MemTable> tablo)
{
    m_grid->detach();
    m_cariler = std::move(tablo);
    m_grid->attach(m_cariler.get());
    m_grid->fitColumnsToContent();
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentViewRow(0);
}

void Tseccari::odakDegisti(int satir)
{
    if (satir < 0 || !m_cariler) {
        m_GroupBox1->hide();
        return;
    }
    m_GroupBox1->goster(*m_cariler, satir);
    m_GroupBox1->show();
}

void Tseccari::bekleyenDegisti(int fark)
{
    m_bekleyen += fark;
    if (m_bekleyen > 0)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

QString Tseccari::alan(int satir, const QString &ad) const
{
    if (!m_cariler || satir < 0)
        return QString();
    const int sutun = m_cariler->columnIndex(ad);
    return sutun < 0 ? QString() : m_cariler->text(satir, sutun);
}

int Tseccari::odakliCariNo() const
{
    const int satir = m_grid->currentSourceRow();
    if (!m_cariler || satir < 0)
        return 0;
    const int sutun = m_cariler->columnIndex(QStringLiteral("CARINO"));
    if (sutun < 0 || m_cariler->isNull(satir, sutun))
        return 0;
    return int(m_cariler->integer(satir, sutun));
}

void Tseccari::CariSec()
{
    const int carino = odakliCariNo();
    if (carino <= 0)
        return;
    const int satir = m_grid->currentSourceRow();
    bilgim->CARINO = carino;
    bilgim->carikod = alan(satir, QStringLiteral("CARIKOD"));
    bilgim->CariAdi = alan(satir, QStringLiteral("CARIADI"));
    accept();
}

void Tseccari::Button2Click()
{
    platform::endProcess(0);
    reject();
}

std::optional<std::pair<QDate, QDate>> Tseccari::tarihSec(bool ikiTarih)
{
    Ttarihsec pencere(this);
    if (!ikiTarih)
        pencere.tekTarih();
    if (pencere.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::make_pair(pencere.tarih1(), pencere.tarih2());
}

void Tseccari::C1Click()
{
    const int carino = odakliCariNo();
    if (carino <= 0)
        return;
    const QString satici = alan(m_grid->currentSourceRow(), QStringLiteral("SATICISI"));
    if (const auto tarih = tarihSec(false))
        RaporGoster(6, carino, tarih->first, tarih->first, satici);
}

void Tseccari::CariAlSatTablosuSatcl1Click()
{
    if (odakliCariNo() <= 0)
        return;
    const QString satici = alan(m_grid->currentSourceRow(), QStringLiteral("SATICISI"));
    // The table is the representative's own, so it is asked for the signed-in customer.
    if (const auto tarih = tarihSec(true))
        RaporGoster(7, bilgim->CARINO, tarih->first, tarih->second, satici);
}

void Tseccari::CariTopluAlacakVadeleri1Click()
{
    const QString satici = bilgim->MusteriTipi == 1 ? bilgim->ADI : QStringLiteral(".");
    if (const auto tarih = tarihSec(false))
        RaporGoster(6, 0, tarih->first, tarih->first, satici);
}

void Tseccari::RaporGoster(int raporno, int carino, const QDate &tarih1, const QDate &tarih2,
                           const QString &saticiadi)
{
    if (m_raporSuruyor)
        return;
    m_raporSuruyor = true;
    bekleyenDegisti(+1);
    const RaporIstegi istek{raporno, carino, bilgim->Sirano, saticiadi, tarih1, tarih2};
    const QString dosya = RaporDosyasi(raporno, carino);
    std::shared_ptr<DSConnection> kopya = bag->clone();
    auto hazir = std::make_shared<bool>(false);
    platform::Task::run(
        this, [kopya, istek, dosya, hazir] { *hazir = RaporIndir(*kopya, istek, dosya); },
        [this, dosya, hazir] {
            m_raporSuruyor = false;
            bekleyenDegisti(-1);
            if (*hazir)
                platform::openFile(dosya);
        });
}
