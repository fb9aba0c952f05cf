#include "signin/Tgirisform.h"

#include "downloads/ProgramVersion.h"
#include "downloads/Tdosyaindir.h"
#include "identity/MesajGoster.h"
#include "identity/WorkstationIdentity.h"
#include "platform/Deployment.h"
#include "platform/Http.h"
#include "platform/ProcessEnd.h"
#include "remote/DSConnection.h"
#include "signin/AyarDosyasi.h"
#include "signin/BuyukHarfDogrulayici.h"
#include "signin/EnterTusu.h"
#include "signin/GirisAdresleri.h"
#include "signin/GirisBilgisi.h"
#include "signin/Kirp.h"
#include "signin/Tkullanicikayit.h"
#include "signin/Tseccari.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <memory>

namespace {

const QString YanlisGiris = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");
const QString AdresYok = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !");

void uyar(const QString &metin, int tur = mesaj::Uyari)
{
    MesajGoster(metin, tur, mesaj::SetTamam, mesaj::DugmeTamam);
}

QLabel *kutuEtiketi(const QString &metin, QWidget *kutu, QWidget *ebeveyn)
{
    auto *etiket = new QLabel(metin, ebeveyn);
    etiket->setBuddy(kutu);
    etiket->setStyleSheet(QStringLiteral("QLabel { color: white; background: #c8102e; font-weight: bold; padding: 2px; }"));
    return etiket;
}

} // namespace

