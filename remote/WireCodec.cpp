#include "WireCodec.h"

#include "DSException.h"

#include <cstring>

namespace {
[[noreturn]] void protocolError(const QString &what)
{
    throw DSException(QStringLiteral("Protocol error: %1").arg(what), QStringLiteral("EProtocolError"));
}
} // namespace

bool isKnownFrameType(quint8 type)
{
    switch (FrameType(type)) {
    case FrameType::Hello:
    case FrameType::Welcome:
    case FrameType::Prepare:
    case FrameType::Prepared:
    case FrameType::Execute:
    case FrameType::Reply:
    case FrameType::Rows:
    case FrameType::RowsEnd:
    case FrameType::Chunk:
    case FrameType::StreamEnd:
    case FrameType::Error:
        return true;
    }
    return false;
}

QByteArray encodeFrameHeader(FrameType type, quint32 payloadLength)
{
    QByteArray h;
    h.reserve(frameHeaderSize);
    h.append(frameMagic0).append(frameMagic1).append(char(type)).append(char(0));
    h.append(reinterpret_cast<const char *>(&payloadLength), 4);
    return h;
}

quint32 decodeFrameHeader(const char *header, FrameType *type)
{
    if (header[0] != frameMagic0 || header[1] != frameMagic1)
        protocolError(QStringLiteral("bad frame marker"));
    const quint8 t = quint8(header[2]);
    if (!isKnownFrameType(t))
        protocolError(QStringLiteral("unknown message type %1").arg(t));
    quint32 length;
    std::memcpy(&length, header + 4, 4);
    if (length > WireLimits::maxFramePayload)
        protocolError(QStringLiteral("message of %1 bytes exceeds the limit of %2 bytes")
                          .arg(length)
                          .arg(WireLimits::maxFramePayload));
    *type = FrameType(t);
    return length;
}

namespace WireCodec {

void writeValue(ByteWriter &w, const Value &v)
{
    w.u8(quint8(v.type()));
    switch (v.type()) {
    case ValueType::Null:
        break;
    case ValueType::Text:
        w.text(v.toText());
        break;
    case ValueType::Int32:
        w.i32(v.toInt32());
        break;
    case ValueType::Int64:
    case ValueType::Stream:
        w.i64(v.toInt64());
        break;
    case ValueType::Double:
    case ValueType::Date:
        w.f64(v.toDouble());
        break;
    case ValueType::Bool:
        w.u8(v.toBool() ? 1 : 0);
        break;
    case ValueType::Object:
        w.bytes(v.json());
        break;
    case ValueType::ResultSet:
        writeColumns(w, v.columns());
        break;
    }
}

Value readValue(ByteReader &r)
{
    const quint8 t = r.u8();
    switch (ValueType(t)) {
    case ValueType::Null:
        return {};
    case ValueType::Text:
        return Value::text(r.text());
    case ValueType::Int32:
        return Value::int32(r.i32());
    case ValueType::Int64:
        return Value::int64(r.i64());
    case ValueType::Double:
        return Value::real(r.f64());
    case ValueType::Date:
        return Value::date(r.f64());
    case ValueType::Bool: {
        const quint8 b = r.u8();
        if (b > 1)
            protocolError(QStringLiteral("boolean byte %1").arg(b));
        return Value::boolean(b == 1);
    }
    case ValueType::Object: {
        const QByteArrayView json = r.bytes();
        if (json.isEmpty())
            protocolError(QStringLiteral("empty object value"));
        return Value::object(json.toByteArray());
    }
    case ValueType::ResultSet:
        return Value::resultSet(readColumns(r));
    case ValueType::Stream: {
        const qint64 size = r.i64();
        if (size < 0)
            protocolError(QStringLiteral("negative stream size"));
        return Value::stream(size);
    }
    }
    protocolError(QStringLiteral("unknown value type %1").arg(t));
}

void writeColumns(ByteWriter &w, const QList<ColumnDesc> &columns)
{
    w.u16(quint16(columns.size()));
    for (const ColumnDesc &c : columns) {
        w.text(c.name);
        w.u8(quint8(c.type));
        w.i32(c.size);
    }
}

QList<ColumnDesc> readColumns(ByteReader &r)
{
    const quint16 n = r.u16();
    if (n > WireLimits::maxColumns)
        protocolError(QStringLiteral("%1 columns exceed the limit").arg(n));
    QList<ColumnDesc> columns;
    columns.reserve(n);
    for (int i = 0; i < n; ++i) {
        ColumnDesc c;
        c.name = r.text();
        c.type = ValueType(r.u8());
        if (!isScalarColumnType(c.type))
            protocolError(QStringLiteral("column %1 has unsupported type %2").arg(c.name).arg(int(c.type)));
        c.size = r.i32();
        columns.append(c);
    }
    return columns;
}

void writeParams(ByteWriter &w, const QList<ParamSpec> &params)
{
    w.u16(quint16(params.size()));
    for (const ParamSpec &p : params) {
        w.text(p.name);
        w.u8(quint8(p.type));
        w.u8(quint8(p.direction));
    }
}

QList<ParamSpec> readParams(ByteReader &r)
{
    const quint16 n = r.u16();
    if (n > WireLimits::maxParams)
        protocolError(QStringLiteral("%1 parameters exceed the limit").arg(n));
    QList<ParamSpec> params;
    params.reserve(n);
    for (int i = 0; i < n; ++i) {
        ParamSpec p;
        p.name = r.text();
        const quint8 t = r.u8();
        if (t > quint8(ValueType::Stream))
            protocolError(QStringLiteral("unknown parameter type %1").arg(t));
        p.type = ValueType(t);
        const quint8 d = r.u8();
        if (d > quint8(ParamDirection::Return))
            protocolError(QStringLiteral("unknown parameter direction %1").arg(d));
        p.direction = ParamDirection(d);
        params.append(p);
    }
    return params;
}

QByteArray errorPayload(const QString &className, const QString &message)
{
    QByteArray payload;
    ByteWriter w(payload);
    w.text(className);
    w.text(message);
    return payload;
}

void raiseError(const QByteArray &payload)
{
    ByteReader r(payload);
    const QString className = r.text();
    const QString message = r.text();
    throw DSException(message, className);
}

} // namespace WireCodec

