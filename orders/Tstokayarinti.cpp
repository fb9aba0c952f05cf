#include "orders/Tstokayarinti.h"

#include "orders/AcilisDegerleri.h"
#include "orders/FiyatHesabi.h"
#include "orders/ResimGorevi.h"
#include "remote/DSConnection.h"
#include "widgets/AmountEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>
#include <stdexcept>

namespace {

platform::TaskHandle s_sonResimGorevi;

// Shown until the stock's own picture arrives.
QPixmap yerTutucuResim()
{
    QPixmap resim(320, 240);
    resim.fill(QColor(0xee, 0xee, 0xee));
    QPainter boya(&resim);
    boya.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 3));
    boya.drawRoundedRect(resim.rect().adjusted(20, 20, -20, -20), 12, 12);
    QFont yazi = boya.font();
    yazi.setPixelSize(22);
    boya.setFont(yazi);
    boya.setPen(QColor(0x90, 0x90, 0x90));
    boya.drawText(resim.rect(), Qt::AlignCenter, QStringLiteral("Resim Yok"));
    return resim;
}

bool enterTusu(const QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return false;
    const int tus = static_cast<const QKeyEvent *>(e)->key();
    return tus == Qt::Key_Return || tus == Qt::Key_Enter;
}

} // namespace

Tstokayarinti::Tstokayarinti(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setObjectName(QStringLiteral("stokayarinti"));
    kur();
    resize(550, 652);
    if (owner) {
        const QRect ana = owner->window()->frameGeometry();
        move(ana.center() - rect().center());
    }
}

Tstokayarinti::~Tstokayarinti()
{
    // The picture task may still run; once cancelled here it no longer touches this dialog.
    m_resimGorevi.cancel();
}

