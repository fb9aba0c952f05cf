#pragma once

#include <QTabBar>

// The tab bar of every tab control: a caption "count=title" shows the title and, for a count
// above 0, a red badge "(count)" at the top right of the tab.
class CountedTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit CountedTabBar(QWidget *parent = nullptr);

    QString tabTitle(int index) const; // what the tab shows as its title
    QString tabBadge(int index) const; // "(12)" or empty

    static QColor badgeColor() { return QColor(255, 0, 0); }

protected:
    void paintEvent(QPaintEvent *event) override;
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void tabInserted(int index) override;
    void tabLayoutChange() override;

private:
    void updateAccessibleNames();
};
