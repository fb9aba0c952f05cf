#include "widgets/DataGrid.h"

#include "remote/MemTable.h"
#include "widgets/ColumnChooser.h"
#include "widgets/FilterHeaderView.h"
#include "widgets/FilterPopup.h"
#include "widgets/GridFilterProxy.h"
#include "widgets/GridFooter.h"
#include "widgets/GridItemDelegate.h"
#include "widgets/GridTableView.h"
#include "widgets/PictureCellDelegate.h"
#include "widgets/StatusPictures.h"
#include "widgets/WeightLayout.h"

#include <QAction>
#include <QEvent>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QHash<QString, QString> labelsFor(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Status:
        return StatusPictures::labels();
    case ColumnKind::Tick:
        return {{QStringLiteral("1"), DataGrid::tr("İşaretli")}, {QStringLiteral("0"), DataGrid::tr("İşaretsiz")}};
    case ColumnKind::PictureFlag:
        return {{QStringLiteral("1"), DataGrid::tr("Var")}, {QStringLiteral("0"), DataGrid::tr("Yok")}};
    default:
        return {};
    }
}

} // namespace

DataGrid::DataGrid(QWidget *parent)
    : QWidget(parent)
    , m_model(new MemTableModel(this))
    , m_proxy(new GridFilterProxy(this))
    , m_view(new GridTableView(this))
    , m_header(new FilterHeaderView(m_view))
    , m_plainDelegate(new GridItemDelegate(this))
{
    m_model->setLocale(locale());
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortLocale(locale());

    m_view->setHorizontalHeader(m_header);
    m_view->setModel(m_proxy);
    m_view->setItemDelegate(m_plainDelegate);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTabKeyNavigation(false);
    m_view->setAlternatingRowColors(true);
    m_view->setWordWrap(false);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_header->setMinimumSectionSize(4);
    m_header->setStretchLastSection(false);
    m_header->setSortIndicator(-1, Qt::AscendingOrder); // the table's own order until a header is clicked
    m_header->setSortIndicatorClearable(true);
    m_header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSortingEnabled(true);
    setRowHeight(40);

    m_footer = new GridFooter(m_header, this);
    m_footer->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    setFocusProxy(m_view);
    setTitle(tr("Liste"));

    connect(m_view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { Q_EMIT rowDoubleClicked(viewSourceRow(index)); });
    connect(m_view, &GridTableView::rowActivated, this,
            [this](const QModelIndex &index) { Q_EMIT rowDoubleClicked(viewSourceRow(index)); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { Q_EMIT currentRowChanged(viewSourceRow(current)); });
    connect(m_view, &GridTableView::contextMenuWanted, this, [this](const QPoint &globalPos) {
        if (m_contextMenu)
            m_contextMenu->popup(globalPos);
    });
    connect(m_header, &FilterHeaderView::filterButtonClicked, this, &DataGrid::showFilterPopup);
    connect(m_header, &QWidget::customContextMenuRequested, this, &DataGrid::showHeaderMenu);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    // A filter change resets the view: the focused row stays focused if the filter keeps it.
    connect(m_proxy, &GridFilterProxy::filtersAboutToChange, this, [this] { m_keptRow = currentSourceRow(); });
    connect(m_proxy, &GridFilterProxy::filtersChanged, this, [this] {
        syncFilterMarks();
        setCurrentSourceRow(m_keptRow);
    });
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &DataGrid::updateFooter);
    connect(m_proxy, &QAbstractItemModel::layoutChanged, this, &DataGrid::updateFooter);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &DataGrid::updateFooter);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &DataGrid::updateFooter);
    connect(m_proxy, &QAbstractItemModel::dataChanged, this, &DataGrid::updateFooter);

    auto *filterAction = new QAction(tr("Filtre..."), this);
    filterAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    connect(filterAction, &QAction::triggered, this, [this] {
        const QModelIndex current = m_view->currentIndex();
        const QList<int> shown = visibleColumns();
        showFilterPopup(current.isValid() ? current.column() : shown.value(0, -1));
    });
    auto *clearAction = new QAction(tr("Filtreleri Temizle"), this);
    connect(clearAction, &QAction::triggered, this, &DataGrid::clearFilters);
    auto *chooserAction = new QAction(tr("Kolon Seçici..."), this);
    chooserAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(chooserAction, &QAction::triggered, this, &DataGrid::showColumnChooser);
    auto *fitAction = new QAction(tr("En Uygun Genişlik"), this);
    connect(fitAction, &QAction::triggered, this, &DataGrid::fitColumnsToContent);
    for (QAction *action : {filterAction, clearAction, chooserAction, fitAction})
        addGridAction(action);
}

