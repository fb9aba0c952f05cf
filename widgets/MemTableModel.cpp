#include "widgets/MemTableModel.h"

#include "identity/AmountFormat.h"
#include "remote/MemTable.h"

#include <QDateTime>

#include <cmath>

namespace {

const QString amountFormat = QStringLiteral("#,###,##0.00");
const QString grandTotalFormat = QStringLiteral("#,###,##00.00");

bool isNumericType(ValueType type)
{
    switch (type) {
    case ValueType::Int32:
    case ValueType::Int64:
    case ValueType::Double:
    case ValueType::Date:
    case ValueType::Bool:
        return true;
    default:
        return false;
    }
}

} // namespace

MemTableModel::MemTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void MemTableModel::setColumns(const QList<Column> &columns)
{
    beginResetModel();
    m_columns = columns;
    bindColumns();
    endResetModel();
}

void MemTableModel::attach(MemTable *table)
{
    beginResetModel();
    m_table = table;
    bindColumns();
    endResetModel();
}

void MemTableModel::detach()
{
    attach(nullptr);
}

void MemTableModel::setLocale(const QLocale &locale)
{
    beginResetModel(); // every text changes; one reset is cheaper than re-sorting by rows
    m_locale = locale;
    endResetModel();
}

void MemTableModel::bindColumns()
{
    m_effective = m_columns;
    if (m_effective.isEmpty() && m_table) {
        for (int c = 0; c < m_table->columnCount(); ++c)
            m_effective.append(Column{m_table->columnName(c), {}, {}, {}});
    }
    m_bound.clear();
    for (const Column &c : std::as_const(m_effective))
        m_bound.append(m_table && !c.text ? m_table->columnIndex(c.field) : -1);
}

int MemTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table ? 0 : m_table->rowCount();
}

int MemTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_effective.size());
}

QString MemTableModel::field(int column) const
{
    return column >= 0 && column < m_effective.size() ? m_effective.at(column).field : QString();
}

QString MemTableModel::caption(int column) const
{
    if (column < 0 || column >= m_effective.size())
        return {};
    const Column &c = m_effective.at(column);
    return c.caption.isEmpty() ? c.field : c.caption;
}

int MemTableModel::columnOf(const QString &field) const
{
    for (int c = 0; c < m_effective.size(); ++c) {
        if (m_effective.at(c).field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

int MemTableModel::tableColumn(int column) const
{
    return column >= 0 && column < m_bound.size() ? m_bound.at(column) : -1;
}

bool MemTableModel::isNumeric(int column) const
{
    const int tc = tableColumn(column);
    return tc >= 0 && isNumericType(m_table->columnType(tc));
}

bool MemTableModel::isNull(int row, int column) const
{
    const int tc = tableColumn(column);
    return tc < 0 || m_table->isNull(row, tc);
}

double MemTableModel::number(int row, int column) const
{
    const int tc = tableColumn(column);
    if (tc < 0 || !isNumericType(m_table->columnType(tc)))
        return 0;
    return m_table->real(row, tc);
}

QString MemTableModel::displayText(int row, int column) const
{
    if (!m_table || row < 0 || row >= m_table->rowCount() || column < 0 || column >= m_effective.size())
        return {};
    const Column &spec = m_effective.at(column);
    if (spec.text)
        return spec.text(*m_table, row);
    const int tc = m_bound.at(column);
    if (tc < 0 || m_table->isNull(row, tc))
        return {};
    switch (m_table->columnType(tc)) {
    case ValueType::Text:
        return m_table->text(row, tc);
    case ValueType::Int32:
    case ValueType::Int64:
        return QString::number(m_table->integer(row, tc));
    case ValueType::Bool:
        return m_table->integer(row, tc) ? tr("Evet") : tr("Hayır");
    case ValueType::Double:
        return formatWithDisplayFormat(m_table->real(row, tc), m_table->displayFormat(tc), m_locale);
    case ValueType::Date:
        return dateText(m_table->real(row, tc), m_locale);
    default:
        return m_table->text(row, tc);
    }
}

QString MemTableModel::valueLabel(int column, const QString &displayText) const
{
    if (column < 0 || column >= m_effective.size())
        return displayText;
    return m_effective.at(column).valueLabels.value(displayText, displayText);
}

QString MemTableModel::formatNumber(int column, double value) const
{
    const int tc = tableColumn(column);
    if (tc >= 0 && m_table->columnType(tc) == ValueType::Double)
        return formatWithDisplayFormat(value, m_table->displayFormat(tc), m_locale);
    if (value == std::trunc(value) && std::abs(value) < 9e15)
        return QString::number(qint64(value));
    return formatAmount(value, m_locale);
}

QVariant MemTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, column);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: {
        const QHash<QString, QString> &labels = m_effective.at(column).valueLabels;
        if (labels.isEmpty())
            return role == Qt::AccessibleTextRole ? QVariant(displayText(row, column)) : QVariant();
        return valueLabel(column, displayText(row, column));
    }
    case SortRole: {
        const int tc = m_bound.at(column);
        if (tc < 0)
            return m_effective.at(column).text ? QVariant(displayText(row, column)) : QVariant();
        if (m_table->isNull(row, tc))
            return {};
        switch (m_table->columnType(tc)) {
        case ValueType::Text:
            return m_table->text(row, tc);
        case ValueType::Double:
        case ValueType::Date:
            return m_table->real(row, tc);
        default:
            return m_table->integer(row, tc);
        }
    }
    case SourceRowRole:
        return row;
    case Qt::TextAlignmentRole: {
        const int tc = m_bound.at(column);
        const bool right = tc >= 0 && (m_table->columnType(tc) == ValueType::Int32 || m_table->columnType(tc) == ValueType::Int64
                                       || m_table->columnType(tc) == ValueType::Double);
        return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }
    default:
        return {};
    }
}

QVariant MemTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_effective.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return caption(section);
    return {};
}

Qt::ItemFlags MemTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void MemTableModel::notifyRowChanged(int row)
{
    if (row >= 0 && row < rowCount() && columnCount() > 0)
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void MemTableModel::notifyTableChanged()
{
    beginResetModel();
    bindColumns();
    endResetModel();
}

QString MemTableModel::formatWithDisplayFormat(double value, const QString &format, const QLocale &locale)
{
    if (format == amountFormat)
        return formatAmount(value, locale);
    if (format == grandTotalFormat)
        return formatGrandTotal(value, locale);
    QLocale l = locale;
    if (format.isEmpty()) {
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l.toString(value, 'f', QLocale::FloatingPointShortest);
    }
    const qsizetype dot = format.indexOf(QLatin1Char('.'));
    const int decimals = dot < 0 ? 0 : int(format.size() - dot - 1);
    if (!format.contains(QLatin1Char(',')))
        l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(value, 'f', decimals);
}

QString MemTableModel::dateText(double days, const QLocale &locale)
{
    if (!std::isfinite(days) || std::abs(days) > 3e6)
        return {};
    const double whole = std::floor(days);
    const QDate date = QDate(1899, 12, 30).addDays(qint64(whole));
    const qint64 msecs = qRound64((days - whole) * 86400000.0);
    if (msecs == 0)
        return locale.toString(date, QLocale::ShortFormat);
    return locale.toString(QDateTime(date, QTime(0, 0)).addMSecs(msecs), QLocale::ShortFormat);
}
