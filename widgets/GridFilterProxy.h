#pragma once

#include <QCollator>
#include <QHash>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <functional>
#include <vector>

class MemTableModel;

// Sorting and header filters of a grid over a MemTableModel.
//
// A value filter keeps the rows whose display text in that column is one of the accepted
// texts; filters of several columns combine with "and". Sorting compares numbers as numbers
// and text by the locale's collation, with keys computed once per sort, so a 100,000-row
// table sorts without building strings inside the comparisons.
class GridFilterProxy : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit GridFilterProxy(QObject *parent = nullptr);

    void setSourceModel(QAbstractItemModel *model) override;
    MemTableModel *tableModel() const { return m_model; }

    void setValueFilter(int column, const QSet<QString> &accepted);
    void clearValueFilter(int column);
    void clearFilters();
    bool hasValueFilter(int column) const { return m_filters.contains(column); }
    QSet<QString> valueFilter(int column) const { return m_filters.value(column); }
    QList<int> filteredColumns() const { return m_filters.keys(); }

    // The column's different display texts among the rows that the other columns' filters
    // keep, in sort order.
    QStringList distinctValues(int column) const;

    int sourceRow(int proxyRow) const;
    void setSortLocale(const QLocale &locale);

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

Q_SIGNALS:
    void filtersAboutToChange();
    void filtersChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    bool acceptsExcept(int sourceRow, int skipColumn) const;
    void changeFilters(const std::function<void()> &change);
    void ensureSortKeys(int column) const;
    void dropSortKeys() const;
    void refreshSortKeys(int firstRow, int lastRow) const;

    MemTableModel *m_model = nullptr;
    QList<QMetaObject::Connection> m_sourceConnections;
    QHash<int, QSet<QString>> m_filters;
    QCollator m_collator;

    // Sort keys of one column by source row, built lazily and dropped on any change.
    mutable int m_keyColumn = -1;
    mutable bool m_keysNumeric = false;
    mutable std::vector<double> m_numberKeys;
    mutable std::vector<QCollatorSortKey> m_textKeys;
    mutable std::vector<quint8> m_nullKeys;
};
