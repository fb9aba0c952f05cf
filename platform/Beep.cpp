#include "platform/Beep.h"

#include <QApplication>

#include <mutex>

namespace platform {

namespace {
std::mutex s_mutex;
BeepHook s_hook;
} // namespace

void beep(BeepKind kind)
{
    BeepHook hook;
    {
        std::lock_guard lock(s_mutex);
        hook = s_hook;
    }
    if (hook) {
        hook(kind);
        return;
    }
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

BeepHook setBeepHook(BeepHook hook)
{
    std::lock_guard lock(s_mutex);
    std::swap(s_hook, hook);
    return hook;
}

} // namespace platform
