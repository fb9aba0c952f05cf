#pragma once

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

class MethodRegistry;

// Listens on TCP and serves each connection on a thread of its own: handshake, prepare,
// execute, then the result's rows or stream chunks. A failing method answers an error frame
// and the session goes on; a peer speaking garbage is answered once and dropped.
class ProtocolServer
{
public:
    explicit ProtocolServer(const MethodRegistry &registry);
    ~ProtocolServer();
    ProtocolServer(const ProtocolServer &) = delete;
    ProtocolServer &operator=(const ProtocolServer &) = delete;

    // Port 0 picks a free port; returns the port listened on. Throws DSException on failure.
    quint16 listen(const QString &address, quint16 port);
    void stop();

    void setIdleTimeout(int ms) { m_idleTimeoutMs = ms; }
    int activeSessions() const { return m_active.load(); }

private:
    void acceptLoop();
    void serve(int fd);

    const MethodRegistry &m_registry;
    int m_listenFd = -1;
    int m_idleTimeoutMs = 60000;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_active{0};
    std::thread m_acceptThread;
    std::mutex m_mutex;
    std::condition_variable m_sessionsDone;
    std::set<int> m_sessionFds;
};
