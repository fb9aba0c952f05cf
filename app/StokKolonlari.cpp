#include "StokKolonlari.h"

namespace {
// field, caption, weight, shown, chooser, kind
struct Tanim
{
    const char *field;
    const char *caption;
    int weight;
    bool visible;
    bool inChooser;
    ColumnKind kind = ColumnKind::Plain;
};

QList<GridColumn> kolonlar(std::initializer_list<Tanim> tanimlar)
{
    QList<GridColumn> list;
    for (const Tanim &t : tanimlar) {
        GridColumn c;
        c.field = QString::fromUtf8(t.field);
        c.caption = QString::fromUtf8(t.caption);
        c.weight = t.weight;
        c.visible = t.visible;
        c.inChooser = t.inChooser;
        c.kind = t.kind;
        list.append(c);
    }
    return list;
}
} // namespace

QList<GridColumn> stokKolonlari()
{
    QList<GridColumn> list = kolonlar({
        {"DURUM", "Durum", 1, true, true, ColumnKind::Status},
        {"OEM1", "Oem1", 2, false, false},
        {"OEM2", "Oem2", 2, false, false},
        {"OEM3", "Oem3", 2, false, false},
        {"BARKOD", "Barkod", 2, true, true},
        {"FINISHKOD", "Kod", 2, true, true},
        {"ADI", "Açıklama", 3, true, true},
        {"OEM4", "Oem4", 2, false, true},
        {"STOK_STOKNO", "", 1, false, false},
        {"URETICIKODU", "Üretici Kod", 2, false, true},
        {"RESIM", "Resim", 1, true, true, ColumnKind::PictureFlag},
        {"BARKOD_BARKODNO", "", 1, false, false},
        {"DIGERADI", "Diğer Adı", 3, false, true},
        {"DPKOD", "", 2, false, false},
        {"OEMNO", "Oem No", 2, false, true},
        {"BIRIM", "Birim", 1, false, true},
        {"MARKA", "Marka", 2, true, true},
        {"MODEL", "Model", 2, false, true},
        {"ANAGRUP", "Ana Grup", 2, false, true},
        {"OZELKOD", "Özel Kod", 2, false, true},
        {"KALAN", "", 1, false, false},
        {"PKOD", "", 1, false, false},
        {"KDV", "", 1, false, true},
        {"ALINANSIPARIS", "", 1, false, false},
        {"VERILENSIPARIS", "", 1, false, false},
        {"LISTEFIYAT1", "Liste Fiyatı", 2, true, true},
        {"KAMPFIYAT", "Kampanyalı Fiyat", 2, true, true},
        {"FIYAT", "Liste Fiyatı", 2, false, true},
        {"Y", "Yeni", 1, true, true, ColumnKind::PictureFlag},
        {"K", "Kampanyalı", 1, true, true, ColumnKind::PictureFlag},
        {"INDIRIM", "İndirim Oran", 1, true, true},
        {"NETFIYAT", "Net Fiyatı", 2, true, true},
        {"KDVDAHIL", "KDV Dahil Fiyat", 3, true, true},
    });
    GridColumn fiyat;
    fiyat.field = fiyatBilgisiKolonu;
    fiyat.caption = QStringLiteral("Fiyat Bilgisi");
    fiyat.weight = 2;
    fiyat.visible = false;
    fiyat.kind = ColumnKind::Custom;
    list.append(fiyat);
    return list;
}

QList<GridColumn> yeniStokKolonlari()
{
    return kolonlar({
        {"OEM1", "Oem1", 2, false, false},
        {"OEM2", "Oem2", 2, false, false},
        {"OEM3", "Oem3", 2, false, false},
        {"ADI", "Açıklama", 3, true, true},
        {"RESIM", "Resim", 0, true, true, ColumnKind::PictureFlag},
        {"BARKOD", "Barkod", 2, false, true},
        {"OEM4", "Oem4", 2, false, false},
        {"STOK_STOKNO", "", 1, false, false},
        {"FINISHKOD", "Kod", 2, true, true},
        {"URETICIKODU", "Üretici Kod", 2, false, true},
        {"BARKOD_BARKODNO", "", 1, false, false},
        {"DIGERADI", "Diğer Adı", 3, false, true},
        {"DPKOD", "", 2, false, false},
        {"OEMNO", "Oem No", 2, false, true},
        {"BIRIM", "Birim", 1, true, true},
        {"MARKA", "Marka", 2, true, true},
        {"MODEL", "Model", 2, true, true},
        {"ANAGRUP", "Ana Grup", 2, false, true},
        {"OZELKOD", "Özel Kod", 2, false, true},
        {"KALAN", "", 1, false, false},
        {"PKOD", "", 1, false, false},
        {"KDV", "", 1, false, true},
        {"ALINANSIPARIS", "", 1, false, false},
        {"VERILENSIPARIS", "", 1, false, false},
        {"FIYAT", "Liste Fiyatı2", 2, false, true},
        {"K", "Kampanyalı", 1, true, true, ColumnKind::PictureFlag},
        {"LISTEFIYAT1", "Liste Fiyatı", 2, true, true},
        {"KAMPFIYAT", "Kampanyalı Fiyatı", 2, true, true},
        {"INDIRIM", "İndirim Oran", 1, true, true},
        {"NETFIYAT", "Net Fiyatı", 2, true, true},
        {"KDVDAHIL", "KDV Dahil Fiyat", 2, true, true},
    });
}

QList<GridColumn> kampanyaKolonlari()
{
    return kolonlar({
        {"OEM1", "Oem1", 2, false, false},
        {"OEM2", "Oem2", 2, false, false},
        {"OEM3", "Oem3", 2, false, false},
        {"ADI", "Açıklama", 3, true, true},
        {"BARKOD", "Barkod", 2, false, true},
        {"OEM4", "Oem4", 2, false, false},
        {"STOK_STOKNO", "", 1, false, false},
        {"RESIM", "Resim", 1, true, true, ColumnKind::PictureFlag},
        {"FINISHKOD", "Kod", 2, true, true},
        {"URETICIKODU", "Üretici Kod", 2, false, true},
        {"BARKOD_BARKODNO", "", 1, false, false},
        {"DIGERADI", "Diğer Adı", 3, false, true},
        {"DPKOD", "", 2, false, false},
        {"OEMNO", "Oem No", 2, false, true},
        {"BIRIM", "Birim", 1, true, true},
        {"MARKA", "Marka", 2, true, true},
        {"MODEL", "Model", 2, true, true},
        {"ANAGRUP", "Ana Grup", 2, false, true},
        {"OZELKOD", "Özel Kod", 2, false, true},
        {"KALAN", "", 1, false, false},
        {"PKOD", "", 1, false, false},
        {"KDV", "", 1, false, true},
        {"ALINANSIPARIS", "", 1, false, false},
        {"VERILENSIPARIS", "", 1, false, false},
        {"ESKIFIYAT", "Liste Fiyatı", 2, true, true},
        {"FIYAT", "Kampanyalı Fiyatı", 2, true, true},
        {"Y", "Yeni", 1, true, true, ColumnKind::PictureFlag},
        {"K", "Kampanyalı", 1, true, true, ColumnKind::PictureFlag},
        {"INDIRIM", "İndirim Oran", 1, true, true},
        {"NETFIYAT", "Net Fiyatı", 2, true, true},
        {"KDVDAHIL", "KDV Dahil Fiyat", 2, true, true},
        {"DURUM", "Durum", 1, true, true, ColumnKind::Status},
    });
}
