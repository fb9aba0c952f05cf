#include "MemTable.h"

#include "ByteIo.h"
#include "DSException.h"

#include <QDateTime>

namespace {
quint32 cellStart(const MemTable::Column &c, int row)
{
    return row == 0 ? 0 : c.textEnds[size_t(row - 1)];
}
} // namespace

void MemTable::open()
{
    m_open = true;
}

void MemTable::close()
{
    for (Column &c : m_columns) {
        c.integers = {};
        c.reals = {};
        c.text = {};
        c.textEnds = {};
        c.nulls = {};
    }
    m_rows = 0;
    m_current = 0;
    m_open = false;
}

void MemTable::clearRows()
{
    const bool wasOpen = m_open;
    close();
    m_open = wasOpen;
}

void MemTable::clearColumns()
{
    close();
    m_columns.clear();
}

int MemTable::columnIndex(const QString &name) const
{
    for (size_t i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].desc.name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

void MemTable::addColumn(const ColumnDesc &desc)
{
    if (!isScalarColumnType(desc.type))
        throw DSException(QStringLiteral("Column %1 has unsupported type").arg(desc.name));
    if (m_rows > 0)
        throw DSException(QStringLiteral("Cannot add a column to a table with rows"));
    Column c;
    c.desc = desc;
    m_columns.push_back(std::move(c));
}

void MemTable::requireColumn(int col) const
{
    if (col < 0 || col >= columnCount())
        throw DSException(QStringLiteral("Field index out of range"));
}

QVariant MemTable::value(int row, int col) const
{
    requireColumn(col);
    if (row < 0 || row >= m_rows || isNull(row, col))
        return {};
    const Column &c = m_columns[size_t(col)];
    switch (c.desc.type) {
    case ValueType::Text:
        return text(row, col);
    case ValueType::Int32:
        return int(c.integers[size_t(row)]);
    case ValueType::Int64:
        return c.integers[size_t(row)];
    case ValueType::Bool:
        return c.integers[size_t(row)] != 0;
    case ValueType::Double:
    case ValueType::Date:
        return c.reals[size_t(row)];
    default:
        return {};
    }
}

QVariant MemTable::value(int row, const QString &column) const
{
    const int col = columnIndex(column);
    if (col < 0)
        throw DSException(QStringLiteral("Field '%1' not found").arg(column));
    return value(row, col);
}

QByteArrayView MemTable::utf8(int row, int col) const
{
    const Column &c = m_columns[size_t(col)];
    if (c.desc.type != ValueType::Text)
        return {};
    const quint32 start = cellStart(c, row);
    return QByteArrayView(c.text.constData() + start, c.textEnds[size_t(row)] - start);
}

QString MemTable::text(int row, int col) const
{
    const Column &c = m_columns[size_t(col)];
    if (c.nulls[size_t(row)])
        return {};
    if (c.desc.type == ValueType::Text) {
        const QByteArrayView v = utf8(row, col);
        return QString::fromUtf8(v.data(), v.size());
    }
    return value(row, col).toString();
}

double MemTable::real(int row, int col) const
{
    const Column &c = m_columns[size_t(col)];
    if (c.nulls[size_t(row)])
        return 0;
    switch (c.desc.type) {
    case ValueType::Double:
    case ValueType::Date:
        return c.reals[size_t(row)];
    case ValueType::Text:
        return text(row, col).toDouble();
    default:
        return double(c.integers[size_t(row)]);
    }
}

qint64 MemTable::integer(int row, int col) const
{
    const Column &c = m_columns[size_t(col)];
    if (c.nulls[size_t(row)])
        return 0;
    switch (c.desc.type) {
    case ValueType::Double:
    case ValueType::Date:
        return qint64(c.reals[size_t(row)]);
    case ValueType::Text:
        return text(row, col).toLongLong();
    default:
        return c.integers[size_t(row)];
    }
}

void MemTable::setValue(int row, const QString &column, const QVariant &v)
{
    const int col = columnIndex(column);
    if (col < 0)
        throw DSException(QStringLiteral("Field '%1' not found").arg(column));
    setValue(row, col, v);
}

void MemTable::setValue(int row, int col, const QVariant &v)
{
    requireColumn(col);
    if (row < 0 || row >= m_rows)
        throw DSException(QStringLiteral("Row index out of range"));
    Column &c = m_columns[size_t(col)];
    const size_t r = size_t(row);
    c.nulls[r] = v.isValid() ? 0 : 1;
    switch (c.desc.type) {
    case ValueType::Text: {
        // Rare local edit: splice the cell and shift the following offsets.
        const QByteArray bytes = v.isValid() ? v.toString().toUtf8() : QByteArray();
        const quint32 start = cellStart(c, row);
        const qint64 delta = bytes.size() - qint64(c.textEnds[r] - start);
        c.text.replace(start, c.textEnds[r] - start, bytes);
        for (size_t i = r; i < c.textEnds.size(); ++i)
            c.textEnds[i] = quint32(qint64(c.textEnds[i]) + delta);
        break;
    }
    case ValueType::Double:
    case ValueType::Date:
        c.reals[r] = v.toDouble();
        break;
    case ValueType::Bool:
        c.integers[r] = v.toBool() ? 1 : 0;
        break;
    default:
        c.integers[r] = v.toLongLong();
        break;
    }
}

void MemTable::appendNull(Column &c)
{
    c.nulls.push_back(1);
    switch (c.desc.type) {
    case ValueType::Text:
        c.textEnds.push_back(quint32(c.text.size()));
        break;
    case ValueType::Double:
    case ValueType::Date:
        c.reals.push_back(0);
        break;
    default:
        c.integers.push_back(0);
        break;
    }
}

void MemTable::appendRow(const QVariantList &values)
{
    if (values.size() != columnCount())
        throw DSException(QStringLiteral("Row has %1 values for %2 columns").arg(values.size()).arg(columnCount()));
    for (int i = 0; i < columnCount(); ++i) {
        Column &c = m_columns[size_t(i)];
        const QVariant &v = values.at(i);
        if (!v.isValid()) {
            appendNull(c);
            continue;
        }
        c.nulls.push_back(0);
        switch (c.desc.type) {
        case ValueType::Text:
            c.text.append(v.toString().toUtf8());
            c.textEnds.push_back(quint32(c.text.size()));
            break;
        case ValueType::Double:
        case ValueType::Date:
            c.reals.push_back(v.toDouble());
            break;
        case ValueType::Bool:
            c.integers.push_back(v.toBool() ? 1 : 0);
            break;
        default:
            c.integers.push_back(v.toLongLong());
            break;
        }
    }
    ++m_rows;
}

void MemTable::appendEncodedRow(ByteReader &r)
{
    const int n = columnCount();
    quint8 bitmap[WireLimits::maxColumns / 8];
    for (int i = 0; i < (n + 7) / 8; ++i)
        bitmap[i] = r.u8();
    for (int i = 0; i < n; ++i) {
        Column &c = m_columns[size_t(i)];
        if (bitmap[i / 8] & (1u << (i % 8))) {
            appendNull(c);
            continue;
        }
        c.nulls.push_back(0);
        switch (c.desc.type) {
        case ValueType::Text: {
            const QByteArrayView cell = r.bytes();
            if (quint64(c.text.size()) + quint64(cell.size()) > 0xFFFFFFFFull)
                throw DSException(QStringLiteral("Text column %1 exceeds 4 GiB").arg(c.desc.name));
            c.text.append(cell.data(), cell.size());
            c.textEnds.push_back(quint32(c.text.size()));
            break;
        }
        case ValueType::Int32:
            c.integers.push_back(r.i32());
            break;
        case ValueType::Int64:
            c.integers.push_back(r.i64());
            break;
        case ValueType::Bool:
            c.integers.push_back(r.u8() != 0);
            break;
        default:
            c.reals.push_back(r.f64());
            break;
        }
    }
    ++m_rows;
}

void MemTable::reserveRows(qsizetype rows)
{
    for (Column &c : m_columns) {
        c.nulls.reserve(size_t(rows));
        switch (c.desc.type) {
        case ValueType::Text:
            c.textEnds.reserve(size_t(rows));
            break;
        case ValueType::Double:
        case ValueType::Date:
            c.reals.reserve(size_t(rows));
            break;
        default:
            c.integers.reserve(size_t(rows));
            break;
        }
    }
}

qsizetype MemTable::memoryBytes() const
{
    qsizetype total = 0;
    for (const Column &c : m_columns) {
        total += qsizetype(c.integers.capacity() * sizeof(qint64) + c.reals.capacity() * sizeof(double)
                           + c.textEnds.capacity() * sizeof(quint32) + c.nulls.capacity())
                 + c.text.capacity();
    }
    return total;
}
