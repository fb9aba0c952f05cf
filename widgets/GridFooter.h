#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

class QHeaderView;

// The footer row under a grid: one text per column (row counts, sums), drawn under its
// column and following the header's widths, order and horizontal scrolling.
class GridFooter : public QWidget
{
    Q_OBJECT
public:
    struct Cell
    {
        QString text;
        Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
    };

    explicit GridFooter(QHeaderView *header, QWidget *parent = nullptr);

    void setCells(const QHash<int, Cell> &cells);
    QString text(int logicalColumn) const { return m_cells.value(logicalColumn).text; }
    // Where the header's viewport starts inside the footer (the view's frame).
    void setLeftOffset(int offset);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QHeaderView> m_header;
    QHash<int, Cell> m_cells;
    int m_leftOffset = 0;
};
