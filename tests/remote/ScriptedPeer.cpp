#include "ScriptedPeer.h"

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
bool readExactly(int fd, char *p, size_t n)
{
    while (n > 0) {
        const ssize_t r = ::recv(fd, p, n, 0);
        if (r <= 0)
            return false;
        p += r;
        n -= size_t(r);
    }
    return true;
}
} // namespace

ScriptedPeer::ScriptedPeer(std::function<void(int fd)> script)
{
    m_listenFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(m_listenFd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
    ::listen(m_listenFd, 1);
    socklen_t len = sizeof addr;
    ::getsockname(m_listenFd, reinterpret_cast<sockaddr *>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this, script] {
        const int fd = ::accept(m_listenFd, nullptr, nullptr);
        if (fd < 0)
            return;
        readFrame(fd); // greeting
        QByteArray welcome(4, 0);
        welcome[0] = 1;
        writeFrame(fd, 0x02, welcome);
        script(fd);
        ::close(fd);
    });
}

ScriptedPeer::~ScriptedPeer()
{
    ::shutdown(m_listenFd, SHUT_RDWR);
    m_thread.join();
    ::close(m_listenFd);
}

void ScriptedPeer::write(int fd, const QByteArray &bytes)
{
    ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
}

void ScriptedPeer::writeFrame(int fd, quint8 type, const QByteArray &payload)
{
    QByteArray frame("PV");
    frame.append(char(type)).append(char(0));
    const quint32 n = quint32(payload.size());
    frame.append(reinterpret_cast<const char *>(&n), 4);
    frame.append(payload);
    write(fd, frame);
}

QByteArray ScriptedPeer::readFrame(int fd)
{
    char header[8];
    if (!readExactly(fd, header, 8))
        return {};
    quint32 n;
    std::memcpy(&n, header + 4, 4);
    QByteArray payload(n, Qt::Uninitialized);
    if (!readExactly(fd, payload.data(), n))
        return {};
    return payload;
}
