#include "downloads/KurulumBaslatici.h"

#include "platform/ShellOpen.h"

#include <mutex>

namespace {
std::mutex s_mutex;
KurulumBaslaticisi s_baslatici;
} // namespace

bool KurulumBaslat(const QString &program, const QStringList &parametreler)
{
    KurulumBaslaticisi baslatici;
    {
        std::lock_guard lock(s_mutex);
        baslatici = s_baslatici;
    }
    if (baslatici)
        return baslatici(program, parametreler);
    return platform::startProgram(program, parametreler);
}

KurulumBaslaticisi KurulumBaslaticisiKur(KurulumBaslaticisi baslatici)
{
    std::lock_guard lock(s_mutex);
    std::swap(s_baslatici, baslatici);
    return baslatici;
}