void Tstokayarinti::kur()
{
    auto metinKutusu = [this](const char *ad) {
        auto *k = new QLineEdit(this);
        k->setObjectName(QLatin1String(ad));
        k->setReadOnly(true);
        return k;
    };
    m_barkod = metinKutusu("barkod");
    m_adi = metinKutusu("adi");
    m_finishkod = metinKutusu("finishkod");
    m_marka = metinKutusu("marka");
    m_model = metinKutusu("model");

    auto *ust = new QFormLayout;
    ust->addRow(QStringLiteral("Barkod:"), m_barkod);
    ust->addRow(QStringLiteral("Açıklama:"), m_adi);
    ust->addRow(QStringLiteral("Kod:"), m_finishkod);
    ust->addRow(QStringLiteral("Marka:"), m_marka);
    ust->addRow(QStringLiteral("Model:"), m_model);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignCenter);
    m_image1->setMinimumSize(200, 150);
    m_image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_image1->setAccessibleName(QStringLiteral("Stok resmi"));
    resmiKoy(yerTutucuResim());

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setAccessibleName(QStringLiteral("Resim yükleniyor"));
    m_progress->setTextVisible(false);
    m_progress->hide();

    m_adet = new QSpinBox(this);
    m_adet->setObjectName(QStringLiteral("adet"));
    m_adet->setRange(1, 10000);
    m_adet->setValue(1);
    m_adet->setKeyboardTracking(true);

    auto tutarKutusu = [this](const char *ad) {
        auto *k = new AmountEdit(this);
        k->setObjectName(QLatin1String(ad));
        k->setReadOnly(true);
        k->installEventFilter(this);
        return k;
    };
    m_birimfiyat = tutarKutusu("birimfiyat");
    m_indoran = tutarKutusu("indoran");
    m_indtutar = tutarKutusu("indtutar");
    m_kdvdahiltutar = tutarKutusu("kdvdahiltutar");
    m_geneltutar = tutarKutusu("geneltutar");
    m_indoran->setMaximumWidth(90);
    m_indtutar->setAccessibleName(QStringLiteral("Net fiyat"));

    m_indirimoran = new QLabel(QStringLiteral("İndirim:"), this);
    m_indirimoran->setObjectName(QStringLiteral("indirimoran"));
    m_indirimoran->setBuddy(m_indoran);

    auto *indirimSatiri = new QHBoxLayout;
    indirimSatiri->addWidget(m_indoran);
    indirimSatiri->addWidget(m_indtutar, 1);

    auto *alt = new QFormLayout;
    alt->addRow(QStringLiteral("&Adet:"), m_adet);
    alt->addRow(QStringLiteral("&Fiyat:"), m_birimfiyat);
    alt->addRow(m_indirimoran, indirimSatiri);
    alt->addRow(QStringLiteral("&KDV Dahil:"), m_kdvdahiltutar);
    alt->addRow(QStringLiteral("&Tutar:"), m_geneltutar);

    m_tus1 = new QPushButton(QStringLiteral("Sipariş ekle"), this);
    m_tus1->setObjectName(QStringLiteral("ParcaliTus1"));
    m_tus2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    m_tus2->setObjectName(QStringLiteral("ParcaliTus2"));
    // Enter confirms only from the quantity box; nowhere else does it press a button.
    for (QPushButton *t : {m_tus1, m_tus2}) {
        t->setAutoDefault(false);
        t->setDefault(false);
    }
    connect(m_tus1, &QPushButton::clicked, this, &Tstokayarinti::onayla);
    connect(m_tus2, &QPushButton::clicked, this, [this] { done(Vazgec); });
    auto *tuslar = new QHBoxLayout;
    tuslar->addStretch();
    tuslar->addWidget(m_tus1);
    tuslar->addWidget(m_tus2);

    auto *duzen = new QVBoxLayout(this);
    duzen->addLayout(ust);
    duzen->addWidget(m_image1, 1);
    duzen->addWidget(m_progress);
    duzen->addLayout(alt);
    duzen->addLayout(tuslar);

    m_adet->installEventFilter(this);
    connect(m_adet, &QSpinBox::valueChanged, this, [this] {
        TutarHesapla();
        FiyatHesapla();
    });

    setTabOrder(m_adet, m_birimfiyat);
    setTabOrder(m_birimfiyat, m_indoran);
    setTabOrder(m_indoran, m_indtutar);
    setTabOrder(m_indtutar, m_kdvdahiltutar);
    setTabOrder(m_kdvdahiltutar, m_geneltutar);
    setTabOrder(m_geneltutar, m_tus1);
    setTabOrder(m_tus1, m_tus2);
    setTabOrder(m_tus2, m_barkod);
    setTabOrder(m_barkod, m_adi);
    setTabOrder(m_adi, m_finishkod);
    setTabOrder(m_finishkod, m_marka);
    setTabOrder(m_marka, m_model);
    m_adet->setFocus();
}

void Tstokayarinti::doldur(const AcilisDegerleri &d, bool fiyatDegistirebilir)
{
    _stokno = d.stokno;
    kdvoran = d.kdvoran;
    m_barkod->setText(d.barkod);
    m_adi->setText(d.adi);
    m_marka->setText(d.marka);
    m_finishkod->setText(d.finishkod);
    m_model->setText(d.model);
    if (fiyatDegistirebilir) {
        m_indoran->setReadOnly(false);
        m_birimfiyat->setReadOnly(false);
    }
    if (d.indirimEtiketi)
        m_indirimoran->setText(*d.indirimEtiketi);
    m_birimfiyat->setValue(d.birimfiyat);
    m_indoran->setValue(d.indoran);
    m_indtutar->setValue(d.indtutar);
    m_kdvdahiltutar->setValue(d.kdvdahiltutar);
    kdvlifiyat = d.kdvlifiyat;
    const QSignalBlocker sessiz(m_adet);
    m_adet->setValue(int(d.adet));
}

double Tstokayarinti::okunanAdet() const
{
    bool tamam = false;
    const double adet = locale().toDouble(m_adetMetni.trimmed(), &tamam);
    if (!tamam)
        throw std::runtime_error(QStringLiteral("'%1' geçerli bir sayı değil").arg(m_adetMetni).toStdString());
    return adet;
}

