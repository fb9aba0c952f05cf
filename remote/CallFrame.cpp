#include "CallFrame.h"

#include "DSConnection.h"
#include "TServerMethods1Client.h"
#include "identity/BaglantiKontrol.h"

namespace {
// Closes the connection when the call is over, whichever way it ends.
struct CloseAfter
{
    DSConnection &connection;
    ~CloseAfter() { connection.close(); }
};

void callOn(DSConnection &connection, const CallFrame::Call &call)
{
    CloseAfter closer{connection};
    TServerMethods1Client proxy(connection);
    call(proxy);
}
} // namespace

namespace CallFrame {

bool onOwnClone(const DSConnection &source, int showMessage, const Call &call)
{
    std::unique_ptr<DSConnection> clone = source.clone();
    if (!BaglantiKontrol(*clone, showMessage))
        return false;
    callOn(*clone, call);
    return true;
}

bool onCheckedConnection(DSConnection &connection, const Call &call)
{
    if (!BaglantiKontrol(connection, 1))
        return false;
    callOn(connection, call);
    return true;
}

void onHandedConnection(DSConnection &connection, const Call &call)
{
    connection.open();
    callOn(connection, call);
}

} // namespace CallFrame

OwnClone::OwnClone(const DSConnection &source) : m_clone(source.clone())
{
}

OwnClone::~OwnClone() = default;

bool OwnClone::call(const CallFrame::Call &call)
{
    return CallFrame::onCheckedConnection(*m_clone, call);
}
