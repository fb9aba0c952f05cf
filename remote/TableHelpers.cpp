#include "TableHelpers.h"

#include "MemTable.h"

void FloatFormatla(MemTable &table)
{
    for (int col = 0; col < table.columnCount(); ++col) {
        if (table.columnType(col) == ValueType::Double)
            table.setDisplayFormat(col, QStringLiteral("#,###,##0.00"));
    }
}

bool KayitVarmi(const MemTable &table)
{
    return table.isOpen() && table.rowCount() != 0;
}

bool SeciliVarmi(MemTable &table)
{
    if (!KayitVarmi(table))
        return false;
    const int sec = table.columnIndex(QStringLiteral("SEC"));
    for (int row = 0; row < table.rowCount(); ++row) {
        table.setCurrentRow(row);
        if (sec >= 0 && !table.isNull(row, sec) && table.real(row, sec) == 1)
            return true;
    }
    table.setCurrentRow(table.rowCount());
    return false;
}
