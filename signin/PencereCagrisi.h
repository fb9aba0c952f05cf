#pragma once

#include "platform/Task.h"
#include "remote/CallFrame.h"

#include <functional>
#include <memory>
#include <optional>

class DSConnection;
class QObject;

// A remote call of a window made on a worker task, so the window keeps painting while the
// server answers. The frame runs the call on the worker (open, proxy, call, close) and says
// whether the call was made; `call` copies what the window needs out of the proxy's results.
// `done` runs on the UI thread while `context` lives, with the copied value, or with nothing
// when the frame did not call or the call raised; a raised error then reaches the general
// error report with its own text.
namespace PencereCagrisi {

using Cerceve = std::function<bool(const CallFrame::Call &)>;

// A connection handed over by the opener, opened without a check. The call runs on a clone
// made here, on the calling thread, so the handed connection itself stays with the UI thread.
Cerceve elVerilen(const DSConnection &bag);

// The window's own clone, checked with its message before each call. The window makes one
// call at a time on it; the task shares it, so the window may close while a call runs.
Cerceve kendiKopyasi(std::shared_ptr<DSConnection> kopya);

template<class R, class Call, class Done>
platform::TaskHandle calistir(QObject *context, Cerceve cerceve, Call call, Done done)
{
    auto sonuc = std::make_shared<std::optional<R>>();
    return platform::Task::run(
        context,
        [cerceve = std::move(cerceve), call = std::move(call), sonuc] {
            cerceve([&](TServerMethods1Client &vekil) { sonuc->emplace(call(vekil)); });
        },
        [sonuc, done = std::move(done)] { done(std::move(*sonuc)); });
}

} // namespace PencereCagrisi
