#include "TForm1.h"

#include "AramaKutusu.h"
#include "MesgulGostergesi.h"
#include "StokKurallari.h"
#include "StokSayfasi.h"
#include "VitrinSayfasi.h"
#include "basket/SepetSayfasi.h"
#include "orders/SepeteEkle.h"
#include "identity/MesajGoster.h"
#include "identity/WorkstationIdentity.h"
#include "platform/Deployment.h"
#include "platform/ProcessEnd.h"
#include "platform/ShellOpen.h"
#include "platform/Task.h"
#include "remote/CallFrame.h"
#include "remote/MemTable.h"
#include "remote/RemoteStream.h"
#include "remote/ResultSetReader.h"
#include "remote/TServerMethods1Client.h"
#include "signin/Tgirisform.h"
#include "signin/Tkullanicikayit.h"
#include "signin/Tseccari.h"
#include "widgets/AnimatedPicture.h"
#include "widgets/CountedTabWidget.h"
#include "widgets/ScrollingNotice.h"
#include "widgets/StatusLegend.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const char *const sekmeBasliklari[] = {"Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre", "Yeni Stoklar",
                                       "Kampanyalı Stoklar", "Duyurular", "Bakiyeler", "Sanal Pos", "Dosyalar"};

QPixmap buyutecResmi()
{
    QPixmap resim(24, 24);
    resim.fill(Qt::transparent);
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 90, 180), 2.5));
    p.drawEllipse(QRectF(3, 3, 12, 12));
    p.setPen(QPen(QColor(30, 90, 180), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20, 20));
    return resim;
}

QString webSitesiHostu()
{
    return QUrl(platform::Deployment::webSite()).host();
}

// A start-up step on its own clone of the main connection; the check shows its message.
bool adimCalistir(const DSConnection &kaynak, const CallFrame::Call &cagri)
{
    try {
        return CallFrame::onOwnClone(kaynak, 1, cagri);
    } catch (const std::exception &) {
        return false;
    }
}
} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    kur();
}

TForm1::~TForm1() = default;

void TForm1::kur()
{
    setWindowTitle(QStringLiteral("Parvela Online Sipariş Programı"));
    auto *merkez = new QWidget(this);
    auto *dikey = new QVBoxLayout(merkez);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);

    m_stok = new StokSayfasi(m_bagc, m_sbilgi, this);
    m_sepet = new SepetSayfasi(m_bagc, m_sbilgi, this);
    m_yeniler = new VitrinSayfasi(VitrinSayfasi::Tur::Yeniler, m_bagc, m_sbilgi, this);
    m_kampanyali = new VitrinSayfasi(VitrinSayfasi::Tur::Kampanyali, m_bagc, m_sbilgi, this);
    m_duyurular = new DuyurularSayfasi(m_bagc, this);

    dikey->addWidget(ustSeritKur());
    dikey->addWidget(aramaCubuguKur());

    m_sekmeler = new CountedTabWidget(merkez);
    m_sekmeler->setAccessibleName(QStringLiteral("Sekmeler"));
    QWidget *sayfalar[SekmeSayisi] = {m_stok, m_sepet, nullptr, nullptr, m_yeniler, m_kampanyali, m_duyurular,
                                      nullptr, nullptr, nullptr};
    for (int i = 0; i < SekmeSayisi; ++i) {
        QWidget *sayfa = sayfalar[i];
        if (!sayfa) {
            // The account tabs arrive with the order-history windows; until then they are empty pages.
            sayfa = new QWidget(m_sekmeler);
            sayfa->setAccessibleName(QString::fromUtf8(sekmeBasliklari[i]));
        }
        m_sekmeler->addTab(sayfa, QString::fromUtf8(sekmeBasliklari[i]));
    }
    m_sekmeler->setCurrentIndex(StokListesi);
    dikey->addWidget(m_sekmeler, 1);

    auto *lejant = new StatusLegend(merkez);
    lejant->setFixedHeight(27);
    dikey->addWidget(lejant);

    m_kayanyazi = new ScrollingNotice(merkez);
    m_kayanyazi->setFixedHeight(40);
    m_kayanyazi->setAccessibleName(QStringLiteral("Kayan duyuru"));
    dikey->addWidget(m_kayanyazi);
    setCentralWidget(merkez);

    connect(m_sekmeler, &QTabWidget::currentChanged, this, &TForm1::sekmeGosterildi);
    connect(m_stok, &StokSayfasi::baslikDegisti, this, [this](const QString &b) { sekmeBasligiYaz(StokListesi, b); });
    connect(m_sepet, &SepetSayfasi::captionChanged, this, [this](const QString &b) { sekmeBasligiYaz(Sepet, b); });
    connect(m_yeniler, &VitrinSayfasi::baslikDegisti, this, [this](const QString &b) { sekmeBasligiYaz(YeniStoklar, b); });
    connect(m_kampanyali, &VitrinSayfasi::baslikDegisti, this,
            [this](const QString &b) { sekmeBasligiYaz(KampanyaliStoklar, b); });
    m_stok->sekmeyiAc = [this] {
        if (m_sekmeler->currentIndex() != StokListesi)
            m_sekmeler->setCurrentIndex(StokListesi);
    };
    m_duyurular->sekmeAc = [this](int sekme) { m_sekmeler->setCurrentIndex(sekme == 0 ? KampanyaliStoklar : YeniStoklar); };
    m_duyurular->ara = [this](const QString &metin) {
        m_stok->araedit()->setText(metin);
        m_stok->ara();
    };
    m_sepet->setSearchIdle([this] { return m_stok->aramaBosta(); });
    // The hand-overs reload the basket themselves when a line was stored.
    m_stok->sepeteEkle = [this](int satir) { StoktanSepeteEkle(this, m_bagc, m_sbilgi, *m_sepet, m_stok->stok(), satir); };
    m_yeniler->sepeteEkle = [this](MemTable &tablo, int satir) {
        YenidenSepeteEkle(this, m_bagc, m_sbilgi, *m_sepet, tablo, satir);
    };
    m_kampanyali->sepeteEkle = [this](MemTable &tablo, int satir) {
        KampanyadanSepeteEkle(this, m_bagc, m_sbilgi, *m_sepet, tablo, satir);
    };
    connect(m_sepet, &SepetSayfasi::searchFocusRequested, this, &TForm1::aramayaOdaklan);
    menuKur();
}

