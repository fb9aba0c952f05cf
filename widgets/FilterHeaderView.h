#pragma once

#include <QHeaderView>
#include <QSet>

// The grid's column header: sorting by click, and a filter button at the right of every
// section that opens the column's value list. A column with an active filter shows a
// filled button.
class FilterHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit FilterHeaderView(QWidget *parent = nullptr);

    void setFilterButtonsShown(bool shown);
    bool filterButtonsShown() const { return m_buttonsShown; }
    void setFilterActive(int logicalIndex, bool active);
    bool isFilterActive(int logicalIndex) const { return m_active.contains(logicalIndex); }
    void clearFilterMarks();

    // In header coordinates; empty when the section is not shown.
    QRect filterButtonRect(int logicalIndex) const;

Q_SIGNALS:
    void filterButtonClicked(int logicalIndex);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QRect buttonRectIn(const QRect &section) const;
    int buttonAt(const QPoint &pos) const;

    QSet<int> m_active;
    bool m_buttonsShown = true;
    bool m_pressedOnButton = false;
};
