#include "orders/UzakCagri.h"

#include "identity/MesajGoster.h"
#include "identity/TSonucBilgisi.h"
#include "platform/Task.h"
#include "remote/DSException.h"
#include "remote/DSConnection.h"

#include <exception>
#include <memory>

bool UzakCagir(const DSConnection &bagc, int mesajGoster, const CallFrame::Call &call)
{
    struct Durum
    {
        std::unique_ptr<DSConnection> kopya;
        bool basarili = false;
        std::exception_ptr hata;
    };
    auto durum = std::make_shared<Durum>();
    durum->kopya = bagc.clone();

    // The body only touches what `durum` holds and what `call` refers to; we wait below, so
    // the caller's references stay valid.
    const platform::TaskHandle gorev = platform::Task::run(nullptr, [durum, mesajGoster, &call] {
        try {
            durum->basarili = mesajGoster == 1 ? CallFrame::onCheckedConnection(*durum->kopya, call)
                                               : CallFrame::onOwnClone(*durum->kopya, 0, call);
        } catch (...) {
            durum->hata = std::current_exception();
        }
    });
    gorev.wait();
    if (durum->hata)
        std::rethrow_exception(durum->hata);
    return durum->basarili;
}

void HataRaporla(const std::exception &hata)
{
    const auto *uzak = dynamic_cast<const DSException *>(&hata);
    MesajGoster(uzak ? uzak->message() : QString::fromUtf8(hata.what()), mesaj::Hata, mesaj::SetTamam,
                mesaj::DugmeTamam);
}

std::unique_ptr<TSonucBilgisi> bilgiKopyasi(const TSonucBilgisi &kaynak)
{
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(kaynak);
    return kopya;
}
