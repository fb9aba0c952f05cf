#include "AccountWriter.h"

#include "Dates.h"
#include "DemoRandom.h"
#include "DemoUsers.h"
#include "SearchText.h"
#include "SqliteDb.h"

namespace {

struct Rep
{
    const char *name;
    const char *mail;
    const char *phone;
};
const Rep reps[] = {
    {"AHMET YILMAZ", "ahmet.yilmaz@parvela.com.tr", "0532 411 20 31"},
    {"MEHMET KAYA", "mehmet.kaya@parvela.com.tr", "0533 512 40 52"},
    {"AYŞE DEMİR", "ayse.demir@parvela.com.tr", "0535 613 60 73"},
    {"FATMA ÇELİK", "fatma.celik@parvela.com.tr", "0542 714 80 94"},
};

const char *const firstNames[] = {"ÖZKAN", "GÜNEŞ", "YILDIZ", "AKDENİZ", "KARADENİZ", "ANADOLU", "MARMARA",
                                  "EGE",   "TOROS", "ÇINAR",  "DOĞAN",   "KARTAL",    "ŞAHİN",   "AYDIN",
                                  "ERDEM", "BAŞKENT", "UZMAN", "POLAT",  "KORKMAZ",   "ASLAN",   "KILIÇ",
                                  "ÖZTÜRK", "ARSLAN", "ŞİMŞEK", "KOÇ",   "YAVUZ",     "GÜLER",   "ÇAKIR"};
const char *const trades[] = {"OTO YEDEK PARÇA", "OTOMOTİV", "OTO SANAYİ", "OTO PARÇA", "MOTORLU ARAÇLAR", "OTO ELEKTRİK"};
const char *const forms[] = {"LTD. ŞTİ.", "A.Ş.", "TİC. LTD. ŞTİ.", "SAN. VE TİC. LTD. ŞTİ."};
const char *const contacts[] = {"HASAN ÖZKAN", "MUSTAFA GÜNEŞ", "ALİ YILDIZ", "HÜSEYİN ŞAHİN", "İBRAHİM KOÇ",
                                "EMRE AKSOY",  "MURAT ÇELİK",  "SERKAN DOĞAN", "ZEYNEP ARSLAN", "ELİF KAYA"};

struct City
{
    const char *city;
    const char *district;
    const char *site;
    const char *area;
};
const City cities[] = {
    {"İSTANBUL", "BAŞAKŞEHİR", "İKİTELLİ OSB OTO SANAYİ SİTESİ", "0212"},
    {"İSTANBUL", "BAYRAMPAŞA", "YENİDOĞAN SANAYİ SİTESİ", "0212"},
    {"İSTANBUL", "ÜMRANİYE", "DUDULLU OSB", "0216"},
    {"ANKARA", "YENİMAHALLE", "OSTİM SANAYİ SİTESİ", "0312"},
    {"ANKARA", "ALTINDAĞ", "SİTELER SANAYİ", "0312"},
    {"İZMİR", "BORNOVA", "IŞIKKENT SANAYİ SİTESİ", "0232"},
    {"BURSA", "OSMANGAZİ", "BEYAZ SANAYİ SİTESİ", "0224"},
    {"KONYA", "KARATAY", "BÜYÜK SANAYİ SİTESİ", "0332"},
    {"ADANA", "SEYHAN", "YENİ SANAYİ SİTESİ", "0322"},
    {"ANTALYA", "KEPEZ", "OTO SANAYİ SİTESİ", "0242"},
    {"KAYSERİ", "MELİKGAZİ", "YENİ SANAYİ BÖLGESİ", "0352"},
    {"GAZİANTEP", "ŞEHİTKAMİL", "KÜÇÜK SANAYİ SİTESİ", "0342"},
    {"SAMSUN", "İLKADIM", "ÇİFTLİK SANAYİ SİTESİ", "0362"},
    {"ESKİŞEHİR", "TEPEBAŞI", "ESKİ SANAYİ BÖLGESİ", "0222"},
    {"TRABZON", "ORTAHİSAR", "DEĞİRMENDERE SANAYİ", "0462"},
};

QString slug(const QString &text)
{
    QString s = SearchText::fold(text).toLower();
    s.remove(QLatin1Char(' '));
    return s;
}

} // namespace

