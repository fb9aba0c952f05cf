#pragma once

#include "WireTypes.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <vector>

class ByteReader;

// The in-memory table of a screen: typed columns under the server's names, stored by column
// (text as UTF-8 in one buffer with end offsets, a QString made only when a cell is read), so
// a large result set lands here without a per-cell allocation.
//
// Not thread-safe and not a QObject: a worker fills it only while its grid is detached.
class MemTable
{
public:
    struct Column
    {
        ColumnDesc desc;
        QString displayFormat; // set on floating-point columns by FloatFormatla
        std::vector<qint64> integers; // Int32, Int64, Bool
        std::vector<double> reals; // Double, Date
        QByteArray text; // Text: all cells back to back
        std::vector<quint32> textEnds; // Text: end offset of each cell
        std::vector<quint8> nulls;
    };

    // Column definitions survive close(); the result-set copy checks against them.
    bool isOpen() const { return m_open; }
    void open();
    void close();
    void clearRows(); // empties an open table, keeping it open
    void clearColumns(); // drops definitions and rows

    int columnCount() const { return int(m_columns.size()); }
    const ColumnDesc &columnDesc(int col) const { return m_columns[size_t(col)].desc; }
    QString columnName(int col) const { return columnDesc(col).name; }
    ValueType columnType(int col) const { return columnDesc(col).type; }
    int columnIndex(const QString &name) const; // -1 when absent (case-insensitive, as field lookups are)
    void addColumn(const ColumnDesc &desc);

    QString displayFormat(int col) const { return m_columns[size_t(col)].displayFormat; }
    void setDisplayFormat(int col, const QString &format) { m_columns[size_t(col)].displayFormat = format; }

    int rowCount() const { return m_open ? m_rows : 0; }
    bool isNull(int row, int col) const { return m_columns[size_t(col)].nulls[size_t(row)] != 0; }
    QVariant value(int row, int col) const;
    QString text(int row, int col) const;
    double real(int row, int col) const;
    qint64 integer(int row, int col) const;
    QByteArrayView utf8(int row, int col) const;
    QVariant value(int row, const QString &column) const;

    void setValue(int row, int col, const QVariant &v);
    void setValue(int row, const QString &column, const QVariant &v);

    // Building rows (tests, local edits): values in column order; invalid QVariant = null.
    void appendRow(const QVariantList &values);
    // Appends one row decoded from the compact row encoding of the wire.
    void appendEncodedRow(ByteReader &r);
    void reserveRows(qsizetype rows);

    // The dataset cursor, as SeciliVarmi moves it; rowCount() means past the end.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row) { m_current = row; }

    qsizetype memoryBytes() const;

private:
    void requireColumn(int col) const;
    void appendNull(Column &c);

    std::vector<Column> m_columns;
    int m_rows = 0;
    int m_current = 0;
    bool m_open = false;
};
