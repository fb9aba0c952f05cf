#include "app/basket/SepetToplami.h"
#include "identity/AmountFormat.h"
#include "remote/MemTable.h"

#include <QTest>

// Totals of the ticked basket lines under a Turkish locale.
class TestSepetToplami : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toplamlar_data()
    {
        QTest::addColumn<QVariantList>("secimler");
        QTest::addColumn<QVariantList>("tutarlar");
        QTest::addColumn<QVariantList>("indirimler");
        QTest::addColumn<QStringList>("beklenen"); // A, D, N, V, G

        QTest::newRow("each running sum rounded")
            << QVariantList{1, 1} << QVariantList{100.125, 50.0} << QVariantList{10.0, 0.0}
            << QStringList{"150,13", "10,00", "140,13", "28,03", "168,16"};
        QTest::newRow("nothing ticked") << QVariantList{0, 0} << QVariantList{100.0, 50.0} << QVariantList{10.0, 0.0}
                                        << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"};
        QTest::newRow("only exactly 1 counts")
            << QVariantList{2, 1, QVariant()} << QVariantList{999.0, 40.0, 500.0} << QVariantList{0.0, 5.0, 0.0}
            << QStringList{"40,00", "5,00", "35,00", "7,00", "42,00"};
        QTest::newRow("tax is 20 % of the net whatever the lines say")
            << QVariantList{1} << QVariantList{1234567.5} << QVariantList{0.0}
            << QStringList{"1.234.567,50", "0,00", "1.234.567,50", "246.913,50", "1.481.481,00"};
        QTest::newRow("empty basket") << QVariantList{} << QVariantList{} << QVariantList{}
                                      << QStringList{"0,00", "0,00", "0,00", "0,00", "0,00"};
    }
    void toplamlar()
    {
        QFETCH(QVariantList, secimler);
        QFETCH(QVariantList, tutarlar);
        QFETCH(QVariantList, indirimler);
        QFETCH(QStringList, beklenen);
        MemTable sepet;
        sepet.addColumn({QStringLiteral("SEC"), ValueType::Int32, 0});
        sepet.addColumn({QStringLiteral("TUTAR"), ValueType::Double, 0});
        sepet.addColumn({QStringLiteral("INDIRIMTUTAR"), ValueType::Double, 0});
        sepet.addColumn({QStringLiteral("KDV"), ValueType::Double, 0});
        sepet.open();
        for (qsizetype i = 0; i < secimler.size(); ++i)
            sepet.appendRow({secimler[i], tutarlar[i], indirimler[i], 8.0});

        const SepetToplamlari t = SepetToplamHesapla(sepet);
        const QLocale tr(QLocale::Turkish, QLocale::Turkey);
        const QStringList bulunan{formatAmount(t.toplam, tr), formatAmount(t.indirim, tr),
                                  formatAmount(t.araToplam, tr), formatAmount(t.vergi, tr),
                                  formatAmount(t.genelToplam, tr)};
        QCOMPARE(bulunan, beklenen);
    }
};

QTEST_GUILESS_MAIN(TestSepetToplami)
#include "tst_sepettoplami.moc"
