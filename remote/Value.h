#pragma once

#include "WireTypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One parameter or result value of a remote call.
class Value
{
public:
    Value() = default;

    static Value text(const QString &v);
    static Value int32(qint32 v);
    static Value int64(qint64 v);
    static Value real(double v);
    static Value date(double days);
    static Value boolean(bool v);
    static Value object(const QByteArray &jsonUtf8); // empty = null object
    static Value resultSet(const QList<ColumnDesc> &columns);
    static Value stream(qint64 announcedSize);

    ValueType type() const { return m_type; }
    bool isNull() const { return m_type == ValueType::Null; }

    // Conversions raise DSException when the value is of an unrelated type.
    QString toText() const;
    qint32 toInt32() const;
    qint64 toInt64() const;
    double toDouble() const;
    bool toBool() const;
    const QByteArray &json() const { return m_bytes; }
    const QList<ColumnDesc> &columns() const { return m_columns; }

    bool operator==(const Value &) const = default;

private:
    ValueType m_type = ValueType::Null;
    qint64 m_integer = 0;
    double m_real = 0;
    QString m_text;
    QByteArray m_bytes;
    QList<ColumnDesc> m_columns;
};
