#pragma once

#include "SocketChannel.h"
#include "Value.h"

#include <QList>
#include <QString>

#include <memory>

// Speaks the wire protocol by hand, for what the proxy never sends: wrong parameter counts,
// broken objects, requests cut off in the middle.
class RawSession
{
public:
    explicit RawSession(quint16 port);

    // Prepares a method and returns its handle.
    quint32 prepare(const QString &method);
    // The Execute payload for these input values.
    static QByteArray executePayload(quint32 handle, const QList<Value> &inputs);
    // Sends an Execute and returns the error message, or an empty text when the server answered.
    QString execute(quint32 handle, const QList<Value> &inputs);
    SocketChannel &channel() { return *m_channel; }

    // On a fresh connection: greeting, prepare and the given share of the execute frame, written
    // at once without reading an answer; then the connection is closed.
    static void sendAndLeave(quint16 port, const QString &method, const QList<Value> &inputs, double share);

private:
    std::unique_ptr<SocketChannel> m_channel;
};
