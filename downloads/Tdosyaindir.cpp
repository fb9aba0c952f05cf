#include "downloads/Tdosyaindir.h"

#include "downloads/IndirmeIlerlemesi.h"
#include "downloads/KurulumBaslatici.h"
#include "downloads/ProgramVersion.h"
#include "identity/Folders.h"
#include "identity/MesajGoster.h"
#include "platform/Deployment.h"
#include "platform/Http.h"
#include "platform/ProcessEnd.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSaveFile>
#include <QVBoxLayout>

#include <limits>

namespace {
constexpr int ZamanAsimiMs = 60000;
} // namespace

Tdosyaindir *Tdosyaindir::Yeni(QWidget *owner, int _y)
{
    return new Tdosyaindir(owner, _y);
}

Tdosyaindir::Tdosyaindir(QWidget *owner, int y)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint)
    , m_http(new platform::Http(this))
{
    setWindowTitle(QStringLiteral("Dosya İndir"));
    resize(543, 309);

    m_sLabel1 = new QLabel(this);
    m_sLabel1->setAlignment(Qt::AlignCenter);
    m_sLabel1->setWordWrap(true);
    QFont buyuk = m_sLabel1->font();
    buyuk.setPointSize(buyuk.pointSize() + 6);
    buyuk.setBold(true);
    m_sLabel1->setFont(buyuk);
    m_sLabel1->setText(QStringLiteral("Parvela Online Sipariş Programının\nYeni versiyonu indirilecektir\n"
                                      "Lütfen Bekleyiniz...!\nVersion: %1-%2")
                           .arg(y)
                           .arg(programVersion));

    m_bilgi = new QLabel(this);
    m_ProgressBar1 = new QProgressBar(this);
    m_ProgressBar1->setRange(0, 100);
    m_ProgressBar1->setValue(0);
    m_ProgressBar1->setTextVisible(false);
    m_ProgressBar1->setAccessibleName(QStringLiteral("İndirme durumu"));
    m_bilgi->setBuddy(m_ProgressBar1);
    m_bilgi->setAccessibleName(QStringLiteral("İndirme bilgisi"));

    auto *altPanel = new QVBoxLayout;
    altPanel->addWidget(m_bilgi);
    altPanel->addWidget(m_ProgressBar1);
    auto *duzen = new QVBoxLayout(this);
    duzen->addWidget(m_sLabel1, 1);
    duzen->addLayout(altPanel);

    m_istek.url = kurulumAdresi();
    m_istek.connectTimeoutMs = ZamanAsimiMs;
    m_istek.readTimeoutMs = ZamanAsimiMs;
    m_istek.progress = [this](qint64 okunan, qint64 toplam) { NetHTTPClient1ReceiveData(toplam, okunan); };
}

Tdosyaindir::~Tdosyaindir()
{
    // A request still on its way is dropped before this window starts to come apart, so its
    // answer never reaches a half-destroyed window.
    delete m_http;
}

QUrl Tdosyaindir::kurulumAdresi()
{
    return QUrl(platform::Deployment::updateBaseUrl() + QStringLiteral("/exe/ParvelaSetup.exe"));
}

QString Tdosyaindir::hedefDosya() const
{
    return BelgelerKlasoru() + QStringLiteral("/ParvelaSetup.exe");
}

void Tdosyaindir::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Some window systems never report activation for a window that is not focused; the first
    // show counts as the first activation.
    FormActivate();
}

void Tdosyaindir::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tdosyaindir::FormActivate()
{
    Indir();
}

void Tdosyaindir::Indir()
{
    if (m_basladi)
        return;
    m_basladi = true;
    m_indiriliyor = true;
    const QString hedef = hedefDosya();
    QFile::remove(hedef);
    m_http->get(m_istek, this, [this](const platform::HttpResult &sonuc) { indirmeBitti(sonuc); });
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 AContentLength, qint64 AReadCount)
{
    if (AContentLength <= 0)
        return;
    m_bilgi->setText(IndirmeIlerlemeMetni(AReadCount, AContentLength));
    // The bar counts in bytes while that fits its range, in KiB beyond.
    const qint64 olcek = AContentLength > std::numeric_limits<int>::max() ? 1024 : 1;
    m_ProgressBar1->setMaximum(int(AContentLength / olcek));
    m_ProgressBar1->setValue(int(std::min(AReadCount, AContentLength) / olcek));
}

void Tdosyaindir::indirmeBitti(const platform::HttpResult &sonuc)
{
    m_indiriliyor = false;
    // An error page or an empty answer is not an installer: starting it would at best fail and
    // at worst run whatever the server sent instead.
    if (!sonuc.ok()) {
        NetHTTPClient1RequestError(sonuc.errorText.isEmpty()
                                       ? QStringLiteral("HTTP %1").arg(sonuc.httpStatusCode)
                                       : sonuc.errorText);
        return;
    }
    if (sonuc.body.isEmpty()) {
        NetHTTPClient1RequestError(QStringLiteral("Sunucudan dosya gelmedi."));
        return;
    }

    const QString hedef = hedefDosya();
    QDir().mkpath(QFileInfo(hedef).absolutePath());
    QSaveFile dosya(hedef);
    bool yazildi = dosya.open(QIODevice::WriteOnly);
    if (yazildi) {
        // The installer is started as a program, so it must be executable by its owner.
        dosya.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        yazildi = dosya.write(sonuc.body) == sonuc.body.size() && dosya.commit();
    }
    if (!yazildi) {
        // Nothing is started; the window may now be closed and the login goes on.
        MesajGoster(QStringLiteral("Dosya kaydedilemedi: %1\n%2").arg(hedef, dosya.errorString()), mesaj::Hata,
                    mesaj::SetTamam, mesaj::DugmeTamam);
        return;
    }
    KurulumCalistir(hedef);
}

void Tdosyaindir::KurulumCalistir(const QString &dosya)
{
    KurulumBaslat(dosya, {QStringLiteral("/silent")});
    platform::endProcess(0);
    bitir(QDialog::Accepted);
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString &AError)
{
    MesajGoster(QStringLiteral("Hata Oluştu !\nHata: ") + AError, mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam);
    platform::endProcess(0);
    bitir(QDialog::Rejected);
}

// Reached only when the process end was intercepted.
void Tdosyaindir::bitir(int sonuc)
{
    done(sonuc);
}

void Tdosyaindir::reject()
{
    if (m_indiriliyor)
        return;
    QDialog::reject();
}
