#include "orders/SepeteEkle.h"

#include "identity/TSonucBilgisi.h"
#include "orders/AcilisDegerleri.h"
#include "orders/SepetErisimi.h"
#include "orders/Tstokayarinti.h"
#include "orders/UzakCagri.h"
#include "remote/DSConnection.h"
#include "remote/MemTable.h"
#include "remote/TServerMethods1Client.h"
#include "widgets/AmountEdit.h"

#include <memory>

namespace {

int sepetSatiriBul(const MemTable &sepet, const char *kolon, int deger)
{
    const int c = sepet.columnIndex(QLatin1String(kolon));
    for (int satir = 0; c >= 0 && satir < sepet.rowCount(); ++satir) {
        if (sepet.integer(satir, c) == deger)
            return satir;
    }
    return -1;
}

bool diyalogIleGonder(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                      const AcilisDegerleri &degerler)
{
    SepetDiyalogSonucu sonuc;
    {
        Tstokayarinti diyalog(owner);
        diyalog._bag = &bagc;
        diyalog.doldur(degerler, sbilgi.MusteriTipi == 1 || sbilgi.MusteriTipi == 2);
        if (diyalog.exec() != Tstokayarinti::SiparisEkle)
            return false;
        sonuc.adet = diyalog.okunanAdet();
        sonuc.birimfiyat = diyalog.birimfiyat()->value();
        sonuc.indoran = diyalog.indoran()->value();
    }
    if (degerler.degistirme()) {
        if (!SepetGuncelleGonder(bagc, sbilgi, degerler, sonuc))
            return false;
    } else if (SepeteEkleGonder(bagc, sbilgi, degerler, sonuc) != 1) {
        return false;
    }
    sepet.SepetAl();
    return true;
}

// Handlers end here: an error (a quantity that is not a number, a server error) is shown with
// its own text and nothing more happens.
template<class F>
bool raporlayarak(F &&adim)
{
    try {
        return adim();
    } catch (const std::exception &hata) {
        HataRaporla(hata);
        return false;
    }
}

bool listedenAc(SepetKaynagi kaynak, QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi,
                SepetErisimi &sepet, MemTable &liste, int satir)
{
    if (satir < 0 || satir >= liste.rowCount())
        return false;
    liste.setCurrentRow(satir);
    // Read now: loading the basket below lets other loads finish, which may refill the list.
    const AcilisDegerleri degerler = acilisDegerleriOku(kaynak, liste, satir);
    if (!sepet.sepetTablosu().isOpen())
        sepet.SepetAl();
    const MemTable &sepetTablosu = sepet.sepetTablosu();
    const int sepetSatiri = sepetSatiriBul(sepetTablosu, "STOKNO", degerler.stokno);
    if (sepetSatiri >= 0) {
        const int c = sepetTablosu.columnIndex(QStringLiteral("SIRANO"));
        return SepetSatirDegistir(owner, bagc, sbilgi, sepet, int(sepetTablosu.integer(sepetSatiri, c)));
    }
    return diyalogIleGonder(owner, bagc, sbilgi, sepet, degerler);
}

} // namespace

bool StoktanSepeteEkle(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                       MemTable &stok, int satir)
{
    return raporlayarak([&] { return listedenAc(SepetKaynagi::StokListesi, owner, bagc, sbilgi, sepet, stok, satir); });
}

bool YenidenSepeteEkle(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                       MemTable &YENILER, int satir)
{
    return raporlayarak(
        [&] { return listedenAc(SepetKaynagi::YeniStoklar, owner, bagc, sbilgi, sepet, YENILER, satir); });
}

bool KampanyadanSepeteEkle(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet,
                           MemTable &kampstok, int satir)
{
    return raporlayarak(
        [&] { return listedenAc(SepetKaynagi::Kampanyali, owner, bagc, sbilgi, sepet, kampstok, satir); });
}

bool SepetSatirDegistir(QWidget *owner, DSConnection &bagc, TSonucBilgisi &sbilgi, SepetErisimi &sepet, int sirano)
{
    const MemTable &tablo = sepet.sepetTablosu();
    const int satir = sepetSatiriBul(tablo, "SIRANO", sirano);
    if (satir < 0)
        return false;
    return raporlayarak(
        [&] { return diyalogIleGonder(owner, bagc, sbilgi, sepet, acilisDegerleriOku(SepetKaynagi::Sepet, tablo, satir)); });
}

int SepeteEkleGonder(const DSConnection &bagc, const TSonucBilgisi &sbilgi, const AcilisDegerleri &s,
                     const SepetDiyalogSonucu &sonuc)
{
    auto bilgi = bilgiKopyasi(sbilgi);
    int cevap = -1;
    UzakCagir(bagc, 1, [&](TServerMethods1Client &p) {
        cevap = p.SepetEkle(std::move(bilgi), sbilgi.CARINO, s.stokno, s.barkod, s.adi, sonuc.adet, s.kdvTam,
                            sonuc.birimfiyat, sonuc.indoran, sbilgi.Sirano, s.kampanya);
    });
    return cevap;
}

bool SepetGuncelleGonder(const DSConnection &bagc, const TSonucBilgisi &sbilgi, const AcilisDegerleri &s,
                         const SepetDiyalogSonucu &sonuc)
{
    auto bilgi = bilgiKopyasi(sbilgi);
    return UzakCagir(bagc, 1, [&](TServerMethods1Client &p) {
        p.SepetGuncelle(std::move(bilgi), sbilgi.CARINO, 0, s.barkod, s.adi, sonuc.adet, s.kdvTam, sonuc.birimfiyat,
                        sonuc.indoran, sbilgi.Sirano, s.sepetSirano);
    });
}
