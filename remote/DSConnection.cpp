#include "DSConnection.h"

#include "ByteIo.h"
#include "DSException.h"
#include "SocketChannel.h"
#include "TrailerReader.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex addressMutex;
QString &addressStorage()
{
    static QString address;
    return address;
}
} // namespace

QString publishedServerAddress()
{
    QMutexLocker lock(&addressMutex);
    return addressStorage();
}

void setPublishedServerAddress(const QString &address)
{
    QMutexLocker lock(&addressMutex);
    addressStorage() = address;
}

DSConnection::DSConnection()
{
    m_params = {
        {QStringLiteral("HostName"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("Port"), QStringLiteral("9090")},
        {QStringLiteral("CommunicationProtocol"), QStringLiteral("tcp/ip")},
        {QStringLiteral("DatasnapContext"), QStringLiteral("datasnap/")},
        {QStringLiteral("Filters"), QStringLiteral("{}")},
        {QStringLiteral("DSProxyPort"), QStringLiteral("8090")},
    };
}

DSConnection::~DSConnection()
{
    close();
}

void DSConnection::setTimeouts(int connectMs, int readMs)
{
    m_connectTimeoutMs = connectMs;
    m_readTimeoutMs = readMs;
    if (m_channel)
        m_channel->setReadTimeout(readMs);
}

void DSConnection::open()
{
    if (isOpen())
        return;
    bool portOk = false;
    const uint port = param(QStringLiteral("Port")).toUInt(&portOk);
    if (!portOk || port == 0 || port > 65535)
        throw DSException(QStringLiteral("Invalid port \"%1\"").arg(param(QStringLiteral("Port"))));
    auto channel = SocketChannel::connectTo(param(QStringLiteral("HostName")), quint16(port), m_connectTimeoutMs);
    channel->setReadTimeout(m_readTimeoutMs);

    QByteArray hello;
    ByteWriter w(hello);
    w.u32(protocolVersion);
    w.text(m_name);
    channel->sendFrame(FrameType::Hello, hello);
    const Frame reply = channel->readFrame();
    if (reply.type == FrameType::Error)
        WireCodec::raiseError(reply.payload);
    if (reply.type != FrameType::Welcome)
        throw DSException(QStringLiteral("Protocol error: no welcome from the server"), QStringLiteral("EProtocolError"));
    ByteReader r(reply.payload);
    if (r.u32() != protocolVersion)
        throw DSException(QStringLiteral("Protocol error: server speaks another protocol version"),
                          QStringLiteral("EProtocolError"));
    m_channel = std::move(channel);
}

void DSConnection::close()
{
    if (m_pending) {
        m_pending->detach();
        m_pending = nullptr;
    }
    if (m_channel)
        m_bytesOfClosedChannels += m_channel->bytesReceived();
    m_channel.reset();
}

quint64 DSConnection::bytesReceived() const
{
    return m_bytesOfClosedChannels + (m_channel ? m_channel->bytesReceived() : 0);
}

bool DSConnection::isOpen() const
{
    return m_channel && m_channel->isOpen();
}

std::unique_ptr<DSConnection> DSConnection::clone() const
{
    auto copy = std::make_unique<DSConnection>();
    copy->m_name = m_name + QStringLiteral("Clone1");
    copy->m_params = m_params;
    copy->m_connectTimeoutMs = m_connectTimeoutMs;
    copy->m_readTimeoutMs = m_readTimeoutMs;
    if (isOpen())
        copy->open();
    return copy;
}

SocketChannel &DSConnection::channel()
{
    if (!isOpen())
        throw DSException(QStringLiteral("Connection cannot be nil.  Make sure the connection has been opened."),
                          QStringLiteral("DBXError"));
    return *m_channel;
}

SocketChannel &DSConnection::channelForRequest()
{
    SocketChannel &c = channel();
    skipPending();
    return c;
}

void DSConnection::setPending(TrailerReader *reader)
{
    skipPending();
    m_pending = reader;
}

void DSConnection::clearPending(const TrailerReader *reader)
{
    if (m_pending == reader)
        m_pending = nullptr;
}

void DSConnection::skipPending()
{
    if (!m_pending)
        return;
    TrailerReader *reader = std::exchange(m_pending, nullptr);
    try {
        reader->skipRest();
    } catch (...) {
        // A connection whose trailing frames cannot be read is no use for another request.
        reader->detach();
        close();
        throw;
    }
    reader->detach();
}

TrailerReader::TrailerReader(DSConnection &connection) : m_connection(&connection)
{
    connection.setPending(this);
}

TrailerReader::~TrailerReader()
{
    if (m_connection)
        m_connection->clearPending(this);
}

SocketChannel &TrailerReader::channel() const
{
    if (!m_connection)
        throw DSException(QStringLiteral("The result is no longer available: its connection was used or closed"));
    return m_connection->channel();
}

void TrailerReader::finish()
{
    m_finished = true;
    if (m_connection) {
        m_connection->clearPending(this);
        m_connection = nullptr;
    }
}

void TrailerReader::abandonConnection()
{
    DSConnection *connection = m_connection;
    finish();
    if (connection)
        connection->close();
}
