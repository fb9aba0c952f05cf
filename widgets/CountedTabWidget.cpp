#include "widgets/CountedTabWidget.h"

#include "widgets/CountedTabBar.h"

CountedTabWidget::CountedTabWidget(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new CountedTabBar(this));
}

CountedTabBar *CountedTabWidget::countedTabBar() const
{
    return static_cast<CountedTabBar *>(tabBar());
}

void CountedTabWidget::setTabCount(int index, int count, const QString &title)
{
    setTabText(index, QStringLiteral("%1=%2").arg(count).arg(title));
}
