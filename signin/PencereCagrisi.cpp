#include "signin/PencereCagrisi.h"

#include "remote/DSConnection.h"

namespace PencereCagrisi {

Cerceve elVerilen(const DSConnection &bag)
{
    std::shared_ptr<DSConnection> kopya = bag.clone();
    return [kopya](const CallFrame::Call &call) {
        CallFrame::onHandedConnection(*kopya, call);
        return true;
    };
}

Cerceve kendiKopyasi(std::shared_ptr<DSConnection> kopya)
{
    return [kopya = std::move(kopya)](const CallFrame::Call &call) {
        return CallFrame::onCheckedConnection(*kopya, call);
    };
}

} // namespace PencereCagrisi
