#include "app/basket/SepetKolonlari.h"

namespace {

struct Tanim
{
    const char *alan;
    const char *baslik; // nullptr: the column name is the header
    int agirlik;
    bool gorunur;
    bool secicide;
    ColumnKind tur = ColumnKind::Plain;
};

// Field, header, weight, shown, offered in the chooser.
const Tanim tanimlar[] = {
    {"SEC", "Seç", 1, true, false, ColumnKind::Tick},
    {"VERILISTARIHI", "Sipariş Tarihi", 1, true, true},
    {"SIRANO", nullptr, 0, false, false},
    {"SIPARISNO", "Sipariş No", 0, false, true},
    {"CARINO", nullptr, 0, false, false},
    {"TARIH", "Tarih", 1, false, true},
    {"AKTAR", nullptr, 0, false, false},
    {"STOKNO", nullptr, 0, false, false},
    {"BARKOD", "Barkod", 2, true, true},
    {"FINISHKOD", "Kod", 2, true, true},
    {"OEMNO", "OEMNo", 2, false, true},
    {"STOKADI", "Stok Açıklama", 3, true, true},
    {"MIKTAR", "Miktar", 1, true, true},
    {"BIRIMFIYAT", "Birim Fiyat", 1, true, true},
    {"TUTAR", "Tutar", 1, true, true},
    {"INDIRIMORANI1", "İndirim Oranı %", 1, true, true},
    {"INDIRIMORANI2", nullptr, 1, false, false},
    {"INDIRIMORANI3", nullptr, 1, false, false},
    {"INDIRIMTUTAR", "İndirim Tutar", 1, false, false},
    {"NETBIRIMFIYAT", "Net Fiyat", 1, true, true},
    {"KDV", nullptr, 1, true, true},
    {"VERGITUTARI", "Vergi Tutarı", 1, true, true},
    {"NETTUTAR", "Net Tutar", 1, true, true},
    {"KUR", "Kur", 1, false, true},
    {"KURTL", nullptr, 1, false, false},
    {"VERENIDNO", nullptr, 1, false, false},
    {"SAAT", "Saat", 1, false, true},
    {"TESLIMID", nullptr, 1, false, false},
    {"KARGOID", nullptr, 1, false, false},
    {"ACIKLAMA", "Açıklama", 1, false, true},
    {"IDNO", nullptr, 1, false, false},
    {"VERENSIRANO", nullptr, 1, false, false},
    {"VEREN", "Veren", 1, true, true},
    {"CARIKOD", "Cari Kod", 1, false, false},
    {"CARIADI", "Cari Adı", 1, false, false},
    {"OEM1", nullptr, 1, false, true},
    {"OEM2", nullptr, 1, false, true},
    {"OEM3", nullptr, 1, false, true},
    {"OEM4", nullptr, 1, false, true},
    {"STOK_STOKNO", nullptr, 1, false, false},
    {"URETICIKODU", nullptr, 1, false, false},
    {"DIGERADI", nullptr, 1, false, true},
    {"DPKOD", nullptr, 1, false, true},
    {"MARKA", "Marka", 1, false, true},
    {"MODEL", "Model", 1, false, true},
    {"ANAGRUP", "Ana Grup", 1, false, true},
    {"OZELKOD", "Özel Kod", 1, false, true},
    {"PKOD", nullptr, 1, false, true},
    {"DURUM", "Durum", 1, true, true, ColumnKind::Status},
    {"KALAN", "Kalan", 1, false, false},
};

} // namespace

QList<GridColumn> sepetKolonlari(int musteriTipi)
{
    const bool kalanGorur = musteriTipi == 1 || musteriTipi == 2;
    QList<GridColumn> kolonlar;
    for (const Tanim &t : tanimlar) {
        GridColumn k;
        k.field = QLatin1String(t.alan);
        if (t.baslik)
            k.caption = QString::fromUtf8(t.baslik);
        k.weight = t.agirlik;
        k.visible = t.gorunur;
        k.inChooser = t.secicide;
        k.kind = t.tur;
        if (k.field == QLatin1String("KALAN") && kalanGorur) {
            k.visible = true;
            k.inChooser = true;
        }
        if (k.field == QLatin1String("DURUM") && musteriTipi == 3) {
            k.visible = false;
            k.inChooser = false;
        }
        kolonlar.append(k);
    }
    return kolonlar;
}