Tgirisform::Tgirisform(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_http(new platform::Http(this))
{
    kur();
    FormCreate();
}

Tgirisform::~Tgirisform()
{
    // The address look-ups poll this flag; the record fetch holds only its own copies.
    m_gorev.cancel();
    // The second address-file request goes before the window starts to come apart.
    delete m_http;
}

void Tgirisform::kur()
{
    setWindowTitle(QStringLiteral("Giriş"));
    QFont kalin = font();
    kalin.setFamily(QStringLiteral("Tahoma"));
    kalin.setBold(true);
    setFont(kalin);

    m_RxLabel1 = new QLabel(this);
    m_RxLabel1->setAlignment(Qt::AlignCenter);
    m_RxLabel1->setWordWrap(true);
    QFont arial = kalin;
    arial.setFamily(QStringLiteral("Arial"));
    m_RxLabel1->setFont(arial);
    m_RxLabel1->setStyleSheet(QStringLiteral("QLabel { color: black; }"));
    m_RxLabel1->setText(QStringLiteral("PARVELA OTOMOTİV YEDEK PARÇA SAN. VE TİC. A.Ş.\n"
                                       "Sanayi Mah. Parça Cad. No: 12\n34000 Ümraniye / İstanbul\n"
                                       "Tel: 0216 000 00 00\nE-posta: siparis@parvela.com.tr\n"
                                       "Ümraniye V.D. 0000000000"));

    // Stands where the background picture carried the program's name.
    auto *baslik = new QLabel(QStringLiteral("PARVELA\nOnline Sipariş"), this);
    baslik->setAlignment(Qt::AlignCenter);
    QFont buyuk = kalin;
    buyuk.setPointSize(buyuk.pointSize() * 2 + 4);
    baslik->setFont(buyuk);
    baslik->setStyleSheet(QStringLiteral("QLabel { color: #1f3b66; }"));

    m_adi = new QLineEdit(this);
    m_adi->setValidator(new BuyukHarfDogrulayici(m_adi));
    m_adi->installEventFilter(this);

    m_sifre = new QLineEdit(this);
    m_sifre->setValidator(new BuyukHarfDogrulayici(m_sifre));
    m_sifre->setEchoMode(QLineEdit::Password);
    m_sifre->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    m_sifre->installEventFilter(this);

    m_benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    m_benihatirla->setChecked(true);

    // Enter is handled by the two boxes alone; the buttons answer to Space.
    m_Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    m_Button1->setAutoDefault(false);
    m_Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    m_Button2->setAutoDefault(false);

    m_mesgul = new QProgressBar(this);
    m_mesgul->setRange(0, 0);
    m_mesgul->setTextVisible(false);
    m_mesgul->setMaximumWidth(60);
    m_mesgul->setAccessibleName(QStringLiteral("Bağlanıyor"));
    m_mesgul->hide();

    auto *kutular = new QGridLayout;
    kutular->addWidget(kutuEtiketi(QStringLiteral(" Kullanıcı Adı:"), m_adi, this), 0, 0);
    kutular->addWidget(m_adi, 0, 1);
    kutular->addWidget(kutuEtiketi(QStringLiteral(" Şifre:"), m_sifre, this), 1, 0);
    kutular->addWidget(m_sifre, 1, 1);
    kutular->addWidget(m_benihatirla, 2, 1);

    auto *tuslar = new QHBoxLayout;
    tuslar->addWidget(m_Button1);
    tuslar->addStretch();
    tuslar->addWidget(m_mesgul);
    tuslar->addStretch();
    tuslar->addWidget(m_Button2);

    auto *duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(16, 16, 16, 16);
    duzen->addWidget(m_RxLabel1);
    duzen->addStretch();
    duzen->addWidget(baslik);
    duzen->addStretch();
    duzen->addLayout(kutular);
    duzen->addSpacing(12);
    duzen->addLayout(tuslar);

    setTabOrder(m_adi, m_sifre);
    setTabOrder(m_sifre, m_benihatirla);
    setTabOrder(m_benihatirla, m_Button1);
    setTabOrder(m_Button1, m_Button2);

    connect(m_Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(m_Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    resize(368, 550);
    m_adi->setFocus();
}

void Tgirisform::FormCreate()
{
    m_idsi = BilgisayarIdAl();
    AyarOku();
}

void Tgirisform::AyarOku()
{
    const AyarDosyasi dosya;
    if (!dosya.varMi())
        return;
    const GirisAyarlari ayarlar = dosya.oku();
    m_benihatirla->setChecked(ayarlar.hatirla);
    if (m_benihatirla->isChecked()) {
        m_adi->setText(ayarlar.isim);
        m_sifre->setText(ayarlar.sifre);
    }
}

void Tgirisform::AyarKaydet()
{
    QString hata;
    if (!AyarDosyasi().kaydet({m_adi->text(), m_sifre->text(), m_benihatirla->isChecked()}, &hata)) {
        // The sign-in does not depend on the file; the user learns that it was not remembered.
        uyar(QStringLiteral("Ayarlar kaydedilemedi !\n%1").arg(hata), mesaj::Hata);
    }
}

void Tgirisform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Shown before the main window: a window of its own on the taskbar, not a child of the
    // still hidden main window.
    if (QWindow *pencere = windowHandle())
        pencere->setTransientParent(nullptr);
    m_adi->setFocus();
}

void Tgirisform::paintEvent(QPaintEvent *event)
{
    QPainter boya(this);
    QLinearGradient zemin(0, 0, 0, height());
    zemin.setColorAt(0, QColor(0xe9, 0xef, 0xf7));
    zemin.setColorAt(1, QColor(0x9a, 0xb3, 0xd5));
    boya.fillRect(rect(), zemin);
    QDialog::paintEvent(event);
}

bool Tgirisform::eventFilter(QObject *nesne, QEvent *olay)
{
    if (EnterTusuMu(olay)) {
        if (nesne == m_adi)
            return adiKeyDown();
        if (nesne == m_sifre)
            return sifreKeyDown();
    }
    return QDialog::eventFilter(nesne, olay);
}

bool Tgirisform::adiKeyDown()
{
    if (Kirp(m_adi->text()).isEmpty()) {
        uyar(QStringLiteral("Lütfen kullanıcı adını giriniz !"));
        adiSec();
        return true;
    }
    m_sifre->selectAll();
    m_sifre->setFocus();
    return true;
}

bool Tgirisform::sifreKeyDown()
{
    if (Kirp(m_sifre->text()).isEmpty()) {
        uyar(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"));
        m_sifre->selectAll();
        m_sifre->setFocus();
        return true;
    }
    Button1Click();
    return true;
}

void Tgirisform::Button1Click()
{
    // Enter in the password box starts an attempt too; two attempts at once would write the
    // same login record, so a second one is refused until the first is over.
    if (m_girisSuruyor || m_bitti)
        return;
    m_girisSuruyor = true;
    m_Button1->setText(QStringLiteral("Bağlanıyor..."));
    m_Button1->setEnabled(false);
    mesgul(true);

    auto donus = std::make_shared<TParvelaDonus>();
    m_gorev = platform::Task::run(
        this,
        [donus](const platform::CancelFlag &iptal) {
            donus->disip = DisIpAl(iptal);
            donus->ip = SunucuAdresiAl(iptal);
        },
        [this, donus] {
            if (m_bitti)
                return;
            m_Button1->setText(QStringLiteral("Giriş!"));
            mesgul(false);
            Devamet(*donus);
        });
}

void Tgirisform::Devamet(const TParvelaDonus &donus)
{
    if (Kirp(donus.disip).isEmpty()) {
        uyar(AdresYok, mesaj::Hata);
        girisiBirak();
        return;
    }
    // The address file once more; only whether it still answers matters. It runs on this
    // thread's event loop, so the window keeps painting and "Vazgeç" works while it retries.
    m_http->getWithRetry(GirisAdresleri::istek(GirisAdresleri::sunucuAdresDosyasi()), GirisAdresleri::denemeKurali(),
                         this, [this, donus](const platform::HttpResult &sonuc) {
                             if (!m_bitti)
                                 adresDogrulandi(donus, GirisAdresleri::govde(sonuc));
                         });
}

void Tgirisform::adresDogrulandi(const TParvelaDonus &donus, const QString &ikinciAdres)
{
    if (ikinciAdres.isEmpty()) {
        uyar(AdresYok, mesaj::Hata);
        girisiBirak();
        return;
    }
    setPublishedServerAddress(donus.ip);
    Bilgim->Disip = donus.disip;
    // Inside the distributor's network the public address of the workstation is the server's.
    const bool yerelAg = Bilgim->Disip == publishedServerAddress();
    bagim->setParam(QStringLiteral("HostName"),
                    yerelAg ? platform::Deployment::lanServerAddress() : publishedServerAddress());
    girisBilgisiniAl();
}

void Tgirisform::girisBilgisiniAl()
{
    // The task owns its copy of the connection and its result, so it never needs this window.
    std::shared_ptr<const DSConnection> kopya = bagim->clone();
    auto sonuc = std::make_shared<std::optional<TSonucBilgisi>>();
    m_gorev = platform::Task::run(
        this,
        [kopya, idsi = m_idsi, sonuc](const platform::CancelFlag &iptal) {
            *sonuc = GirisBilgisiAl(*kopya, idsi, iptal);
        },
        [this, sonuc] {
            // The checks open other windows; they run once the task is over.
            QTimer::singleShot(0, this, [this, sonuc] {
                if (!m_bitti)
                    tamamlamaKontrolleri(*sonuc);
            });
        });
}

void Tgirisform::tamamlamaKontrolleri(const std::optional<TSonucBilgisi> &sonuc)
{
    mesgul(false);
    if (!sonuc) {
        uyar(QStringLiteral("Bağlantı Kurulamadı !"), mesaj::Hata);
        girisiBirak();
        adiSec();
        return;
    }
    Bilgim->Kopyala(*sonuc);

    if (Bilgim->Version != programVersion) {
        std::unique_ptr<Tdosyaindir> guncelleme(Tdosyaindir::Yeni(this, Bilgim->Version));
        guncelleme->exec();
    }

    if (!Bilgim->Varmi) {
        std::unique_ptr<Tkullanicikayit> istek(Tkullanicikayit::Yeni(this, *Bilgim, *bagim));
        istek->exec();
        istek.reset();
        platform::endProcess(0);
        bitir();
        return;
    }

    if (m_adi->text() != Bilgim->ADI || m_sifre->text() != Bilgim->SIFRE) {
        uyar(YanlisGiris);
        girisiBirak();
        adiSec();
        return;
    }

    AyarKaydet();

    if (Bilgim->AKTIF != 1) {
        uyar(YanlisGiris);
        girisiBirak();
        adiSec();
        return;
    }

    if (Bilgim->MusteriTipi == 1 || Bilgim->MusteriTipi == 2) {
        Tseccari secim(this);
        secim.bag = bagim;
        secim.bilgim = Bilgim;
        secim.SepetSayisiYaz();
        secim.TusSonuclari();
        if (secim.exec() != QDialog::Accepted) {
            platform::endProcess(0);
            bitir();
            return;
        }
    }

    m_bitti = true;
    m_girisSuruyor = false;
    accept();
}

void Tgirisform::mesgul(bool goster)
{
    m_mesgul->setVisible(goster);
}

void Tgirisform::girisiBirak()
{
    m_girisSuruyor = false;
    m_Button1->setEnabled(true);
}

void Tgirisform::adiSec()
{
    m_adi->selectAll();
    m_adi->setFocus();
}

void Tgirisform::Button2Click()
{
    platform::endProcess(0);
    bitir();
}

void Tgirisform::reject()
{
    Button2Click();
}

// Reached only when the process end was intercepted: stop whatever still runs and close
// without the OK result.
void Tgirisform::bitir()
{
    m_bitti = true;
    m_girisSuruyor = false;
    m_gorev.cancel();
    QDialog::reject();
}
