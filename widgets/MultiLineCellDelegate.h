#pragma once

#include "widgets/GridItemDelegate.h"

// A cell whose text runs over several lines (a price summary): aligned as asked, kept clear
// of the cell's sides by an inset, wrapped, never cut with an ellipsis.
class MultiLineCellDelegate : public GridItemDelegate
{
    Q_OBJECT
public:
    explicit MultiLineCellDelegate(Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter, int inset = 10,
                                   QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    Qt::Alignment m_alignment;
    int m_inset;
};
