#pragma once

#include <functional>

namespace platform {

// System sound kinds, numbered as the message sounds of the original system.
enum class BeepKind {
    Stop = 0x10,
    Question = 0x20,
    Exclamation = 0x30,
    Asterisk = 0x40,
};

using BeepHook = std::function<void(BeepKind)>;

// Plays the sound of a kind. The desktop offers one bell, so every kind rings it.
void beep(BeepKind kind);

// Replaces the sound with a call (tests record the kinds); an empty hook restores the bell.
// Returns the previous hook.
BeepHook setBeepHook(BeepHook hook);

} // namespace platform
