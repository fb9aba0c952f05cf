#pragma once

#include "WireCodec.h"

#include <QByteArray>
#include <QList>

#include <initializer_list>

class SqliteStatement;

// The columns of one result set, each with its wire name, type and the SQL expression that
// yields it (the name itself when the expression is left out, for columns of a view). The
// SELECT list is built from the same entries, so names, order and types cannot drift apart.
class ResultColumns
{
public:
    struct Column
    {
        const char *name;
        ValueType type;
        const char *expression = nullptr;
    };

    ResultColumns(std::initializer_list<Column> columns);
    // `base` followed by `more`.
    ResultColumns(const ResultColumns &base, std::initializer_list<Column> more);

    // `expr AS "NAME", ...`
    const QByteArray &selectList() const { return m_select; }
    const QList<ColumnDesc> &descs() const { return m_descs; }

    // Every row of a statement prepared with selectList(), in the columns' wire types.
    RowBatchWriter read(SqliteStatement &statement) const;

private:
    void append(const Column &column);

    QList<ColumnDesc> m_descs;
    QByteArray m_select;
};

// Shorthands for column types in result-set declarations.
namespace ColumnType {
constexpr ValueType I = ValueType::Int32;
constexpr ValueType D = ValueType::Double;
constexpr ValueType T = ValueType::Text;
constexpr ValueType DT = ValueType::Date;
} // namespace ColumnType
