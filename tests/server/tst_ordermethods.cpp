// The order server through the client's own proxy over loopback: every method the client calls,
// with the columns its screens read, and the behaviour behind the basket, orders and balances.

#include "MemTable.h"
#include "RemoteStream.h"
#include "ResultSetReader.h"
#include "ServerFixture.h"
#include "SqliteDb.h"
#include "TransferRecords.h"

#include <QImage>
#include <QImageReader>
#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <functional>

using Call = std::function<ResultSetReader *(TServerMethods1Client &)>;
Q_DECLARE_METATYPE(Call)

namespace {

// Column lists as the client's screens read them ("NAME" or "NAME:type" where the type matters:
// i Int32, d Double, t Text, dt Date).
const QStringList stockColumns = {
    "DURUM:i", "OEM1", "OEM2", "OEM3", "BARKOD:t", "FINISHKOD:t", "ADI:t", "OEM4", "STOK_STOKNO:i", "URETICIKODU",
    "RESIM:i", "BARKOD_BARKODNO", "DIGERADI", "DPKOD", "OEMNO", "BIRIM", "MARKA:t", "MODEL:t", "ANAGRUP", "OZELKOD",
    "KALAN:d", "PKOD", "KDV", "ALINANSIPARIS:d", "VERILENSIPARIS:d", "LISTEFIYAT1:d", "KAMPFIYAT:d", "FIYAT:d", "Y:i",
    "K:i", "INDIRIM:d", "NETFIYAT:d", "KDVDAHIL:d"};
const QStringList orderLineColumns = {
    "VERILISTARIHI:dt", "SIRANO:i", "SIPARISNO:i", "CARINO:i", "TARIH:dt", "AKTAR", "STOKNO:i", "BARKOD:t",
    "FINISHKOD:t", "OEMNO", "STOKADI:t", "MIKTAR:d", "BIRIMFIYAT:d", "TUTAR:d", "INDIRIMORANI1:d", "INDIRIMORANI2:d",
    "INDIRIMORANI3:d", "INDIRIMTUTAR:d", "NETBIRIMFIYAT:d", "KDV:d", "VERGITUTARI:d", "NETTUTAR:d", "KUR", "KURTL:d",
    "VERENIDNO:i", "TESLIMID:i", "KARGOID:i", "IDNO:i", "VERENSIRANO:i", "STOK_STOKNO:i", "URETICIKODU", "SAAT",
    "ACIKLAMA", "VEREN:t", "CARIKOD", "CARIADI", "OEM1", "OEM2", "OEM3", "OEM4", "DIGERADI", "DPKOD", "PKOD", "MARKA",
    "MODEL", "ANAGRUP", "OZELKOD", "TESLIM", "KARGO", "TESLIMEDILEN:d", "KALAN:d"};
const QStringList balanceExtra = {"ILKFIYAT:d", "STOKHAR_NO:i", "ELDEKI:d", "DURUM:i", "ALINANSIPARIS:d",
                                  "VERILENSIPARIS:d"};

ValueType typeOf(const QString &code)
{
    static const QHash<QString, ValueType> types = {{"i", ValueType::Int32}, {"d", ValueType::Double},
                                                    {"t", ValueType::Text},  {"dt", ValueType::Date}};
    return types.value(code, ValueType::Null);
}

MemTable table(ResultSetReader *reader)
{
    MemTable t;
    CopyResultSet(reader, t);
    return t;
}

QByteArray streamBytes(RemoteStream *stream, qint64 size)
{
    return KopyalaAkis(stream, size, 1024).value_or(QByteArray());
}

QString pdfText(const QByteArray &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess p;
    p.start(tool, {QStringLiteral("-"), QStringLiteral("-")});
    p.write(pdf);
    p.closeWriteChannel();
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestOrderMethods : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServerFixture> m_fixture;
    TSonucBilgisi m_dealer;
    TSonucBilgisi m_rep;

    std::unique_ptr<DSConnection> connect() const { return m_fixture->connect(); }
    TServerMethods1Client::Bilgi dealer() const { return ServerFixture::copy(m_dealer); }
    qint64 count(const char *sql) { return m_fixture->db().scalarInt(sql); }
    int firstStock(const char *condition)
    {
        return int(m_fixture->db().scalarInt(QByteArray("SELECT MIN(stokno) FROM stok WHERE ") + condition));
    }

    // Puts a line into the dealer's basket; returns its line number.
    int addLine(TServerMethods1Client &proxy, int stokno, double quantity, double price, double discount)
    {
        const int result = proxy.SepetEkle(dealer(), m_dealer.CARINO, stokno, QString(), QString(), quantity, 20, price,
                                           discount, m_dealer.Sirano, 0);
        if (result != 1)
            return -1;
        return int(m_fixture->db().scalarInt("SELECT MAX(sirano) FROM sepet"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_fixture = std::make_unique<ServerFixture>();
        m_dealer = m_fixture->login(QStringLiteral("BAYI"));
        m_rep = m_fixture->login(QStringLiteral("MUDUR"));
    }

    void resultColumns_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("minRows");

        SqliteDb &db = m_fixture->db();
        const TSonucBilgisi who = m_dealer;
        const TSonucBilgisi rep = m_rep;
        const int carino = who.CARINO;
        const int order = int(db.scalarInt("SELECT MAX(idno) FROM siparis WHERE carino = 1"));
        const int invoice = int(db.scalarInt("SELECT MAX(idno) FROM fatura WHERE carino = 1 AND iade = 0"));
        const int collection = int(db.scalarInt("SELECT MIN(idno) FROM tahsilat"));
        const int cargoType = int(db.scalarInt("SELECT MIN(id) FROM kargo_turu"));

        QTest::newRow("StokAraKorven") << Call([who](TServerMethods1Client &p) {
            return p.StokAraKorven(QStringLiteral("FREN"), ServerFixture::copy(who));
        }) << stockColumns << 1;
        QTest::newRow("YenilerVer") << Call([carino](TServerMethods1Client &p) { return p.YenilerVer(carino); })
                                    << stockColumns << 1;
        QTest::newRow("KampanyaliVer") << Call([carino](TServerMethods1Client &p) { return p.KampanyaliVer(carino, 0); })
                                       << (stockColumns + QStringList{"ESKIFIYAT:d"}) << 1;
        QTest::newRow("SepetVer") << Call([carino](TServerMethods1Client &p) { return p.SepetVer(carino); })
                                  << QStringList{"SEC:i", "VERILISTARIHI:dt", "SIRANO:i", "SIPARISNO", "CARINO:i",
                                                 "TARIH:dt", "AKTAR", "STOKNO:i", "BARKOD:t", "FINISHKOD:t", "OEMNO",
                                                 "STOKADI:t", "MIKTAR:d", "BIRIMFIYAT:d", "TUTAR:d", "INDIRIMORANI1:d",
                                                 "INDIRIMORANI2", "INDIRIMORANI3", "INDIRIMTUTAR:d", "NETBIRIMFIYAT:d",
                                                 "KDV:d", "VERGITUTARI:d", "NETTUTAR:d", "KUR", "KURTL", "VERENIDNO",
                                                 "SAAT", "TESLIMID", "KARGOID", "ACIKLAMA", "IDNO", "VERENSIRANO",
                                                 "VEREN:t", "CARIKOD", "CARIADI", "OEM1", "OEM2", "OEM3", "OEM4",
                                                 "STOK_STOKNO", "URETICIKODU", "DIGERADI", "DPKOD", "MARKA:t", "MODEL:t",
                                                 "ANAGRUP", "OZELKOD", "PKOD", "DURUM:i", "KALAN:d"}
                                  << 1;
        QTest::newRow("TeslimVer") << Call([](TServerMethods1Client &p) { return p.TeslimVer(); })
                                   << QStringList{"SIRANO:i", "ADI:t"} << 2;
        QTest::newRow("KargoVer") << Call([](TServerMethods1Client &p) { return p.KargoVer(); })
                                  << QStringList{"SIRANO:i", "ADI:t"} << 1;
        QTest::newRow("KargolarVer") << Call([cargoType](TServerMethods1Client &p) { return p.KargolarVer(cargoType); })
                                     << QStringList{"SIRANO:i", "ADI:t", "UYARI:t"} << 1;
        const QStringList customers = {"CARINO:i", "CARIKOD:t", "CARIADI:t", "SATICISI:t", "TLBAKIYE:d", "DURUM:t",
                                       "SEPET", "ALINDI", "ONAYLANDI", "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI",
                                       "OZELKOD", "ANAGRUP", "ALTGRUP", "YETKILI", "ADRES1", "ADRES2", "ILCE", "IL",
                                       "VERGIDAIRESI", "VERGINO", "TEL1", "TEL2", "FAX1", "FAX2", "GSM", "EMAIL",
                                       "VADE", "INDIRIM", "KOD1", "KOD2", "KOD3", "KOD4", "KOD5", "VADEKONTROLGUN",
                                       "VADEKONTROLAY"};
        QTest::newRow("CariAra") << Call([rep](TServerMethods1Client &p) {
            return p.CariAra(ServerFixture::copy(rep), QString());
        }) << customers << 8;
        QTest::newRow("CariSepetVer") << Call([rep](TServerMethods1Client &p) {
            return p.CariSepetVer(ServerFixture::copy(rep), 1);
        }) << customers << 1;
        QTest::newRow("OncekiSiparisler2")
            << Call([carino](TServerMethods1Client &p) { return p.OncekiSiparisler2(carino); })
            << QStringList{"CARINO:i", "IDNO:i", "TARIH:dt", "KUR", "KURTL", "VERENIDNO", "KARGO:t", "TESLIM:t",
                           "VEREN:t", "CARIKOD", "CARIADI", "VERGI:d", "NETTUTAR:d", "TUTAR:d", "DURUM:t", "KARGOADI:t",
                           "VERENINNOTU:t", "ALANNOTU:t", "SATICINOTU:t"}
            << 1;
        QTest::newRow("SiparisAyrintisi")
            << Call([carino, order](TServerMethods1Client &p) { return p.SiparisAyrintisi(carino, order); })
            << orderLineColumns << 1;
        QTest::newRow("BakiyelerVer") << Call([carino](TServerMethods1Client &p) { return p.BakiyelerVer(carino); })
                                      << (orderLineColumns + balanceExtra) << 0;
        QTest::newRow("TumSiparislerVer")
            << Call([carino](TServerMethods1Client &p) { return p.TumSiparislerVer(carino, 0); })
            << (orderLineColumns + balanceExtra) << 1;
        QTest::newRow("CariEkstreVer") << Call([carino](TServerMethods1Client &p) { return p.CariEkstreVer(carino); })
                                       << QStringList{"CARINO:i", "TARIH:dt", "TURADI:t", "EVRAK:t", "BORC:d",
                                                      "ALACAK:d", "KUR", "BAKIYE:d", "D:t", "IDNO:i", "ACIKLAMA"}
                                       << 1;
        QTest::newRow("FaturaGetir")
            << Call([carino, invoice](TServerMethods1Client &p) { return p.FaturaGetir(carino, invoice); })
            << QStringList{"OEMNO", "STOKADI:t", "FINISHKOD", "MARKA", "MODEL", "ANAGRUP", "OZELKOD", "BIRIM", "BARKOD",
                           "STOKHAR_HAREKETTARIHI:dt", "STOKHAR_HAREKETTIPI2:t", "EVRAKNO:t", "STOKHAR_MIKTAR:d",
                           "STOKHAR_TLBIRIMFIYATI:d", "STOKHAR_TLVERGI:d", "STOKHAR_TLTUTAR:d", "STOKHAR_INDIRIM1:d",
                           "STOKHAR_INDIRIM2:d", "STOKHAR_INDIRIM3", "STOKHAR_INDIRIM4", "STOKHAR_INDIRIM5",
                           "STOKHAR_INDIRIM6", "STOKHAR_INDIRIM7", "STOKHAR_INDIRIM8", "STOKHAR_DOVIZBIRIMFIYATI",
                           "STOKHAR_DOVIZVERGI", "STOKHAR_DOVIZTUTAR", "IRSALIYEEVRAKNO", "STOKHAR_IRSTARIHI", "KDV",
                           "STOKHAR_PARTI", "STOKHAR_BEDEN", "STOKHAR_RENK", "SATIRACIKLMASI", "STOKHAR_TOPLAMINDIRIM:d",
                           "STOKHAR_MASRAF1", "STOKHAR_MASRAF2", "STOKHAR_TOPLAMMASRAF:d", "STOKHAR_DOVIZTOPLAMINDIRIM",
                           "STOKHAR_DOVIZTOPLAMMASRAF", "STOKHAR_SAAT", "STOKHAR_NETTLBIRIMFIYATI:d",
                           "STOKHAR_NETDOVIZBIRIMFIYATI", "STOKHAR_NETTLTUTAR:d", "STOKHAR_NETDOVIZTUTAR",
                           "STOKHAR_KURTL", "STOKHAR_VADE", "SIPARISTIPI", "SIPARISEVRAKNO", "SIPARISTARIHI",
                           "IRSALIYETIPINO", "IRSALIYETIP2", "STOKCARIKOD", "SUBE_NO", "STOKHAR_CARINO", "KUR_KURSIMGE",
                           "SATICIADI:t", "URETICIKODU", "DPKOD", "ENADI", "PKOD", "BELGENO", "IDNO"}
            << 1;
        QTest::newRow("FaturaAltGetir") << Call([invoice](TServerMethods1Client &p) { return p.FaturaAltGetir(invoice); })
                                        << QStringList{"TOPLAM:d", "TOPLAMINDIRIM:d", "MATRAH:d", "KDVTUTAR:d",
                                                       "KDVDAHIL:d"}
                                        << 1;
        QTest::newRow("Tahsilat") << Call([collection](TServerMethods1Client &p) { return p.Tahsilat(collection); })
                                  << QStringList{"Tarih:dt", "Türü:t", "Cins:t", "EvrakNo:t", "Vade:dt", "Tutar:d",
                                                 "Kur", "KurTL", "Açıklama:t", "Döviz Tutar", "Ref", "Saat"}
                                  << 1;
        QTest::newRow("DosyaListesi") << Call([](TServerMethods1Client &p) { return p.DosyaListesi(); })
                                      << QStringList{"SIRANO:i", "ACIKLAMA:t", "DOSYAYOL:t"} << 1;
        // Read by position: basket, new, campaign, announcements (integers), balances (real).
        QTest::newRow("BalonGetir") << Call([who](TServerMethods1Client &p) { return p.BalonGetir(ServerFixture::copy(who)); })
                                    << QStringList{"SEPET:i", "YENISTOK:i", "KAMPANYALI:i", "DUYURU:i", "BAKIYE:d"} << 1;
    }

    // Every result set carries the columns the client's screens read, under the exact names.
    void resultColumns()
    {
        QFETCH(Call, call);
        QFETCH(QStringList, expected);
        QFETCH(int, minRows);
        auto c = connect();
        TServerMethods1Client proxy(*c);
        ResultSetReader *reader = call(proxy);
        QHash<QString, ValueType> got;
        for (const ColumnDesc &d : reader->columns())
            got.insert(d.name, d.type);
        for (const QString &entry : expected) {
            const QString name = entry.section(QLatin1Char(':'), 0, 0);
            QVERIFY2(got.contains(name), qPrintable(QStringLiteral("column %1 is missing").arg(name)));
            const QString type = entry.section(QLatin1Char(':'), 1);
            if (!type.isEmpty())
                QVERIFY2(got.value(name) == typeOf(type), qPrintable(QStringLiteral("column %1 has type %2")
                                                                          .arg(name, valueTypeName(got.value(name)))));
        }
        if (QString::fromLatin1(QTest::currentDataTag()) == QLatin1String("BalonGetir"))
            QCOMPARE(reader->columns().first().name, QStringLiteral("SEPET")); // read by position
        QVERIFY(table(reader).rowCount() >= minRows);
    }

    // Badge counts are the row counts of the lists they stand for.
    void badgeCountsFollowTheLists()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        const MemTable badges = table(proxy.BalonGetir(dealer()));
        QCOMPARE(badges.rowCount(), 1);
        QCOMPARE(badges.integer(0, 0), qint64(table(proxy.SepetVer(m_dealer.CARINO)).rowCount()));
        QCOMPARE(badges.integer(0, 1), qint64(table(proxy.YenilerVer(m_dealer.CARINO)).rowCount()));
        QCOMPARE(badges.integer(0, 2), qint64(table(proxy.KampanyaliVer(m_dealer.CARINO, 0)).rowCount()));
        const TAcilisEkranlariki *screens = proxy.AcilisEkranlarVer2();
        QVERIFY(screens);
        QCOMPARE(badges.integer(0, 3), qint64(screens->Ekranlar.size()));
        QCOMPARE(badges.real(0, 4), double(table(proxy.BakiyelerVer(m_dealer.CARINO)).rowCount()));

        // A representative's counters agree with the customer lists of each state.
        const TTusSonuclari *counts = proxy.TusSonuclariVer(ServerFixture::copy(m_rep));
        QVERIFY(counts);
        const int total = counts->Alindi + counts->Onaylandi + counts->Goruldu + counts->ParcaliHazirlandi
            + counts->Hazirlandi + counts->SevkEdildi;
        QCOMPARE(qint64(total), count("SELECT COUNT(*) FROM siparis"));
        QCOMPARE(proxy.SepetSayisi(ServerFixture::copy(m_rep)), table(proxy.CariSepetVer(ServerFixture::copy(m_rep), 1)).rowCount());
        QVERIFY(table(proxy.CariSepetVer(ServerFixture::copy(m_rep), 7)).rowCount() <= counts->SevkEdildi);
    }

    void signInRecords()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        QCOMPARE(m_dealer.ADI, QStringLiteral("BAYI"));
        QCOMPARE(m_dealer.SIFRE, QStringLiteral("1234"));
        QCOMPARE(m_dealer.MusteriTipi, 0);
        QCOMPARE(m_dealer.AKTIF, 1);
        QCOMPARE(m_dealer.Version, 27);
        QCOMPARE(m_dealer.CARINO, 1);
        QVERIFY(!m_dealer.CariAdi.isEmpty() && !m_dealer.SaticiAdi.isEmpty());
        QCOMPARE(m_rep.MusteriTipi, 2);

        const TSonucBilgisi *unknown = proxy.BuyukGetir(QStringLiteral("BILINMEYEN-ISTASYON"));
        QVERIFY(unknown);
        QVERIFY(!unknown->Varmi);
        QCOMPARE(unknown->Version, 27); // an unknown workstation is not sent to the update first
        QCOMPARE(unknown->BILGISAYARID, QStringLiteral("BILINMEYEN-ISTASYON"));

        const TMobilCariBilgisi *customer = proxy.MobilCariBilgisiGetir(0, QStringLiteral("DEMO-BAYI"));
        QVERIFY(customer);
        QCOMPARE(customer->CARINO, 1);
        QCOMPARE(customer->CARIADI, m_dealer.CariAdi);
        QCOMPARE(customer->KULLANICIADI, QStringLiteral("BAYI"));
        QVERIFY(customer->SIFRE.isEmpty());
        QVERIFY(!proxy.MobilCariBilgisiGetir(0, QStringLiteral("BILINMEYEN")));

        // The balance text is the statement's debit minus credit, as a plain number.
        const MemTable statement = table(proxy.CariEkstreVer(1));
        double balance = 0;
        for (int r = 0; r < statement.rowCount(); ++r)
            balance += statement.value(r, QStringLiteral("BORC")).toDouble() - statement.value(r, QStringLiteral("ALACAK")).toDouble();
        QVERIFY(qAbs(proxy.CariDurumVer(1).toDouble() - balance) < 0.01);
        // The overdue warning is empty or names the days and the amount; some demo customer has one.
        const QRegularExpression warning(QStringLiteral("^Vadesi \\d+ gün geçmiş [\\d.]+,\\d\\d TL bakiyeniz"));
        int warned = 0;
        for (int carino = 1; carino <= 8; ++carino) {
            const QString text = proxy.CariVadeGunGecmismiBul(carino);
            QVERIFY2(text.isEmpty() || warning.match(text).hasMatch(), qPrintable(text));
            warned += !text.isEmpty();
        }
        QVERIFY(warned > 0);
        proxy.CikisGonder(dealer());
        QCOMPARE(count("SELECT COUNT(*) FROM oturum_olayi WHERE tur = 'cikis'"), qint64(1));
    }

