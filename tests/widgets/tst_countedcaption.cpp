#include "widgets/CountedCaption.h"
#include "widgets/CountedTabBar.h"
#include "widgets/CountedTabWidget.h"

#include <QAccessible>
#include <QtTest>

class TstCountedCaption : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void tabBarShowsTitleAndBadge();
};

void TstCountedCaption::parse_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("sayi");
    QTest::addColumn<QString>("baslik");
    QTest::addColumn<QString>("badge");

    const QString x150(150, QLatin1Char('x'));
    const QString x100(100, QLatin1Char('x'));
    QTest::newRow("count and title") << "12=Stok Listesi" << 12 << "Stok Listesi" << "(12)";
    QTest::newRow("zero count") << "0=Stok Listesi" << 0 << "Stok Listesi" << "";
    QTest::newRow("no equals sign") << "Stok Listesi" << 0 << "Stok Listesi" << "";
    QTest::newRow("negative count") << "-3=Sepet" << -3 << "Sepet" << "";
    QTest::newRow("only the first = splits") << "3=a=b" << 3 << "a=b" << "(3)";
    QTest::newRow("empty title") << "5=" << 5 << "" << "(5)";
    QTest::newRow("long title cut") << "7=" + x150 << 7 << x100 << "(7)";
    QTest::newRow("long caption without count cut") << x150 << 0 << x100 << "";
    QTest::newRow("count not a number") << "on=Sepet" << 0 << "on=Sepet" << "";
    QTest::newRow("count beyond 32 bits") << "99999999999=Sepet" << 0 << "99999999999=Sepet" << "";
    QTest::newRow("nothing before =") << "=Sepet" << 0 << "=Sepet" << "";
    // A character outside the basic plane at the cut is not split in half.
    QTest::newRow("surrogate pair at the cut") << "1=" + QString(99, QLatin1Char('a')) + QString::fromUtf8("😀b")
                                               << 1 << QString(99, QLatin1Char('a')) << "(1)";
}

void TstCountedCaption::parse()
{
    QFETCH(QString, caption);
    const TSonuc parsed = parseCountedCaption(caption);
    QTEST(int(parsed.sayi), "sayi");
    QTEST(parsed.baslik, "baslik");
    QTEST(countBadgeText(parsed.sayi), "badge");
}

namespace {

int redPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    }
    return n;
}

QString accessibleTabText(QTabBar *bar, int index)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(bar);
    return iface && iface->child(index) ? iface->child(index)->text(QAccessible::Name) : QString();
}

} // namespace

void TstCountedCaption::tabBarShowsTitleAndBadge()
{
    CountedTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("12=Stok Listesi"));
    tabs.addTab(new QWidget, QStringLiteral("0=Sepet"));
    tabs.addTab(new QWidget, QStringLiteral("Duyurular"));
    tabs.resize(700, 200);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    CountedTabBar *bar = tabs.countedTabBar();

    QCOMPARE(bar->tabTitle(0), QStringLiteral("Stok Listesi"));
    QCOMPARE(bar->tabBadge(0), QStringLiteral("(12)"));
    QCOMPARE(bar->tabBadge(1), QString());
    QCOMPARE(bar->tabBadge(2), QString());
    QCOMPARE(accessibleTabText(bar, 0), QStringLiteral("Stok Listesi (12)"));
    QCOMPARE(accessibleTabText(bar, 1), QStringLiteral("Sepet"));

    // Only a tab with a count above 0 carries red.
    const QImage image = bar->grab().toImage();
    QVERIFY(redPixels(image.copy(bar->tabRect(0))) > 0);
    QCOMPARE(redPixels(image.copy(bar->tabRect(1))), 0);
    QCOMPARE(redPixels(image.copy(bar->tabRect(2))), 0);

    // A count written later shows at once, in the picture and for screen readers.
    tabs.setTabCount(1, 5, QStringLiteral("Sepet"));
    QCOMPARE(tabs.tabText(1), QStringLiteral("5=Sepet"));
    QCOMPARE(accessibleTabText(bar, 1), QStringLiteral("Sepet (5)"));
    QVERIFY(redPixels(bar->grab().toImage().copy(bar->tabRect(1))) > 0);
    QVERIFY(bar->tabRect(0).width() >= bar->fontMetrics().horizontalAdvance(QStringLiteral("Stok Listesi (12)")));
}

QTEST_MAIN(TstCountedCaption)
#include "tst_countedcaption.moc"
