#include "StockPicture.h"

#include <QBuffer>
#include <QFont>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int width = 640;
constexpr int height = 480;

// A sketch per group: a brake disc, a filter, a spring, a bulb, a belt or a gear.
void drawPart(QPainter &p, const QString &group, const QColor &metal)
{
    p.setPen(QPen(metal.darker(160), 4));
    const QPointF centre(width / 2.0, height / 2.0 - 20);
    if (group.startsWith(QStringLiteral("FREN"))) {
        QRadialGradient g(centre, 130);
        g.setColorAt(0, metal.lighter(130));
        g.setColorAt(1, metal.darker(120));
        p.setBrush(g);
        p.drawEllipse(centre, 130, 130);
        p.setBrush(metal.darker(140));
        p.drawEllipse(centre, 45, 45);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(centre);
            p.rotate(72 * i);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(0, -28), 6, 6);
            p.restore();
        }
    } else if (group.startsWith(QStringLiteral("FİLTRE")) || group.startsWith(QStringLiteral("FILTRE"))) {
        p.setBrush(metal);
        p.drawRoundedRect(QRectF(centre.x() - 90, centre.y() - 120, 180, 240), 30, 30);
        p.setPen(QPen(metal.darker(180), 3));
        for (int y = -90; y <= 90; y += 18)
            p.drawLine(QPointF(centre.x() - 80, centre.y() + y), QPointF(centre.x() + 80, centre.y() + y));
    } else if (group.startsWith(QStringLiteral("SÜSPANSİYON"))) {
        QPainterPath spring;
        spring.moveTo(centre.x(), centre.y() - 140);
        for (int i = 0; i < 10; ++i)
            spring.lineTo(centre.x() + (i % 2 ? -70 : 70), centre.y() - 125 + i * 28);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(metal.darker(130), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(spring);
    } else if (group.startsWith(QStringLiteral("AYDINLATMA")) || group.startsWith(QStringLiteral("ELEKTRİK"))) {
        p.setBrush(QColor(0xFF, 0xE0, 0x70));
        p.drawEllipse(centre + QPointF(0, -30), 85, 95);
        p.setBrush(metal);
        p.drawRect(QRectF(centre.x() - 45, centre.y() + 55, 90, 70));
    } else {
        p.setBrush(metal);
        p.save();
        p.translate(centre);
        for (int i = 0; i < 12; ++i) {
            p.drawRect(QRectF(-18, -140, 36, 40));
            p.rotate(30);
        }
        p.drawEllipse(QPointF(0, 0), 110, 110);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 35, 35);
        p.restore();
    }
}

} // namespace

QByteArray StockPicture::jpeg(const Info &info)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF6, 0xF9));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor metal = QColor::fromHsv((info.stokno * 37) % 360, 40, 190);
    drawPart(p, info.group, metal);

    p.setPen(QColor(0xB0, 0x1E, 0x23));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    p.drawText(QRect(20, 12, width - 40, 40), Qt::AlignLeft | Qt::AlignVCenter, info.brand);
    p.setPen(QColor(0x50, 0x50, 0x50));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    p.drawText(QRect(20, 12, width - 40, 40), Qt::AlignRight | Qt::AlignVCenter, info.code);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    p.drawText(QRect(20, height - 90, width - 40, 40), Qt::AlignCenter | Qt::TextWordWrap, info.name);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    p.drawText(QRect(20, height - 50, width - 40, 30), Qt::AlignCenter, info.model);
    p.end();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    writer.write(image);
    return bytes;
}
