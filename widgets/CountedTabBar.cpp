#include "widgets/CountedTabBar.h"

#include "widgets/CountedCaption.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace {
constexpr int iconGap = 3; // picture distance from the tab's left edge
constexpr int textPadding = 12;
constexpr int badgeGap = 4;
} // namespace

CountedTabBar::CountedTabBar(QWidget *parent)
    : QTabBar(parent)
{
}

QString CountedTabBar::tabTitle(int index) const
{
    return parseCountedCaption(tabText(index)).baslik;
}

QString CountedTabBar::tabBadge(int index) const
{
    return countBadgeText(parseCountedCaption(tabText(index)).sayi);
}

QSize CountedTabBar::tabSizeHint(int index) const
{
    const QSize base = QTabBar::tabSizeHint(index);
    const QFontMetrics fm(font());
    int width = fm.horizontalAdvance(tabTitle(index)) + 2 * textPadding;
    const QString badge = tabBadge(index);
    if (!badge.isEmpty())
        width += fm.horizontalAdvance(badge) + badgeGap;
    if (!tabIcon(index).isNull())
        width += iconSize().width() + iconGap;
    if (tabButton(index, QTabBar::RightSide))
        width += tabButton(index, QTabBar::RightSide)->sizeHint().width();
    return {qMax(width, 40), base.height()};
}

QSize CountedTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void CountedTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        if (!option.rect.intersects(rect()))
            continue;
        const TSonuc caption = parseCountedCaption(option.text);
        option.text.clear();
        painter.drawControl(QStyle::CE_TabBarTabShape, option);

        QRect area = option.rect;
        if (!option.icon.isNull()) {
            const QSize size = option.iconSize;
            const QRect iconRect(area.left() + iconGap, area.top() + (area.height() - size.height()) / 2, size.width(),
                                 size.height());
            option.icon.paint(&painter, iconRect, Qt::AlignCenter,
                              option.state & QStyle::State_Enabled ? QIcon::Normal : QIcon::Disabled);
            area.setLeft(iconRect.right() + 1);
        }
        area.adjust(0, 5, 0, -5);
        painter.setFont(font());
        painter.setPen(option.palette.color(foregroundRole()));
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption.baslik);
        if (caption.sayi > 0) {
            painter.setPen(badgeColor());
            painter.drawText(area.adjusted(2, -3, -2, 3), Qt::AlignRight | Qt::AlignTop, countBadgeText(caption.sayi));
        }
        if (hasFocus() && i == currentIndex()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = option.rect.adjusted(3, 3, -3, -3);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}

void CountedTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    updateAccessibleNames();
}

void CountedTabBar::tabLayoutChange()
{
    QTabBar::tabLayoutChange();
    updateAccessibleNames();
}

void CountedTabBar::updateAccessibleNames()
{
    // Screen readers get "Stok Listesi (12)" rather than "12=Stok Listesi".
    for (int i = 0; i < count(); ++i) {
        const QString badge = tabBadge(i);
        setAccessibleTabName(i, badge.isEmpty() ? tabTitle(i) : tabTitle(i) + QLatin1Char(' ') + badge);
    }
}
