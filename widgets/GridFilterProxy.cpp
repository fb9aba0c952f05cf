#include "widgets/GridFilterProxy.h"

#include "widgets/MemTableModel.h"

#include <algorithm>

GridFilterProxy::GridFilterProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(MemTableModel::SortRole);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void GridFilterProxy::setSourceModel(QAbstractItemModel *model)
{
    for (const QMetaObject::Connection &c : std::as_const(m_sourceConnections))
        disconnect(c);
    m_sourceConnections.clear();
    m_model = qobject_cast<MemTableModel *>(model);
    Q_ASSERT_X(m_model || !model, "GridFilterProxy", "the source must be a MemTableModel");
    dropSortKeys();
    if (m_model) {
        m_collator.setLocale(m_model->locale());
        // Dropped before the base class re-sorts on these signals (connected first).
        m_sourceConnections = {
            connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { dropSortKeys(); }),
            connect(m_model, &QAbstractItemModel::dataChanged, this,
                    [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                        refreshSortKeys(topLeft.row(), bottomRight.row());
                    }),
        };
    }
    QSortFilterProxyModel::setSourceModel(model);
}

void GridFilterProxy::setValueFilter(int column, const QSet<QString> &accepted)
{
    changeFilters([&] { m_filters.insert(column, accepted); });
}

void GridFilterProxy::clearValueFilter(int column)
{
    if (m_filters.contains(column))
        changeFilters([&] { m_filters.remove(column); });
}

void GridFilterProxy::clearFilters()
{
    if (!m_filters.isEmpty())
        changeFilters([&] { m_filters.clear(); });
}

void GridFilterProxy::changeFilters(const std::function<void()> &change)
{
    // One reset instead of the row-by-row removals of a plain invalidation: on a sorted
    // 100,000-row list those are tens of thousands of signals and take seconds.
    Q_EMIT filtersAboutToChange();
    beginResetModel();
    change();
    endResetModel();
    Q_EMIT filtersChanged();
}

bool GridFilterProxy::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    Q_UNUSED(sourceParent);
    return acceptsExcept(sourceRow, -1);
}

bool GridFilterProxy::acceptsExcept(int sourceRow, int skipColumn) const
{
    for (auto it = m_filters.cbegin(); it != m_filters.cend(); ++it) {
        if (it.key() != skipColumn && !it.value().contains(m_model->displayText(sourceRow, it.key())))
            return false;
    }
    return true;
}

QStringList GridFilterProxy::distinctValues(int column) const
{
    if (!m_model || column < 0 || column >= m_model->columnCount())
        return {};
    QHash<QString, int> firstRow;
    const int rows = m_model->rowCount();
    for (int row = 0; row < rows; ++row) {
        if (!acceptsExcept(row, column))
            continue;
        const QString text = m_model->displayText(row, column);
        if (!firstRow.contains(text))
            firstRow.insert(text, row);
    }
    struct Entry
    {
        QString text;
        int row;
        QCollatorSortKey key;
    };
    const bool numeric = m_model->isNumeric(column);
    std::vector<Entry> entries;
    entries.reserve(size_t(firstRow.size()));
    for (auto it = firstRow.cbegin(); it != firstRow.cend(); ++it)
        entries.push_back({it.key(), it.value(), m_collator.sortKey(numeric ? QString() : it.key())});
    std::sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) {
        const bool aNull = a.text.isEmpty();
        const bool bNull = b.text.isEmpty();
        if (aNull != bNull)
            return aNull;
        if (numeric)
            return m_model->number(a.row, column) < m_model->number(b.row, column);
        return a.key.compare(b.key) < 0;
    });
    QStringList values;
    values.reserve(qsizetype(entries.size()));
    for (const Entry &e : entries)
        values.append(e.text);
    return values;
}

int GridFilterProxy::sourceRow(int proxyRow) const
{
    return mapToSource(index(proxyRow, 0)).row();
}

void GridFilterProxy::setSortLocale(const QLocale &locale)
{
    m_collator.setLocale(locale);
    dropSortKeys();
    invalidate();
}

void GridFilterProxy::sort(int column, Qt::SortOrder order)
{
    dropSortKeys();
    QSortFilterProxyModel::sort(column, order);
}

void GridFilterProxy::dropSortKeys() const
{
    m_keyColumn = -1;
    m_numberKeys = {};
    m_textKeys = {};
    m_nullKeys = {};
}

void GridFilterProxy::refreshSortKeys(int firstRow, int lastRow) const
{
    if (m_keyColumn < 0)
        return;
    for (int row = firstRow; row <= lastRow; ++row) {
        const size_t r = size_t(row);
        if (m_keysNumeric) {
            m_nullKeys[r] = m_model->isNull(row, m_keyColumn);
            m_numberKeys[r] = m_model->number(row, m_keyColumn);
        } else {
            const QString text = m_model->displayText(row, m_keyColumn);
            m_nullKeys[r] = text.isEmpty();
            m_textKeys[r] = m_collator.sortKey(text);
        }
    }
}

void GridFilterProxy::ensureSortKeys(int column) const
{
    if (m_keyColumn == column)
        return;
    dropSortKeys();
    const int rows = m_model->rowCount();
    m_keysNumeric = m_model->isNumeric(column);
    m_nullKeys.resize(size_t(rows));
    if (m_keysNumeric) {
        m_numberKeys.resize(size_t(rows));
        for (int row = 0; row < rows; ++row) {
            m_nullKeys[size_t(row)] = m_model->isNull(row, column);
            m_numberKeys[size_t(row)] = m_model->number(row, column);
        }
    } else {
        m_textKeys.reserve(size_t(rows));
        for (int row = 0; row < rows; ++row) {
            const QString text = m_model->displayText(row, column);
            m_nullKeys[size_t(row)] = text.isEmpty();
            m_textKeys.push_back(m_collator.sortKey(text));
        }
    }
    m_keyColumn = column;
}

bool GridFilterProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (!m_model || left.column() != right.column())
        return QSortFilterProxyModel::lessThan(left, right);
    ensureSortKeys(left.column());
    const size_t l = size_t(left.row());
    const size_t r = size_t(right.row());
    if (m_nullKeys[l] != m_nullKeys[r])
        return m_nullKeys[l] != 0; // empty cells first
    if (m_keysNumeric)
        return m_numberKeys[l] < m_numberKeys[r];
    return m_textKeys[l].compare(m_textKeys[r]) < 0;
}
