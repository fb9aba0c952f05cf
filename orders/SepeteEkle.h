#pragma once

class DSConnection;
class MemTable;
class QWidget;
class SepetErisimi;
class TSonucBilgisi;
struct AcilisDegerleri;

// The hand-overs of the add-to-basket dialog. A listed stock that is already in the basket
// opens that basket line for change; any other opens the listed row to be added. Each opens
// the dialog modally over `owner`, sends the line on confirmation and reloads the basket when
// the line was stored. They return true when the basket was reloaded. A row outside the table
// (no focused row) does nothing. Errors are shown to the user here, never raised.
bool StoktanSepeteEkle(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                       MemTable &stok, int satir);
bool YenidenSepeteEkle(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                       MemTable &YENILER, int satir);
bool KampanyadanSepeteEkle(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                           MemTable &kampstok, int satir);
// The basket line with this SIRANO, in change mode.
bool SepetSatirDegistir(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                        int sirano);

// What the dialog gave back on confirmation; the server works out the rest itself.
struct SepetDiyalogSonucu
{
    double adet = 0;
    double birimfiyat = 0;
    double indoran = 0;
};

// SepetEkle with the listed row's values. Returns the server's answer (1 = added), or -1 when
// the connection check failed and nothing was sent.
int SepeteEkleGonder(const DSConnection &bagc, const TSonucBilgisi &sbilgi, const AcilisDegerleri &satir,
                     const SepetDiyalogSonucu &sonuc);
// SepetGuncelle for the basket line. False when the connection check failed and nothing was sent.
bool SepetGuncelleGonder(const DSConnection &bagc, const TSonucBilgisi &sbilgi, const AcilisDegerleri &satir,
                         const SepetDiyalogSonucu &sonuc);
