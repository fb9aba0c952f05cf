#include "widgets/AmountEdit.h"
#include "widgets/AnimatedPicture.h"
#include "widgets/ScrollingNotice.h"
#include "widgets/StatusLegend.h"
#include "widgets/StatusPictures.h"

#include <QEnterEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TstSmallWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void noticeScrollsAndPausesOnHover();
    void noticeReadsNoFilesNamedInItems();
    void animatedPictureKeepsOldOnBadData();
    void amountEditParse_data();
    void amountEditParse();
    void amountEditShowsFormattedAndTakesTyping();
    void statusPicturesShared();
};

void TstSmallWidgets::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TstSmallWidgets::noticeScrollsAndPausesOnHover()
{
    ScrollingNotice notice;
    notice.resize(400, 40);
    notice.addItem(QStringLiteral("<b>Kampanya</b> başladı"));
    notice.addItem(QStringLiteral("<i>Yeni</i> ürünler"));
    QCOMPARE(notice.plainText(), QStringLiteral("Kampanya başladı  Yeni ürünler"));
    QCOMPARE(notice.accessibleDescription(), notice.plainText());
    notice.setInterval(5);
    notice.show();
    QVERIFY(QTest::qWaitForWindowExposed(&notice));
    QEvent leave(QEvent::Leave); // the pointer may rest where the window opened
    QApplication::sendEvent(&notice, &leave);
    notice.start();
    QTRY_VERIFY(notice.offset() > 10);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), notice.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&notice, &enter);
    const int held = notice.offset();
    QTest::qWait(60);
    QCOMPARE(notice.offset(), held);
    QApplication::sendEvent(&notice, &leave);
    QTRY_VERIFY(notice.offset() > held);

    notice.clear();
    QCOMPARE(notice.itemCount(), 0);
    QCOMPARE(notice.offset(), 0);
    QVERIFY(notice.isActive());
}

void TstSmallWidgets::noticeReadsNoFilesNamedInItems()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("genis.png"));
    QImage wide(600, 10, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QVERIFY(wide.save(picture));

    ScrollingNotice notice;
    notice.addItem(QStringLiteral("<img src=\"%1\">").arg(QUrl::fromLocalFile(picture).toString()));
    QVERIFY(notice.contentWidth() < 600);
    notice.clear();
    // Inline pictures still work.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    wide.save(&buffer, "PNG");
    notice.addItem(QStringLiteral("<img src=\"data:image/png;base64,%1\">").arg(QString::fromLatin1(png.toBase64())));
    QVERIFY(notice.contentWidth() >= 600);
}

namespace {

// A 1 x 1 GIF with two frames.
QByteArray twoFrameGif()
{
    const QByteArray frame = QByteArray::fromHex("21f90404"
                                                 "0a000000" // graphic control: 10/100 s
                                                 "2c0000000001000100" // image descriptor
                                                 "0002024401" // LZW data
                                                 "00");
    return QByteArray::fromHex("474946383961010001008000"
                               "00ffffff000000"
                               "21ff0b4e45545343415045322e300301000000")
           + frame + frame + QByteArray::fromHex("3b");
}

} // namespace

void TstSmallWidgets::animatedPictureKeepsOldOnBadData()
{
    AnimatedPicture picture;
    QVERIFY(picture.setData(twoFrameGif()));
    QCOMPARE(picture.frameCount(), 2);
    QVERIFY(picture.isRunning());
    QVERIFY(!picture.setData(QByteArray("not a picture")));
    QVERIFY(!picture.setData(QByteArray()));
    QCOMPARE(picture.frameCount(), 2);
    QVERIFY(picture.isRunning());
    picture.stop();
    QVERIFY(!picture.isRunning());
}

void TstSmallWidgets::amountEditParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("ok");
    QTest::newRow("grouped") << "1.234,56" << 1234.56 << true;
    QTest::newRow("plain") << "1234,5" << 1234.5 << true;
    QTest::newRow("negative") << "-5" << -5.0 << true;
    QTest::newRow("empty is zero") << "" << 0.0 << true;
    QTest::newRow("letters") << "abc" << 0.0 << false;
}

void TstSmallWidgets::amountEditParse()
{
    QFETCH(QString, text);
    bool ok = false;
    const double value = AmountEdit::parse(text, QLocale(QLocale::Turkish, QLocale::Turkey), &ok);
    QTEST(ok, "ok");
    if (ok)
        QTEST(value, "value");
}

void TstSmallWidgets::amountEditShowsFormattedAndTakesTyping()
{
    QWidget window;
    auto *edit = new AmountEdit(&window);
    auto *other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QSignalSpy changed(edit, &AmountEdit::valueChanged);

    edit->setValue(1234567.125);
    QCOMPARE(edit->text(), QStringLiteral("1.234.567,13"));
    QCOMPARE(edit->value(), 1234567.13);

    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("1234567,13"));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("19,999")); // a third decimal is refused
    QCOMPARE(edit->text(), QStringLiteral("19,99"));
    QCOMPARE(edit->value(), 19.99);
    QCOMPARE(changed.last().first().toDouble(), 19.99);

    other->setFocus();
    QTRY_VERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("19,99"));
    edit->setValue(12345);
    QCOMPARE(edit->text(), QStringLiteral("12.345,00"));

    edit->setReadOnly(true);
    edit->setFocus();
    QCOMPARE(edit->text(), QStringLiteral("12.345,00")); // read-only boxes keep the format
}

void TstSmallWidgets::statusPicturesShared()
{
    QStringList captions;
    QList<QImage> images;
    for (int code = StatusPictures::firstCode; code <= StatusPictures::lastCode; ++code) {
        captions.append(StatusPictures::caption(code));
        const QImage image = StatusPictures::pixmap(code, 20).toImage();
        QVERIFY(!image.isNull());
        QVERIFY(!images.contains(image));
        images.append(image);
    }
    QCOMPARE(captions, (QStringList{QStringLiteral("Yok"), QStringLiteral("Var"), QStringLiteral("Telefon Açınız"),
                                    QStringLiteral("Yolda"), QStringLiteral("Özel Sipariş"),
                                    QStringLiteral("Tedarik Sürecinde")}));
    QVERIFY(StatusPictures::pixmap(6).isNull());

    // The legend shows the same pictures, in the stock list's order.
    StatusLegend legend;
    QCOMPARE(legend.height(), 27);
    QList<int> order;
    for (const auto &entry : StatusLegend::entries())
        order.append(entry.first);
    QCOMPARE(order, (QList<int>{1, 2, 3, 5, 4, 0}));
    for (int code = StatusPictures::firstCode; code <= StatusPictures::lastCode; ++code) {
        auto *label = legend.findChild<QLabel *>(QStringLiteral("durum%1").arg(code));
        QVERIFY(label);
        QCOMPARE(label->accessibleName(), StatusPictures::caption(code));
        QCOMPARE(label->pixmap().toImage(), StatusPictures::pixmap(code, label->pixmap().deviceIndependentSize().toSize().width()).toImage());
    }
}

QTEST_MAIN(TstSmallWidgets)
#include "tst_smallwidgets.moc"
