#include "app/basket/SepetServisi.h"

#include "identity/TSonucBilgisi.h"
#include "orders/UzakCagri.h"
#include "remote/ResultSetReader.h"
#include "remote/TServerMethods1Client.h"
#include "remote/TableHelpers.h"

#include <memory>

namespace {

constexpr int mesajla = 1;

// Column 0 the id, column 1 the text, in the order received.
QList<SepetServisi::Secenek> secenekler(ResultSetReader *okuyucu)
{
    MemTable tablo;
    CopyResultSet(okuyucu, tablo);
    QList<SepetServisi::Secenek> liste;
    if (tablo.columnCount() < 2)
        return liste;
    for (int satir = 0; satir < tablo.rowCount(); ++satir)
        liste.append({int(tablo.integer(satir, 0)), tablo.text(satir, 1)});
    return liste;
}

} // namespace

SepetServisi::SepetServisi(DSConnection &bagc, TSonucBilgisi &sbilgi) : m_bagc(bagc), m_sbilgi(sbilgi)
{
}

int SepetServisi::carino() const
{
    return m_sbilgi.CARINO;
}

std::optional<MemTable> SepetServisi::SepetVer() const
{
    MemTable tablo;
    const int cari = m_sbilgi.CARINO;
    if (!UzakCagir(m_bagc, mesajla, [&](TServerMethods1Client &p) { CopyResultSet(p.SepetVer(cari), tablo); }))
        return std::nullopt;
    FloatFormatla(tablo);
    return tablo;
}

std::optional<SepetServisi::TeslimKargo> SepetServisi::TeslimKargoVer() const
{
    TeslimKargo sonuc;
    if (!UzakCagir(m_bagc, mesajla, [&](TServerMethods1Client &p) {
            sonuc.teslim = secenekler(p.TeslimVer());
            sonuc.kargo = secenekler(p.KargoVer());
        }))
        return std::nullopt;
    return sonuc;
}

std::optional<MemTable> SepetServisi::KargolarVer(int kargoTuru) const
{
    MemTable tablo;
    if (!UzakCagir(m_bagc, mesajla, [&](TServerMethods1Client &p) { CopyResultSet(p.KargolarVer(kargoTuru), tablo); }))
        return std::nullopt;
    return tablo;
}

bool SepetServisi::SecimKaydet(int sirano, int secim) const
{
    try {
        return UzakCagir(m_bagc, mesajla, [&](TServerMethods1Client &p) { p.SepetSecimGuncelle(sirano, secim); });
    } catch (const std::exception &) {
        return false;
    }
}

bool SepetServisi::SatirSil(int sirano, const QString &aciklama) const
{
    auto bilgi = bilgiKopyasi(m_sbilgi);
    return UzakCagir(m_bagc, mesajla,
                     [&](TServerMethods1Client &p) { p.SepetSatirSil(std::move(bilgi), sirano, aciklama); });
}

bool SepetServisi::HepsiniSil() const
{
    auto bilgi = bilgiKopyasi(m_sbilgi);
    return UzakCagir(m_bagc, mesajla, [&](TServerMethods1Client &p) { p.SepetHepsiniSil(std::move(bilgi)); });
}

bool SepetServisi::SiparisKaydet(int teslim, int kargo, const QString &aciklama, int kargoFirmasi) const
{
    auto bilgi = bilgiKopyasi(m_sbilgi);
    const int cari = m_sbilgi.CARINO;
    const int veren = m_sbilgi.Sirano;
    bool kaydedildi = false;
    const bool baglandi = UzakCagir(m_bagc, mesajla, [&](TServerMethods1Client &p) {
        kaydedildi = p.SiparisKaydet(std::move(bilgi), cari, teslim, kargo, aciklama, veren, kargoFirmasi);
    });
    return baglandi && kaydedildi;
}
