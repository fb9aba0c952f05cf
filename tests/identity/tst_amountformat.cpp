#include "identity/AmountFormat.h"

#include <QTest>

#include <cmath>

class TestAmountFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void yuvarla_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");

        QTest::newRow("2.49875") << 2.49875 << 2.5;
        QTest::newRow("100.125 half up") << 100.125 << 100.13;
        QTest::newRow("0.004 to zero") << 0.004 << 0.0;
        QTest::newRow("1.005 is a half in its decimal text") << 1.005 << 1.01;
        QTest::newRow("0.005") << 0.005 << 0.01;
        QTest::newRow("carry through nines") << 999.995 << 1000.0;
        QTest::newRow("negative half away from zero") << -2.345 << -2.35;
        QTest::newRow("computed 0.1+0.2") << 0.1 + 0.2 << 0.3;
        QTest::newRow("net times VAT") << 1234.5678 * 1.2 << 1481.48;
        QTest::newRow("large amount") << 123456789.125 << 123456789.13;
        QTest::newRow("exact value unchanged") << 17.25 << 17.25;
        QTest::newRow("tiny") << 1e-12 << 0.0;
        QTest::newRow("huge") << 1e20 << 1e20;
    }

    void yuvarla()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        const double result = Yuvarla(value);
        QCOMPARE(result, rounded);
        QVERIFY2(!std::signbit(result) || result != 0, "rounded zero must not be negative");
    }

    void negativeZeroDisappears()
    {
        QVERIFY(!std::signbit(Yuvarla(-0.004)));
        QCOMPARE(formatAmount(-0.004, QLocale(QLocale::Turkish, QLocale::Turkey)), QStringLiteral("0,00"));
    }

    void formats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("grandTotal");

        QTest::newRow("millions") << "tr_TR" << 1234567.5 << "1.234.567,50" << "1.234.567,50";
        QTest::newRow("below one") << "tr_TR" << 0.004 << "0,00" << "00,00";
        QTest::newRow("single digit") << "tr_TR" << 5.5 << "5,50" << "05,50";
        QTest::newRow("thousand boundary") << "tr_TR" << 999.995 << "1.000,00" << "1.000,00";
        QTest::newRow("negative") << "tr_TR" << -1234.565 << "-1.234,57" << "-1.234,57";
        QTest::newRow("decimal-text half") << "tr_TR" << 1.005 << "1,01" << "01,01";
        QTest::newRow("english separators") << "en_US" << 1234567.5 << "1,234,567.50" << "1,234,567.50";
    }

    void formats()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, amount);
        QFETCH(QString, grandTotal);
        QCOMPARE(formatAmount(value, QLocale(locale)), amount);
        QCOMPARE(formatGrandTotal(value, QLocale(locale)), grandTotal);
    }
};

QTEST_GUILESS_MAIN(TestAmountFormat)
#include "tst_amountformat.moc"
