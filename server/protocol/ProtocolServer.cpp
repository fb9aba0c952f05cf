#include "ProtocolServer.h"

#include "ByteIo.h"
#include "DSException.h"
#include "MethodRegistry.h"
#include "ServerCall.h"
#include "SocketChannel.h"
#include "WireCodec.h"

#include <QHash>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

[[noreturn]] void badRequest(const QString &what)
{
    throw DSException(what, QStringLiteral("EServerMethodError"));
}

bool valueFits(const Value &v, ValueType declared)
{
    if (v.type() == declared)
        return true;
    // A missing object travels as null.
    return v.isNull() && declared == ValueType::Object;
}

// One connection's state: the commands it prepared, by handle.
class Session
{
public:
    Session(const MethodRegistry &registry, SocketChannel &channel) : m_registry(registry), m_channel(channel) {}

    void handshake()
    {
        const Frame hello = m_channel.readFrame();
        if (hello.type != FrameType::Hello)
            badRequest(QStringLiteral("Protocol error: the session must start with a greeting"));
        ByteReader r(hello.payload);
        const quint32 version = r.u32();
        r.text();
        if (version != protocolVersion)
            badRequest(QStringLiteral("Protocol version %1 is not supported").arg(version));
        QByteArray welcome;
        ByteWriter(welcome).u32(protocolVersion);
        m_channel.sendFrame(FrameType::Welcome, welcome);
    }

    // Handles one request; protocol errors raise, method errors are answered.
    void handle(const Frame &frame)
    {
        switch (frame.type) {
        case FrameType::Prepare:
            prepare(frame.payload);
            break;
        case FrameType::Execute:
            execute(frame.payload);
            break;
        default:
            badRequest(QStringLiteral("Protocol error: unexpected message type %1").arg(int(frame.type)));
        }
    }

private:
    void prepare(const QByteArray &payload)
    {
        ByteReader r(payload);
        const QString text = r.text();
        r.expectEnd();
        const MethodSpec *method = m_registry.find(text);
        if (!method) {
            sendError(QStringLiteral("EServerMethodError"), QStringLiteral("Server method %1 not found").arg(text));
            return;
        }
        m_registry.notePrepared(*method);
        const quint32 handle = quint32(m_prepared.size()) + 1;
        m_prepared.insert(handle, method);
        QByteArray answer;
        ByteWriter w(answer);
        w.u32(handle);
        WireCodec::writeParams(w, method->params);
        m_channel.sendFrame(FrameType::Prepared, answer);
    }

    void execute(const QByteArray &payload)
    {
        ByteReader r(payload);
        const MethodSpec *method = m_prepared.value(r.u32());
        if (!method)
            badRequest(QStringLiteral("Protocol error: execute of a command that was not prepared"));
        const quint16 count = r.u16();
        if (count > WireLimits::maxParams)
            badRequest(QStringLiteral("Protocol error: too many parameters"));
        QList<Value> inputs;
        inputs.reserve(count);
        for (int i = 0; i < count; ++i)
            inputs.append(WireCodec::readValue(r));
        r.expectEnd();

        ServerCall call(*method, inputs);
        try {
            checkArguments(*method, inputs);
            method->handler(call);
        } catch (const DSException &e) {
            sendError(e.className(), e.message());
            return;
        } catch (const std::exception &e) {
            sendError(QStringLiteral("Exception"), QString::fromUtf8(e.what()));
            return;
        }
        sendAnswer(call);
    }

    static void checkArguments(const MethodSpec &method, const QList<Value> &inputs)
    {
        qsizetype expected = 0;
        for (const ParamSpec &p : method.params)
            expected += p.direction != ParamDirection::Return;
        if (inputs.size() != expected)
            badRequest(QStringLiteral("%1 expects %2 parameters, %3 were sent").arg(method.name).arg(expected).arg(inputs.size()));
        for (int i = 0; i < inputs.size(); ++i) {
            const ParamSpec &p = method.params.at(i);
            if (p.direction == ParamDirection::In && !valueFits(inputs.at(i), p.type))
                badRequest(QStringLiteral("Parameter %1 (%2) of %3 must be %4, not %5")
                               .arg(i)
                               .arg(p.name, method.name, valueTypeName(p.type), valueTypeName(inputs.at(i).type())));
        }
    }

