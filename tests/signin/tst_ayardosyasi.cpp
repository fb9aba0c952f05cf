#include "signin/AyarDosyasi.h"
#include "signin/IniMetni.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The settings file of the login window: what old and new files read as, and how it is written.
class TestAyarDosyasi : public QObject
{
    Q_OBJECT

    QTemporaryDir m_klasor;

    QString yol() const { return m_klasor.filePath(QStringLiteral("ayar.ini")); }

    void yaz(const QByteArray &icerik)
    {
        QFile f(yol());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(icerik);
    }

    // Unix mode bits of the file (owner, group, others).
    int izinler() const
    {
        const QFile::Permissions p = QFile::permissions(yol());
        int mod = 0;
        const QPair<QFile::Permission, int> bitler[] = {
            {QFile::ReadOwner, 0400}, {QFile::WriteOwner, 0200}, {QFile::ExeOwner, 0100},
            {QFile::ReadGroup, 040},  {QFile::WriteGroup, 020},  {QFile::ExeGroup, 010},
            {QFile::ReadOther, 04},   {QFile::WriteOther, 02},   {QFile::ExeOther, 01},
        };
        for (const auto &[izin, bit] : bitler)
            mod |= p.testFlag(izin) ? bit : 0;
        return mod;
    }

    QByteArray oku() const
    {
        QFile f(yol());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init() { QFile::remove(yol()); }

    void okuma_data()
    {
        QTest::addColumn<QByteArray>("icerik");
        QTest::addColumn<QString>("isim");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<bool>("hatirla");

        QTest::newRow("üç anahtar") << QByteArray("[kullanici]\nisim=BAYI1\nsifre=GIZLI\nhatırla=1\n")
                                    << "BAYI1" << "GIZLI" << true;
        QTest::newRow("hatırla 0") << QByteArray("[kullanici]\nisim=BAYI1\nsifre=GIZLI\nhatırla=0\n")
                                   << "BAYI1" << "GIZLI" << false;
        QTest::newRow("boş dosya") << QByteArray() << "" << "" << true;
        QTest::newRow("sayı olmayan hatırla") << QByteArray("[kullanici]\nhatırla=evet\n") << "" << "" << true;
        QTest::newRow("Windows satır sonu, boşluk, büyük harf")
            << QByteArray("; eski dosya\r\n[KULLANICI]\r\n ISIM = BAYI2 \r\nSifre=\"A=B;C\"\r\nHatırla=0\r\n")
            << "BAYI2" << "A=B;C" << false;
        QTest::newRow("başka bölümdeki anahtar sayılmaz")
            << QByteArray("[diger]\nisim=X\n[kullanici]\nsifre=Y\n") << "" << "Y" << true;
    }

    void okuma()
    {
        QFETCH(QByteArray, icerik);
        yaz(icerik);
        const GirisAyarlari a = AyarDosyasi(yol()).oku();
        QTEST(a.isim, "isim");
        QTEST(a.sifre, "sifre");
        QTEST(a.hatirla, "hatirla");
    }

    void eksikDosya()
    {
        const AyarDosyasi dosya(yol());
        QVERIFY(!dosya.varMi());
        const GirisAyarlari a = dosya.oku();
        QVERIFY(a.isim.isEmpty() && a.sifre.isEmpty() && a.hatirla);
    }

    // The password stays in the file (the next start fills it in), so nobody else may read it;
    // a file that was readable by others before is tightened too.
    void yazmaIzinleriVeBaskaIcerik()
    {
        yaz("[pencere]\ngenislik=800\n\n[kullanici]\nisim=ESKI\nnot=kalsin\n");
        QFile::setPermissions(yol(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

        QString hata;
        QVERIFY2(AyarDosyasi(yol()).kaydet({QStringLiteral("BAYI1"), QStringLiteral("GİZLİ"), false}, &hata),
                 qPrintable(hata));

        QCOMPARE(izinler(), 0600);
        QCOMPARE(oku(), QByteArray("[pencere]\ngenislik=800\n\n[kullanici]\nisim=BAYI1\nnot=kalsin\nsifre=GİZLİ\n"
                                   "hatırla=0\n"));
        // Replaced in one step: no temporary file is left beside it.
        QCOMPARE(QDir(m_klasor.path()).entryList(QDir::Files), QStringList{QStringLiteral("ayar.ini")});
    }

    void yeniDosyaOkunanaEsit()
    {
        const GirisAyarlari yazilan{QStringLiteral("BAYI1"), QStringLiteral("S1"), true};
        QVERIFY(AyarDosyasi(yol()).kaydet(yazilan));
        QCOMPARE(oku(), QByteArray("[kullanici]\nisim=BAYI1\nsifre=S1\nhatırla=1\n"));
        QCOMPARE(izinler(), 0600);
        const GirisAyarlari okunan = AyarDosyasi(yol()).oku();
        QCOMPARE(okunan.isim, yazilan.isim);
        QCOMPARE(okunan.sifre, yazilan.sifre);
        QCOMPARE(okunan.hatirla, yazilan.hatirla);
    }

    // A line break in a value must not turn into a key of its own.
    void satirSonuAnahtarUretmez()
    {
        QVERIFY(AyarDosyasi(yol()).kaydet({QStringLiteral("A\nhatırla=0"), QStringLiteral("S"), true}));
        const GirisAyarlari a = AyarDosyasi(yol()).oku();
        QCOMPARE(a.isim, QStringLiteral("Ahatırla=0"));
        QVERIFY(a.hatirla);
    }

    void yazilamayanKlasor()
    {
        QString hata;
        QVERIFY(!AyarDosyasi(m_klasor.filePath(QStringLiteral("yok/ayar.ini"))).kaydet({}, &hata));
        QVERIFY(!hata.isEmpty());
    }

    // Any ordinary INI reader finds the section and the three keys.
    void standartOkuyucu()
    {
        QVERIFY(AyarDosyasi(yol()).kaydet({QStringLiteral("BAYI1"), QStringLiteral("Ş1"), true}));
        if (!QFile::exists(QStringLiteral("/usr/bin/python3")))
            QSKIP("python3 is not installed");
        QProcess p;
        p.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import configparser,sys\nc=configparser.ConfigParser()\n"
                                "c.read(sys.argv[1],encoding='utf-8')\nk=c['kullanici']\n"
                                "print(k['isim'],k['sifre'],k['hatırla'],sep='|')"),
                 yol()});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), QStringLiteral("BAYI1|Ş1|1"));
    }

    void iniAnahtarEkleme()
    {
        IniMetni ini(QStringLiteral("[a]\nx=1\n\n[b]\ny=2\n"));
        ini.degerYaz(QStringLiteral("a"), QStringLiteral("z"), QStringLiteral("3"));
        ini.degerYaz(QStringLiteral("B"), QStringLiteral("Y"), QStringLiteral("4"));
        ini.degerYaz(QStringLiteral("c"), QStringLiteral("w"), QStringLiteral("5"));
        QCOMPARE(ini.metin(), QStringLiteral("[a]\nx=1\nz=3\n\n[b]\nY=4\n\n[c]\nw=5\n"));
    }
};

QTEST_GUILESS_MAIN(TestAyarDosyasi)
#include "tst_ayardosyasi.moc"
