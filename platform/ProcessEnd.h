#pragma once

#include <functional>

namespace platform {

using EndProcessHook = std::function<void(int code)>;

// Ends the process at once with the exit code: no clean-up, no destructors, no event loop,
// as the program has always done on a cancelled login and after the exit notice.
// With a hook installed the hook is called instead and endProcess returns, so callers
// write `endProcess(0); return;`.
void endProcess(int code);

// Installs a hook that intercepts endProcess (tests); an empty hook restores the real end.
// Returns the previous hook.
EndProcessHook setEndProcessHook(EndProcessHook hook);

} // namespace platform
