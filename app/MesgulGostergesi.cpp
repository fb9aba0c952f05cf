#include "MesgulGostergesi.h"

#include <QPainter>

MesgulGostergesi::MesgulGostergesi(const QString &neYukleniyor, QWidget *parent) : QWidget(parent)
{
    setAccessibleName(neYukleniyor + QStringLiteral(" yükleniyor"));
    setFixedSize(28, 33);
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_aci = (m_aci + 30) % 360;
        update();
    });
    hide();
}

void MesgulGostergesi::goster()
{
    show();
    m_timer.start();
}

void MesgulGostergesi::gizle()
{
    m_timer.stop();
    hide();
}

void MesgulGostergesi::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 90, 180), 3, Qt::SolidLine, Qt::RoundCap));
    const QRectF r(4, 6, 20, 20);
    p.drawArc(r, -m_aci * 16, 270 * 16);
}
