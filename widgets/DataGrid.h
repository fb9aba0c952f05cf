#pragma once

#include "widgets/GridColumn.h"

#include <QHash>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <functional>

class ColumnChooser;
class FilterHeaderView;
class FilterPopup;
class GridFilterProxy;
class GridFooter;
class GridItemDelegate;
class GridTableView;
class MemTable;
class QAbstractItemDelegate;
class QAction;
class QTableView;

// The one read-only grid of every list: a table view over an in-memory table, with column
// definitions, the weight rule for widths, header filters, sorting, type-ahead search, a
// column chooser and a footer of counts and sums.
//
// A background fill works on the table only between detach() and attach(): while detached
// the grid shows no rows and never reads the table.
class DataGrid : public QWidget
{
    Q_OBJECT
public:
    struct FooterItem
    {
        enum Kind { Count, Sum };
        QString field; // the column the figure stands under
        Kind kind = Count;
    };

    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    // Columns in the grid's order; an empty list shows the attached table's own columns.
    void setColumns(const QList<GridColumn> &columns);
    const QList<GridColumn> &columns() const { return m_columns; }
    int columnIndex(const QString &field) const; // -1 when the grid has no such column
    void setColumnVisible(const QString &field, bool visible);
    bool isColumnVisible(const QString &field) const;
    void setColumnWidth(const QString &field, int width);
    int columnWidth(const QString &field) const;
    QList<int> visibleColumns() const; // model columns in view order

    void attach(MemTable *table);
    void detach();
    MemTable *table() const;
    bool isAttached() const { return table() != nullptr; }
    void refreshRow(int sourceRow); // one row was edited in place
    void refresh(); // the attached table changed as a whole

    // Widths. The threshold is inclusive: "wider than 1152" is 1153.
    void setWeightRule(int threshold, int margin);
    int weightThreshold() const { return m_threshold; }
    int weightMargin() const { return m_margin; }
    // The width compared with the threshold (window or screen width); default: the grid's.
    void setReferenceWidth(std::function<int()> width);
    void setLayoutOnResize(bool on) { m_layoutOnResize = on; }
    void layoutColumns(); // weights at or above the threshold, content below it
    void applyWeights();
    void fitColumnsToContent(); // measured over the rows in view only
    void setFitToWidth(bool on); // the columns share the width evenly, weights unused

    void setRowHeight(int height);
    int rowHeight() const;
    void setHeaderHeight(int height);
    void setFocusFrame(bool on);
    void setSortingEnabled(bool on);
    void setFilterButtonsShown(bool shown);

    // Filters and sorting.
    void setValueFilter(const QString &field, const QStringList &acceptedTexts);
    void clearFilters();
    void showFilterPopup(int column);
    FilterPopup *filterPopup() const; // the open value list, if any
    void sortBy(const QString &field, Qt::SortOrder order = Qt::AscendingOrder);

    // Footer.
    void setFooterItems(const QList<FooterItem> &items);
    void setFooterText(const QString &field, const QString &text); // a figure the screen computes
    QString footerText(const QString &field) const;

    ColumnChooser *showColumnChooser();
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }
    void setTitle(const QString &name); // names the grid for assistive technology

    int rowCount() const; // rows in view, after filters
    int sourceRow(int viewRow) const;
    int currentSourceRow() const; // -1 when no row is focused
    QString currentField() const; // field of the focused column
    void setCurrentSourceRow(int sourceRow);
    void setCurrentViewRow(int viewRow);

    QTableView *view() const;
    GridFilterProxy *filterModel() const { return m_proxy; }
    MemTableModel *tableModel() const { return m_model; }
    FilterHeaderView *header() const { return m_header; }

Q_SIGNALS:
    void rowDoubleClicked(int sourceRow); // also Enter on a focused row
    void currentRowChanged(int sourceRow);
    void resized();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyColumnSetup();
    void updateFooter();
    void syncFilterMarks();
    void showHeaderMenu(const QPoint &pos);
    void addGridAction(QAction *action);
    int viewSourceRow(const QModelIndex &index) const;

    QList<GridColumn> m_columns;
    bool m_autoColumns = true;
    MemTableModel *m_model = nullptr;
    GridFilterProxy *m_proxy = nullptr;
    GridTableView *m_view = nullptr;
    FilterHeaderView *m_header = nullptr;
    GridFooter *m_footer = nullptr;
    GridItemDelegate *m_plainDelegate = nullptr;
    QList<GridItemDelegate *> m_pictureDelegates;
    QList<FooterItem> m_footerItems;
    QHash<QString, QString> m_footerTexts;
    QPointer<FilterPopup> m_popup;
    QPointer<QMenu> m_contextMenu;
    QList<QAction *> m_actions;
    std::function<int()> m_referenceWidth;
    int m_keptRow = -1;
    int m_threshold = 0;
    int m_margin = 30;
    bool m_layoutOnResize = false;
    bool m_focusFrame = true;
};
