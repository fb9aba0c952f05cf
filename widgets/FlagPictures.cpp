#include "widgets/FlagPictures.h"

#include <QGuiApplication>
#include <QPainter>

#include <functional>

namespace {

// Draws into a 100 x 100 box scaled to the requested size.
QPixmap paint(int size, const std::function<void(QPainter &)> &body)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    body(p);
    return pixmap;
}

} // namespace

QPixmap FlagPictures::tick(int size)
{
    return paint(size, [](QPainter &p) {
        p.setPen(QPen(QColor(30, 140, 50), 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(16, 54), QPointF(40, 78), QPointF(86, 24)}));
    });
}

QPixmap FlagPictures::photo(int size)
{
    return paint(size, [](QPainter &p) {
        p.setPen(QPen(QColor(60, 80, 110), 6));
        p.setBrush(QColor(200, 225, 250));
        p.drawRoundedRect(QRectF(8, 18, 84, 64), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 180, 30));
        p.drawEllipse(QPointF(68, 38), 9, 9);
        p.setBrush(QColor(60, 140, 80));
        p.drawPolygon(QPolygonF({QPointF(14, 76), QPointF(40, 42), QPointF(60, 76)}));
        p.drawPolygon(QPolygonF({QPointF(46, 76), QPointF(64, 54), QPointF(86, 76)}));
    });
}