QWidget *TForm1::ustSeritKur()
{
    auto *serit = new QWidget(this);
    serit->setFixedHeight(116);
    auto *yatay = new QHBoxLayout(serit);
    yatay->setContentsMargins(4, 2, 4, 2);

    auto *logo = new QLabel(serit);
    logo->setFixedWidth(120);
    logo->setText(QStringLiteral("<b style='font-size:22px;color:#1e5ab4'>PARVELA</b>"));
    logo->setAccessibleName(QStringLiteral("Parvela logosu"));
    yatay->addWidget(logo);

    auto *bilgiler = new QGridLayout;
    const QStringList basliklar = {QStringLiteral("Kullanıcı: "), QStringLiteral("Firma: "), QStringLiteral("Temsilci: ")};
    QLabel **degerler[] = {&m_kullanicilbl, &m_cariadilbl, &m_saticilbl};
    for (int i = 0; i < 3; ++i) {
        auto *baslik = new QLabel(basliklar.at(i), serit);
        auto *deger = new QLabel(serit);
        deger->setWordWrap(true);
        deger->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        deger->setAccessibleName(basliklar.at(i).trimmed().chopped(1));
        baslik->setBuddy(deger);
        bilgiler->addWidget(baslik, i, 0);
        bilgiler->addWidget(deger, i, 1);
        *degerler[i] = deger;
    }
    yatay->addLayout(bilgiler, 1);

    m_banner = new AnimatedPicture(serit);
    m_banner->setFixedSize(400, 116);
    m_banner->setAccessibleName(QStringLiteral("Tanıtım afişi"));
    yatay->addWidget(m_banner);

    m_genelMenuTusu = new QToolButton(serit);
    m_genelMenuTusu->setFixedWidth(84);
    m_genelMenuTusu->setText(QStringLiteral("Menü"));
    m_genelMenuTusu->setAccessibleName(QStringLiteral("Genel menü"));
    m_genelMenuTusu->setPopupMode(QToolButton::MenuButtonPopup);
    yatay->addWidget(m_genelMenuTusu);
    return serit;
}

QWidget *TForm1::aramaCubuguKur()
{
    auto *cubuk = new QWidget(this);
    cubuk->setFixedHeight(35);
    auto *yatay = new QHBoxLayout(cubuk);
    yatay->setContentsMargins(4, 0, 4, 0);
    auto *buyutec = new QLabel(cubuk);
    buyutec->setPixmap(buyutecResmi());
    buyutec->setAccessibleName(QStringLiteral("Stok ara"));
    buyutec->setBuddy(m_stok->araedit());
    yatay->addWidget(buyutec);
    yatay->addWidget(m_stok->araedit());
    yatay->addWidget(m_stok->araTusu());
    yatay->addWidget(m_stok->temizleTusu());
    m_musteritus = new QToolButton(cubuk);
    m_musteritus->setText(QStringLiteral("Başka Cari Seç"));
    m_musteritus->setAccessibleName(QStringLiteral("Başka Cari Seç"));
    m_musteritus->hide();
    connect(m_musteritus, &QToolButton::clicked, this, &TForm1::CariDegistir);
    yatay->addWidget(m_musteritus);
    yatay->addWidget(m_stok->gifstokara());
    yatay->addWidget(m_yeniler->gosterge());
    yatay->addWidget(m_kampanyali->gosterge());
    yatay->addWidget(m_duyurular->gosterge());
    yatay->addStretch(1);
    return cubuk;
}

