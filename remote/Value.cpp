#include "Value.h"

#include "DSException.h"

namespace {
[[noreturn]] void conversionError(ValueType from, const char *to)
{
    throw DSException(QStringLiteral("Cannot convert %1 value to %2").arg(valueTypeName(from), QLatin1String(to)),
                      QStringLiteral("EConvertError"));
}
} // namespace

Value Value::text(const QString &v)
{
    Value r;
    r.m_type = ValueType::Text;
    r.m_text = v;
    return r;
}

Value Value::int32(qint32 v)
{
    Value r;
    r.m_type = ValueType::Int32;
    r.m_integer = v;
    return r;
}

Value Value::int64(qint64 v)
{
    Value r;
    r.m_type = ValueType::Int64;
    r.m_integer = v;
    return r;
}

Value Value::real(double v)
{
    Value r;
    r.m_type = ValueType::Double;
    r.m_real = v;
    return r;
}

Value Value::date(double days)
{
    Value r;
    r.m_type = ValueType::Date;
    r.m_real = days;
    return r;
}

Value Value::boolean(bool v)
{
    Value r;
    r.m_type = ValueType::Bool;
    r.m_integer = v ? 1 : 0;
    return r;
}

Value Value::object(const QByteArray &jsonUtf8)
{
    Value r;
    if (jsonUtf8.isEmpty())
        return r;
    r.m_type = ValueType::Object;
    r.m_bytes = jsonUtf8;
    return r;
}

Value Value::resultSet(const QList<ColumnDesc> &columns)
{
    Value r;
    r.m_type = ValueType::ResultSet;
    r.m_columns = columns;
    return r;
}

Value Value::stream(qint64 announcedSize)
{
    Value r;
    r.m_type = ValueType::Stream;
    r.m_integer = announcedSize;
    return r;
}

QString Value::toText() const
{
    switch (m_type) {
    case ValueType::Null:
        return {};
    case ValueType::Text:
        return m_text;
    case ValueType::Int32:
    case ValueType::Int64:
        return QString::number(m_integer);
    case ValueType::Double:
    case ValueType::Date:
        return QString::number(m_real, 'g', 15);
    case ValueType::Bool:
        return m_integer ? QStringLiteral("True") : QStringLiteral("False");
    case ValueType::Object:
        return QString::fromUtf8(m_bytes);
    default:
        conversionError(m_type, "text");
    }
}

qint64 Value::toInt64() const
{
    switch (m_type) {
    case ValueType::Null:
        return 0;
    case ValueType::Int32:
    case ValueType::Int64:
    case ValueType::Bool:
    case ValueType::Stream:
        return m_integer;
    case ValueType::Double:
    case ValueType::Date:
        return qint64(m_real);
    default:
        conversionError(m_type, "integer");
    }
}

qint32 Value::toInt32() const
{
    return qint32(toInt64());
}

double Value::toDouble() const
{
    switch (m_type) {
    case ValueType::Null:
        return 0;
    case ValueType::Double:
    case ValueType::Date:
        return m_real;
    case ValueType::Int32:
    case ValueType::Int64:
        return double(m_integer);
    default:
        conversionError(m_type, "double");
    }
}

bool Value::toBool() const
{
    switch (m_type) {
    case ValueType::Null:
        return false;
    case ValueType::Bool:
    case ValueType::Int32:
    case ValueType::Int64:
        return m_integer != 0;
    default:
        conversionError(m_type, "boolean");
    }
}