    // Values land in the columns their parameter positions name; amounts are worked out by the server.
    void basketLinesPersistWithTheirValues()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        proxy.SepetHepsiniSil(dealer());
        const int stokno = firstStock("kampanya = 0");
        QCOMPARE(proxy.SepetEkle(dealer(), 1, stokno, QStringLiteral("BRK-1"), QStringLiteral("Test parçası"), 3, 20, 100,
                                 10, m_dealer.Sirano, 0),
                 1);
        MemTable basket = table(proxy.SepetVer(1));
        QCOMPARE(basket.rowCount(), 1);
        const auto v = [&](const char *column) { return basket.value(0, QLatin1String(column)); };
        QCOMPARE(v("STOKNO").toInt(), stokno);
        QCOMPARE(v("BARKOD").toString(), QStringLiteral("BRK-1"));
        QCOMPARE(v("STOKADI").toString(), QStringLiteral("Test parçası"));
        QCOMPARE(v("MIKTAR").toDouble(), 3.0);
        QCOMPARE(v("KDV").toDouble(), 20.0);
        QCOMPARE(v("BIRIMFIYAT").toDouble(), 100.0);
        QCOMPARE(v("INDIRIMORANI1").toDouble(), 10.0);
        QCOMPARE(v("TUTAR").toDouble(), 300.0);
        QCOMPARE(v("INDIRIMTUTAR").toDouble(), 30.0);
        QCOMPARE(v("NETBIRIMFIYAT").toDouble(), 90.0);
        QCOMPARE(v("NETTUTAR").toDouble(), 270.0);
        QCOMPARE(v("VERGITUTARI").toDouble(), 54.0);
        QCOMPARE(v("VEREN").toString(), QStringLiteral("BAYI"));
        QCOMPARE(v("SEC").toInt(), 1);