DataGrid::~DataGrid() = default;

void DataGrid::addGridAction(QAction *action)
{
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    m_actions.append(action);
}

void DataGrid::setColumns(const QList<GridColumn> &columns)
{
    m_proxy->clearFilters(); // filters belong to the old columns
    m_columns = columns;
    m_autoColumns = columns.isEmpty();
    QList<MemTableModel::Column> specs;
    for (GridColumn &c : m_columns) {
        specs.append({c.field, c.caption, c.text, labelsFor(c.kind)});
        if (c.delegate && !c.delegate->parent())
            c.delegate->setParent(this);
    }
    m_model->setColumns(specs);
    applyColumnSetup();
}

void DataGrid::applyColumnSetup()
{
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_view->setItemDelegateForColumn(c, nullptr);
    qDeleteAll(m_pictureDelegates);
    m_pictureDelegates.clear();
    for (int c = 0; c < m_columns.size() && c < m_model->columnCount(); ++c) {
        const GridColumn &def = m_columns.at(c);
        switch (def.kind) {
        case ColumnKind::Status:
        case ColumnKind::Tick:
        case ColumnKind::PictureFlag: {
            auto *delegate = new PictureCellDelegate(def.kind, def.flagPicture, this);
            delegate->setFocusFrame(m_focusFrame);
            m_pictureDelegates.append(delegate);
            m_view->setItemDelegateForColumn(c, delegate);
            break;
        }
        case ColumnKind::Custom:
            if (def.delegate)
                m_view->setItemDelegateForColumn(c, def.delegate);
            break;
        case ColumnKind::Plain:
            break;
        }
        m_view->setColumnHidden(c, !def.visible);
    }
    updateFooter();
}

int DataGrid::columnIndex(const QString &field) const
{
    return m_model->columnOf(field);
}

void DataGrid::setColumnVisible(const QString &field, bool visible)
{
    const int c = columnIndex(field);
    if (c < 0)
        return;
    if (c < m_columns.size())
        m_columns[c].visible = visible;
    m_view->setColumnHidden(c, !visible);
    updateFooter();
}

bool DataGrid::isColumnVisible(const QString &field) const
{
    const int c = columnIndex(field);
    return c >= 0 && !m_view->isColumnHidden(c);
}

void DataGrid::setColumnWidth(const QString &field, int width)
{
    const int c = columnIndex(field);
    if (c >= 0)
        m_header->resizeSection(c, qMax(0, width));
}

int DataGrid::columnWidth(const QString &field) const
{
    const int c = columnIndex(field);
    return c >= 0 ? m_header->sectionSize(c) : 0;
}

QList<int> DataGrid::visibleColumns() const
{
    QList<int> shown;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        if (!m_header->isSectionHidden(logical))
            shown.append(logical);
    }
    return shown;
}

void DataGrid::attach(MemTable *table)
{
    m_model->attach(table);
    if (m_autoColumns) {
        // Columns follow the table: names as captions, all shown, all offered.
        m_columns.clear();
        for (int c = 0; c < m_model->columnCount(); ++c)
            m_columns.append(GridColumn{m_model->field(c), {}, 1, true, true, ColumnKind::Plain, {}, nullptr, {}});
        applyColumnSetup();
    }
    updateFooter();
    Q_EMIT currentRowChanged(currentSourceRow());
}

void DataGrid::detach()
{
    if (m_popup)
        m_popup->close();
    m_model->detach();
    updateFooter();
    Q_EMIT currentRowChanged(-1);
}

MemTable *DataGrid::table() const
{
    return m_model->table();
}

void DataGrid::refreshRow(int sourceRow)
{
    m_model->notifyRowChanged(sourceRow);
}

void DataGrid::refresh()
{
    m_model->notifyTableChanged();
}

void DataGrid::setWeightRule(int threshold, int margin)
{
    m_threshold = threshold;
    m_margin = margin;
}

void DataGrid::setReferenceWidth(std::function<int()> width)
{
    m_referenceWidth = std::move(width);
}

void DataGrid::layoutColumns()
{
    const int reference = m_referenceWidth ? m_referenceWidth() : width();
    if (WeightLayout::usesWeights(reference, m_threshold))
        applyWeights();
    else
        fitColumnsToContent();
}

