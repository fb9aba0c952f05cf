#include "widgets/StatusPictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

struct Look
{
    QColor fill;
    const char *caption;
};

const Look looks[] = {
    {QColor(206, 45, 45), "Yok"},
    {QColor(46, 160, 67), "Var"},
    {QColor(235, 150, 20), "Telefon Açınız"},
    {QColor(40, 110, 200), "Yolda"},
    {QColor(140, 70, 180), "Özel Sipariş"},
    {QColor(20, 150, 150), "Tedarik Sürecinde"},
};

// The white symbols inside the circles, in a 100 x 100 box.
void drawSymbol(QPainter &p, int code)
{
    QPen pen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (code) {
    case 0: // none: a bar
        p.drawLine(QPointF(28, 50), QPointF(72, 50));
        break;
    case 1: // in stock: a tick
        p.drawPolyline(QPolygonF({QPointF(27, 52), QPointF(44, 68), QPointF(74, 34)}));
        break;
    case 2: { // call us: a handset
        QPainterPath handset;
        handset.moveTo(30, 34);
        handset.cubicTo(26, 58, 42, 74, 66, 70);
        pen.setWidth(14);
        p.setPen(pen);
        p.drawPath(handset);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(22, 24, 18, 16), 4, 4);
        p.drawRoundedRect(QRectF(60, 62, 18, 16), 4, 4);
        break;
    }
    case 3: // on the way: an arrow
        p.drawLine(QPointF(26, 50), QPointF(72, 50));
        p.drawPolyline(QPolygonF({QPointF(56, 32), QPointF(74, 50), QPointF(56, 68)}));
        break;
    case 4: { // special order: a star
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double radius = i % 2 == 0 ? 30 : 13;
            const double angle = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(50 + radius * std::cos(angle), 52 + radius * std::sin(angle));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(star);
        break;
    }
    case 5: // being supplied: a clock
        pen.setWidth(8);
        p.setPen(pen);
        p.drawEllipse(QPointF(50, 50), 27, 27);
        p.drawPolyline(QPolygonF({QPointF(50, 33), QPointF(50, 50), QPointF(63, 58)}));
        break;
    default:
        break;
    }
}

} // namespace

QString StatusPictures::caption(int code)
{
    return isKnown(code) ? QString::fromUtf8(looks[code].caption) : QString::number(code);
}

QPixmap StatusPictures::draw(int code, int size, qreal ratio)
{
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    p.setPen(QPen(looks[code].fill.darker(130), 4));
    p.setBrush(looks[code].fill);
    p.drawEllipse(QRectF(4, 4, 92, 92));
    drawSymbol(p, code);
    return pixmap;
}

QPixmap StatusPictures::pixmap(int code, int size)
{
    if (!isKnown(code) || size <= 0)
        return {};
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    static QHash<QString, QPixmap> cache; // pictures are made on the UI thread only
    const QString key = QStringLiteral("%1/%2/%3").arg(code).arg(size).arg(ratio);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return it.value();
    const QPixmap made = draw(code, size, ratio);
    cache.insert(key, made);
    return made;
}

QIcon StatusPictures::icon(int code)
{
    QIcon icon;
    for (int size : {16, 20, 24, 32})
        icon.addPixmap(pixmap(code, size));
    return icon;
}

QHash<QString, QString> StatusPictures::labels()
{
    QHash<QString, QString> labels;
    for (int code = firstCode; code <= lastCode; ++code)
        labels.insert(QString::number(code), caption(code));
    return labels;
}
