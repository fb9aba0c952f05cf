#include "ResultColumns.h"

#include "DSException.h"
#include "SqliteStatement.h"

ResultColumns::ResultColumns(std::initializer_list<Column> columns)
{
    for (const Column &c : columns)
        append(c);
}

ResultColumns::ResultColumns(const ResultColumns &base, std::initializer_list<Column> more)
    : m_descs(base.m_descs), m_select(base.m_select)
{
    for (const Column &c : more)
        append(c);
}

void ResultColumns::append(const Column &c)
{
    const QByteArray name(c.name);
    m_descs.append({QString::fromUtf8(name), c.type, c.type == ValueType::Text ? 100 : 0});
    if (!m_select.isEmpty())
        m_select += ", ";
    m_select += (c.expression ? QByteArray(c.expression) : '"' + name + '"') + " AS \"" + name + '"';
}

RowBatchWriter ResultColumns::read(SqliteStatement &statement) const
{
    const int count = int(m_descs.size());
    if (statement.columnCount() != count)
        throw DSException(QStringLiteral("Sorgu %1 sütun verdi, %2 bekleniyordu").arg(statement.columnCount()).arg(count));
    RowBatchWriter rows(m_descs);
    while (statement.step()) {
        rows.beginRow();
        for (int i = 0; i < count; ++i) {
            if (statement.isNull(i)) {
                rows.addNull();
                continue;
            }
            switch (m_descs.at(i).type) {
            case ValueType::Int32:
                rows.addInt32(statement.int32(i));
                break;
            case ValueType::Int64:
                rows.addInt64(statement.int64(i));
                break;
            case ValueType::Double:
                rows.addDouble(statement.real(i));
                break;
            case ValueType::Date:
                rows.addDate(statement.real(i));
                break;
            case ValueType::Bool:
                rows.addBool(statement.int32(i) != 0);
                break;
            default:
                rows.addUtf8(statement.utf8(i));
            }
        }
        rows.endRow();
    }
    return rows;
}