void DataGrid::applyWeights()
{
    const QList<int> shown = visibleColumns();
    QList<int> weights;
    for (int c : shown)
        weights.append(c < m_columns.size() ? m_columns.at(c).weight : 1);
    const QList<int> widths = WeightLayout::weightedWidths(weights, m_view->width(), m_margin);
    for (int i = 0; i < widths.size(); ++i)
        m_header->resizeSection(shown.at(i), widths.at(i));
}

void DataGrid::fitColumnsToContent()
{
    for (int c : visibleColumns())
        m_header->resizeSection(c, m_view->visibleContentWidth(c));
}

void DataGrid::setFitToWidth(bool on)
{
    m_header->setSectionResizeMode(on ? QHeaderView::Stretch : QHeaderView::Interactive);
}

void DataGrid::setRowHeight(int height)
{
    QHeaderView *rows = m_view->verticalHeader();
    rows->setMinimumSectionSize(qMin(height, 4));
    rows->setDefaultSectionSize(height);
}

int DataGrid::rowHeight() const
{
    return m_view->verticalHeader()->defaultSectionSize();
}

void DataGrid::setHeaderHeight(int height)
{
    m_header->setFixedHeight(height);
}

void DataGrid::setFocusFrame(bool on)
{
    m_focusFrame = on;
    m_plainDelegate->setFocusFrame(on);
    for (GridItemDelegate *d : std::as_const(m_pictureDelegates))
        d->setFocusFrame(on);
    m_view->viewport()->update();
}

void DataGrid::setSortingEnabled(bool on)
{
    if (!on)
        m_header->setSortIndicator(-1, Qt::AscendingOrder);
    m_view->setSortingEnabled(on);
    m_header->setSortIndicatorShown(on);
}

void DataGrid::setFilterButtonsShown(bool shown)
{
    m_header->setFilterButtonsShown(shown);
}

void DataGrid::setValueFilter(const QString &field, const QStringList &acceptedTexts)
{
    const int c = columnIndex(field);
    if (c >= 0)
        m_proxy->setValueFilter(c, QSet<QString>(acceptedTexts.cbegin(), acceptedTexts.cend()));
}

void DataGrid::clearFilters()
{
    m_proxy->clearFilters();
}

void DataGrid::syncFilterMarks()
{
    m_header->clearFilterMarks();
    for (int c : m_proxy->filteredColumns())
        m_header->setFilterActive(c, true);
    updateFooter();
}

void DataGrid::showFilterPopup(int column)
{
    if (column < 0 || column >= m_model->columnCount() || m_view->isColumnHidden(column))
        return;
    if (m_popup)
        m_popup->close();
    const bool status = column < m_columns.size() && m_columns.at(column).kind == ColumnKind::Status;
    QList<FilterPopup::Value> values;
    for (const QString &key : m_proxy->distinctValues(column))
        values.append({key, m_model->valueLabel(column, key), status ? StatusPictures::icon(key.toInt()) : QIcon()});
    auto *popup = new FilterPopup(m_model->caption(column), values, m_proxy->valueFilter(column),
                                  m_proxy->hasValueFilter(column), this);
    connect(popup, &FilterPopup::applied, this, [this, column](const QSet<QString> &keys, bool all) {
        if (all)
            m_proxy->clearValueFilter(column);
        else
            m_proxy->setValueFilter(column, keys);
    });

    // Under the column's filter button, kept on the screen.
    QRect button = m_header->filterButtonRect(column);
    if (button.isEmpty())
        button = QRect(m_header->sectionViewportPosition(column), 0, m_header->sectionSize(column), m_header->height());
    QPoint pos = m_header->viewport()->mapToGlobal(QPoint(button.right() - popup->width() + 1, m_header->height()));
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        pos.setX(qBound(area.left(), pos.x(), qMax(area.left(), area.right() - popup->width())));
        pos.setY(qBound(area.top(), pos.y(), qMax(area.top(), area.bottom() - popup->height())));
    }
    popup->move(pos);
    popup->show();
    popup->list()->setFocus();
    m_popup = popup;
}

FilterPopup *DataGrid::filterPopup() const
{
    return m_popup;
}

void DataGrid::sortBy(const QString &field, Qt::SortOrder order)
{
    const int c = columnIndex(field);
    if (c >= 0)
        m_view->sortByColumn(c, order);
}

