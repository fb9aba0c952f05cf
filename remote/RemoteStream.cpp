#include "RemoteStream.h"

#include "DSException.h"
#include "SocketChannel.h"
#include "WireCodec.h"

#include <cstring>

RemoteStream::RemoteStream(DSConnection &connection, qint64 announcedSize)
    : TrailerReader(connection), m_announced(announcedSize)
{
}

void RemoteStream::seekToStart()
{
    if (m_position != 0)
        throw DSException(QStringLiteral("Stream cannot be rewound"));
}

bool RemoteStream::nextChunk()
{
    if (isFinished())
        return false;
    try {
        const Frame frame = channel().readFrame();
        switch (frame.type) {
        case FrameType::Chunk:
            m_chunk = frame.payload;
            m_chunkPos = 0;
            return true;
        case FrameType::StreamEnd:
            finish();
            return false;
        case FrameType::Error:
            finish();
            WireCodec::raiseError(frame.payload);
        default:
            throw DSException(QStringLiteral("Protocol error: unexpected message in a stream"),
                              QStringLiteral("EProtocolError"));
        }
    } catch (const DSException &) {
        if (!isFinished())
            abandonConnection();
        throw;
    }
}

qint64 RemoteStream::read(char *data, qint64 maxSize)
{
    qint64 done = 0;
    while (done < maxSize) {
        if (m_chunkPos >= m_chunk.size() && !nextChunk())
            break;
        const qint64 n = std::min<qint64>(maxSize - done, m_chunk.size() - m_chunkPos);
        std::memcpy(data + done, m_chunk.constData() + m_chunkPos, size_t(n));
        m_chunkPos += n;
        done += n;
    }
    m_position += done;
    return done;
}

void RemoteStream::skipRest()
{
    while (nextChunk()) {
    }
}

std::optional<QByteArray> KopyalaAkis(RemoteStream *stream, qint64 announcedSize, int chunkSize,
                                      const std::function<void(qint64)> &progress, int *readCalls)
{
    if (!stream || chunkSize <= 0)
        return std::nullopt;
    stream->seekToStart();
    if (announcedSize <= 0)
        return std::nullopt;
    QByteArray buffer;
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    qint64 got = 0;
    do {
        got = stream->read(chunk.data(), chunkSize);
        if (readCalls)
            ++*readCalls;
        buffer.append(chunk.constData(), got);
        if (progress)
            progress(buffer.size());
        // More than announced can never match: stop instead of growing without bound.
        if (buffer.size() > announcedSize)
            return std::nullopt;
    } while (got == chunkSize);
    if (buffer.size() != announcedSize)
        return std::nullopt;
    return buffer;
}
