#pragma once

#include "remote/MemTable.h"

#include <QWidget>

#include <functional>

class ArkaPlanYukleyici;
class DataGrid;
class DSConnection;
class MesgulGostergesi;
class QTableWidget;
class TSonucBilgisi;

// "Yeni Stoklar" and "Kampanyalı Stoklar": a product list loaded in the background every time
// the tab is shown; a double-click hands the row to the add-to-basket dialog.
class VitrinSayfasi : public QWidget
{
    Q_OBJECT

public:
    enum class Tur { Yeniler, Kampanyali };

    VitrinSayfasi(Tur tur, const DSConnection &bagc, const TSonucBilgisi &sbilgi, QWidget *parent = nullptr);

    void yukle();
    void kullaniciTipiniUygula(int musteriTipi);
    MesgulGostergesi *gosterge() const { return m_gosterge; }
    DataGrid *grid() const { return m_grid; }
    MemTable &tablo() { return m_tablo; }
    // The campaign grid's width rule (the new-products grid fills its width by itself).
    void KampanyaKolonGenislik();

    std::function<void(MemTable &tablo, int satir)> sepeteEkle;

Q_SIGNALS:
    void baslikDegisti(const QString &baslik);
    void yuklemeBitti();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Tur m_tur;
    const TSonucBilgisi &m_sbilgi;
    MemTable m_tablo;
    DataGrid *m_grid = nullptr;
    MesgulGostergesi *m_gosterge = nullptr;
    ArkaPlanYukleyici *m_yukleyici = nullptr;
};

// "Duyurular": the announcements as large pictures; a double-click jumps to a tab or searches.
class DuyurularSayfasi : public QWidget
{
    Q_OBJECT

public:
    DuyurularSayfasi(const DSConnection &bagc, QWidget *parent = nullptr);

    void yukle();
    MesgulGostergesi *gosterge() const { return m_gosterge; }
    QTableWidget *liste() const { return m_liste; }
    // The double-click of a row: a jump, a search or nothing.
    void duyuruAc(int satir);

    std::function<void(int sekme)> sekmeAc; // 0 campaign, 1 new products
    std::function<void(const QString &metin)> ara;

Q_SIGNALS:
    void yuklemeBitti();

private:
    const DSConnection &m_bagc;
    QTableWidget *m_liste = nullptr;
    MesgulGostergesi *m_gosterge = nullptr;
    bool m_calisiyor = false;
};
