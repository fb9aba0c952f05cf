#pragma once

#include "platform/Task.h"

#include <QImage>
#include <QPointer>

#include <functional>
#include <memory>

class DSConnection;

// The stock picture of the add-to-basket dialog, fetched on the task pool.
namespace ResimGorevi {

inline constexpr int blokBoyu = 2048;

// What the task does to its window, always on the UI thread and only while the task is not
// cancelled and the window still exists. Cancelling happens on the UI thread too, so once the
// window has cancelled (when it closes) none of these runs again.
struct Hedef
{
    QPointer<QObject> pencere;
    std::function<void(qint64 bayt)> ilerlemeGoster;
    std::function<void()> ilerlemeGizle;
    std::function<void(const QImage &)> resimGoster;
};

// Starts the task on its own connection copy (made by the caller on the UI thread). It checks
// the connection (its message shown on the UI thread unless cancelled meanwhile), calls
// ResimVer5, reads the stream in blocks of 2048 bytes with progress, and shows the picture
// only when exactly the announced size arrived and it decodes as a JPEG picture. It stops at
// the cancellation checks: before the call, before every block and before showing.
platform::TaskHandle baslat(std::unique_ptr<DSConnection> kopya, int stokno, Hedef hedef);

} // namespace ResimGorevi
