#include "signin/GirisBilgisi.h"

#include "identity/WorkstationIdentity.h"
#include "remote/CallFrame.h"
#include "remote/DSConnection.h"
#include "remote/TServerMethods1Client.h"
#include "signin/GirisAdresleri.h"

std::optional<TSonucBilgisi> GirisBilgisiAl(const DSConnection &kaynak, const QString &idsi,
                                            const platform::CancelFlag &iptal)
{
    std::optional<TSonucBilgisi> kayit;
    try {
        const bool acildi = CallFrame::onOwnClone(kaynak, 0, [&](TServerMethods1Client &vekil) {
            if (const TSonucBilgisi *gelen = vekil.BuyukGetir(idsi)) {
                kayit.emplace();
                kayit->Kopyala(*gelen);
            }
        });
        if (!acildi)
            return std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
    if (!kayit)
        return std::nullopt;
    IstasyonAlanlariniDoldur(*kayit);
    kayit->Disip = DisIpAl(iptal);
    return kayit;
}
