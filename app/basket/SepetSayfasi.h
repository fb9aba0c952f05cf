#pragma once

#include "app/basket/SepetServisi.h"
#include "orders/SepetErisimi.h"
#include "remote/MemTable.h"

#include <QWidget>

#include <functional>

class DataGrid;
class DSConnection;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class SecenekGrubu;
class TSonucBilgisi;
struct SepetToplamlari;

// The "Sepet" tab: the customer's server-side basket with its selection marks, changes and
// deletions, the delivery and cargo choices, the totals of the ticked lines, the overdue
// balance warning, the Excel export and the order itself.
class SepetSayfasi : public QWidget, public SepetErisimi
{
    Q_OBJECT
public:
    SepetSayfasi(DSConnection &bagc, TSonucBilgisi &sbilgi, QWidget *parent = nullptr);
    ~SepetSayfasi() override;

    // The tab was shown: clears the balance warning, starts its worker, reloads the basket,
    // then the delivery options and cargo types.
    void activate();
    // Reloads the basket table, the tab caption and the totals. A server error is shown, not raised.
    void SepetAl() override;
    const MemTable &sepetTablosu() const override { return m_sepet; }

    // Column set for the signed-in user type (types 1 and 2 see "Kalan", type 3 no status).
    void kullaniciTipineUyarla(int musteriTipi);
    // Whether the stock search is idle (its box enabled): select all / none then ask for the
    // search box's focus through searchFocusRequested.
    void setSearchIdle(std::function<bool()> searchIdle) { m_searchIdle = std::move(searchIdle); }
    // Where "Excel Kaydet" writes; the default asks with a save dialog. Empty: cancelled.
    void setKayitYoluSorucu(std::function<QString()> sorucu) { m_kayitYoluSorucu = std::move(sorucu); }

    // Operations under their own names (buttons, menu, grid).
    void TeslimKargoAl();
    void KargolarAl(int kargoTuru);
    void Deitir1Click();
    void SepetSatirDegistir(int sirano);
    void SatrSil1Click();
    void HepsiniSil1Click();
    void Button4Click(); // "Hepsini Seç"
    void Button5Click(); // "Seçimleri Kaldır"
    void Button2Click(); // "Excel Kaydet"
    void Button1Click(); // "Gönder"
    bool SiparisGonder(int teslim, int kargo, int kargoFirmasi);

    DataGrid *grid() const { return m_grid; }
    SecenekGrubu *teslimbox() const { return m_teslimbox; }
    SecenekGrubu *boxkargo() const { return m_boxkargo; }
    QComboBox *kargocombo() const { return m_kargocombo; }
    QLabel *uyarikargo() const { return m_uyarikargo; }
    QLabel *lbluyarbakiye() const { return m_lbluyarbakiye; }
    QPlainTextEdit *aciklamagir() const { return m_aciklamagir; }
    QLabel *aratoplaml() const { return m_aratoplaml; }
    QLabel *indiriml() const { return m_indiriml; }
    QLabel *nettutarl() const { return m_nettutarl; }
    QLabel *vergil() const { return m_vergil; }
    QLabel *geneltoplaml() const { return m_geneltoplaml; }
    QPushButton *gonderTusu() const { return m_gonder; }
    QPushButton *excelTusu() const { return m_excel; }
    QPushButton *hepsiniSecTusu() const { return m_hepsiniSec; }
    QPushButton *secimleriKaldirTusu() const { return m_secimleriKaldir; }
    QMenu *PopupMenu1() const { return m_popup; }
    const MemTable &kargoTablosu() const { return m_kargo; }

Q_SIGNALS:
    void captionChanged(const QString &caption);
    void searchFocusRequested();
    // The balance warning arrived (or stayed empty) for the latest activation.
    void bakiyeUyarisiGeldi();

private:
    QWidget *ustKisimKur();
    QWidget *altKisimKur();
    QWidget *toplamlarKur();
    void CariBakiyeUyariBak();
    void sepetiYukle();
    void SepetToplamHesapla();
    void toplamlariYaz(const SepetToplamlari &t);
    void SecimKaydet(int sirano, int secim);
    void hepsiniIsaretle(int secim);
    void boxkargoClick();
    void kargocomboChange();
    int kargoFirmasiSirano() const;
    QString onayMetni() const;
    int odaktakiSatir() const;
    void uyar(const QString &metin);

    DSConnection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    SepetServisi m_servis;
    MemTable m_sepet;
    MemTable m_kargo;
    std::function<bool()> m_searchIdle;
    std::function<QString()> m_kayitYoluSorucu;
    // Only the latest activation's balance warning is shown; an older worker's answer is dropped.
    int m_uyariNesli = 0;

    DataGrid *m_grid = nullptr;
    QMenu *m_popup = nullptr;
    QPushButton *m_hepsiniSec = nullptr;
    QPushButton *m_secimleriKaldir = nullptr;
    QLabel *m_lbluyarbakiye = nullptr;
    SecenekGrubu *m_teslimbox = nullptr;
    SecenekGrubu *m_boxkargo = nullptr;
    QComboBox *m_kargocombo = nullptr;
    QLabel *m_uyarikargo = nullptr;
    QPlainTextEdit *m_aciklamagir = nullptr;
    QLabel *m_aratoplaml = nullptr;
    QLabel *m_indiriml = nullptr;
    QLabel *m_nettutarl = nullptr;
    QLabel *m_vergil = nullptr;
    QLabel *m_geneltoplaml = nullptr;
    QPushButton *m_gonder = nullptr;
    QPushButton *m_excel = nullptr;
};
