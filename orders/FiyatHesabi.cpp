#include "orders/FiyatHesabi.h"

#include "identity/AmountFormat.h"

double TutarHesapla(double adet, double kdvlifiyat)
{
    return Yuvarla(adet * kdvlifiyat);
}

FiyatSonucu FiyatHesapla(double birimfiyat, double indoran, double kdvoran, double adet)
{
    const double kdvCarpani = 1 + kdvoran / 100;
    double net = Yuvarla(birimfiyat);
    if (indoran > indirimEsigi)
        net = Yuvarla(net - Yuvarla(net * indoran / 100));
    FiyatSonucu sonuc;
    sonuc.indtutar = net;
    sonuc.kdvdahiltutar = Yuvarla(net * kdvCarpani);
    sonuc.geneltutar = Yuvarla(sonuc.kdvdahiltutar * adet);
    return sonuc;
}
