#pragma once

#include "identity/TSonucBilgisi.h"

#include <QDialog>
#include <QList>

#include <memory>

class DSConnection;
class QLabel;
class QLineEdit;
class QPushButton;

// Request to the distributor: a new user for an unknown workstation, or a password change for
// the signed-in user. The client creates no account itself; it sends the request by mail
// through the order server.
class Tkullanicikayit : public QDialog
{
    Q_OBJECT
public:
    enum TIstek { tyeni, teski };

    // New-user request ("B2B İstek Formu"); all boxes start empty.
    static Tkullanicikayit *Yeni(QWidget *owner, const TSonucBilgisi &_b, const DSConnection &_c);
    // Password-change request, filled with the signed-in customer's data.
    static Tkullanicikayit *Ac(QWidget *owner, const TSonucBilgisi &_b, const DSConnection &_c);
    ~Tkullanicikayit() override;

    TIstek durum() const { return m_durum; }
    // True while the customer data or a request is on its way.
    bool mesgul() const { return m_mesgul; }

    QLabel *lblid() const { return m_lblid; }
    QLineEdit *firmaadi() const { return m_firmaadi; }
    QLineEdit *adres1() const { return m_adres1; }
    QLineEdit *adres2() const { return m_adres2; }
    QLineEdit *ilce() const { return m_ilce; }
    QLineEdit *sehir() const { return m_sehir; }
    QLineEdit *telefon() const { return m_telefon; }
    QLineEdit *fax() const { return m_fax; }
    QLineEdit *vd() const { return m_vd; }
    QLineEdit *vn() const { return m_vn; }
    QLineEdit *yetkili() const { return m_yetkili; }
    QLineEdit *kullaniciadi() const { return m_kullaniciadi; }
    QLineEdit *sifre() const { return m_sifre; }
    QLineEdit *mail() const { return m_mail; }
    QLineEdit *kargoambar() const { return m_kargoambar; }
    QPushButton *Button1() const { return m_Button1; }
    QPushButton *Button2() const { return m_Button2; }

public Q_SLOTS:
    void Button1Click();
    void Button2Click();

private:
    Tkullanicikayit(QWidget *owner, TIstek durum, const TSonucBilgisi &_b, const DSConnection &_c);

    struct ZorunluAlan
    {
        QLineEdit *kutu;
        QString mesaj;
    };

    void kur();
    QLineEdit *kutu(const QString &ad);
    void CariBilgisiDoldur();
    bool AlanKontrol();
    void IstekGonder(const QString &baslik);
    void mesgulOl(bool mesgul);

    std::shared_ptr<DSConnection> m_con;
    TSonucBilgisi m_Bilgim;
    QString m_idsi;
    TIstek m_durum;
    bool m_mesgul = false;
    QList<ZorunluAlan> m_zorunlu;

    QLabel *m_lblid = nullptr;
    QLineEdit *m_firmaadi = nullptr;
    QLineEdit *m_adres1 = nullptr;
    QLineEdit *m_adres2 = nullptr;
    QLineEdit *m_ilce = nullptr;
    QLineEdit *m_sehir = nullptr;
    QLineEdit *m_telefon = nullptr;
    QLineEdit *m_fax = nullptr;
    QLineEdit *m_vd = nullptr;
    QLineEdit *m_vn = nullptr;
    QLineEdit *m_yetkili = nullptr;
    QLineEdit *m_kullaniciadi = nullptr;
    QLineEdit *m_sifre = nullptr;
    QLineEdit *m_mail = nullptr;
    QLineEdit *m_kargoambar = nullptr;
    QPushButton *m_Button1 = nullptr;
    QPushButton *m_Button2 = nullptr;
};
