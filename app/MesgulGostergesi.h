#pragma once

#include <QTimer>
#include <QWidget>

// The small busy indicator of a loading tab: a turning arc, hidden at rest.
class MesgulGostergesi : public QWidget
{
    Q_OBJECT

public:
    explicit MesgulGostergesi(const QString &neYukleniyor, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {28, 33}; }
    void goster();
    void gizle();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    int m_aci = 0;
};
