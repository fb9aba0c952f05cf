#pragma once

#include "identity/TSonucBilgisi.h"
#include "platform/Task.h"

#include <QDialog>

#include <optional>

class DSConnection;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
struct TParvelaDonus;

namespace platform {
class Http;
}

// The sign-in window shown once before the main window. It returns Accepted only after a
// successful sign-in, with *Bilgim filled from the server and bagim's "HostName" set; every
// other way out ends the process.
class Tgirisform : public QDialog
{
    Q_OBJECT
public:
    explicit Tgirisform(QWidget *owner);
    ~Tgirisform() override;

    // Set by the opener before exec(): the main connection (only its host is changed here) and
    // the main login record (filled in place).
    DSConnection *bagim = nullptr;
    TSonucBilgisi *Bilgim = nullptr;

    const QString &idsi() const { return m_idsi; }
    // True from the start of an attempt until its last check.
    bool girisSuruyor() const { return m_girisSuruyor; }

    QLineEdit *adi() const { return m_adi; }
    QLineEdit *sifre() const { return m_sifre; }
    QCheckBox *benihatirla() const { return m_benihatirla; }
    QPushButton *Button1() const { return m_Button1; }
    QPushButton *Button2() const { return m_Button2; }
    QProgressBar *mesgulGostergesi() const { return m_mesgul; }

public Q_SLOTS:
    void Button1Click();
    void Button2Click();
    // Escape and the close box end the process like "Vazgeç".
    void reject() override;

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void kur();
    void FormCreate();
    void AyarOku();
    void AyarKaydet();
    bool adiKeyDown();
    bool sifreKeyDown();
    void Devamet(const TParvelaDonus &donus);
    void adresDogrulandi(const TParvelaDonus &donus, const QString &ikinciAdres);
    void girisBilgisiniAl();
    void tamamlamaKontrolleri(const std::optional<TSonucBilgisi> &sonuc);
    void mesgul(bool goster);
    void girisiBirak();
    void adiSec();
    void bitir();

    QString m_idsi;
    bool m_girisSuruyor = false;
    bool m_bitti = false;
    platform::TaskHandle m_gorev;
    platform::Http *m_http = nullptr;

    QLabel *m_RxLabel1 = nullptr;
    QLineEdit *m_adi = nullptr;
    QLineEdit *m_sifre = nullptr;
    QCheckBox *m_benihatirla = nullptr;
    QPushButton *m_Button1 = nullptr;
    QPushButton *m_Button2 = nullptr;
    QProgressBar *m_mesgul = nullptr;
};
