#include "ByteIo.h"

#include "DSException.h"

void ByteReader::need(quint64 n) const
{
    if (n > quint64(remaining()))
        throw DSException(QStringLiteral("Protocol error: truncated message (needed %1 bytes, %2 left)")
                              .arg(n)
                              .arg(remaining()),
                          QStringLiteral("EProtocolError"));
}

void ByteReader::expectEnd() const
{
    if (!atEnd())
        throw DSException(QStringLiteral("Protocol error: %1 unexpected bytes after message").arg(remaining()),
                          QStringLiteral("EProtocolError"));
}
