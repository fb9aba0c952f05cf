#pragma once

#include <QTabWidget>

class CountedTabBar;

// The tab control of every window: pages whose captions may carry a count ("12=Stok Listesi").
class CountedTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit CountedTabWidget(QWidget *parent = nullptr);

    CountedTabBar *countedTabBar() const;
    // Writes "count=title" into the page's caption.
    void setTabCount(int index, int count, const QString &title);
};
