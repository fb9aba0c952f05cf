#pragma once

#include <QByteArray>

#include <functional>
#include <thread>

// A fake order server on loopback that accepts one connection, answers the greeting and then
// writes whatever bytes a test gives it, to see how the client copes with a broken peer.
class ScriptedPeer
{
public:
    // `script` runs on the peer's thread with the accepted socket; helpers below write frames.
    explicit ScriptedPeer(std::function<void(int fd)> script);
    ~ScriptedPeer();

    quint16 port() const { return m_port; }

    static void write(int fd, const QByteArray &bytes);
    static void writeFrame(int fd, quint8 type, const QByteArray &payload);
    static QByteArray readFrame(int fd); // returns the payload of the next frame ("" at EOF)

private:
    int m_listenFd = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};
