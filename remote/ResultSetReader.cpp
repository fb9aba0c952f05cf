#include "ResultSetReader.h"

#include "ByteIo.h"
#include "DSConnection.h"
#include "DSException.h"
#include "MemTable.h"
#include "SocketChannel.h"

ResultSetReader::ResultSetReader(DSConnection &connection, const QList<ColumnDesc> &columns)
    : TrailerReader(connection), m_columns(columns)
{
}

void ResultSetReader::copyInto(MemTable &table)
{
    if (isFinished())
        throw DSException(QStringLiteral("The result set has already been read"));
    table.close();
    for (int i = 0; i < m_columns.size(); ++i) {
        if (i < table.columnCount()) {
            if (table.columnName(i) != m_columns.at(i).name)
                throw DSException(QStringLiteral("Additional columns must be added after the prescribed columns."));
        } else {
            table.addColumn(m_columns.at(i));
        }
    }
    table.open();
    try {
        readRows(&table);
    } catch (...) {
        // Never leave half a result behind: the table holds all rows of the answer or none.
        table.clearRows();
        throw;
    }
}

void ResultSetReader::skipRest()
{
    readRows(nullptr);
}

void ResultSetReader::readRows(MemTable *table)
{
    MemTable scratch;
    if (!table) {
        for (const ColumnDesc &c : m_columns)
            scratch.addColumn(c);
        scratch.open();
    }
    MemTable &target = table ? *table : scratch;
    try {
        for (;;) {
            const Frame frame = channel().readFrame();
            if (frame.type == FrameType::Rows) {
                ByteReader r(frame.payload);
                const quint32 rows = r.u32();
                // Every row takes at least its null bitmap, so the count cannot exceed the bytes.
                if (rows > quint32(r.remaining()))
                    throw DSException(QStringLiteral("Protocol error: row count exceeds the message"),
                                      QStringLiteral("EProtocolError"));
                if (table)
                    target.reserveRows(target.rowCount() + rows);
                for (quint32 i = 0; i < rows; ++i)
                    target.appendEncodedRow(r);
                r.expectEnd();
                m_rowsRead += rows;
                if (!table)
                    scratch.clearRows();
            } else if (frame.type == FrameType::RowsEnd) {
                ByteReader r(frame.payload);
                const qint64 total = r.i64();
                if (total != m_rowsRead)
                    throw DSException(QStringLiteral("Protocol error: %1 rows announced, %2 received").arg(total).arg(m_rowsRead),
                                      QStringLiteral("EProtocolError"));
                finish();
                return;
            } else if (frame.type == FrameType::Error) {
                finish();
                WireCodec::raiseError(frame.payload);
            } else {
                throw DSException(QStringLiteral("Protocol error: unexpected message in a result set"),
                                  QStringLiteral("EProtocolError"));
            }
        }
    } catch (const DSException &) {
        if (!isFinished())
            abandonConnection();
        throw;
    }
}

void CopyResultSet(ResultSetReader *reader, MemTable &table)
{
    if (!reader)
        throw DSException(QStringLiteral("No result set"));
    reader->copyInto(table);
}
