#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Value types as they travel on the wire; result-set columns use the scalar subset.
enum class ValueType : quint8 {
    Null = 0,
    Text = 1,
    Int32 = 2,
    Int64 = 3,
    Double = 4,
    Date = 5, // days since 30 December 1899, time as fraction
    Bool = 6,
    Object = 7, // the JSON object form, as UTF-8 text
    ResultSet = 8,
    Stream = 9,
};

enum class ParamDirection : quint8 { In = 0, Out = 1, Return = 2 };

struct ColumnDesc
{
    QString name;
    ValueType type = ValueType::Text;
    qint32 size = 0;
    bool operator==(const ColumnDesc &) const = default;
};

struct ParamSpec
{
    QString name;
    ValueType type = ValueType::Null;
    ParamDirection direction = ParamDirection::In;
    bool operator==(const ParamSpec &) const = default;
};

bool isScalarColumnType(ValueType type);
QString valueTypeName(ValueType type);

// Hard limits checked before anything is allocated from a length read off the wire.
namespace WireLimits {
constexpr quint32 maxFramePayload = 16u * 1024u * 1024u;
constexpr quint32 maxColumns = 1024;
constexpr quint32 maxParams = 256;
constexpr quint32 rowBatchBytes = 256u * 1024u; // writers cut row batches near this size
constexpr quint32 streamChunkBytes = 64u * 1024u;
} // namespace WireLimits
