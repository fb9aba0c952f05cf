#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstring>

// Little-endian writer used for every frame payload.
class ByteWriter
{
public:
    explicit ByteWriter(QByteArray &target) : m_out(target) {}

    void u8(quint8 v) { m_out.append(char(v)); }
    void u16(quint16 v) { raw(&v, sizeof v); }
    void u32(quint32 v) { raw(&v, sizeof v); }
    void i32(qint32 v) { raw(&v, sizeof v); }
    void i64(qint64 v) { raw(&v, sizeof v); }
    void f64(double v) { raw(&v, sizeof v); }
    void bytes(QByteArrayView v)
    {
        u32(quint32(v.size()));
        m_out.append(v.data(), v.size());
    }
    void text(const QString &v) { bytes(v.toUtf8()); }

private:
    void raw(const void *p, size_t n) { m_out.append(static_cast<const char *>(p), qsizetype(n)); }
    QByteArray &m_out;
};

// Bounds-checked reader over one received payload; any overrun raises DSException, so a
// truncated or lying frame can never read past its end or allocate more than it holds.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView data) : m_data(data) {}

    quint8 u8() { return scalar<quint8>(); }
    quint16 u16() { return scalar<quint16>(); }
    quint32 u32() { return scalar<quint32>(); }
    qint32 i32() { return scalar<qint32>(); }
    qint64 i64() { return scalar<qint64>(); }
    double f64() { return scalar<double>(); }
    QByteArrayView bytes()
    {
        const quint32 n = u32();
        need(n);
        QByteArrayView v = m_data.sliced(m_pos, n);
        m_pos += n;
        return v;
    }
    QString text()
    {
        const QByteArrayView v = bytes();
        return QString::fromUtf8(v.data(), v.size());
    }

    qsizetype remaining() const { return m_data.size() - m_pos; }
    bool atEnd() const { return remaining() == 0; }
    void expectEnd() const;

private:
    void need(quint64 n) const;
    template<class T>
    T scalar()
    {
        need(sizeof(T));
        T v;
        std::memcpy(&v, m_data.data() + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return v;
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};
