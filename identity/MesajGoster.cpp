#include "identity/MesajGoster.h"

#include "identity/MesajPenceresi.h"
#include "platform/Beep.h"
#include "platform/Task.h"

#include <QApplication>
#include <QPointer>

#include <mutex>

namespace {

std::mutex s_mutex;
MesajYanitlayici s_yanitlayici;
MesajPenceresiKancasi s_kanca;

template<class T>
T oku(const T &deger)
{
    std::lock_guard lock(s_mutex);
    return deger;
}

void sesCal(int tur)
{
    static constexpr platform::BeepKind sesler[] = {
        platform::BeepKind::Exclamation, // Uyarı
        platform::BeepKind::Stop,        // Hata
        platform::BeepKind::Asterisk,    // Bilgi
        platform::BeepKind::Question,    // Soru
    };
    if (tur >= 0 && tur < int(std::size(sesler)))
        platform::beep(sesler[tur]);
}

int goster(const QString &metin, int tur, int dugmeler, int varsayilan)
{
    if (const MesajYanitlayici yanitlayici = oku(s_yanitlayici)) {
        sesCal(tur);
        return yanitlayici(tur, metin, dugmeler, varsayilan);
    }
    // Owned by the active window for stacking; held through a guard because that window may
    // be destroyed while the dialog is open, taking the dialog with it.
    QPointer<MesajPenceresi> pencere =
        new MesajPenceresi(metin, tur, dugmeler, varsayilan, QApplication::activeWindow());
    sesCal(tur);
    const MesajPenceresiKancasi kanca = oku(s_kanca);
    const int sonuc = pencere->calistir(
        kanca ? std::function<void()>([kanca, pencere] {
            if (pencere)
                kanca(*pencere);
        })
              : std::function<void()>());
    delete pencere.data();
    return sonuc;
}

} // namespace

int MesajGoster(const QString &metin, int tur, int dugmeler, int varsayilan)
{
    return platform::Task::runOnUiAndWait([&] { return goster(metin, tur, dugmeler, varsayilan); });
}

MesajYanitlayici MesajYanitlayiciKur(MesajYanitlayici yanitlayici)
{
    std::lock_guard lock(s_mutex);
    std::swap(s_yanitlayici, yanitlayici);
    return yanitlayici;
}

MesajPenceresiKancasi MesajPenceresiKancasiKur(MesajPenceresiKancasi kanca)
{
    std::lock_guard lock(s_mutex);
    std::swap(s_kanca, kanca);
    return kanca;
}
