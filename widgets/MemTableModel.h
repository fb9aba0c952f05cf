#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>

#include <functional>

class MemTable;

// Item model of one in-memory table for the grids. Its columns are the grid's column list
// (matched to the table by name on attach), so a grid keeps its header while the table is
// detached for a background fill. Display text is formatted here, once per shown cell; the
// raw value travels in SortRole.
class MemTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role {
        SortRole = Qt::UserRole, // raw value: QString, qint64, double; invalid for null
        SourceRowRole, // the table row of the cell
    };

    using TextFunction = std::function<QString(const MemTable &table, int row)>;

    struct Column
    {
        QString field; // table column name (matched case-insensitively)
        QString caption; // empty: the field name is the header
        TextFunction text; // when set, the cell text comes from here instead of the table
        QHash<QString, QString> valueLabels; // display text -> words for screen readers and filters
    };

    explicit MemTableModel(QObject *parent = nullptr);

    // An empty list means: every column of the attached table, in the table's order.
    void setColumns(const QList<Column> &columns);
    const QList<Column> &columns() const { return m_columns; }

    void attach(MemTable *table);
    void detach();
    MemTable *table() const { return m_table; }

    void setLocale(const QLocale &locale);
    QLocale locale() const { return m_locale; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QString field(int column) const;
    QString caption(int column) const;
    int columnOf(const QString &field) const; // -1 when the grid has no such column
    int tableColumn(int column) const; // -1 when unbound or detached
    bool isNumeric(int column) const; // sorted and summed as numbers
    bool isNull(int row, int column) const;
    double number(int row, int column) const; // 0 for null and text
    QString displayText(int row, int column) const;
    QString valueLabel(int column, const QString &displayText) const;
    // A sum or other figure shown in the column's own format.
    QString formatNumber(int column, double value) const;

    // A row was edited in place (a tick, a local post).
    void notifyRowChanged(int row);
    // The attached table changed as a whole.
    void notifyTableChanged();

    static QString formatWithDisplayFormat(double value, const QString &format, const QLocale &locale);
    // Dates travel as days since 30 December 1899, the time as the fraction.
    static QString dateText(double days, const QLocale &locale);

private:
    void bindColumns();

    QList<Column> m_columns; // as set by the grid (may be empty)
    QList<Column> m_effective; // the columns shown
    QList<int> m_bound; // table column of each shown column, -1 unbound
    MemTable *m_table = nullptr;
    QLocale m_locale;
};
