#pragma once

#include "remote/MemTable.h"
#include "remote/TableHelpers.h"

#include <QVariantList>

#include <initializer_list>
#include <utility>

// A small in-memory table: columns by name and type, then rows in column order
// (an invalid QVariant is a null cell). Floating-point columns get the amount format.
inline void fillTable(MemTable &table, std::initializer_list<std::pair<const char *, ValueType>> columns,
                      std::initializer_list<QVariantList> rows)
{
    table.clearColumns();
    for (const auto &[name, type] : columns)
        table.addColumn(ColumnDesc{QString::fromUtf8(name), type, 0});
    table.open();
    for (const QVariantList &row : rows)
        table.appendRow(row);
    FloatFormatla(table);
}