void Tstokayarinti::TutarHesapla()
{
    m_geneltutar->setValue(::TutarHesapla(m_adet->value(), kdvlifiyat));
}

void Tstokayarinti::FiyatHesapla()
{
    const FiyatSonucu s = ::FiyatHesapla(m_birimfiyat->value(), m_indoran->value(), kdvoran, m_adet->value());
    m_indtutar->setValue(s.indtutar);
    m_kdvdahiltutar->setValue(s.kdvdahiltutar);
    m_geneltutar->setValue(s.geneltutar);
}

void Tstokayarinti::onayla()
{
    m_adetMetni = m_adet->text();
    done(SiparisEkle);
}

void Tstokayarinti::done(int sonuc)
{
    m_resimGorevi.cancel();
    QDialog::done(sonuc);
}

void Tstokayarinti::reject()
{
    done(Vazgec);
}

bool Tstokayarinti::eventFilter(QObject *nesne, QEvent *e)
{
    if (nesne == m_adet && enterTusu(e)) {
        // The quantity exactly as typed, before the spin box corrects it.
        onayla();
        return true;
    }
    if (nesne == m_birimfiyat && enterTusu(e)) {
        m_indoran->setFocus();
        m_indoran->selectAll();
        return true;
    }
    if (nesne == m_indoran && enterTusu(e)) {
        m_birimfiyat->selectAll();
        m_birimfiyat->setFocus();
        m_birimfiyat->selectAll();
        return true;
    }
    if (e->type() == QEvent::KeyRelease
        && (nesne == m_birimfiyat || nesne == m_indoran || nesne == m_indtutar || nesne == m_kdvdahiltutar
            || nesne == m_geneltutar))
        FiyatHesapla();
    return QDialog::eventFilter(nesne, e);
}

void Tstokayarinti::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    TutarHesapla();
}

bool Tstokayarinti::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(e);
}

void Tstokayarinti::FormActivate()
{
    m_adet->selectAll();
    // Once per dialog: activating again (after a message box) must not fetch it again.
    if (!m_resimIstendi) {
        m_resimIstendi = true;
        ResimGoster();
    }
}

platform::TaskHandle Tstokayarinti::sonResimGorevi()
{
    return s_sonResimGorevi;
}

void Tstokayarinti::ResimGoster()
{
    if (!_bag)
        return;
    ResimGorevi::Hedef hedef;
    hedef.pencere = this;
    hedef.ilerlemeGoster = [this](qint64 bayt) { ProgressGoster(bayt); };
    hedef.ilerlemeGizle = [this] { ProgressGizle(); };
    hedef.resimGoster = [this](const QImage &resim) {
        resmiKoy(QPixmap::fromImage(resim));
        m_resimGeldi = true;
    };
    m_resimGorevi = ResimGorevi::baslat(_bag->clone(), _stokno, std::move(hedef));
    s_sonResimGorevi = m_resimGorevi;
}

void Tstokayarinti::ProgressGoster(qint64 bayt)
{
    const int n = int(std::min<qint64>(bayt, INT_MAX));
    if (m_progress->isHidden()) {
        m_progress->setRange(0, n);
        m_progress->setValue(0);
        m_progress->show();
    } else {
        m_progress->setValue(n);
    }
}

void Tstokayarinti::ProgressGizle()
{
    if (!m_progress->isHidden())
        m_progress->hide();
}

void Tstokayarinti::resmiKoy(const QPixmap &resim)
{
    m_resim = resim;
    resmiYerlestir();
}

void Tstokayarinti::resmiYerlestir()
{
    const QSize alan = m_image1->size();
    if (m_resim.isNull() || alan.isEmpty())
        return;
    m_image1->setPixmap(m_resim.scaled(alan, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Tstokayarinti::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    resmiYerlestir();
}
