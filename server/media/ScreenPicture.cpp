#include "ScreenPicture.h"

#include <QBuffer>
#include <QFont>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

QByteArray ScreenPicture::jpeg(QSize size, const QString &headline, const QString &text, int hue)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, size.width(), size.height());
    background.setColorAt(0, QColor::fromHsv(hue % 360, 200, 200));
    background.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 220, 90));
    p.fillRect(image.rect(), background);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPoint(size.width() - 80, 60), 160, 160);
    p.drawEllipse(QPoint(60, size.height() - 40), 110, 110);

    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 26, QFont::Bold));
    p.drawText(QRect(30, 40, size.width() - 60, size.height() / 2 - 40), Qt::AlignCenter | Qt::TextWordWrap, headline);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    p.drawText(QRect(30, size.height() / 2, size.width() - 60, size.height() / 2 - 60), Qt::AlignCenter | Qt::TextWordWrap,
               text);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    p.drawText(QRect(0, size.height() - 34, size.width() - 20, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("PARVELA OTO YEDEK PARÇA"));
    p.end();

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    writer.write(image);
    return bytes;
}
