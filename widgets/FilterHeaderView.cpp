#include "widgets/FilterHeaderView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

namespace {
constexpr int buttonWidth = 16;
constexpr int buttonMargin = 2;
} // namespace

FilterHeaderView::FilterHeaderView(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setSortIndicatorShown(true);
    // Long captions wrap onto a second line of the header.
    setDefaultAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
}

void FilterHeaderView::setFilterButtonsShown(bool shown)
{
    m_buttonsShown = shown;
    viewport()->update();
}

void FilterHeaderView::setFilterActive(int logicalIndex, bool active)
{
    if (active)
        m_active.insert(logicalIndex);
    else
        m_active.remove(logicalIndex);
    viewport()->update();
}

void FilterHeaderView::clearFilterMarks()
{
    m_active.clear();
    viewport()->update();
}

QRect FilterHeaderView::buttonRectIn(const QRect &section) const
{
    if (!m_buttonsShown)
        return {};
    const int h = qMin(section.height() - 2 * buttonMargin, buttonWidth + 2);
    return QRect(section.right() - buttonWidth - buttonMargin + 1, section.top() + (section.height() - h) / 2, buttonWidth, h);
}

QRect FilterHeaderView::filterButtonRect(int logicalIndex) const
{
    if (logicalIndex < 0 || logicalIndex >= count() || isSectionHidden(logicalIndex))
        return {};
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex), height());
    return buttonRectIn(section);
}

int FilterHeaderView::buttonAt(const QPoint &pos) const
{
    const int logical = logicalIndexAt(pos);
    return logical >= 0 && filterButtonRect(logical).contains(pos) ? logical : -1;
}

void FilterHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!m_buttonsShown || rect.width() <= buttonWidth + 2 * buttonMargin) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // The whole section's frame first, then caption and sort mark beside the button.
    QStyleOptionHeader frame;
    initStyleOption(&frame);
    frame.rect = rect;
    frame.section = logicalIndex;
    style()->drawControl(QStyle::CE_HeaderSection, &frame, painter, this);
    QHeaderView::paintSection(painter, rect.adjusted(0, 0, -(buttonWidth + buttonMargin), 0), logicalIndex);

    const QRect button = buttonRectIn(rect);
    const bool active = m_active.contains(logicalIndex);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QColor ink = active ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    painter->setPen(QPen(ink.darker(120), 1));
    painter->setBrush(active ? ink : Qt::transparent);
    // A funnel.
    const QRectF f = QRectF(button).adjusted(2.5, button.height() / 2.0 - 5.5, -2.5, -(button.height() / 2.0 - 5.5));
    const QPolygonF funnel({f.topLeft(), f.topRight(), QPointF(f.center().x() + 1.5, f.top() + f.height() * 0.55),
                            QPointF(f.center().x() + 1.5, f.bottom()), QPointF(f.center().x() - 1.5, f.bottom() - 1.5),
                            QPointF(f.center().x() - 1.5, f.top() + f.height() * 0.55)});
    painter->drawPolygon(funnel);
    painter->restore();
}

QSize FilterHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    if (m_buttonsShown)
        size.rwidth() += buttonWidth + buttonMargin;
    return size;
}

void FilterHeaderView::mousePressEvent(QMouseEvent *event)
{
    const int logical = event->button() == Qt::LeftButton ? buttonAt(event->position().toPoint()) : -1;
    if (logical < 0) {
        m_pressedOnButton = false;
        QHeaderView::mousePressEvent(event);
        return;
    }
    // The button opens the value list and never sorts or starts a drag.
    m_pressedOnButton = true;
    event->accept();
    Q_EMIT filterButtonClicked(logical);
}

void FilterHeaderView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedOnButton) {
        m_pressedOnButton = false;
        event->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}

void FilterHeaderView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (buttonAt(event->position().toPoint()) >= 0) {
        event->accept();
        return;
    }
    QHeaderView::mouseDoubleClickEvent(event);
}
