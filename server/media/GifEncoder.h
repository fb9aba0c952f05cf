#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

// Writes an animated GIF89a: one global 256-colour palette, frames LZW-compressed, looping
// for ever. Qt reads GIF but cannot write it; the banner needs an animated one.
class GifEncoder
{
public:
    // 6 x 7 x 6 colour cube plus four greys.
    static QList<QRgb> defaultPalette();

    explicit GifEncoder(QSize size, QList<QRgb> palette = defaultPalette());

    // The frame is scaled to the animation's size and mapped to the palette.
    void addFrame(const QImage &frame, int delayMs);
    int frameCount() const { return m_frames; }
    // The finished file; the encoder is empty afterwards.
    QByteArray finish();

private:
    void writeHeader();
    void writeImage(const QImage &indexed);

    QSize m_size;
    QList<QRgb> m_palette;
    QByteArray m_out;
    int m_frames = 0;
};
