#include "orders/ResimGorevi.h"

#include "identity/BaglantiKontrol.h"
#include "identity/MesajGoster.h"
#include "remote/DSConnection.h"
#include "remote/RemoteStream.h"
#include "remote/TServerMethods1Client.h"

#include <QByteArray>

namespace ResimGorevi {

namespace {

// Runs fn on the UI thread and waits, unless the window has gone or cancelled by then.
void pencereyeUygula(const platform::CancelFlag &iptal, const Hedef &hedef, const std::function<void()> &fn)
{
    platform::Task::runOnUiAndWait([&] {
        if (!iptal.isCancelled() && hedef.pencere)
            fn();
    });
}

void ResimVerx4(DSConnection &kopya, int stokno, const Hedef &hedef, const platform::CancelFlag &iptal)
{
    if (!BaglantiKontrol(kopya, 0)) {
        pencereyeUygula(iptal, hedef, [] {
            MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"), mesaj::Hata,
                        mesaj::SetTamam, mesaj::DugmeTamam);
        });
        return;
    }
    if (iptal.isCancelled())
        return;

    try {
        TServerMethods1Client proxy(kopya);
        qint64 boy = 0;
        RemoteStream *akis = proxy.ResimVer5(stokno, boy);
        if (!akis)
            return;
        akis->seekToStart();
        if (boy > 0)
            pencereyeUygula(iptal, hedef, [&] { hedef.ilerlemeGoster(boy); });

        QByteArray tampon;
        if (boy > 0) {
            char blok[blokBoyu];
            qint64 okunan = 0;
            do {
                if (iptal.isCancelled())
                    return;
                okunan = akis->read(blok, blokBoyu);
                if (okunan > 0) {
                    tampon.append(blok, okunan);
                    const qint64 toplam = tampon.size();
                    pencereyeUygula(iptal, hedef, [&] { hedef.ilerlemeGoster(toplam); });
                }
                // More than announced is not the picture that was announced: stop reading.
            } while (okunan == blokBoyu && tampon.size() <= boy);
        }

        if (boy > 0 && tampon.size() == boy) {
            const QImage resim = QImage::fromData(tampon, "JPEG");
            if (!resim.isNull())
                pencereyeUygula(iptal, hedef, [&] {
                    hedef.resimGoster(resim);
                    hedef.ilerlemeGizle();
                });
        }
    } catch (...) {
        // No picture, a broken stream or a server error: the placeholder stays, nothing is said.
    }
    pencereyeUygula(iptal, hedef, [&] { hedef.ilerlemeGizle(); });
}

} // namespace

platform::TaskHandle baslat(std::unique_ptr<DSConnection> kopya, int stokno, Hedef hedef)
{
    std::shared_ptr<DSConnection> baglanti(std::move(kopya));
    return platform::Task::run(nullptr, [baglanti, stokno, hedef = std::move(hedef)](const platform::CancelFlag &iptal) {
        ResimVerx4(*baglanti, stokno, hedef, iptal);
        baglanti->close();
    });
}

} // namespace ResimGorevi