    void sendAnswer(ServerCall &call)
    {
        QByteArray reply;
        ByteWriter w(reply);
        w.u16(quint16(call.answers().size()));
        for (const Value &v : call.answers())
            WireCodec::writeValue(w, v);
        m_channel.sendFrame(FrameType::Reply, reply);

        if (call.rows()) {
            const qint64 total = call.rows()->rowCount();
            for (const QByteArray &batch : call.rows()->takeBatches())
                m_channel.sendFrame(FrameType::Rows, batch);
            QByteArray end;
            ByteWriter(end).i64(total);
            m_channel.sendFrame(FrameType::RowsEnd, end);
        } else if (call.streamBytes()) {
            const QByteArray &bytes = *call.streamBytes();
            for (qsizetype at = 0; at < bytes.size(); at += WireLimits::streamChunkBytes)
                m_channel.sendFrame(FrameType::Chunk, QByteArrayView(bytes).sliced(at, std::min<qsizetype>(WireLimits::streamChunkBytes, bytes.size() - at)));
            m_channel.sendFrame(FrameType::StreamEnd, {});
        }
    }

    void sendError(const QString &className, const QString &message)
    {
        m_channel.sendFrame(FrameType::Error, WireCodec::errorPayload(className, message));
    }

    const MethodRegistry &m_registry;
    SocketChannel &m_channel;
    QHash<quint32, const MethodSpec *> m_prepared;
};

} // namespace

ProtocolServer::ProtocolServer(const MethodRegistry &registry) : m_registry(registry)
{
}

ProtocolServer::~ProtocolServer()
{
    stop();
}

quint16 ProtocolServer::listen(const QString &address, quint16 port)
{
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listenFd < 0)
        throw DSException(QStringLiteral("Cannot create the listening socket"));
    const int one = 1;
    ::setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.toLatin1().constData(), &addr.sin_addr) != 1)
        throw DSException(QStringLiteral("Invalid listen address %1").arg(address));
    if (::bind(m_listenFd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0 || ::listen(m_listenFd, 128) < 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        ::close(m_listenFd);
        m_listenFd = -1;
        throw DSException(QStringLiteral("Cannot listen on %1:%2: %3").arg(address).arg(port).arg(reason));
    }
    socklen_t len = sizeof addr;
    ::getsockname(m_listenFd, reinterpret_cast<sockaddr *>(&addr), &len);
    m_stopping = false;
    m_acceptThread = std::thread([this] { acceptLoop(); });
    return ntohs(addr.sin_port);
}

void ProtocolServer::acceptLoop()
{
    while (!m_stopping) {
        pollfd p{m_listenFd, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0)
            continue;
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        {
            std::lock_guard lock(m_mutex);
            m_sessionFds.insert(fd);
        }
        ++m_active;
        std::thread([this, fd] { serve(fd); }).detach();
    }
}

void ProtocolServer::serve(int fd)
{
    {
        SocketChannel channel(::dup(fd));
        channel.setReadTimeout(30000);
        Session session(m_registry, channel);
        try {
            session.handshake();
            while (!m_stopping && channel.waitReadable(m_idleTimeoutMs)) {
                session.handle(channel.readFrame());
            }
        } catch (const DSException &e) {
            // The peer broke the protocol or went away: tell it if it still listens, then drop it.
            try {
                channel.sendFrame(FrameType::Error, WireCodec::errorPayload(e.className(), e.message()));
            } catch (const DSException &) {
            }
        }
    }
    std::lock_guard lock(m_mutex);
    m_sessionFds.erase(fd);
    ::close(fd);
    --m_active;
    m_sessionsDone.notify_all();
}

void ProtocolServer::stop()
{
    m_stopping = true;
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        m_listenFd = -1;
    }
    std::unique_lock lock(m_mutex);
    for (int fd : m_sessionFds)
        ::shutdown(fd, SHUT_RDWR);
    m_sessionsDone.wait(lock, [this] { return m_active.load() == 0; });
}
