#include "GifEncoder.h"

#include <QtEndian>

#include <array>
#include <vector>

namespace {

void putU16(QByteArray &out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first, then cuts them into sub-blocks.
class CodeWriter
{
public:
    void write(int code, int width)
    {
        m_bits |= quint32(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xFF));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    void flushTo(QByteArray &out)
    {
        if (m_count > 0)
            m_bytes.append(char(m_bits & 0xFF));
        for (qsizetype at = 0; at < m_bytes.size(); at += 255) {
            const qsizetype n = std::min<qsizetype>(255, m_bytes.size() - at);
            out.append(char(n));
            out.append(m_bytes.constData() + at, n);
        }
        out.append(char(0));
    }

private:
    QByteArray m_bytes;
    quint32 m_bits = 0;
    int m_count = 0;
};

// LZW with 8-bit pixels: clear code 256, end code 257, codes up to 12 bits, a clear when the
// table is full.
void compress(const uchar *pixels, qsizetype count, QByteArray &out)
{
    constexpr int minCodeSize = 8;
    constexpr int clearCode = 1 << minCodeSize;
    constexpr int endCode = clearCode + 1;
    constexpr int maxCodes = 4096;

    // Per code, the code that follows it for each next byte (0: none yet).
    std::vector<std::array<quint16, 256>> next(maxCodes); // zeroed
    const auto reset = [&next](int used) {
        for (int code = 0; code <= used; ++code)
            next[size_t(code)].fill(0);
    };

    CodeWriter writer;
    int codeSize = minCodeSize + 1;
    int lastCode = endCode;
    writer.write(clearCode, codeSize);
    out.append(char(minCodeSize));
    if (count == 0) {
        writer.write(endCode, codeSize);
        writer.flushTo(out);
        return;
    }
    int current = pixels[0];
    for (qsizetype i = 1; i < count; ++i) {
        const uchar pixel = pixels[i];
        if (const quint16 code = next[size_t(current)][pixel]) {
            current = code;
            continue;
        }
        writer.write(current, codeSize);
        next[size_t(current)][pixel] = quint16(++lastCode);
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == maxCodes - 1) {
            writer.write(clearCode, codeSize);
            reset(lastCode);
            codeSize = minCodeSize + 1;
            lastCode = endCode;
        }
        current = pixel;
    }
    writer.write(current, codeSize);
    writer.write(endCode, codeSize);
    writer.flushTo(out);
}

} // namespace

QList<QRgb> GifEncoder::defaultPalette()
{
    QList<QRgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 255 / 6, b * 51));
    for (int grey : {0x33, 0x66, 0x99, 0xCC})
        palette.append(qRgb(grey + 0x19, grey + 0x19, grey + 0x19));
    return palette;
}

GifEncoder::GifEncoder(QSize size, QList<QRgb> palette) : m_size(size), m_palette(std::move(palette))
{
    m_palette.resize(256, qRgb(0, 0, 0));
    writeHeader();
}

void GifEncoder::writeHeader()
{
    m_out = "GIF89a";
    putU16(m_out, m_size.width());
    putU16(m_out, m_size.height());
    m_out.append(char(0xF7)); // global table of 256 colours, 8 bits per primary
    m_out.append(char(0)); // background colour
    m_out.append(char(0)); // square pixels
    for (QRgb c : m_palette) {
        m_out.append(char(qRed(c)));
        m_out.append(char(qGreen(c)));
        m_out.append(char(qBlue(c)));
    }
    // Loop for ever.
    m_out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    putU16(m_out, 0);
    m_out.append(char(0));
}

void GifEncoder::addFrame(const QImage &frame, int delayMs)
{
    QImage image = frame.size() == m_size ? frame : frame.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8, m_palette,
                                                                        Qt::ThresholdDither | Qt::AvoidDither);
    // Graphic control: restore nothing, no transparency, delay in hundredths of a second.
    m_out.append("\x21\xF9\x04\x04", 4);
    putU16(m_out, std::max(2, delayMs / 10));
    m_out.append(char(0));
    m_out.append(char(0));
    writeImage(image);
    ++m_frames;
}

void GifEncoder::writeImage(const QImage &indexed)
{
    m_out.append(char(0x2C));
    putU16(m_out, 0);
    putU16(m_out, 0);
    putU16(m_out, m_size.width());
    putU16(m_out, m_size.height());
    m_out.append(char(0)); // no local table, not interlaced
    QByteArray pixels;
    pixels.reserve(qsizetype(m_size.width()) * m_size.height());
    for (int y = 0; y < m_size.height(); ++y)
        pixels.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), m_size.width());
    compress(reinterpret_cast<const uchar *>(pixels.constData()), pixels.size(), m_out);
}

QByteArray GifEncoder::finish()
{
    m_out.append(char(0x3B));
    QByteArray done = std::move(m_out);
    m_frames = 0;
    writeHeader();
    return done;
}
