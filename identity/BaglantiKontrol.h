#pragma once

#include <functional>

class CheckableConnection;

// Pause between failed attempts; the default sleeps the calling thread.
using BaglantiBekleme = std::function<void(int milliseconds)>;

// Closes the connection and opens it again: at most 11 attempts, each failure (the last one
// too) followed by a 500 ms pause. True when the connection is open. With show == 1 a final
// failure is reported with "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!". Blocks the
// calling thread for up to 5.5 s of pauses; every error of the attempts is swallowed.
bool BaglantiKontrol(CheckableConnection &connection, int show);
bool BaglantiKontrol(CheckableConnection &connection, int show, const BaglantiBekleme &pause);