void TForm1::menuKur()
{
    m_genelmenu = new QMenu(this);
    m_genelmenu->setAccessibleName(QStringLiteral("Genel menü"));
    QAction *mail = m_genelmenu->addAction(QStringLiteral("Mail Gönder"));
    mail->setEnabled(false); // the mail window arrives with the downloads and mail windows
    m_genelmenu->addSeparator();
    connect(m_genelmenu->addAction(QStringLiteral("Şifre Değiştirme İsteği")), &QAction::triggered, this, [this] {
        std::unique_ptr<Tkullanicikayit> pencere(Tkullanicikayit::Ac(this, m_sbilgi, m_bagc));
        pencere->exec();
    });
    m_genelmenu->addSeparator();
    connect(m_genelmenu->addAction(webSitesiHostu()), &QAction::triggered, this, [this] {
        platform::openUrl(QUrl(platform::Deployment::webSite()));
        aramayaOdaklan();
    });
    m_genelmenu->addSeparator();
    connect(m_genelmenu->addAction(QStringLiteral("Çıkış")), &QAction::triggered, this, &QWidget::close);
    m_genelMenuTusu->setMenu(m_genelmenu);
    connect(m_genelMenuTusu, &QToolButton::clicked, this, [this] {
        m_genelmenu->popup(m_genelMenuTusu->mapToGlobal(QPoint(0, m_genelMenuTusu->height())));
    });
}

void TForm1::FormCreate()
{
    m_acilisadet = 0;
    QFont mesajYazisi = QApplication::font("QMessageBox");
    mesajYazisi.setPointSize(15);
    QApplication::setFont(mesajYazisi, "QMessageBox");
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(QStringLiteral("Parvela Online Sipariş"));
    setWindowTitle(QStringLiteral("Parvela Online Sipariş Programı"));

    m_sbilgi = TSonucBilgisi();
    IstasyonAlanlariniDoldur(m_sbilgi);

    m_bagc.setParam(QStringLiteral("HostName"), publishedServerAddress());
    m_bagc.setParam(QStringLiteral("Port"), QString::number(platform::Deployment::serverPort()));

    if (!GirisYap())
        return; // only reached when the process end is intercepted (tests)
    showMaximized();
    baslangicGoreviniBaslat();
}

bool TForm1::GirisYap()
{
    auto giris = std::make_unique<Tgirisform>(this);
    giris->bagim = &m_bagc;
    giris->Bilgim = &m_sbilgi;
    if (giris->exec() != QDialog::Accepted) {
        platform::endProcess(0);
        return false;
    }
    giris.reset();
    kullaniciTipineUyarla();
    return true;
}

void TForm1::kullaniciTipineUyarla()
{
    const int tip = m_sbilgi.MusteriTipi;
    if (tip == 1 || tip == 2) {
        m_musteritus->show();
        m_stok->kullaniciTipiniUygula(tip);
        m_yeniler->kullaniciTipiniUygula(tip);
        m_kampanyali->kullaniciTipiniUygula(tip);
        m_sepet->kullaniciTipineUyarla(tip);
    } else if (tip == 3) {
        m_sepet->kullaniciTipineUyarla(tip);
    } else if (tip == 4) {
        m_sekmeler->setTabVisible(KampanyaliStoklar, false);
        m_stok->kullaniciTipiniUygula(tip);
        m_yeniler->kullaniciTipiniUygula(tip);
    }
}

void TForm1::AnaBilgiAl()
{
    m_kullanicilbl->setText(m_sbilgi.ADI);
    m_cariadilbl->setText(m_sbilgi.CariAdi);
    m_saticilbl->setText(m_sbilgi.SaticiAdi + QStringLiteral(" Telefonu: ") + m_sbilgi.SaticiTelefon
                         + QStringLiteral(" email: ") + m_sbilgi.SaticiMail);
}

void TForm1::sekmeBasligiYaz(int sekme, const QString &baslik)
{
    m_sekmeler->setTabText(sekme, baslik);
}

void TForm1::baslangicGoreviniBaslat()
{
    // The clone is taken here so the task never reads the main connection itself.
    auto kopya = std::shared_ptr<DSConnection>(m_bagc.clone());
    platform::Task::run(
        this,
        [this, kopya] {
            platform::Task::runOnUiAndWait([this] { AnaBilgiAl(); });
            KayanYaziAl(*kopya);
            BannerREsimAl(*kopya);
            AcilisReklamAdetAl(*kopya);
            BalonYaz(*kopya);
        },
        [this] {
            m_baslangicBitti = true;
            AcilisReklamGoster();
            Q_EMIT baslangicTamamlandi();
        });
}

