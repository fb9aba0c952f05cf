#pragma once

#include "TrailerReader.h"
#include "WireTypes.h"

#include <QList>

class MemTable;

// Forward-only reader over the rows that follow a reply. The rows are decoded straight into
// the target table's column storage, batch by batch, without an intermediate copy.
class ResultSetReader : public TrailerReader
{
public:
    ResultSetReader(DSConnection &connection, const QList<ColumnDesc> &columns);

    const QList<ColumnDesc> &columns() const { return m_columns; }
    qint64 rowsRead() const { return m_rowsRead; }

    // The reader-to-table copy: existing column definitions are kept by position and must
    // match by name; missing ones are appended; then all rows are appended in order.
    void copyInto(MemTable &table);

private:
    void skipRest() override;
    // Reads frames until the end marker; rows go to `table` when given, else are dropped.
    void readRows(MemTable *table);

    QList<ColumnDesc> m_columns;
    qint64 m_rowsRead = 0;
};

// The copy every screen uses: the reader's rows into the table.
void CopyResultSet(ResultSetReader *reader, MemTable &table);
