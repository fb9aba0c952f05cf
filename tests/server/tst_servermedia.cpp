// What the server draws: the GIF encoder read back by Qt's own decoder, the banner, and
// paginated PDF documents.

#include "BannerAnimation.h"
#include "GifEncoder.h"
#include "PdfReport.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {

QList<QImage> decode(QByteArray bytes, QList<int> *delays = nullptr)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    QList<QImage> frames;
    while (reader.canRead()) {
        frames.append(reader.read().convertToFormat(QImage::Format_RGB32));
        if (delays)
            delays->append(reader.nextImageDelay()); // the delay after the frame just read
    }
    return frames;
}

// What the encoder should store for `image`: every pixel mapped to the palette.
QImage quantized(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32)
        .convertToFormat(QImage::Format_Indexed8, GifEncoder::defaultPalette(), Qt::ThresholdDither | Qt::AvoidDither)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestServerMedia : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gifRoundTrip_data()
    {
        QTest::addColumn<QImage>("frame");
        QImage flat(40, 30, QImage::Format_RGB32);
        flat.fill(QColor(255, 0, 0));
        QTest::newRow("one colour") << flat;
        QImage stripes(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                stripes.setPixel(x, y, (x / 4 + y / 4) % 2 ? qRgb(0, 0, 255) : qRgb(255, 255, 255));
        QTest::newRow("pattern") << stripes;
        // Noise fills the 4096-code table many times over: clear codes and 12-bit codes.
        QImage noise(300, 200, QImage::Format_RGB32);
        QRandomGenerator random(5);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, GifEncoder::defaultPalette().at(int(random.bounded(256))));
        QTest::newRow("noise") << noise;
        QImage odd(1, 1, QImage::Format_RGB32);
        odd.fill(Qt::black);
        QTest::newRow("single pixel") << odd;
    }

    void gifRoundTrip()
    {
        QFETCH(QImage, frame);
        GifEncoder encoder(frame.size());
        encoder.addFrame(frame, 500);
        QImage second = frame.mirrored(true, false);
        encoder.addFrame(second, 120);
        QList<int> delays;
        const QList<QImage> frames = decode(encoder.finish(), &delays);
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames.at(0), quantized(frame));
        QCOMPARE(frames.at(1), quantized(second));
        QCOMPARE(delays.first(), 500);
    }

    void encoderStartsAgainAfterFinish()
    {
        GifEncoder encoder(QSize(8, 8));
        QImage white(8, 8, QImage::Format_RGB32);
        white.fill(Qt::white);
        encoder.addFrame(white, 100);
        encoder.finish();
        QCOMPARE(encoder.frameCount(), 0);
        encoder.addFrame(white, 100);
        QCOMPARE(decode(encoder.finish()).size(), 1);
    }

    void bannerIsAnimated()
    {
        QByteArray gif = BannerAnimation::gif({QStringLiteral("PARVELA OTO YEDEK PARÇA"), QStringLiteral("Aynı gün kargo")});
        QVERIFY(gif.startsWith("GIF89a"));
        const QList<QImage> frames = decode(gif);
        QCOMPARE(frames.size(), 8); // three sliding frames and a still one per line
        QCOMPARE(frames.first().size(), QSize(BannerAnimation::width, BannerAnimation::height));
        QVERIFY(frames.at(2) != frames.at(3));
    }

    void pdfReportRunsOverPages()
    {
        PdfReport report(QStringLiteral("Fiyat Listesi"));
        report.addField(QStringLiteral("Cari"), QStringLiteral("ÖZKAN OTO"));
        report.setColumns({{QStringLiteral("Kod"), 1}, {QStringLiteral("Fiyat"), 1, true}});
        for (int i = 0; i < 200; ++i)
            report.addRow({QStringLiteral("PV%1").arg(i), QStringLiteral("%1,00").arg(i)});
        report.addTotal(QStringLiteral("Toplam:"), QStringLiteral("19.900,00"));
        const QByteArray pdf = report.render();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        const qsizetype pages = QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
        QVERIFY2(pages > 2, qPrintable(QString::number(pages)));
    }
};

QTEST_MAIN(TestServerMedia)
#include "tst_servermedia.moc"
