#include "platform/ProcessEnd.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace platform {

namespace {
std::mutex s_mutex;
EndProcessHook s_hook;
} // namespace

void endProcess(int code)
{
    EndProcessHook hook;
    {
        std::lock_guard lock(s_mutex);
        hook = s_hook;
    }
    if (hook) {
        hook(code);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(code);
}

EndProcessHook setEndProcessHook(EndProcessHook hook)
{
    std::lock_guard lock(s_mutex);
    std::swap(s_hook, hook);
    return hook;
}

} // namespace platform
