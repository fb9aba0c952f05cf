#include "widgets/GridItemDelegate.h"

GridItemDelegate::GridItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void GridItemDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!m_focusFrame)
        option->state &= ~QStyle::State_HasFocus;
}
