#include "orders/AcilisDegerleri.h"

#include "identity/AmountFormat.h"
#include "remote/MemTable.h"

#include <cmath>

namespace {

const QString kampanyaliEtiketi = QStringLiteral("Kampanyalı");

double sayi(const MemTable &t, int satir, const char *kolon)
{
    const int c = t.columnIndex(QLatin1String(kolon));
    return c < 0 ? 0 : t.real(satir, c);
}

QString indirimEtiketi(const MemTable &t, int satir)
{
    return QStringLiteral("İndirim:  % ") + kolonMetni(t, satir, QStringLiteral("INDIRIM"));
}

double kdvDahil(double net, double kdvoran)
{
    return Yuvarla(net * (1 + kdvoran / 100));
}

// The prices of a listed stock; which VAT-inclusive figure and label apply depends on the list.
void listeFiyatlari(AcilisDegerleri &d, const MemTable &t, int satir)
{
    d.birimfiyat = sayi(t, satir, "FIYAT");
    d.indoran = sayi(t, satir, "INDIRIM");
    d.indtutar = sayi(t, satir, "NETFIYAT");
    d.kdvdahiltutar = sayi(t, satir, "KDVDAHIL");
    d.kdvlifiyat = sayi(t, satir, "KDVDAHIL");
}

} // namespace

QString kolonMetni(const MemTable &tablo, int satir, const QString &kolon)
{
    const int c = tablo.columnIndex(kolon);
    if (c < 0 || tablo.isNull(satir, c))
        return {};
    if (tablo.columnType(c) == ValueType::Double && !tablo.displayFormat(c).isEmpty())
        return formatAmount(tablo.real(satir, c));
    return tablo.text(satir, c);
}

AcilisDegerleri acilisDegerleriOku(SepetKaynagi kaynak, const MemTable &t, int satir)
{
    AcilisDegerleri d;
    d.kaynak = kaynak;
    d.kdvoran = sayi(t, satir, "KDV");
    d.kdvTam = int(std::lround(d.kdvoran));
    d.barkod = kolonMetni(t, satir, QStringLiteral("BARKOD"));
    d.marka = kolonMetni(t, satir, QStringLiteral("MARKA"));
    d.finishkod = kolonMetni(t, satir, QStringLiteral("FINISHKOD"));
    d.model = kolonMetni(t, satir, QStringLiteral("MODEL"));

    if (kaynak == SepetKaynagi::Sepet) {
        d.stokno = int(sayi(t, satir, "STOKNO"));
        d.adi = kolonMetni(t, satir, QStringLiteral("STOKADI"));
        d.birimfiyat = sayi(t, satir, "BIRIMFIYAT");
        d.indoran = sayi(t, satir, "INDIRIMORANI1");
        d.indtutar = sayi(t, satir, "NETBIRIMFIYAT");
        d.kdvdahiltutar = kdvDahil(d.indtutar, d.kdvoran);
        // The discounted price, so the opening total is the line's real total (the undiscounted
        // one overstated it until the first keystroke).
        d.kdvlifiyat = d.kdvdahiltutar;
        d.adet = sayi(t, satir, "MIKTAR");
        d.sepetSirano = int(sayi(t, satir, "SIRANO"));
        return d;
    }

    d.stokno = int(sayi(t, satir, "STOK_STOKNO"));
    d.adi = kolonMetni(t, satir, QStringLiteral("ADI"));
    d.kampanya = int(sayi(t, satir, "K"));
    const int k = d.kampanya;

    switch (kaynak) {
    case SepetKaynagi::StokListesi:
        if (k < 0)
            break; // no amounts at all, label unchanged
        listeFiyatlari(d, t, satir);
        if (k == 0) {
            d.indirimEtiketi = indirimEtiketi(t, satir);
        } else {
            d.indoran = 0;
            d.indirimEtiketi = kampanyaliEtiketi;
        }
        break;
    case SepetKaynagi::YeniStoklar:
        listeFiyatlari(d, t, satir);
        if (k > 0) {
            d.indirimEtiketi = kampanyaliEtiketi;
        } else {
            d.indirimEtiketi = indirimEtiketi(t, satir);
            d.kdvdahiltutar = kdvDahil(d.indtutar, d.kdvoran);
        }
        break;
    case SepetKaynagi::Kampanyali:
        listeFiyatlari(d, t, satir);
        d.kdvdahiltutar = kdvDahil(d.indtutar, d.kdvoran);
        break;
    case SepetKaynagi::Sepet:
        break;
    }
    return d;
}
