#pragma once

#include "remote/CallFrame.h"

#include <exception>
#include <memory>

class DSConnection;
class TSonucBilgisi;

// A fresh copy of the login record for one call: the proxy consumes what it is given.
std::unique_ptr<TSonucBilgisi> bilgiKopyasi(const TSonucBilgisi &kaynak);

// One short interactive remote call of a window. The connection is cloned here, on the UI
// thread, and the call runs on the task pool on that clone, while the UI thread waits serving
// paint events, hand-overs (the connection message) and task completions but no user input:
// the window stays drawn and takes no clicks until the call is over.
//
// With mesajGoster == 1 a failed connection check shows its message. Returns false when the
// check failed (nothing was called); an error raised by the call is raised again here.
bool UzakCagir(const DSConnection &bagc, int mesajGoster, const CallFrame::Call &call);

// The general error report of the interactive handlers: an error that no step of a handler
// catches is shown with its own text, and the user goes on working.
void HataRaporla(const std::exception &hata);

template<class F>
void HatalariRaporla(F &&adim)
{
    try {
        adim();
    } catch (const std::exception &hata) {
        HataRaporla(hata);
    }
}
