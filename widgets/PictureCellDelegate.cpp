#include "widgets/PictureCellDelegate.h"

#include "widgets/FlagPictures.h"
#include "widgets/MemTableModel.h"
#include "widgets/StatusPictures.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int pictureSize = 20;
constexpr int margin = 4;
} // namespace

PictureCellDelegate::PictureCellDelegate(ColumnKind kind, const QPixmap &flagPicture, QObject *parent)
    : GridItemDelegate(parent)
    , m_kind(kind)
    , m_flag(flagPicture.isNull() ? FlagPictures::photo(pictureSize) : flagPicture)
{
}

void PictureCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    opt.icon = QIcon();
    QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QVariant raw = index.data(MemTableModel::SortRole);
    if (!raw.isValid())
        return;
    const qint64 value = raw.toLongLong();
    if (m_kind == ColumnKind::Tick) {
        QStyleOptionViewItem check = opt;
        const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &opt, opt.widget);
        const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &opt, opt.widget);
        check.rect = QStyle::alignedRect(opt.direction, Qt::AlignCenter, QSize(w, h), opt.rect);
        check.state = (check.state & ~QStyle::State_HasFocus) | (value == 1 ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, opt.widget);
        return;
    }
    QPixmap picture;
    if (m_kind == ColumnKind::Status)
        picture = StatusPictures::pixmap(int(value), pictureSize);
    else if (value > 0)
        picture = m_flag;
    if (picture.isNull())
        return;
    const QSize size = picture.deviceIndependentSize().toSize();
    const QRect target = QStyle::alignedRect(opt.direction, Qt::AlignCenter, size, opt.rect);
    painter->drawPixmap(target, picture);
}

QSize PictureCellDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    Q_UNUSED(option);
    Q_UNUSED(index);
    return {pictureSize + 2 * margin, pictureSize + 2 * margin};
}
