#include "BannerAnimation.h"

#include "GifEncoder.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

QImage frame(const QString &line, int index, int count, double slide)
{
    QImage image(BannerAnimation::width, BannerAnimation::height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, BannerAnimation::width, BannerAnimation::height);
    background.setColorAt(0, QColor(0xB0, 0x1E, 0x23));
    background.setColorAt(1, QColor(0x33, 0x0A, 0x0C));
    p.fillRect(image.rect(), background);

    // A wheel in the corner turns a little with every frame.
    p.save();
    p.translate(58, 58);
    p.rotate(15.0 * (index * 4 + slide * 4));
    p.setPen(QPen(QColor(255, 255, 255, 200), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(0, 0), 38, 38);
    p.drawEllipse(QPoint(0, 0), 12, 12);
    for (int spoke = 0; spoke < 5; ++spoke) {
        p.drawLine(0, -14, 0, -36);
        p.rotate(72);
    }
    p.restore();

    QFont title(QStringLiteral("DejaVu Sans"), 15, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    const int offset = int((1.0 - slide) * BannerAnimation::width);
    p.drawText(QRect(110 + offset, 10, BannerAnimation::width - 120, BannerAnimation::height - 30),
               Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, line);

    // One dot per line, the current one filled.
    for (int i = 0; i < count; ++i) {
        p.setBrush(i == index ? QColor(Qt::white) : QColor(255, 255, 255, 80));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(BannerAnimation::width - 14 * (count - i), BannerAnimation::height - 12), 4, 4);
    }
    return image;
}

} // namespace

QByteArray BannerAnimation::gif(const QStringList &lines)
{
    GifEncoder encoder(QSize(width, height));
    for (int i = 0; i < lines.size(); ++i) {
        for (double slide : {0.25, 0.5, 0.75})
            encoder.addFrame(frame(lines.at(i), i, int(lines.size()), slide), 60);
        encoder.addFrame(frame(lines.at(i), i, int(lines.size()), 1.0), 2500);
    }
    return encoder.finish();
}
