#include "WireTypes.h"

bool isScalarColumnType(ValueType type)
{
    switch (type) {
    case ValueType::Text:
    case ValueType::Int32:
    case ValueType::Int64:
    case ValueType::Double:
    case ValueType::Date:
    case ValueType::Bool:
        return true;
    default:
        return false;
    }
}

QString valueTypeName(ValueType type)
{
    switch (type) {
    case ValueType::Null: return QStringLiteral("null");
    case ValueType::Text: return QStringLiteral("text");
    case ValueType::Int32: return QStringLiteral("int32");
    case ValueType::Int64: return QStringLiteral("int64");
    case ValueType::Double: return QStringLiteral("double");
    case ValueType::Date: return QStringLiteral("date");
    case ValueType::Bool: return QStringLiteral("boolean");
    case ValueType::Object: return QStringLiteral("object");
    case ValueType::ResultSet: return QStringLiteral("result set");
    case ValueType::Stream: return QStringLiteral("stream");
    }
    return QStringLiteral("unknown(%1)").arg(int(type));
}
