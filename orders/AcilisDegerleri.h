#pragma once

#include <QString>

#include <optional>

class MemTable;

// Where the add-to-basket dialog was opened from: one of the three stock lists (add mode) or
// the basket itself (change mode).
enum class SepetKaynagi { StokListesi, YeniStoklar, Kampanyali, Sepet };

// Everything the dialog shows when it opens and everything sent after it closes, read from the
// source row once, so a table reloaded meanwhile cannot change what is sent.
struct AcilisDegerleri
{
    SepetKaynagi kaynak = SepetKaynagi::StokListesi;
    bool degistirme() const { return kaynak == SepetKaynagi::Sepet; }

    int stokno = 0; // whose picture is shown
    QString barkod, adi, marka, finishkod, model;

    double birimfiyat = 0;
    double indoran = 0;
    double indtutar = 0;
    double kdvdahiltutar = 0;
    double kdvlifiyat = 0;
    double kdvoran = 0;
    double adet = 1;
    // Caption of the discount label; nullopt keeps "İndirim:".
    std::optional<QString> indirimEtiketi;

    // Sent with the line.
    int kdvTam = 0;      // "KDV" as a whole number
    int kampanya = 0;    // "K" of a listed stock
    int sepetSirano = 0; // "SIRANO" of a basket line
};

// Reads the row of the named source table the way the dialog's opening rules say.
AcilisDegerleri acilisDegerleriOku(SepetKaynagi kaynak, const MemTable &tablo, int satir);

// A column's display text: amounts in their display format, everything else as text.
QString kolonMetni(const MemTable &tablo, int satir, const QString &kolon);
