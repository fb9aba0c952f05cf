#pragma once

#include <functional>
#include <memory>

class DSConnection;
class TServerMethods1Client;

// The ways a screen makes a remote call. Each opens a connection for the call, builds a proxy
// for it, and closes and frees both afterwards, also when the call raises (the error then
// reaches the caller). `call` copies what it needs out of the proxy's results.
namespace CallFrame {
using Call = std::function<void(TServerMethods1Client &)>;

// Own clone per call (worker tasks and some calls on the UI thread). False when the
// connection check failed; then nothing was called.
bool onOwnClone(const DSConnection &source, int showMessage, const Call &call);

// The given connection after a check that shows its message on failure.
bool onCheckedConnection(DSConnection &connection, const Call &call);

// A connection handed over by the opener: opened without a check; an open error raises.
void onHandedConnection(DSConnection &connection, const Call &call);
} // namespace CallFrame

// A window's own clone of its opener's connection; every call is a checked call on it.
class OwnClone
{
public:
    explicit OwnClone(const DSConnection &source);
    ~OwnClone();

    bool call(const CallFrame::Call &call);
    DSConnection &connection() { return *m_clone; }

private:
    std::unique_ptr<DSConnection> m_clone;
};
