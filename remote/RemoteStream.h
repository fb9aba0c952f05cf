#pragma once

#include "TrailerReader.h"

#include <QByteArray>

#include <functional>
#include <optional>

// A byte stream result, read in whatever chunk size the caller asks for; the chunks of the
// wire are buffered, so small reads never go to the kernel one by one.
class RemoteStream : public TrailerReader
{
public:
    RemoteStream(DSConnection &connection, qint64 announcedSize);

    qint64 announcedSize() const { return m_announced; }
    qint64 position() const { return m_position; }
    // Only the start is reachable: the stream is forward-only, and callers rewind before reading.
    void seekToStart();
    // Up to maxSize bytes; 0 at the end.
    qint64 read(char *data, qint64 maxSize);

private:
    void skipRest() override;
    bool nextChunk();

    qint64 m_announced;
    qint64 m_position = 0;
    QByteArray m_chunk;
    qsizetype m_chunkPos = 0;
};

// The stream copy every screen uses: chunks of `chunkSize` into one buffer while a read returns
// a full chunk, progress after each; the copy is kept only when its size equals the announced
// size (nullopt otherwise, and for an announced size of 0, which is not read at all).
std::optional<QByteArray> KopyalaAkis(RemoteStream *stream, qint64 announcedSize, int chunkSize,
                                      const std::function<void(qint64)> &progress = {},
                                      int *readCalls = nullptr);
