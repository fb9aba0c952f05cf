#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QVariant>

// Rules of the stock list that do not need a window, kept apart so they are tested as tables.

// The search box takes Turkish letters as their plain capitals (ç -> c, ı -> I, ...); the box
// then shows everything in upper case.
QChar araHarfCevir(QChar typed);

// The drawn "Fiyat Bilgisi" cell: one line per price, campaign price and discount only when set.
QString fiyatBilgisiMetni(double listeFiyati, double kampanyaFiyati, double indirimOrani, double netFiyat,
                          double kdvDahilFiyat, const QLocale &locale = QLocale());

// Window width from which the five price columns replace the drawn price cell.
inline constexpr int stokGenisEsik = 1300;
struct StokKolonDuzeni
{
    bool fiyatKolonlari; // the five price columns shown, "Fiyat Bilgisi" hidden
    int satirYuksekligi;
};
StokKolonDuzeni stokKolonDuzeni(int pencereGenisligi);

// Start-up badge captions from the columns of the badge result set, by position.
QString balonBasligi(int kolon, const QVariant &deger);
