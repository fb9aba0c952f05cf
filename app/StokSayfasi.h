#pragma once

#include "remote/MemTable.h"

#include <QWidget>

#include <functional>

class ArkaPlanYukleyici;
class AramaKutusu;
class DataGrid;
class DSConnection;
class MesgulGostergesi;
class QMenu;
class QPushButton;
class TSonucBilgisi;

// The "Stok Listesi" tab: the search (box, "Ara", "Temizle" and the busy indicator, which the
// main window places in its search bar), the stock grid with its width rule and drawn price
// cell, and the hand-over of a row to the basket dialog.
class StokSayfasi : public QWidget
{
    Q_OBJECT

public:
    StokSayfasi(const DSConnection &bagc, const TSonucBilgisi &sbilgi, QWidget *parent = nullptr);
    ~StokSayfasi() override;

    AramaKutusu *araedit() const { return m_araedit; }
    QPushButton *araTusu() const { return m_ara; }
    QPushButton *temizleTusu() const { return m_temizle; }
    MesgulGostergesi *gifstokara() const { return m_gosterge; }
    DataGrid *grid() const { return m_grid; }
    MemTable &stok() { return m_stok; }
    QMenu *popstok() const { return m_popstok; }

    // Starts a search with the box's text, as Enter in the box does.
    void ara();
    void SpeedButton1Click();
    // Empties the list after a customer switch: caption "0=Stok Listesi".
    void cariDegisti();
    // The layout rule; `pencereGenisligi` is the main window's width.
    void StokKolonDuzenle(int pencereGenisligi);
    bool aramaBosta() const;
    void kullaniciTipiniUygula(int musteriTipi);

    // Set by the main window: a row of `stok` goes to the add-to-basket dialog.
    std::function<void(int satir)> sepeteEkle;
    // Set by the main window: activates the stock tab.
    std::function<void()> sekmeyiAc;

Q_SIGNALS:
    void baslikDegisti(const QString &baslik);
    void aramaBitti();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void gridKur();
    void satirSecildi();

    const DSConnection &m_bagc;
    const TSonucBilgisi &m_sbilgi;
    MemTable m_stok;
    AramaKutusu *m_araedit = nullptr;
    QPushButton *m_ara = nullptr;
    QPushButton *m_temizle = nullptr;
    MesgulGostergesi *m_gosterge = nullptr;
    DataGrid *m_grid = nullptr;
    QMenu *m_popstok = nullptr;
    ArkaPlanYukleyici *m_yukleyici = nullptr;
    bool m_kampanyaGizli = false;
};
