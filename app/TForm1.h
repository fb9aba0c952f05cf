#pragma once

#include "identity/TSonucBilgisi.h"
#include "remote/DSConnection.h"

#include <QMainWindow>

#include <memory>

class AnimatedPicture;
class CountedTabWidget;
class QLabel;
class QMenu;
class QToolButton;
class ScrollingNotice;
class StokSayfasi;
class SepetSayfasi;
class VitrinSayfasi;
class DuyurularSayfasi;

// The main window: owns the one connection and the one login record for the whole run,
// puts the login window in front of everything, adapts to the user type and carries the tabs.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Creation sequence: login, user-type adaptation, start-up task. The window is shown by it.
    void FormCreate();

    DSConnection &bagc() { return m_bagc; }
    TSonucBilgisi &sbilgi() { return m_sbilgi; }
    int acilisAdet() const { return m_acilisadet; }

    CountedTabWidget *sekmeler() const { return m_sekmeler; }
    StokSayfasi *stokSayfasi() const { return m_stok; }
    SepetSayfasi *sepetSayfasi() const { return m_sepet; }
    QLabel *kullaniciEtiketi() const { return m_kullanicilbl; }
    QLabel *cariEtiketi() const { return m_cariadilbl; }
    QLabel *saticiEtiketi() const { return m_saticilbl; }
    QToolButton *musteriTusu() const { return m_musteritus; }
    ScrollingNotice *kayanYazi() const { return m_kayanyazi; }
    QMenu *genelMenu() const { return m_genelmenu; }

    // Tab indexes in their fixed order.
    enum Sekme { StokListesi, Sepet, OncekiSiparisler, CariEkstre, YeniStoklar, KampanyaliStoklar, Duyurular,
                 Bakiyeler, SanalPos, Dosyalar, SekmeSayisi };
    void sekmeBasligiYaz(int sekme, const QString &baslik);

    void AnaBilgiAl();
    void CariDegistir();
    // The start-up task finished (tests wait for it).
    bool baslangicBitti() const { return m_baslangicBitti; }

Q_SIGNALS:
    void baslangicTamamlandi();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void kur();
    QWidget *ustSeritKur();
    QWidget *aramaCubuguKur();
    void menuKur();
    bool GirisYap();
    void kullaniciTipineUyarla();
    void baslangicGoreviniBaslat();
    void KayanYaziAl(const DSConnection &kopya);
    void BannerREsimAl(const DSConnection &kopya);
    void AcilisReklamAdetAl(const DSConnection &kopya);
    void BalonYaz(const DSConnection &kopya);
    void AcilisReklamGoster();
    void CikisGonder();
    void sekmeGosterildi(int index);
    void aramayaOdaklan();

    DSConnection m_bagc;
    TSonucBilgisi m_sbilgi;
    int m_acilisadet = 0;
    bool m_cikisOnaylandi = false;
    bool m_baslangicBitti = false;

    QLabel *m_kullanicilbl = nullptr;
    QLabel *m_cariadilbl = nullptr;
    QLabel *m_saticilbl = nullptr;
    AnimatedPicture *m_banner = nullptr;
    QToolButton *m_genelMenuTusu = nullptr;
    QMenu *m_genelmenu = nullptr;
    QToolButton *m_musteritus = nullptr;
    CountedTabWidget *m_sekmeler = nullptr;
    ScrollingNotice *m_kayanyazi = nullptr;
    StokSayfasi *m_stok = nullptr;
    SepetSayfasi *m_sepet = nullptr;
    VitrinSayfasi *m_yeniler = nullptr;
    VitrinSayfasi *m_kampanyali = nullptr;
    DuyurularSayfasi *m_duyurular = nullptr;
};