void DataGrid::setFooterItems(const QList<FooterItem> &items)
{
    m_footerItems = items;
    m_footer->setVisible(!items.isEmpty() || !m_footerTexts.isEmpty());
    updateFooter();
}

void DataGrid::setFooterText(const QString &field, const QString &text)
{
    m_footerTexts.insert(field.toUpper(), text);
    m_footer->show();
    updateFooter();
}

QString DataGrid::footerText(const QString &field) const
{
    const int c = columnIndex(field);
    return c >= 0 ? m_footer->text(c) : QString();
}

void DataGrid::updateFooter()
{
    if (!m_footer || (m_footerItems.isEmpty() && m_footerTexts.isEmpty()))
        return;
    QHash<int, GridFooter::Cell> cells;
    const int rows = m_proxy->rowCount();
    for (const FooterItem &item : std::as_const(m_footerItems)) {
        const int c = columnIndex(item.field);
        if (c < 0)
            continue;
        const Qt::Alignment align = (m_model->isNumeric(c) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        if (item.kind == FooterItem::Count) {
            cells.insert(c, {QString::number(rows), align});
            continue;
        }
        double sum = 0;
        for (int r = 0; r < rows; ++r) {
            const int source = m_proxy->sourceRow(r);
            if (!m_model->isNull(source, c))
                sum += m_model->number(source, c);
        }
        cells.insert(c, {m_model->formatNumber(c, sum), align});
    }
    for (auto it = m_footerTexts.cbegin(); it != m_footerTexts.cend(); ++it) {
        const int c = columnIndex(it.key());
        if (c >= 0)
            cells.insert(c, {it.value(), Qt::AlignRight | Qt::AlignVCenter});
    }
    m_footer->setLeftOffset(m_view->frameWidth());
    m_footer->setCells(cells);
}

ColumnChooser *DataGrid::showColumnChooser()
{
    QList<ColumnChooser::Entry> entries;
    for (int c = 0; c < m_columns.size(); ++c) {
        const GridColumn &def = m_columns.at(c);
        if (def.inChooser)
            entries.append({def.field, def.header(), !m_view->isColumnHidden(c)});
    }
    auto *chooser = new ColumnChooser(entries, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::accepted, this, [this, chooser] {
        const QStringList checked = chooser->checkedFields();
        for (const QString &field : chooser->fields())
            setColumnVisible(field, checked.contains(field));
        layoutColumns();
    });
    chooser->open();
    return chooser;
}

void DataGrid::showHeaderMenu(const QPoint &pos)
{
    QMenu menu(this);
    menu.addActions(m_actions);
    menu.exec(m_header->viewport()->mapToGlobal(pos));
}

void DataGrid::setTitle(const QString &name)
{
    m_view->setAccessibleName(name);
    m_header->setAccessibleName(tr("%1 başlıkları").arg(name));
    m_footer->setAccessibleName(tr("%1 alt toplamları").arg(name));
}

int DataGrid::rowCount() const
{
    return m_proxy->rowCount();
}

int DataGrid::sourceRow(int viewRow) const
{
    return viewRow >= 0 && viewRow < m_proxy->rowCount() ? m_proxy->sourceRow(viewRow) : -1;
}

int DataGrid::viewSourceRow(const QModelIndex &index) const
{
    return index.isValid() ? m_proxy->mapToSource(index).row() : -1;
}

int DataGrid::currentSourceRow() const
{
    return viewSourceRow(m_view->currentIndex());
}

QString DataGrid::currentField() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_model->field(current.column()) : QString();
}

void DataGrid::setCurrentSourceRow(int sourceRow)
{
    if (sourceRow < 0 || sourceRow >= m_model->rowCount())
        return;
    const QModelIndex current = m_view->currentIndex();
    const QList<int> shown = visibleColumns();
    const int column = current.isValid() ? current.column() : shown.value(0, 0);
    const QModelIndex index = m_proxy->mapFromSource(m_model->index(sourceRow, column));
    if (index.isValid()) {
        m_view->setCurrentIndex(index);
        m_view->scrollTo(index);
    }
}

void DataGrid::setCurrentViewRow(int viewRow)
{
    setCurrentSourceRow(sourceRow(viewRow));
}

QTableView *DataGrid::view() const
{
    return m_view;
}

void DataGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_layoutOnResize)
        layoutColumns();
    Q_EMIT resized();
}

void DataGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange) {
        m_model->setLocale(locale());
        m_proxy->setSortLocale(locale());
    }
    QWidget::changeEvent(event);
}
