#include "SocketChannel.h"

#include "DSException.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr qsizetype readChunk = 256 * 1024;

[[noreturn]] void socketError(const QString &what)
{
    throw DSException(what, QStringLiteral("EIdSocketError"));
}

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool waitFor(int fd, short events, int timeoutMs)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int r = ::poll(&p, 1, timeoutMs);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            socketError(QStringLiteral("Socket error: %1").arg(lastError()));
        return r > 0;
    }
}

int connectOne(const addrinfo *ai, int timeoutMs)
{
    const int fd = ::socket(ai->ai_family, ai->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, ai->ai_protocol);
    if (fd < 0)
        return -1;
    int rc = ::connect(fd, ai->ai_addr, ai->ai_addrlen);
    if (rc < 0 && errno == EINPROGRESS) {
        if (waitFor(fd, POLLOUT, timeoutMs)) {
            int err = 0;
            socklen_t len = sizeof err;
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
            rc = err == 0 ? 0 : -1;
            errno = err;
        } else {
            errno = ETIMEDOUT;
        }
    }
    if (rc < 0) {
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return -1;
    }
    return fd;
}
} // namespace

SocketChannel::SocketChannel(int fd) : m_fd(fd)
{
    if (m_fd >= 0) {
        const int flags = ::fcntl(m_fd, F_GETFL, 0);
        ::fcntl(m_fd, F_SETFL, flags | O_NONBLOCK);
        const int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
}

SocketChannel::~SocketChannel()
{
    close();
}

std::unique_ptr<SocketChannel> SocketChannel::connectTo(const QString &host, quint16 port, int timeoutMs)
{
    if (host.trimmed().isEmpty())
        socketError(QStringLiteral("Socket Error # 11001\r\nHost not found."));
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *list = nullptr;
    const QByteArray portText = QByteArray::number(port);
    if (::getaddrinfo(host.toUtf8().constData(), portText.constData(), &hints, &list) != 0 || !list)
        socketError(QStringLiteral("Socket Error # 11001\r\nHost not found."));
    int fd = -1;
    for (const addrinfo *ai = list; ai && fd < 0; ai = ai->ai_next)
        fd = connectOne(ai, timeoutMs);
    const int saved = errno;
    ::freeaddrinfo(list);
    if (fd < 0)
        socketError(QStringLiteral("Socket Error # %1\r\n%2").arg(saved).arg(QString::fromLocal8Bit(std::strerror(saved))));
    return std::make_unique<SocketChannel>(fd);
}

void SocketChannel::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_begin = m_end = 0;
}

void SocketChannel::writeAll(const char *data, qsizetype size)
{
    if (m_fd < 0)
        socketError(QStringLiteral("Connection closed"));
    while (size > 0) {
        const ssize_t n = ::send(m_fd, data, size_t(size), MSG_NOSIGNAL);
        if (n > 0) {
            data += n;
            size -= n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(m_fd, POLLOUT, m_readTimeoutMs))
                socketError(QStringLiteral("Write timed out"));
            continue;
        }
        socketError(QStringLiteral("Connection lost while sending: %1").arg(lastError()));
    }
}

void SocketChannel::sendFrame(FrameType type, QByteArrayView payload)
{
    if (quint64(payload.size()) > WireLimits::maxFramePayload)
        throw DSException(QStringLiteral("Message of %1 bytes exceeds the limit").arg(payload.size()));
    // Header and small payloads go out in one send so a call is one segment on the wire.
    QByteArray frame = encodeFrameHeader(type, quint32(payload.size()));
    if (payload.size() <= 64 * 1024) {
        frame.append(payload.data(), payload.size());
        writeAll(frame.constData(), frame.size());
    } else {
        writeAll(frame.constData(), frame.size());
        writeAll(payload.data(), payload.size());
    }
}

void SocketChannel::fill(qsizetype need)
{
    if (m_fd < 0)
        socketError(QStringLiteral("Connection closed"));
    if (m_end - m_begin >= need)
        return;
    // Compact, then grow so that `need` bytes fit after the unread part.
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, size_t(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    const qsizetype wanted = std::max(need, readChunk);
    if (m_buffer.size() < wanted)
        m_buffer.resize(wanted);
    while (m_end < need) {
        const ssize_t n = ::recv(m_fd, m_buffer.data() + m_end, size_t(m_buffer.size() - m_end), 0);
        if (n > 0) {
            m_end += n;
            m_bytesReceived += quint64(n);
            continue;
        }
        if (n == 0)
            socketError(QStringLiteral("Connection closed gracefully."));
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!waitFor(m_fd, POLLIN, m_readTimeoutMs))
                socketError(QStringLiteral("Read timed out."));
            continue;
        }
        socketError(QStringLiteral("Connection lost: %1").arg(lastError()));
    }
}

bool SocketChannel::waitReadable(int timeoutMs)
{
    if (m_end > m_begin)
        return true;
    return m_fd >= 0 && waitFor(m_fd, POLLIN, timeoutMs);
}

Frame SocketChannel::readFrame()
{
    fill(frameHeaderSize);
    Frame frame;
    const quint32 length = decodeFrameHeader(m_buffer.constData() + m_begin, &frame.type);
    m_begin += frameHeaderSize;
    // The length is within the hard limit here, so growing the buffer for it is bounded.
    fill(length);
    frame.payload = QByteArray(m_buffer.constData() + m_begin, length);
    m_begin += length;
    return frame;
}