void AccountWriter::write(int customers)
{
    SqliteStatement rep = m_db.cached("INSERT INTO satici (saticino, adi, mail, telefon) VALUES (?, ?, ?, ?)");
    for (int i = 0; i < int(std::size(reps)); ++i)
        rep.bindAll(i + 1, reps[i].name, reps[i].mail, reps[i].phone).run();

    for (int carino = 1; carino <= customers; ++carino)
        writeCustomer(carino);

    SqliteStatement user = m_db.cached(
        "INSERT INTO kullanici (adi, sifre, tip, aktif, carino, saticino, mail) VALUES (?, ?, ?, ?, NULLIF(?, 0), NULLIF(?, 0), ?)");
    SqliteStatement station = m_db.cached("INSERT INTO istasyon (bilgisayarid, kullanici, kayit) VALUES (?, ?, ?)");
    for (const DemoUsers::User &u : DemoUsers::all()) {
        const QString name = QString::fromUtf8(u.name);
        user.bindAll(name, u.password, u.type, u.active ? 1 : 0, u.customer, u.salesRep,
                     name.toLower() + QStringLiteral("@parvela-demo.com.tr"))
            .run();
        station.bindAll(QStringLiteral("DEMO-") + name, m_db.lastInsertId(), Dates::now()).run();
    }
}

void AccountWriter::writeCustomer(int carino)
{
    // The demo dealer's account has a fixed name, so the documentation can show it.
    const QString name = carino == 1 ? QStringLiteral("ÖZKAN OTO YEDEK PARÇA LTD. ŞTİ.")
                                     : QStringLiteral("%1 %2 %3")
                                           .arg(QString::fromUtf8(m_random.pick(firstNames)),
                                                QString::fromUtf8(m_random.pick(trades)),
                                                QString::fromUtf8(m_random.pick(forms)));
    const City &city = m_random.pick(cities);
    const QString area = QString::fromUtf8(city.area);
    const auto phone = [&] {
        return QStringLiteral("%1 %2 %3 %4").arg(area, m_random.digits(3), m_random.digits(2), m_random.digits(2));
    };
    const QString web = slug(name.section(QLatin1Char(' '), 0, 1));
    const double discounts[] = {0, 5, 10, 12.5, 15};
    const int terms[] = {30, 45, 60, 90};
    m_db.cached("INSERT INTO cari (carino, carikod, cariadi, saticino, ozelkod, anagrup, altgrup, yetkili, adres1,"
                " adres2, ilce, il, vergidairesi, vergino, tel1, tel2, fax1, fax2, gsm, email, vade, indirim, kod1, kod2,"
                " vadekontrolgun, vadekontrolay)"
                " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21,"
                " ?22, ?23, ?24, ?25, ?26)")
        .bind(1, carino)
        .bind(2, QStringLiteral("120.01.%1").arg(carino, 4, 10, QLatin1Char('0')))
        .bind(3, name)
        .bind(4, (carino - 1) % int(std::size(reps)) + 1)
        .bind(5, carino % 7 == 0 ? QStringLiteral("VIP") : QStringLiteral("STANDART"))
        .bind(6, QStringLiteral("BAYİ"))
        .bind(7, QString::fromUtf8(city.city))
        .bind(8, QString::fromUtf8(m_random.pick(contacts)))
        .bind(9, QStringLiteral("%1 %2. BLOK").arg(QString::fromUtf8(city.site)).arg(m_random.between(1, 12)))
        .bind(10, QStringLiteral("NO: %1").arg(m_random.between(1, 140)))
        .bind(11, city.district)
        .bind(12, city.city)
        .bind(13, QString::fromUtf8(city.district) + QStringLiteral(" V.D."))
        .bind(14, m_random.digits(10))
        .bind(15, phone())
        .bind(16, m_random.chance(0.5) ? phone() : QString())
        .bind(17, phone())
        .bind(18, QString())
        .bind(19, QStringLiteral("05%1 %2 %3 %4").arg(m_random.digits(2), m_random.digits(3), m_random.digits(2), m_random.digits(2)))
        .bind(20, QStringLiteral("info@%1.com.tr").arg(web))
        .bind(21, m_random.pick(terms))
        .bind(22, m_random.pick(discounts))
        .bind(23, QStringLiteral("B%1").arg(m_random.between(1, 3)))
        .bind(24, QString())
        .bind(25, carino % 3 == 0 ? 15 : 0)
        .bind(26, 0)
        .run();
}
