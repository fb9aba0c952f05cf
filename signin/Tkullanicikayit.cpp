#include "signin/Tkullanicikayit.h"

#include "identity/MesajGoster.h"
#include "identity/WorkstationIdentity.h"
#include "remote/DSConnection.h"
#include "remote/TServerMethods1Client.h"
#include "signin/Kirp.h"
#include "signin/PencereCagrisi.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *baslik(const QString &metin, QWidget *ebeveyn)
{
    auto *etiket = new QLabel(metin, ebeveyn);
    etiket->setAlignment(Qt::AlignCenter);
    QFont f = etiket->font();
    f.setBold(true);
    etiket->setFont(f);
    return etiket;
}

// Two boxes behind one label: the label names the left box, the right one is named for
// assistive technology on its own.
QWidget *ikili(QLineEdit *sol, QLineEdit *sag, const QString &sagAdi, QWidget *ebeveyn)
{
    sag->setAccessibleName(sagAdi);
    auto *satir = new QWidget(ebeveyn);
    auto *duzen = new QHBoxLayout(satir);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(sol);
    duzen->addWidget(sag);
    return satir;
}

} // namespace

Tkullanicikayit *Tkullanicikayit::Yeni(QWidget *owner, const TSonucBilgisi &_b, const DSConnection &_c)
{
    auto *pencere = new Tkullanicikayit(owner, tyeni, _b, _c);
    pencere->setWindowTitle(QStringLiteral("B2B İstek Formu"));
    return pencere;
}

Tkullanicikayit *Tkullanicikayit::Ac(QWidget *owner, const TSonucBilgisi &_b, const DSConnection &_c)
{
    auto *pencere = new Tkullanicikayit(owner, teski, _b, _c);
    pencere->m_kullaniciadi->setText(pencere->m_Bilgim.ADI);
    pencere->m_firmaadi->setText(pencere->m_Bilgim.CariAdi);
    pencere->CariBilgisiDoldur();
    pencere->setWindowTitle(QStringLiteral("Şifre Değiştirme İsteği"));
    return pencere;
}

Tkullanicikayit::Tkullanicikayit(QWidget *owner, TIstek durum, const TSonucBilgisi &_b, const DSConnection &_c)
    : QDialog(owner)
    , m_con(_c.clone())
    , m_Bilgim(_b)
    , m_idsi(BilgisayarIdAl())
    , m_durum(durum)
{
    kur();
    m_lblid->setText(QStringLiteral("Bilgisayar ID: ") + m_idsi);
}

// The clone is shared with a call still on its way, which then frees it.
Tkullanicikayit::~Tkullanicikayit() = default;

QLineEdit *Tkullanicikayit::kutu(const QString &ad)
{
    auto *k = new QLineEdit(this);
    k->setObjectName(ad);
    return k;
}

void Tkullanicikayit::kur()
{
    resize(705, 514);

    m_lblid = new QLabel(this);
    m_lblid->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_firmaadi = kutu(QStringLiteral("firmaadi"));
    m_adres1 = kutu(QStringLiteral("adres1"));
    m_adres2 = kutu(QStringLiteral("adres2"));
    m_ilce = kutu(QStringLiteral("ilce"));
    m_sehir = kutu(QStringLiteral("sehir"));
    m_telefon = kutu(QStringLiteral("telefon"));
    m_fax = kutu(QStringLiteral("fax"));
    m_vd = kutu(QStringLiteral("vd"));
    m_vn = kutu(QStringLiteral("vn"));
    m_yetkili = kutu(QStringLiteral("yetkili"));
    m_kullaniciadi = kutu(QStringLiteral("kullaniciadi"));
    m_sifre = kutu(QStringLiteral("sifre"));
    m_mail = kutu(QStringLiteral("mail"));
    m_kargoambar = kutu(QStringLiteral("kargoambar"));

    auto *firma = new QFormLayout;
    auto satir = [this](QFormLayout *form, const QString &etiket, QLineEdit *etiketli, QWidget *alan) {
        auto *e = new QLabel(etiket, this);
        e->setBuddy(etiketli);
        form->addRow(e, alan);
    };
    satir(firma, QStringLiteral("Firma Adı:"), m_firmaadi, m_firmaadi);
    satir(firma, QStringLiteral("Adres:"), m_adres1, m_adres1);
    satir(firma, QStringLiteral("Adres2:"), m_adres2, m_adres2);
    satir(firma, QStringLiteral("İlçe/Şehir:"), m_ilce, ikili(m_ilce, m_sehir, QStringLiteral("Şehir"), this));
    satir(firma, QStringLiteral("Telefon/Fax:"), m_telefon, ikili(m_telefon, m_fax, QStringLiteral("Fax"), this));
    satir(firma, QStringLiteral("Vergi Dairesi / No:"), m_vd, ikili(m_vd, m_vn, QStringLiteral("Vergi No"), this));
    satir(firma, QStringLiteral("Yetkili:"), m_yetkili, m_yetkili);

    auto *kullanici = new QFormLayout;
    satir(kullanici, QStringLiteral("Kullanıcı Adı:"), m_kullaniciadi, m_kullaniciadi);
    satir(kullanici, QStringLiteral("Şifre:"), m_sifre, m_sifre);
    satir(kullanici, QStringLiteral("Mail:"), m_mail, m_mail);
    satir(kullanici, QStringLiteral("Kargo Ambar:"), m_kargoambar, m_kargoambar);

    m_Button2 = new QPushButton(QStringLiteral("Gönder"), this);
    m_Button2->setAutoDefault(false);
    m_Button1 = new QPushButton(QStringLiteral("Kapat"), this);
    m_Button1->setAutoDefault(false);
    auto *tuslar = new QHBoxLayout;
    tuslar->addWidget(m_Button2);
    tuslar->addStretch();
    tuslar->addWidget(m_Button1);

    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(m_lblid);
    duzen->addWidget(baslik(QStringLiteral("Firma Bilgileri"), this));
    duzen->addLayout(firma);
    duzen->addWidget(baslik(QStringLiteral("Kullanıcı Bilgileri"), this));
    duzen->addLayout(kullanici);
    duzen->addStretch();
    duzen->addLayout(tuslar);

    const QList<QWidget *> sira = {m_firmaadi, m_adres1, m_adres2, m_ilce,     m_sehir,      m_telefon,
                                   m_fax,      m_vd,     m_vn,     m_yetkili, m_kullaniciadi, m_sifre,
                                   m_mail,     m_kargoambar, m_Button2, m_Button1};
    for (qsizetype i = 1; i < sira.size(); ++i)
        setTabOrder(sira.at(i - 1), sira.at(i));

    m_zorunlu = {
        {m_firmaadi, QStringLiteral("Firma Adı boş olamaz !")},
        {m_adres1, QStringLiteral("Adres boş olamaz !")},
        {m_ilce, QStringLiteral("İlçe Adı boş olamaz !")},
        {m_sehir, QStringLiteral("Şehir Adı boş olamaz !")},
        {m_telefon, QStringLiteral("Telefon  boş olamaz !")},
        {m_yetkili, QStringLiteral("Yetkili  boş olamaz !")},
        {m_kullaniciadi, QStringLiteral("Kullanıcı  boş olamaz !")},
        {m_sifre, QStringLiteral("Şifre  boş olamaz !")},
        {m_mail, QStringLiteral("Mail  boş olamaz !")},
    };

    connect(m_Button1, &QPushButton::clicked, this, &Tkullanicikayit::Button1Click);
    connect(m_Button2, &QPushButton::clicked, this, &Tkullanicikayit::Button2Click);
    m_firmaadi->setFocus();
}