        const int line = v("SIRANO").toInt();
        QCOMPARE(proxy.SepetGuncelle(dealer(), 1, 0, QStringLiteral("BRK-1"), QStringLiteral("Test parçası"), 2, 20, 19.99,
                                     12.5, m_dealer.Sirano, line),
                 1);
        proxy.SepetSecimGuncelle(line, 0);
        basket = table(proxy.SepetVer(1));
        QCOMPARE(v("MIKTAR").toDouble(), 2.0);
        QCOMPARE(v("NETBIRIMFIYAT").toDouble(), 17.49); // 19.99 less the rounded 2.50
        QCOMPARE(v("SEC").toInt(), 0);

        m_fixture->restart();
        auto again = connect();
        TServerMethods1Client after(*again);
        basket = table(after.SepetVer(1));
        QCOMPARE(basket.rowCount(), 1);
        QCOMPARE(v("BIRIMFIYAT").toDouble(), 19.99);
        QCOMPARE(after.SepetSatirSil(dealer(), line, QStringLiteral("BRK-1-Test parçası")), 1);
        QCOMPARE(after.SepetSatirSil(dealer(), line, QString()), 0);
        QCOMPARE(table(after.SepetVer(1)).rowCount(), 0);
    }

    // The ticked lines become one order with its choices; unticked lines stay in the basket.
    void orderTakesTheTickedLines()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        proxy.SepetHepsiniSil(dealer());
        const int a = addLine(proxy, firstStock("1"), 2, 50, 0);
        const int b = addLine(proxy, firstStock("stokno > 10"), 4, 25, 5);
        const int kept = addLine(proxy, firstStock("stokno > 20"), 1, 10, 0);
        proxy.SepetSecimGuncelle(kept, 0);
        const int company = int(m_fixture->db().scalarInt("SELECT MIN(sirano) FROM kargo_firma WHERE turid = 2"));
        const qint64 ordersBefore = count("SELECT COUNT(*) FROM siparis");

        QVERIFY(proxy.SiparisKaydet(dealer(), 1, 2, 2, QStringLiteral("Acil gönderin"), m_dealer.Sirano, company));
        QCOMPARE(count("SELECT COUNT(*) FROM siparis"), ordersBefore + 1);
        const MemTable basket = table(proxy.SepetVer(1));
        QCOMPARE(basket.rowCount(), 1);
        QCOMPARE(basket.value(0, QStringLiteral("SIRANO")).toInt(), kept);

        const MemTable orders = table(proxy.OncekiSiparisler2(1));
        const int order = orders.value(0, QStringLiteral("IDNO")).toInt();
        QCOMPARE(orders.value(0, QStringLiteral("VERENINNOTU")).toString(), QStringLiteral("Acil gönderin"));
        QCOMPARE(orders.value(0, QStringLiteral("DURUM")).toString(), QStringLiteral("Alındı"));
        QCOMPARE(orders.value(0, QStringLiteral("KARGO")).toString(), QStringLiteral("Ambar"));
        QCOMPARE(orders.value(0, QStringLiteral("TESLIM")).toString(), QStringLiteral("Kargo ile Gönderilsin"));
        QCOMPARE(orders.value(0, QStringLiteral("TUTAR")).toDouble(), 200.0);
        QCOMPARE(orders.value(0, QStringLiteral("NETTUTAR")).toDouble(), 195.0);

        const MemTable lines = table(proxy.SiparisAyrintisi(1, order));
        QCOMPARE(lines.rowCount(), 2);
        QCOMPARE(lines.value(0, QStringLiteral("SIRANO")).toInt(), a);
        QCOMPARE(lines.value(1, QStringLiteral("SIRANO")).toInt(), b);
        QCOMPARE(lines.value(1, QStringLiteral("KALAN")).toDouble(), 4.0);
        QCOMPARE(table(proxy.SiparisAyrintisi(2, order)).rowCount(), 0); // another customer's order

        const TSiparisDipAyrinti *footer = proxy.SiparisAytintisiDip(0, order);
        QVERIFY(footer);
        QCOMPARE(footer->SizinMesaj, QStringLiteral("Acil gönderin"));
        QCOMPARE(footer->Veren, QStringLiteral("BAYI"));
        QCOMPARE(footer->KargoCinsi, QStringLiteral("Ambar"));
        QCOMPARE(footer->TeslimCinsi, QStringLiteral("Kargo ile Gönderilsin"));
        QVERIFY(!footer->Kargo.isEmpty());
        QVERIFY(!proxy.SiparisAytintisiDip(0, 999999));

        // Nothing ticked: no order.
        proxy.SepetSecimGuncelle(kept, 0);
        QVERIFY(!proxy.SiparisKaydet(dealer(), 1, 2, 2, QString(), m_dealer.Sirano, company));
        QCOMPARE(count("SELECT COUNT(*) FROM siparis"), ordersBefore + 1);
    }

    // Open balances follow the order lines and the three changes.
    void balanceChanges()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        proxy.SepetHepsiniSil(dealer());
        addLine(proxy, firstStock("stokno > 30"), 5, 40, 0);
        const int company = int(m_fixture->db().scalarInt("SELECT MIN(sirano) FROM kargo_firma WHERE turid = 1"));
        QVERIFY(proxy.SiparisKaydet(dealer(), 1, 1, 1, QString(), m_dealer.Sirano, company));
        // The open balance line with this key, by column; none when it is no longer open.
        const auto openLine = [&](int key) -> std::optional<QVariantMap> {
            const MemTable open = table(proxy.BakiyelerVer(1));
            for (int r = 0; r < open.rowCount(); ++r) {
                if (open.value(r, QStringLiteral("STOKHAR_NO")).toInt() != key)
                    continue;
                QVariantMap line;
                for (const char *column : {"KALAN", "BIRIMFIYAT", "INDIRIMORANI1", "ILKFIYAT"})
                    line.insert(QLatin1String(column), open.value(r, QLatin1String(column)));
                return line;
            }
            return std::nullopt;
        };
        const MemTable open = table(proxy.BakiyelerVer(1));
        const int key = open.value(0, QStringLiteral("STOKHAR_NO")).toInt();
        const int basketLine = open.value(0, QStringLiteral("SIRANO")).toInt();
        const int stokno = open.value(0, QStringLiteral("STOK_STOKNO")).toInt();
        QCOMPARE(openLine(key)->value("KALAN").toDouble(), 5.0);

        QCOMPARE(proxy.BakiyeDegistir(dealer(), stokno, basketLine, key, 2, 2, QString()), 1);
        QCOMPARE(openLine(key)->value("KALAN").toDouble(), 2.0);
        QCOMPARE(proxy.BakiyeFiyatDegistir(dealer(), 0, basketLine, key, 5, 5, QString(), 19.99, 12.5), 1);
        QCOMPARE(openLine(key)->value("BIRIMFIYAT").toDouble(), 19.99);
        QCOMPARE(openLine(key)->value("INDIRIMORANI1").toDouble(), 12.5);
        QCOMPARE(openLine(key)->value("ILKFIYAT").toDouble(), 40.0);
        QCOMPARE(proxy.BakiyeDuzenle(dealer(), stokno, basketLine, key, 5, 2, QString()), 1);
        QVERIFY(!openLine(key));
        const MemTable all = table(proxy.TumSiparislerVer(1, stokno));
        QVERIFY(all.rowCount() >= 1);
        for (int r = 0; r < all.rowCount(); ++r)
            QCOMPARE(all.value(r, QStringLiteral("STOK_STOKNO")).toInt(), stokno);
    }

    void picturesAndDocuments()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        qint64 size = 0;
        RemoteStream *stream = nullptr; // read after the call: the call sets the size
        const int pictured = firstStock("resim = 1");
        stream = proxy.ResimVer5(pictured, size);
        QByteArray bytes = streamBytes(stream, size);
        QVERIFY(size > 1000);
        QImage picture;
        QVERIFY(picture.loadFromData(bytes, "JPEG"));
        stream = proxy.ResimVer5(firstStock("resim = 0"), size);
        QVERIFY(streamBytes(stream, size).isEmpty());
        QCOMPARE(size, qint64(0));

        stream = proxy.BannerResimVer(size);
        bytes = streamBytes(stream, size);
        QBuffer buffer(&bytes);
        QImageReader gif(&buffer, "gif");
        QVERIFY(gif.supportsAnimation());
        QVERIFY(gif.imageCount() > 1);
        QCOMPARE(gif.size(), QSize(400, 116));

        const TAcilisEkranlariki *screens = proxy.AcilisEkranlarVer2();
        QVERIFY(screens && !screens->Ekranlar.isEmpty());
        QVERIFY(QImage::fromData(HexCoz(screens->Ekranlar.first()->Resim)).size() == QSize(605, 405));
        const int adverts = proxy.AcilisReklamAdet();
        QVERIFY(adverts > 0);
        const TAcilisEkran *advert = proxy.AcilisREklamVer(0);
        QVERIFY(advert && !advert->Arama.isEmpty());
        QVERIFY(!QImage::fromData(HexCoz(advert->Resim)).isNull());
        QVERIFY(!proxy.AcilisREklamVer(adverts));
        QVERIFY(proxy.KayanYaziGetir().contains(QStringLiteral("Parvela")));

        QString name;
        const MemTable files = table(proxy.DosyaListesi());
        stream = proxy.BelgeIndir2(files.value(0, QStringLiteral("SIRANO")).toInt(), size, name, nullptr);
        bytes = streamBytes(stream, size);
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(name, files.value(0, QStringLiteral("DOSYAYOL")).toString());
    }

    // Reports and receipts are PDF files made for the request, showing what was asked.
    void reportsAndReceipts()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        qint64 size = 0;
        RemoteStream *stream = nullptr; // read after the call: the call sets the size
        const QDate from(2025, 1, 2);
        const QDate to(2025, 12, 30);
        stream = proxy.RaporGetir(6, 6, m_rep.Sirano, 1, QStringLiteral("AHMET YILMAZ"), from, from, size);
        QByteArray pdf = streamBytes(stream, size);
        QVERIFY(pdf.startsWith("%PDF-"));
        QString text = pdfText(pdf); // scripts/setup installs pdftotext (poppler-utils)
        QVERIFY(text.contains(QStringLiteral("Cari Özeti")));
        QVERIFY(text.contains(m_dealer.CariAdi));
        QVERIFY(text.contains(QStringLiteral("02.01.2025")));
        QVERIFY(text.contains(QStringLiteral("AHMET YILMAZ")));
        QVERIFY(text.contains(QStringLiteral("MUDUR")));
        stream = proxy.RaporGetir(7, 7, m_rep.Sirano, 1, QStringLiteral("."), from, to, size);
        pdf = streamBytes(stream, size);
        QVERIFY(pdfText(pdf).contains(QStringLiteral("02.01.2025 - 30.12.2025")));
        stream = proxy.RaporGetir(6, 6, m_rep.Sirano, 0, QStringLiteral("."), to, to, size);
        pdf = streamBytes(stream, size);
        QVERIFY(pdf.startsWith("%PDF-"));

        const int collection = int(m_fixture->db().scalarInt(
            "SELECT tahsilatidno FROM sanalpos ORDER BY sirano LIMIT 1"));
        const int receipt = proxy.SanalposSiranoVer(collection);
        QVERIFY(receipt > 0);
        QCOMPARE(proxy.SanalposSiranoVer(int(m_fixture->db().scalarInt(
                     "SELECT MIN(idno) FROM tahsilat WHERE idno NOT IN (SELECT tahsilatidno FROM sanalpos)"))),
                 0);
        stream = proxy.SAnalPosPdfVer(receipt, size);
        pdf = streamBytes(stream, size);
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(qint64(pdf.size()), size);
    }

    void mailsGoToTheOutbox()
    {
        auto c = connect();
        TServerMethods1Client proxy(*c);
        TServerMethods1Client::CariMailAlanlari a{"ID-1",   "baslik", "firma", "adres1", "adres2", "ilce",
                                                  "sehir",  "tel",    "fax",   "vd",     "vn",     "yetkili",
                                                  "kadi",   "sifre",  "mail",  "ambar"};
        QCOMPARE(proxy.MailGonserCari(a), 1);
        QCOMPARE(proxy.MailGonserCariNormal(a, QStringLiteral("satır 1,\"satır 2\"")), 1);
        SqliteStatement q = m_fixture->db().prepare("SELECT tur, bilgisayarid, konu, alanlar FROM giden_kutusu ORDER BY sirano");
        QVERIFY(q.step());
        QCOMPARE(q.text(0), QStringLiteral("MailGonserCari"));
        QCOMPARE(q.text(1), QStringLiteral("ID-1"));
        const QJsonObject first = QJsonDocument::fromJson(q.text(3).toUtf8()).object();
        const QStringList order = {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir", "telefon",
                                   "fax", "vd", "vn", "yetkili", "kullaniciadi", "sifre", "mail", "kargoambar"};
        const QStringList sent = {a.idsi, a.baslik, a.firmaadi, a.adres1, a.adres2, a.ilce, a.sehir, a.telefon,
                                  a.fax, a.vd, a.vn, a.yetkili, a.kullaniciadi, a.sifre, a.mail, a.kargoambar};
        for (int i = 0; i < order.size(); ++i)
            QCOMPARE(first.value(order.at(i)).toString(), sent.at(i));
        QVERIFY(q.step());
        QCOMPARE(q.text(0), QStringLiteral("MailGonserCariNormal"));
        QCOMPARE(QJsonDocument::fromJson(q.text(3).toUtf8()).object().value(QStringLiteral("konu")).toString(),
                 QStringLiteral("satır 1,\"satır 2\""));
    }
};

QTEST_MAIN(TestOrderMethods)
#include "tst_ordermethods.moc"