RowBatchWriter::RowBatchWriter(const QList<ColumnDesc> &columns) : m_columns(columns)
{
    startBatch();
}

void RowBatchWriter::startBatch()
{
    m_batch.clear();
    m_batch.reserve(WireLimits::rowBatchBytes + 4096);
    const quint32 zero = 0;
    putRaw(&zero, 4); // row count, patched when the batch closes
    m_batchRows = 0;
}

void RowBatchWriter::closeBatch()
{
    if (m_batchRows == 0)
        return;
    std::memcpy(m_batch.data(), &m_batchRows, 4);
    m_batches.append(m_batch);
    startBatch();
}

void RowBatchWriter::beginRow()
{
    m_bitmapOffset = m_batch.size();
    m_batch.append(qsizetype((m_columns.size() + 7) / 8), char(0));
    m_column = 0;
}

void RowBatchWriter::checkColumn(ValueType expected)
{
    if (m_column < 0 || m_column >= m_columns.size())
        throw DSException(QStringLiteral("Row has more values than columns"));
    const ValueType actual = m_columns.at(m_column).type;
    if (expected != actual && !(expected == ValueType::Double && actual == ValueType::Date))
        throw DSException(QStringLiteral("Column %1 expects %2, got %3")
                              .arg(m_columns.at(m_column).name, valueTypeName(actual), valueTypeName(expected)));
}

void RowBatchWriter::addNull()
{
    if (m_column < 0 || m_column >= m_columns.size())
        throw DSException(QStringLiteral("Row has more values than columns"));
    m_batch[m_bitmapOffset + m_column / 8] = char(quint8(m_batch[m_bitmapOffset + m_column / 8]) | (1u << (m_column % 8)));
    ++m_column;
}

void RowBatchWriter::addText(const QString &v)
{
    addUtf8(v.toUtf8());
}

void RowBatchWriter::addUtf8(QByteArrayView v)
{
    checkColumn(ValueType::Text);
    const quint32 n = quint32(v.size());
    putRaw(&n, 4);
    m_batch.append(v.data(), v.size());
    ++m_column;
}

void RowBatchWriter::addInt32(qint32 v)
{
    checkColumn(ValueType::Int32);
    putRaw(&v, 4);
    ++m_column;
}

void RowBatchWriter::addInt64(qint64 v)
{
    checkColumn(ValueType::Int64);
    putRaw(&v, 8);
    ++m_column;
}

void RowBatchWriter::addDouble(double v)
{
    checkColumn(ValueType::Double);
    putRaw(&v, 8);
    ++m_column;
}

void RowBatchWriter::addDate(double days)
{
    checkColumn(ValueType::Date);
    putRaw(&days, 8);
    ++m_column;
}

void RowBatchWriter::addBool(bool v)
{
    checkColumn(ValueType::Bool);
    m_batch.append(char(v ? 1 : 0));
    ++m_column;
}

void RowBatchWriter::endRow()
{
    if (m_column != m_columns.size())
        throw DSException(QStringLiteral("Row has %1 values for %2 columns").arg(m_column).arg(m_columns.size()));
    m_column = -1;
    ++m_batchRows;
    ++m_totalRows;
    if (quint32(m_batch.size()) >= WireLimits::rowBatchBytes)
        closeBatch();
}

QList<QByteArray> RowBatchWriter::takeBatches()
{
    closeBatch();
    return std::exchange(m_batches, {});
}
