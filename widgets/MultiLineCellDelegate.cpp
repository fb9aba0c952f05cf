#include "widgets/MultiLineCellDelegate.h"

#include <QApplication>
#include <QPainter>

MultiLineCellDelegate::MultiLineCellDelegate(Qt::Alignment alignment, int inset, QObject *parent)
    : GridItemDelegate(parent)
    , m_alignment(alignment)
    , m_inset(inset)
{
}

void MultiLineCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    painter->save();
    painter->setFont(opt.font);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(opt.rect.adjusted(m_inset, 0, -m_inset, 0), int(m_alignment) | Qt::TextWordWrap, text);
    painter->restore();
}

QSize MultiLineCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QRect bounds = opt.fontMetrics.boundingRect(QRect(0, 0, 10000, 10000), int(m_alignment), opt.text);
    return {bounds.width() + 2 * m_inset, bounds.height() + 4};
}
