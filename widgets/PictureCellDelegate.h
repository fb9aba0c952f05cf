#pragma once

#include "widgets/GridColumn.h"
#include "widgets/GridItemDelegate.h"

#include <QPixmap>

// Cells that show a picture instead of their value: the status picture, a tick box or a flag
// picture. The value itself stays in the model for sorting, filters and screen readers.
class PictureCellDelegate : public GridItemDelegate
{
    Q_OBJECT
public:
    PictureCellDelegate(ColumnKind kind, const QPixmap &flagPicture, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    ColumnKind m_kind;
    QPixmap m_flag;
};
