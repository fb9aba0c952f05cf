#include "widgets/GridTableView.h"

#include <QApplication>
#include <QHeaderView>
#include <QContextMenuEvent>
#include <QKeyEvent>

GridTableView::GridTableView(QWidget *parent)
    : QTableView(parent)
{
}

bool GridTableView::typeAheadMatches(const QString &cellText, const QString &typed, const QLocale &locale)
{
    if (typed.isEmpty())
        return false;
    // Upper case can lengthen a text (ß -> SS): compare a little more than the typed length.
    const QString head = locale.toUpper(cellText.left(typed.size() + 2));
    return head.startsWith(locale.toUpper(typed));
}

int GridTableView::searchColumn() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && !isColumnHidden(current.column()))
        return current.column();
    for (int visual = 0; visual < horizontalHeader()->count(); ++visual) {
        const int logical = horizontalHeader()->logicalIndex(visual);
        if (!isColumnHidden(logical))
            return logical;
    }
    return -1;
}

void GridTableView::keyboardSearch(const QString &search)
{
    QAbstractItemModel *m = model();
    if (!m || search.isEmpty())
        return;
    const int rows = m->rowCount();
    const int column = searchColumn();
    if (rows == 0 || column < 0)
        return;

    const bool fresh = !m_typedAt.isValid() || m_typedAt.elapsed() > QApplication::keyboardInputInterval();
    m_typedAt.start();
    m_typed = fresh ? search : m_typed + search;

    // A new word searches below the current row; a longer one may stay on it.
    const QModelIndex current = currentIndex();
    int start = 0;
    if (current.isValid())
        start = fresh ? current.row() + 1 : current.row();
    for (int i = 0; i < rows; ++i) {
        const int row = (start + i) % rows;
        const QModelIndex candidate = m->index(row, column);
        if (typeAheadMatches(candidate.data(Qt::DisplayRole).toString(), m_typed, locale())) {
            setCurrentIndex(candidate);
            scrollTo(candidate);
            return;
        }
    }
}

int GridTableView::visibleContentWidth(int column) const
{
    int width = horizontalHeader()->sectionSizeHint(column);
    QAbstractItemModel *m = model();
    if (!m || m->rowCount() == 0)
        return width;
    const int rowHeight = qMax(1, verticalHeader()->defaultSectionSize());
    int first = rowAt(0);
    if (first < 0)
        first = 0;
    int last = rowAt(viewport()->height() - 1);
    if (last < 0)
        last = qMin(m->rowCount() - 1, first + viewport()->height() / rowHeight);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = m->index(row, column);
        QAbstractItemDelegate *delegate = itemDelegateForIndex(index);
        width = qMax(width, delegate->sizeHint(option, index).width() + (showGrid() ? 1 : 0));
    }
    return width;
}

void GridTableView::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        if (currentIndex().isValid())
            Q_EMIT rowActivated(currentIndex());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridTableView::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint pos = event->pos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(pos);
        if (index.isValid())
            setCurrentIndex(index);
    } else if (currentIndex().isValid()) {
        // From the keyboard the menu opens at the focused cell.
        pos = visualRect(currentIndex()).center();
    }
    Q_EMIT contextMenuWanted(viewport()->mapToGlobal(pos));
    event->accept();
}
