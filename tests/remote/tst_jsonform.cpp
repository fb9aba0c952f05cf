#include "TransferRecords.h"
#include "identity/TSonucBilgisi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestJsonForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultLoginRecordHasAllTwentyMembersInOrder()
    {
        const QByteArray json = toJsonObjectForm(TSonucBilgisi());
        QCOMPARE(json,
                 QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FBILGISAYARID":"","FSaticiMail":"",)"
                            R"("FSirano":0,"FCariAdi":"","FSIFRE":"","FSaticiNo":0,"FCARINO":0,"FAKTIF":0,)"
                            R"("FKullanicimail":"","FADI":"","FSaticiTelefon":"","Fcarikod":"","FVarmi":false,)"
                            R"("FSaticiAdi":"","FBilgiSayarAdi":"","FDisip":"","FIcip":"","FBilgisayarKullanici":"",)"
                            R"("FMusteriTipi":1,"FVersion":1}})"));
    }

    void loginRecordRoundTrips()
    {
        TSonucBilgisi r;
        r.ADI = QStringLiteral("ŞAHİN \"OTO\"\n");
        r.Varmi = true;
        r.Version = 27;
        r.CARINO = -5;
        const auto back = fromJsonObjectForm<TSonucBilgisi>(toJsonObjectForm(r));
        QVERIFY(back);
        QCOMPARE(*back, r);
    }

    void holderOfThreeScreensNumbersObjectsInWriteOrder()
    {
        TAcilisEkranlariki holder;
        for (int i = 0; i < 3; ++i)
            holder.Ekranlar.append(std::make_shared<TAcilisEkran>());
        const QJsonObject doc = QJsonDocument::fromJson(toJsonObjectForm(holder)).object();
        QCOMPARE(doc.value("id").toInt(), 1);
        const QJsonArray screens = doc.value("fields").toObject().value("FEkranlar").toArray();
        QCOMPARE(screens.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(screens.at(i).toObject().value("id").toInt(), i + 2);
            QCOMPARE(screens.at(i).toObject().value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkran"));
        }
    }

    void repeatedObjectIsWrittenAsRefAndReadBackShared()
    {
        TAcilisEkranlariki holder;
        auto screen = std::make_shared<TAcilisEkran>();
        screen->Baslik = QStringLiteral("Kampanya");
        holder.Ekranlar = {screen, screen};
        const QByteArray json = toJsonObjectForm(holder);
        QVERIFY(json.contains(R"({"type":"mobilstokunit.TAcilisEkran","ref":2})"));
        const auto back = fromJsonObjectForm<TAcilisEkranlariki>(json);
        QCOMPARE(back->Ekranlar.size(), 2);
        QCOMPARE(back->Ekranlar.at(0), back->Ekranlar.at(1));
        QCOMPARE(back->Ekranlar.at(1)->Baslik, QStringLiteral("Kampanya"));
    }

    void numberForms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("whole") << 20.0 << QByteArray("20");
        QTest::newRow("fraction") << 100.125 << QByteArray("100.125");
        QTest::newRow("tenth") << 0.1 << QByteArray("0.1");
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << QByteArray("0.333333333333333");
        QTest::newRow("negative") << -2.5 << QByteArray("-2.5");
    }
    void numberForms()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, text);
        QByteArray out;
        JsonObjectForm::appendNumber(out, value);
        QCOMPARE(out, text);
    }

    void nullAndMissingMembers()
    {
        QVERIFY(!fromJsonObjectForm<TSiparisDipAyrinti>("null"));
        QVERIFY(!fromJsonObjectForm<TSiparisDipAyrinti>(QByteArray()));
        const auto partial = fromJsonObjectForm<TTusSonuclari>(
            R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{"FGoruldu":4}})");
        QCOMPARE(partial->Goruldu, 4);
        QCOMPARE(partial->Alindi, 0);
    }

    void malformedFormsRaise_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not json") << QByteArray("{\"type\":");
        QTest::newRow("array") << QByteArray("[1,2]");
        QTest::newRow("wrong class") << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})");
        QTest::newRow("no fields") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1})");
        QTest::newRow("text as number") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"7"}})");
        QTest::newRow("dangling ref") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","ref":9})");
    }
    void malformedFormsRaise()
    {
        QFETCH(QByteArray, json);
        QVERIFY_THROWS_EXCEPTION(DSException, fromJsonObjectForm<TSonucBilgisi>(json));
    }

    void hexDecoding_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("jpeg marker") << "FFD8FF" << QByteArray("\xFF\xD8\xFF", 3);
        QTest::newRow("lower case") << "0a1b" << QByteArray("\x0A\x1B", 2);
        QTest::newRow("odd length") << "FFD" << QByteArray("\xFF\x0D", 2);
        QTest::newRow("empty") << "" << QByteArray();
    }
    void hexDecoding()
    {
        QFETCH(QString, hex);
        QFETCH(QByteArray, bytes);
        QCOMPARE(HexCoz(hex), bytes);
    }

    void invalidHexRaises()
    {
        QVERIFY_THROWS_EXCEPTION(DSException, HexCoz(QStringLiteral("FG")));
    }
};

QTEST_GUILESS_MAIN(TestJsonForm)
#include "tst_jsonform.moc"
