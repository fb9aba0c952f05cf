#include "RawSession.h"

#include "ByteIo.h"
#include "DSException.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

RawSession::RawSession(quint16 port) : m_channel(SocketChannel::connectTo(QStringLiteral("127.0.0.1"), port, 3000))
{
    QByteArray hello;
    ByteWriter w(hello);
    w.u32(protocolVersion);
    w.text(QStringLiteral("raw"));
    m_channel->sendFrame(FrameType::Hello, hello);
    if (m_channel->readFrame().type != FrameType::Welcome)
        throw DSException(QStringLiteral("no welcome"));
}

quint32 RawSession::prepare(const QString &method)
{
    QByteArray payload;
    ByteWriter(payload).text(QStringLiteral("TServerMethods1.") + method);
    m_channel->sendFrame(FrameType::Prepare, payload);
    const Frame answer = m_channel->readFrame();
    if (answer.type != FrameType::Prepared)
        WireCodec::raiseError(answer.payload);
    ByteReader r(answer.payload);
    return r.u32();
}

QByteArray RawSession::executePayload(quint32 handle, const QList<Value> &inputs)
{
    QByteArray payload;
    ByteWriter w(payload);
    w.u32(handle);
    w.u16(quint16(inputs.size()));
    for (const Value &v : inputs)
        WireCodec::writeValue(w, v);
    return payload;
}

QString RawSession::execute(quint32 handle, const QList<Value> &inputs)
{
    m_channel->sendFrame(FrameType::Execute, executePayload(handle, inputs));
    const Frame answer = m_channel->readFrame();
    if (answer.type != FrameType::Error)
        return {};
    try {
        WireCodec::raiseError(answer.payload);
    } catch (const DSException &e) {
        return e.message();
    }
    return {};
}

void RawSession::sendAndLeave(quint16 port, const QString &method, const QList<Value> &inputs, double share)
{
    const auto frame = [](FrameType type, const QByteArray &payload) {
        return encodeFrameHeader(type, quint32(payload.size())) + payload;
    };
    QByteArray hello;
    ByteWriter(hello).u32(protocolVersion);
    ByteWriter(hello).text(QStringLiteral("raw"));
    QByteArray prepare;
    ByteWriter(prepare).text(QStringLiteral("TServerMethods1.") + method);
    const QByteArray execute = frame(FrameType::Execute, executePayload(1, inputs));
    const QByteArray bytes = frame(FrameType::Hello, hello) + frame(FrameType::Prepare, prepare)
        + execute.left(qsizetype(execute.size() * share));

    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0)
        throw DSException(QStringLiteral("cannot connect"));
    if (::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) != bytes.size())
        throw DSException(QStringLiteral("short send"));
    ::close(fd);
}
