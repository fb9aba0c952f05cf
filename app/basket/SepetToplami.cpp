#include "app/basket/SepetToplami.h"

#include "identity/AmountFormat.h"
#include "remote/MemTable.h"

SepetToplamlari SepetToplamHesapla(const MemTable &sepet)
{
    SepetToplamlari t;
    const int sec = sepet.columnIndex(QStringLiteral("SEC"));
    const int tutar = sepet.columnIndex(QStringLiteral("TUTAR"));
    const int indirim = sepet.columnIndex(QStringLiteral("INDIRIMTUTAR"));
    if (sec < 0)
        return t;
    for (int satir = 0; satir < sepet.rowCount(); ++satir) {
        // Anything but exactly 1 (a stray 2, a null) is not ticked.
        if (sepet.isNull(satir, sec) || sepet.real(satir, sec) != 1)
            continue;
        // Each running sum is rounded as it grows: 100.125 becomes 100.13 before 50 is added.
        if (tutar >= 0)
            t.toplam = Yuvarla(t.toplam + sepet.real(satir, tutar));
        if (indirim >= 0)
            t.indirim = Yuvarla(t.indirim + sepet.real(satir, indirim));
    }
    t.araToplam = Yuvarla(t.toplam - t.indirim);
    t.vergi = Yuvarla(Yuvarla(t.araToplam * 1.2) - t.araToplam);
    t.genelToplam = Yuvarla(t.araToplam + t.vergi);
    return t;
}
