#pragma once

#include "WireCodec.h"

#include <QByteArray>
#include <QString>

#include <memory>

// A framed, buffered TCP channel over a plain blocking socket. Used by the client connection
// and by each server session; one thread at a time. Every wait has a time-out, and a peer that
// closes mid-message raises instead of hanging.
class SocketChannel
{
public:
    explicit SocketChannel(int fd);
    ~SocketChannel();
    SocketChannel(const SocketChannel &) = delete;
    SocketChannel &operator=(const SocketChannel &) = delete;

    static std::unique_ptr<SocketChannel> connectTo(const QString &host, quint16 port, int timeoutMs);

    void setReadTimeout(int ms) { m_readTimeoutMs = ms; }
    void sendFrame(FrameType type, QByteArrayView payload);
    Frame readFrame();
    // Waits up to timeoutMs for the first byte of a frame; false when none came (server idle wait).
    bool waitReadable(int timeoutMs);

    bool isOpen() const { return m_fd >= 0; }
    quint64 bytesReceived() const { return m_bytesReceived; }
    void close();

private:
    void fill(qsizetype need);
    void writeAll(const char *data, qsizetype size);

    int m_fd = -1;
    int m_readTimeoutMs = 30000;
    QByteArray m_buffer;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    quint64 m_bytesReceived = 0;
};
