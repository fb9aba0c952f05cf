#include "identity/AmountFormat.h"
#include "orders/AcilisDegerleri.h"
#include "orders/FiyatHesabi.h"
#include "remote/MemTable.h"
#include "remote/TableHelpers.h"

#include <QTest>

// The amounts of the add-to-basket dialog and what it opens with, as tables.
class TestFiyatHesabi : public QObject
{
    Q_OBJECT

    static QString tr(double v) { return formatAmount(v, QLocale(QLocale::Turkish, QLocale::Turkey)); }

    // One listed stock row with the columns the opening rules read.
    static MemTable listeTablosu(double fiyat, double indirim, double net, double kdvDahil, double kdv, int k)
    {
        MemTable t;
        const QList<QPair<const char *, ValueType>> kolonlar = {
            {"STOK_STOKNO", ValueType::Int32}, {"BARKOD", ValueType::Text}, {"ADI", ValueType::Text},
            {"MARKA", ValueType::Text},        {"FINISHKOD", ValueType::Text}, {"MODEL", ValueType::Text},
            {"FIYAT", ValueType::Double},      {"INDIRIM", ValueType::Double}, {"NETFIYAT", ValueType::Double},
            {"KDVDAHIL", ValueType::Double},   {"KDV", ValueType::Double},    {"K", ValueType::Int32}};
        for (const auto &[ad, tur] : kolonlar)
            t.addColumn({QLatin1String(ad), tur, 0});
        t.open();
        t.appendRow({42, QStringLiteral("8690001"), QStringLiteral("FREN BALATASI"), QStringLiteral("BOSCAR"),
                     QStringLiteral("FB-42"), QStringLiteral("DOBLO"), fiyat, indirim, net, kdvDahil, kdv, k});
        FloatFormatla(t);
        return t;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void fiyatHesapla_data()
    {
        QTest::addColumn<double>("fiyat");
        QTest::addColumn<double>("oran");
        QTest::addColumn<double>("kdv");
        QTest::addColumn<double>("adet");
        QTest::addColumn<QString>("net");
        QTest::addColumn<QString>("kdvDahil");
        QTest::addColumn<QString>("tutar");
        QTest::newRow("price 100, 10 %, VAT 20, three") << 100.0 << 10.0 << 20.0 << 3.0 << "90,00" << "108,00" << "324,00";
        QTest::newRow("discount rounded before subtracting") << 19.99 << 12.5 << 20.0 << 1.0 << "17,49" << "20,99" << "20,99";
        QTest::newRow("no discount") << 100.0 << 0.0 << 20.0 << 2.0 << "100,00" << "120,00" << "240,00";
        QTest::newRow("a hundredth of a percent") << 100.0 << 0.01 << 20.0 << 1.0 << "99,99" << "119,99" << "119,99";
        QTest::newRow("at the threshold counts as none") << 100.0 << 0.0001 << 20.0 << 1.0 << "100,00" << "120,00"
                                                         << "120,00";
        QTest::newRow("half cent of VAT rounds up") << 10.05 << 0.0 << 10.0 << 1.0 << "10,05" << "11,06" << "11,06";
    }
    void fiyatHesapla()
    {
        QFETCH(double, fiyat);
        QFETCH(double, oran);
        QFETCH(double, kdv);
        QFETCH(double, adet);
        const FiyatSonucu s = FiyatHesapla(fiyat, oran, kdv, adet);
        QTEST(tr(s.indtutar), "net");
        QTEST(tr(s.kdvdahiltutar), "kdvDahil");
        QTEST(tr(s.geneltutar), "tutar");
    }

    void tutarHesapla()
    {
        QCOMPARE(tr(TutarHesapla(3, 108)), QStringLiteral("324,00"));
        QCOMPARE(tr(TutarHesapla(3, 33.335)), QStringLiteral("100,01"));
    }

    void acilisListeden_data()
    {
        QTest::addColumn<int>("kaynak");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("indoran");
        QTest::addColumn<QString>("etiket"); // "-" keeps the label as it is
        QTest::addColumn<double>("kdvdahiltutar");
        QTest::addColumn<double>("kdvlifiyat");
        QTest::addColumn<double>("birimfiyat");
        // Row: FIYAT 100, INDIRIM 10, NETFIYAT 90, KDVDAHIL 107.5 (deliberately not 90 * 1.2), KDV 20.
        const int stok = int(SepetKaynagi::StokListesi), yeni = int(SepetKaynagi::YeniStoklar),
                  kamp = int(SepetKaynagi::Kampanyali);
        QTest::newRow("stock list") << stok << 0 << 10.0 << "İndirim:  % 10,00" << 107.5 << 107.5 << 100.0;
        QTest::newRow("stock list, campaign") << stok << 1 << 0.0 << "Kampanyalı" << 107.5 << 107.5 << 100.0;
        QTest::newRow("stock list, negative flag") << stok << -1 << 0.0 << "-" << 0.0 << 0.0 << 0.0;
        QTest::newRow("new products") << yeni << 0 << 10.0 << "İndirim:  % 10,00" << 108.0 << 107.5 << 100.0;
        QTest::newRow("new products, negative flag") << yeni << -1 << 10.0 << "İndirim:  % 10,00" << 108.0 << 107.5
                                                     << 100.0;
        QTest::newRow("new products, campaign") << yeni << 1 << 10.0 << "Kampanyalı" << 107.5 << 107.5 << 100.0;
        QTest::newRow("campaign list") << kamp << 1 << 10.0 << "-" << 108.0 << 107.5 << 100.0;
    }
    void acilisListeden()
    {
        QFETCH(int, kaynak);
        QFETCH(int, k);
        QFETCH(QString, etiket);
        const MemTable t = listeTablosu(100, 10, 90, 107.5, 20, k);
        const AcilisDegerleri d = acilisDegerleriOku(SepetKaynagi(kaynak), t, 0);
        QCOMPARE(d.stokno, 42);
        QCOMPARE(d.adi, QStringLiteral("FREN BALATASI"));
        QCOMPARE(d.finishkod, QStringLiteral("FB-42"));
        QCOMPARE(d.kampanya, k);
        QCOMPARE(d.kdvTam, 20);
        QCOMPARE(d.adet, 1.0);
        QTEST(d.indoran, "indoran");
        QCOMPARE(d.indirimEtiketi.value_or(QStringLiteral("-")), etiket);
        QTEST(d.kdvdahiltutar, "kdvdahiltutar");
        QTEST(d.kdvlifiyat, "kdvlifiyat");
        QTEST(d.birimfiyat, "birimfiyat");
    }

    // A discounted basket line opens with the total it really has (quantity times the
    // discounted VAT-inclusive price), the same figure the first recomputation gives.
    void acilisSepetten()
    {
        MemTable t;
        const QList<QPair<const char *, ValueType>> kolonlar = {
            {"SIRANO", ValueType::Int32},         {"STOKNO", ValueType::Int32},     {"BARKOD", ValueType::Text},
            {"STOKADI", ValueType::Text},         {"MARKA", ValueType::Text},       {"FINISHKOD", ValueType::Text},
            {"MODEL", ValueType::Text},           {"BIRIMFIYAT", ValueType::Double}, {"INDIRIMORANI1", ValueType::Double},
            {"NETBIRIMFIYAT", ValueType::Double}, {"KDV", ValueType::Double},       {"MIKTAR", ValueType::Double}};
        for (const auto &[ad, tur] : kolonlar)
            t.addColumn({QLatin1String(ad), tur, 0});
        t.open();
        t.appendRow({7, 42, QStringLiteral("8690001"), QStringLiteral("DİSK"), QStringLiteral("BOSCAR"),
                     QStringLiteral("FB-42"), QStringLiteral("DOBLO"), 100.0, 10.0, 90.0, 20.0, 3.0});
        const AcilisDegerleri d = acilisDegerleriOku(SepetKaynagi::Sepet, t, 0);
        QVERIFY(d.degistirme());
        QCOMPARE(d.sepetSirano, 7);
        QCOMPARE(d.stokno, 42);
        QCOMPARE(d.adi, QStringLiteral("DİSK"));
        QCOMPARE(d.adet, 3.0);
        QCOMPARE(d.indoran, 10.0);
        QCOMPARE(d.kdvdahiltutar, 108.0);
        QVERIFY(!d.indirimEtiketi);
        QCOMPARE(TutarHesapla(d.adet, d.kdvlifiyat), FiyatHesapla(d.birimfiyat, d.indoran, d.kdvoran, d.adet).geneltutar);
    }
};

QTEST_GUILESS_MAIN(TestFiyatHesabi)
#include "tst_fiyathesabi.moc"
