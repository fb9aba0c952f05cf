#include "OrderLineColumns.h"

#include "ResultColumns.h"

using namespace ColumnType;

const char *const OrderLineColumns::stateText =
    "CASE o.durum WHEN 1 THEN 'Alındı' WHEN 2 THEN 'Onaylandı' WHEN 3 THEN 'Görüldü'"
    " WHEN 4 THEN 'Parçalı Hazırlandı' WHEN 5 THEN 'Hazırlandı' WHEN 6 THEN 'Sevk Edildi' ELSE '' END";

const ResultColumns &OrderLineColumns::detail()
{
    static const ResultColumns columns{
        {"VERILISTARIHI", DT}, {"SIRANO", I}, {"SIPARISNO", I}, {"CARINO", I}, {"TARIH", DT}, {"AKTAR", I},
        {"STOKNO", I}, {"BARKOD", T}, {"FINISHKOD", T}, {"OEMNO", T}, {"STOKADI", T}, {"MIKTAR", D},
        {"BIRIMFIYAT", D}, {"TUTAR", D}, {"INDIRIMORANI1", D}, {"INDIRIMORANI2", D}, {"INDIRIMORANI3", D},
        {"INDIRIMTUTAR", D}, {"NETBIRIMFIYAT", D}, {"KDV", D}, {"VERGITUTARI", D}, {"NETTUTAR", D}, {"KUR", T},
        {"KURTL", D}, {"VERENIDNO", I}, {"TESLIMID", I}, {"KARGOID", I}, {"IDNO", I}, {"VERENSIRANO", I},
        {"STOK_STOKNO", I}, {"URETICIKODU", T}, {"SAAT", T}, {"ACIKLAMA", T}, {"VEREN", T}, {"CARIKOD", T},
        {"CARIADI", T}, {"OEM1", T}, {"OEM2", T}, {"OEM3", T}, {"OEM4", T}, {"DIGERADI", T}, {"DPKOD", T},
        {"PKOD", T}, {"MARKA", T}, {"MODEL", T}, {"ANAGRUP", T}, {"OZELKOD", T}, {"TESLIM", T}, {"KARGO", T},
        {"TESLIMEDILEN", D}, {"KALAN", D},
    };
    return columns;
}

const ResultColumns &OrderLineColumns::balance()
{
    static const ResultColumns columns(detail(), {{"ILKFIYAT", D}, {"STOKHAR_NO", I}, {"ELDEKI", D}, {"DURUM", I},
                                                  {"ALINANSIPARIS", D}, {"VERILENSIPARIS", D}});
    return columns;
}
