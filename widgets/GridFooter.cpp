#include "widgets/GridFooter.h"

#include <QHeaderView>
#include <QPainter>

GridFooter::GridFooter(QHeaderView *header, QWidget *parent)
    : QWidget(parent)
    , m_header(header)
{
    setAccessibleName(tr("Alt toplamlar"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(header, &QHeaderView::sectionCountChanged, this, repaint);
}

void GridFooter::setCells(const QHash<int, Cell> &cells)
{
    m_cells = cells;
    // Screen readers get the figures as one sentence, column by column.
    QStringList parts;
    for (int visual = 0; m_header && visual < m_header->count(); ++visual) {
        const int logical = m_header->logicalIndex(visual);
        const QString text = m_cells.value(logical).text;
        if (text.isEmpty() || m_header->isSectionHidden(logical))
            continue;
        const QString caption = m_header->model() ? m_header->model()->headerData(logical, Qt::Horizontal).toString() : QString();
        parts.append(caption.isEmpty() ? text : caption + QStringLiteral(": ") + text);
    }
    setAccessibleDescription(parts.join(QStringLiteral(", ")));
    update();
}

void GridFooter::setLeftOffset(int offset)
{
    m_leftOffset = offset;
    update();
}

QSize GridFooter::sizeHint() const
{
    return {100, fontMetrics().height() + 10};
}

QSize GridFooter::minimumSizeHint() const
{
    return sizeHint();
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(rect().topLeft(), rect().topRight());
    if (!m_header)
        return;
    p.setClipRect(QRect(m_leftOffset, 0, m_header->viewport()->width(), height()));
    p.setPen(palette().color(QPalette::ButtonText));
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
        const int logical = it.key();
        if (logical < 0 || logical >= m_header->count() || m_header->isSectionHidden(logical) || it->text.isEmpty())
            continue;
        const QRect cell(m_leftOffset + m_header->sectionViewportPosition(logical), 0, m_header->sectionSize(logical), height());
        p.drawText(cell.adjusted(4, 1, -4, 0), int(it->alignment), it->text);
    }
}
