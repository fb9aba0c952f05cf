#pragma once

// The amounts of the add-to-basket dialog. The boxes drive each other one way only: price and
// discount rate give the net price, the net price gives the VAT-inclusive price, that and the
// quantity give the total. Every amount is rounded with Yuvarla, as the boxes hold two decimals.

// Rates at or below this count as no discount.
inline constexpr double indirimEsigi = 0.0001;

struct FiyatSonucu
{
    double indtutar = 0;      // net unit price after discount
    double kdvdahiltutar = 0; // net unit price including VAT
    double geneltutar = 0;    // line total including VAT
};

// Total shown while only the quantity is known: quantity times the VAT-inclusive unit price.
double TutarHesapla(double adet, double kdvlifiyat);

// kdvoran in percent (20 = 20 %), indoran in percent.
FiyatSonucu FiyatHesapla(double birimfiyat, double indoran, double kdvoran, double adet);