void TForm1::KayanYaziAl(const DSConnection &kopya)
{
    QString metin;
    if (!adimCalistir(kopya, [&](TServerMethods1Client &p) { metin = p.KayanYaziGetir(); }))
        return;
    platform::Task::runOnUiAndWait([this, &metin] {
        m_kayanyazi->stop();
        m_kayanyazi->clear();
        if (!metin.trimmed().isEmpty())
            m_kayanyazi->addItem(metin);
        m_kayanyazi->start();
    });
}

void TForm1::BannerREsimAl(const DSConnection &kopya)
{
    std::optional<QByteArray> gif;
    adimCalistir(kopya, [&](TServerMethods1Client &p) {
        qint64 boy = 0;
        RemoteStream *akis = p.BannerResimVer(boy);
        gif = KopyalaAkis(akis, boy, 1024);
    });
    if (!gif)
        return; // the built-in banner stays
    platform::Task::runOnUiAndWait([this, &gif] {
        m_banner->stop();
        m_banner->setEnabled(false);
        m_banner->setData(*gif);
        m_banner->setEnabled(true);
        m_banner->start();
    });
}

void TForm1::AcilisReklamAdetAl(const DSConnection &kopya)
{
    m_acilisadet = 0;
    int adet = 0;
    if (!adimCalistir(kopya, [&](TServerMethods1Client &p) { adet = p.AcilisReklamAdet(); }))
        return;
    platform::Task::runOnUiAndWait([this, adet] {
        m_acilisadet = adet;
        sekmeBasligiYaz(Duyurular, QString::number(adet) + QStringLiteral("=Duyurular"));
    });
}

void TForm1::BalonYaz(const DSConnection &kopya)
{
    MemTable balon;
    auto bilgi = std::make_unique<TSonucBilgisi>(platform::Task::runOnUiAndWait([this] { return m_sbilgi; }));
    if (!adimCalistir(kopya, [&](TServerMethods1Client &p) { CopyResultSet(p.BalonGetir(std::move(bilgi)), balon); }))
        return;
    static const int sekmeler[] = {Sepet, YeniStoklar, KampanyaliStoklar, Duyurular, Bakiyeler};
    for (int satir = 0; satir < balon.rowCount(); ++satir) {
        platform::Task::runOnUiAndWait([&] {
            for (int kolon = 0; kolon < std::min(5, balon.columnCount()); ++kolon)
                sekmeBasligiYaz(sekmeler[kolon], balonBasligi(kolon, balon.value(satir, kolon)));
        });
    }
}

void TForm1::AcilisReklamGoster()
{
    // The opening advert viewer comes with the downloads and adverts windows; until then the
    // count is only shown on the announcements tab.
    if (m_acilisadet == 0)
        return;
}

void TForm1::CariDegistir()
{
    {
        Tseccari secim(this);
        secim.bag = &m_bagc;
        secim.bilgim = &m_sbilgi;
        secim.SepetSayisiYaz();
        secim.TusSonuclari();
        secim.exec();
    }
    AnaBilgiAl();
    m_sepet->SepetAl();
    m_stok->cariDegisti();
    if (m_sekmeler->currentIndex() != StokListesi)
        m_sekmeler->setCurrentIndex(StokListesi);
    aramayaOdaklan();
}

void TForm1::aramayaOdaklan()
{
    m_stok->araedit()->selectAll();
    m_stok->araedit()->setFocus();
}

void TForm1::sekmeGosterildi(int index)
{
    switch (index) {
    case Sepet:
        m_sepet->activate();
        break;
    case YeniStoklar:
        m_yeniler->yukle();
        break;
    case KampanyaliStoklar:
        m_kampanyali->yukle();
        break;
    case Duyurular:
        m_duyurular->yukle();
        break;
    default:
        break;
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_cikisOnaylandi) {
        event->accept();
        return;
    }
    const int cevap = MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), mesaj::Soru,
                                  mesaj::SetEvetHayir, mesaj::DugmeEvet);
    if (cevap != mesaj::SonucEvet) {
        event->ignore();
        return;
    }
    m_cikisOnaylandi = true;
    CikisGonder();
    event->accept();
}

void TForm1::CikisGonder()
{
    auto kopya = std::shared_ptr<DSConnection>(m_bagc.clone());
    auto bilgi = std::make_shared<TSonucBilgisi>(m_sbilgi);
    platform::Task::run(
        nullptr,
        [kopya, bilgi] {
            try {
                CallFrame::onOwnClone(*kopya, 0, [&](TServerMethods1Client &p) {
                    p.CikisGonder(std::make_unique<TSonucBilgisi>(*bilgi));
                });
            } catch (const std::exception &) {
                // The exit notice is best effort: the program ends all the same.
            }
        },
        [] { platform::endProcess(0); });
}
