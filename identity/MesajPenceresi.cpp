#include "identity/MesajPenceresi.h"

#include "identity/MesajGoster.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

struct DugmeTanimi
{
    int kod;
    QMessageBox::StandardButton standart; // NoButton: no standard counterpart
    const char *baslik;                   // UTF-8
    int sonuc;                            // 0: does not close the dialog
};

// Button codes, captions and results of the program's dialogs.
constexpr DugmeTanimi Dugmeler[] = {
    {mesaj::DugmeEvet, QMessageBox::Yes, "Evet", mesaj::SonucEvet},
    {mesaj::DugmeHayir, QMessageBox::No, "Hayır", mesaj::SonucHayir},
    {mesaj::DugmeTamam, QMessageBox::Ok, "Tamam", mesaj::SonucTamam},
    {mesaj::DugmeVazgec, QMessageBox::Cancel, "Vazgeç", mesaj::SonucVazgec},
    {mesaj::DugmeIptal, QMessageBox::Abort, "İptal", mesaj::SonucIptal},
    {mesaj::DugmeTekrar, QMessageBox::Retry, "Tekrar", mesaj::SonucTekrar},
    {mesaj::DugmeAtla, QMessageBox::Ignore, "Atla", mesaj::SonucAtla},
    {mesaj::DugmeTumu, QMessageBox::NoButton, "Tümü", mesaj::SonucTumu},
    {mesaj::DugmeTumuneHayir, QMessageBox::NoToAll, "Tümüne Hayır", mesaj::SonucTumuneHayir},
    {mesaj::DugmeTumuneEvet, QMessageBox::YesToAll, "Tümüne Evet", mesaj::SonucTumuneEvet},
    {mesaj::DugmeYardim, QMessageBox::Help, "Yardım", 0},
    {mesaj::DugmeKapat, QMessageBox::Close, "Kapat", mesaj::SonucKapat},
};

struct TurTanimi
{
    const char *baslik;
    QMessageBox::Icon simge;
};

constexpr TurTanimi Turler[] = {
    {"Uyarı", QMessageBox::Warning},
    {"Hata", QMessageBox::Critical},
    {"Bilgi", QMessageBox::Information},
    {"Soru", QMessageBox::Question},
};

} // namespace

MesajPenceresi::MesajPenceresi(const QString &metin, int tur, int dugmeler, int varsayilan,
                               QWidget *parent)
    : QMessageBox(parent)
    , m_varsayilan(varsayilan)
{
    setText(metin);
    if (tur >= 0 && tur < int(std::size(Turler))) {
        setIcon(Turler[tur].simge);
        setWindowTitle(QString::fromUtf8(Turler[tur].baslik));
    }
    for (const DugmeTanimi &tanim : Dugmeler) {
        if (dugmeler & (1 << tanim.kod))
            dugmeEkle(tanim.kod);
    }
    // The standard default: OK, else Yes, else Retry. It has the focus when the box opens.
    for (int kod : {mesaj::DugmeTamam, mesaj::DugmeEvet, mesaj::DugmeTekrar}) {
        if (auto *button = qobject_cast<QPushButton *>(dugme(kod))) {
            m_standartVarsayilan = button;
            setDefaultButton(button);
            break;
        }
    }
    // Escape: Cancel, else No, else OK; none of them means Escape does nothing.
    for (int kod : {mesaj::DugmeVazgec, mesaj::DugmeHayir, mesaj::DugmeTamam}) {
        if (QAbstractButton *button = dugme(kod)) {
            m_kacis = button;
            setEscapeButton(button);
            break;
        }
    }
    setWindowModality(Qt::ApplicationModal);
    connect(this, &QMessageBox::buttonClicked, this,
            [this](QAbstractButton *button) { m_basilan = button; });
}

void MesajPenceresi::dugmeEkle(int kod)
{
    const DugmeTanimi &tanim = Dugmeler[kod];
    const QString baslik = QString::fromUtf8(tanim.baslik);
    QAbstractButton *button = nullptr;
    if (tanim.standart != QMessageBox::NoButton) {
        button = addButton(tanim.standart);
        button->setText(baslik);
    } else {
        button = addButton(baslik, QMessageBox::AcceptRole);
    }
    m_dugmeler.insert(kod, button);
    m_sonuclar.insert(button, tanim.sonuc);
    m_kodlar.append(kod);
}

// The button of the caller's default code comes first in the tab order; the others follow
// in code order. Done on show because the button box lays out its own order when shown.
void MesajPenceresi::sekmeSirasiniKur()
{
    QList<QAbstractButton *> sira;
    if (QAbstractButton *ilk = dugme(m_varsayilan))
        sira.append(ilk);
    for (int kod : std::as_const(m_kodlar)) {
        if (kod != m_varsayilan)
            sira.append(dugme(kod));
    }
    for (qsizetype i = 1; i < sira.size(); ++i)
        QWidget::setTabOrder(sira.at(i - 1), sira.at(i));
}

int MesajPenceresi::calistir(const std::function<void()> &onShown)
{
    const QPointer<MesajPenceresi> self(this);
    for (;;) {
        m_basilan = nullptr;
        m_cerceveKapatti = false;
        if (onShown)
            QTimer::singleShot(0, this, onShown);
        exec();
        // The owner window may have been destroyed meanwhile, and this dialog with it.
        if (!self)
            return mesaj::SonucVazgec;
        if (m_cerceveKapatti || !m_basilan)
            return mesaj::SonucVazgec;
        const int sonuc = m_sonuclar.value(m_basilan);
        // Help never closed the dialog; there is no help to open, so it simply stays.
        if (sonuc != 0)
            return sonuc;
    }
}

void MesajPenceresi::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event);
    sekmeSirasiniKur();
    if (!m_standartVarsayilan) {
        // The button box would otherwise promote a button that the old rule never made default.
        for (QAbstractButton *button : buttons()) {
            if (auto *push = qobject_cast<QPushButton *>(button))
                push->setDefault(false);
        }
    } else {
        m_standartVarsayilan->setFocus(Qt::OtherFocusReason);
    }
    const QScreen *ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (ekran) {
        // Centre the whole window, frame included; move() places the frame's corner.
        const QRect cerceve = frameGeometry();
        move(ekran->availableGeometry().center() - QPoint(cerceve.width() / 2, cerceve.height() / 2));
    }
}

void MesajPenceresi::closeEvent(QCloseEvent *event)
{
    // Reached only through the window frame (close box, Alt+F4): buttons close the dialog
    // without a close event.
    m_cerceveKapatti = true;
    event->accept();
    done(mesaj::SonucVazgec);
}

void MesajPenceresi::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        if (m_kacis)
            m_kacis->click();
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}
