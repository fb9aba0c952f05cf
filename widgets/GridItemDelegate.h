#pragma once

#include <QStyledItemDelegate>

// The plain cell drawing of the grids; some grids draw the focused cell without a frame.
class GridItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit GridItemDelegate(QObject *parent = nullptr);

    void setFocusFrame(bool on) { m_focusFrame = on; }
    bool focusFrame() const { return m_focusFrame; }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    bool m_focusFrame = true;
};
