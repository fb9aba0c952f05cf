#pragma once

#include <QWidget>

// The 27-pixel strip that explains the status pictures: "Durum Açıklaması:" followed by each
// picture with its words, in the order the stock list uses.
class StatusLegend : public QWidget
{
    Q_OBJECT
public:
    explicit StatusLegend(QWidget *parent = nullptr);

    // The codes in the order shown, with the words beside each picture.
    static QList<QPair<int, QString>> entries();
};
