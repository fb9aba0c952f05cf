#pragma once

#include "ByteIo.h"
#include "Value.h"
#include "WireTypes.h"

#include <QByteArray>
#include <QList>

// Message kinds of the order-service protocol (see docs/protocol.md).
enum class FrameType : quint8 {
    Hello = 0x01,
    Welcome = 0x02,
    Prepare = 0x03,
    Prepared = 0x04,
    Execute = 0x05,
    Reply = 0x06,
    Rows = 0x07,
    RowsEnd = 0x08,
    Chunk = 0x09,
    StreamEnd = 0x0A,
    Error = 0x0F,
};

constexpr quint32 protocolVersion = 1;
constexpr char frameMagic0 = 'P';
constexpr char frameMagic1 = 'V';
constexpr int frameHeaderSize = 8; // magic(2) type(1) flags(1) payload length(4)

struct Frame
{
    FrameType type = FrameType::Error;
    QByteArray payload;
};

bool isKnownFrameType(quint8 type);
QByteArray encodeFrameHeader(FrameType type, quint32 payloadLength);
// Validates magic, type and the length limit; returns the payload length.
quint32 decodeFrameHeader(const char *header, FrameType *type);

namespace WireCodec {
void writeValue(ByteWriter &w, const Value &v);
Value readValue(ByteReader &r);

void writeColumns(ByteWriter &w, const QList<ColumnDesc> &columns);
QList<ColumnDesc> readColumns(ByteReader &r);

void writeParams(ByteWriter &w, const QList<ParamSpec> &params);
QList<ParamSpec> readParams(ByteReader &r);

QByteArray errorPayload(const QString &className, const QString &message);
[[noreturn]] void raiseError(const QByteArray &payload);
} // namespace WireCodec

// Builds row batches in the compact row encoding: per row a null bitmap, then every
// non-null cell in its column's fixed binary form (text: length + UTF-8).
class RowBatchWriter
{
public:
    explicit RowBatchWriter(const QList<ColumnDesc> &columns);

    void beginRow();
    void addNull();
    void addText(const QString &v);
    void addUtf8(QByteArrayView v);
    void addInt32(qint32 v);
    void addInt64(qint64 v);
    void addDouble(double v);
    void addDate(double days);
    void addBool(bool v);
    void endRow();

    // Finished batches, each a complete Rows payload (row count + rows).
    QList<QByteArray> takeBatches();
    qint64 rowCount() const { return m_totalRows; }
    const QList<ColumnDesc> &columns() const { return m_columns; }

private:
    void startBatch();
    void closeBatch();
    void checkColumn(ValueType expected);
    void putRaw(const void *p, size_t n) { m_batch.append(static_cast<const char *>(p), qsizetype(n)); }

    QList<ColumnDesc> m_columns;
    QList<QByteArray> m_batches;
    QByteArray m_batch;
    quint32 m_batchRows = 0;
    qint64 m_totalRows = 0;
    qsizetype m_bitmapOffset = -1;
    int m_column = -1;
};
