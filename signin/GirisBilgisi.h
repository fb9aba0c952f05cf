#pragma once

#include "identity/TSonucBilgisi.h"
#include "platform/CancelFlag.h"

#include <QString>

#include <optional>

class DSConnection;

// The login record the server holds for this workstation, fetched on the worker of the
// sign-in over a clone of `kaynak` (checked without its message), with this machine's
// workstation fields and public address written over the server's. Nothing when the
// connection cannot be opened, the call fails or the server returns no record.
std::optional<TSonucBilgisi> GirisBilgisiAl(const DSConnection &kaynak, const QString &idsi,
                                            const platform::CancelFlag &iptal);
