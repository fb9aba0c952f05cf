#pragma once

#include "identity/TSonucBilgisi.h"

#include <QDate>
#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class CariBilgileriPaneli;
class DataGrid;
class DSConnection;
class MemTable;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class ResultSetReader;
class TServerMethods1Client;

// "Cari Seçimi": where a sales representative lists customers by a search text or by the state
// of their orders and baskets, sees the focused customer's details, opens the customer reports
// and chooses the customer to work for.
//
// Every remote call runs on a worker over a clone of `bag`, so the window keeps painting while
// the server answers. Listings replace each other: when a new one is asked for before the last
// one arrived, only the newest answer is shown. Reports run one at a time.
class Tseccari : public QDialog
{
    Q_OBJECT
public:
    explicit Tseccari(QWidget *owner);
    ~Tseccari() override;

    // Set by the opener before the counts are asked for: the main connection and the main
    // login record, which receives the chosen customer.
    DSConnection *bag = nullptr;
    TSonucBilgisi *bilgim = nullptr;

    // The counts on the state buttons; the opener asks for both before showing the window.
    void SepetSayisiYaz();
    void TusSonuclari();

    void CariListele(const QString &aranan);
    void DurumListele(int kod);
    // Takes the focused customer when its number is above 0 and closes with OK.
    void CariSec();

    // Order-state codes of the top bar, 1 (basket) to 7 (shipped).
    static constexpr int DurumSayisi = 7;

    QLineEdit *NEdit1() const { return m_NEdit1; }
    DataGrid *cxGrid1() const { return m_grid; }
    const MemTable *CARILER() const { return m_cariler.get(); }
    QToolButton *sBitBtn2() const { return m_sBitBtn2; }
    QToolButton *durumTusu(int kod) const;
    CariBilgileriPaneli *GroupBox1() const { return m_GroupBox1; }
    QPushButton *Button1() const { return m_Button1; }
    QPushButton *Button2() const { return m_Button2; }
    QMenu *PopupMenu1() const { return m_PopupMenu1; }
    QAction *C1() const { return m_C1; }
    QAction *B1() const { return m_B1; }
    QAction *CariAlSatTablosuSatcl1() const { return m_CariAlSat; }
    QAction *CariTopluAlacakVadeleri1() const { return m_CariToplu; }
    bool raporSuruyor() const { return m_raporSuruyor; }

public Q_SLOTS:
    // "Vazgeç" ends the program, whichever window opened this one.
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    using Listeleme = std::function<ResultSetReader *(TServerMethods1Client &, std::unique_ptr<TSonucBilgisi>)>;

    void kur();
    QWidget *ustCubukKur();
    void menuKur();
    void FormShow();
    void aramaKutusunaDon();
    void listele(Listeleme cagri);
    void tabloyuKoy(std::shared_ptr<MemTable> tablo);
    void odakDegisti(int satir);
    void bekleyenDegisti(int fark);
    std::unique_ptr<TSonucBilgisi> bilgiKopyasi() const;
    QString alan(int satir, const QString &ad) const;
    int odakliCariNo() const; // 0 when no row is focused or it has no number

    void C1Click();
    void CariAlSatTablosuSatcl1Click();
    void CariTopluAlacakVadeleri1Click();
    std::optional<std::pair<QDate, QDate>> tarihSec(bool ikiTarih);
    void RaporGoster(int raporno, int carino, const QDate &tarih1, const QDate &tarih2, const QString &saticiadi);

    std::shared_ptr<MemTable> m_cariler;
    int m_listeKusagi = 0;
    int m_bekleyen = 0;
    bool m_raporSuruyor = false;
    bool m_gosterildi = false;

    QToolButton *m_sBitBtn2 = nullptr;
    QToolButton *m_durumTuslari[DurumSayisi] = {};
    QLineEdit *m_NEdit1 = nullptr;
    DataGrid *m_grid = nullptr;
    CariBilgileriPaneli *m_GroupBox1 = nullptr;
    QPushButton *m_Button1 = nullptr;
    QPushButton *m_Button2 = nullptr;
    QMenu *m_PopupMenu1 = nullptr;
    QAction *m_C1 = nullptr;
    QAction *m_B1 = nullptr;
    QAction *m_CariAlSat = nullptr;
    QAction *m_CariToplu = nullptr;
};