void Tkullanicikayit::mesgulOl(bool mesgul)
{
    // One call at a time on the window's connection: "Gönder" waits for the running one.
    m_mesgul = mesgul;
    m_Button2->setEnabled(!mesgul);
}

void Tkullanicikayit::CariBilgisiDoldur()
{
    mesgulOl(true);
    PencereCagrisi::calistir<TMobilCariBilgisi>(
        this, PencereCagrisi::kendiKopyasi(m_con),
        [idsi = m_idsi](TServerMethods1Client &vekil) {
            const TMobilCariBilgisi *gelen = vekil.MobilCariBilgisiGetir(0, idsi);
            return gelen ? *gelen : TMobilCariBilgisi();
        },
        [this](std::optional<TMobilCariBilgisi> cari) {
            mesgulOl(false);
            if (!cari)
                return;
            m_adres1->setText(cari->ADRES1);
            m_adres2->setText(cari->ADRES2);
            m_ilce->setText(cari->ILCE);
            m_sehir->setText(cari->SEHIR);
            m_telefon->setText(cari->TEL1);
            m_fax->setText(cari->FAX1);
            m_vd->setText(cari->VERGIDAIRESI);
            m_vn->setText(cari->VERGINO);
        });
}

void Tkullanicikayit::Button2Click()
{
    if (m_mesgul || !AlanKontrol())
        return;
    IstekGonder(m_durum == tyeni ? QStringLiteral("B2B Yeni Kullanıcı İstek")
                                 : QStringLiteral("Şifre Değiştirme İsteği"));
}

bool Tkullanicikayit::AlanKontrol()
{
    for (const ZorunluAlan &alan : std::as_const(m_zorunlu)) {
        if (Kirp(alan.kutu->text()).isEmpty()) {
            alan.kutu->selectAll();
            alan.kutu->setFocus();
            MesajGoster(alan.mesaj, mesaj::Uyari, mesaj::SetTamam, mesaj::DugmeTamam);
            return false;
        }
    }
    return true;
}

void Tkullanicikayit::IstekGonder(const QString &baslik)
{
    TServerMethods1Client::CariMailAlanlari alanlar{
        QString(), baslik,           m_firmaadi->text(), m_adres1->text(), m_adres2->text(),
        m_ilce->text(), m_sehir->text(), m_telefon->text(), m_fax->text(), m_vd->text(),
        m_vn->text(), m_yetkili->text(), m_kullaniciadi->text(), m_sifre->text(), m_mail->text(),
        m_kargoambar->text(),
    };
    mesgulOl(true);
    PencereCagrisi::calistir<int>(
        this, PencereCagrisi::kendiKopyasi(m_con),
        [alanlar](TServerMethods1Client &vekil) {
            TServerMethods1Client::CariMailAlanlari gidecek = alanlar;
            gidecek.idsi = BilgisayarIdAl();
            return vekil.MailGonserCari(gidecek);
        },
        [this](std::optional<int> gonderildi) {
            mesgulOl(false);
            if (gonderildi)
                MesajGoster(QStringLiteral("İsteğiniz Gönderildi!"), mesaj::Bilgi, mesaj::SetTamam, mesaj::DugmeTamam);
        });
}

void Tkullanicikayit::Button1Click()
{
    reject();
}
