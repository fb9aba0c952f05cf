#include "StokKurallari.h"

#include <QTest>

class TestStokKurallari : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void harfCevirisi_data()
    {
        QTest::addColumn<QString>("yazilan");
        QTest::addColumn<QString>("alinan");
        const QString from = QStringLiteral("ğüşöçıĞÜŞİÖÇ");
        const QString to = QStringLiteral("gusocIGUSIOC");
        for (int i = 0; i < from.size(); ++i)
            QTest::newRow(qPrintable(from.mid(i, 1))) << from.mid(i, 1) << to.mid(i, 1);
        QTest::newRow("plain letter") << "a" << "a";
        QTest::newRow("digit") << "7" << "7";
    }
    void harfCevirisi()
    {
        QFETCH(QString, yazilan);
        QFETCH(QString, alinan);
        QCOMPARE(QString(araHarfCevir(yazilan.at(0))), alinan);
    }

    void fiyatBilgisi_data()
    {
        QTest::addColumn<double>("kampanya");
        QTest::addColumn<double>("indirim");
        QTest::addColumn<QString>("metin");
        QTest::newRow("no campaign, no discount: three lines")
            << 0.0 << 0.0 << "Liste Fiyatı: 1.234,50\nNetFiyat: 1.000,00\nKDV li Fiyat: 1.200,00\n";
        QTest::newRow("campaign and discount: five lines")
            << 900.0 << 12.5
            << "Liste Fiyatı: 1.234,50\nKampanyalı Fiyat: 900,00\nİskonto %: 12,50\nNetFiyat: 1.000,00\nKDV li Fiyat: 1.200,00\n";
    }
    void fiyatBilgisi()
    {
        QFETCH(double, kampanya);
        QFETCH(double, indirim);
        QFETCH(QString, metin);
        QCOMPARE(fiyatBilgisiMetni(1234.5, kampanya, indirim, 1000, 1200, QLocale(QLocale::Turkish, QLocale::Turkey)), metin);
    }

    void kolonDuzeni_data()
    {
        QTest::addColumn<int>("genislik");
        QTest::addColumn<bool>("fiyatKolonlari");
        QTest::addColumn<int>("satir");
        QTest::newRow("1299") << 1299 << false << 100;
        QTest::newRow("1300") << 1300 << true << 60;
        QTest::newRow("1920") << 1920 << true << 60;
    }
    void kolonDuzeni()
    {
        QFETCH(int, genislik);
        QFETCH(bool, fiyatKolonlari);
        QFETCH(int, satir);
        const StokKolonDuzeni d = stokKolonDuzeni(genislik);
        QCOMPARE(d.fiyatKolonlari, fiyatKolonlari);
        QCOMPARE(d.satirYuksekligi, satir);
    }

    void balonBasliklari()
    {
        QCOMPARE(balonBasligi(0, 3), QStringLiteral("3=Sepet"));
        QCOMPARE(balonBasligi(1, 0), QStringLiteral("0=Yeni Stoklar"));
        QCOMPARE(balonBasligi(2, 5), QStringLiteral("5=Kampanyalı"));
        QCOMPARE(balonBasligi(3, 2), QStringLiteral("2=Duyurular"));
        QCOMPARE(balonBasligi(4, 4.0), QStringLiteral("4=Bakiyeler"));
        QCOMPARE(balonBasligi(4, 2.5), QStringLiteral("2.5=Bakiyeler"));
    }
};

QTEST_GUILESS_MAIN(TestStokKurallari)
#include "tst_stokkurallari.moc"
