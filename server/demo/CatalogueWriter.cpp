#include "CatalogueWriter.h"

#include "DemoCatalogue.h"
#include "DemoRandom.h"
#include "SearchText.h"
#include "SqliteDb.h"
#include "identity/AmountFormat.h"

#include <algorithm>

namespace {

// EAN-13 with the Turkish prefix 869 and its check digit.
QString barcode(int stokno)
{
    const QString body = QStringLiteral("869%1").arg(stokno, 9, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += body.at(i).digitValue() * (i % 2 ? 3 : 1);
    return body + QString::number((10 - sum % 10) % 10);
}

QString oemNumber(DemoRandom &random, const DemoCatalogue::Vehicle &car)
{
    QString number = QString::fromUtf8(car.oemPrefix) + random.digits(10 - int(qstrlen(car.oemPrefix)));
    if (random.chance(0.3))
        number += QChar(u'A' + random.between(0, 5));
    return number;
}

// Status and stock on hand go together: "Var" has stock, the others little or none.
void statusAndStock(DemoRandom &random, int &status, double &onHand)
{
    const int roll = random.between(1, 100);
    status = roll <= 62 ? 1 : roll <= 72 ? 0 : roll <= 80 ? 2 : roll <= 90 ? 3 : roll <= 94 ? 4 : 5;
    onHand = status == 1 ? random.between(1, 250) : status == 2 ? random.between(1, 3) : 0;
}

} // namespace

void CatalogueWriter::write(int count)
{
    const auto types = DemoCatalogue::partTypes();
    const auto cars = DemoCatalogue::vehicles();
    const auto makers = DemoCatalogue::makers();
    const int campaignEvery = std::max(2, count / std::min(400, std::max(1, count / 40)));
    const int newEvery = std::max(3, count / std::min(300, std::max(1, count / 60)));

    // The search index is built once after the load, far faster than row by row.
    m_db.exec("INSERT INTO ayar (anahtar, deger) VALUES ('toplu_yukleme', '1')");
    SqliteStatement insert = m_db.cached(
        "INSERT INTO stok (stokno, barkod, finishkod, adi, digeradi, oem1, oem2, oem3, oem4, oemno, ureticikodu,"
        " barkodno, dpkod, pkod, birim, marka, model, anagrup, altgrup, ozelkod, kdv, listefiyat, kampfiyat, yeni,"
        " kampanya, durum, kalan, alinansiparis, verilensiparis, resim, arama)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, 20, ?21, ?22,"
        " ?23, ?24, ?25, ?26, ?27, 0, ?28, ?29)");
    for (int stokno = 1; stokno <= count; ++stokno) {
        const auto &type = m_random.pick(types);
        const auto &car = m_random.pick(cars);
        const QString maker = QString::fromUtf8(m_random.pick(makers));
        const QString make = QString::fromUtf8(car.make);
        const QString model = QString::fromUtf8(car.model);
        const QString name = QString::fromUtf8(type.name) + QLatin1Char(' ') + make + QLatin1Char(' ') + model;
        const QString code = QStringLiteral("PV%1%2").arg(QLatin1String(type.code)).arg(stokno, 6, 10, QLatin1Char('0'));
        const QString ean = barcode(stokno);
        const QString oem = oemNumber(m_random, car);
        QString oems[4];
        const int extraOems = m_random.between(0, 4);
        for (int i = 0; i < extraOems; ++i)
            oems[i] = oemNumber(m_random, car);
        const QString makerCode = maker.left(3) + QLatin1Char('-') + m_random.digits(6);
        const double price = Yuvarla(m_random.real(type.minPrice, type.maxPrice));
        const bool campaign = stokno % campaignEvery == 0;
        const bool isNew = stokno % newEvery == 1;
        int status = 1;
        double onHand = 0;
        statusAndStock(m_random, status, onHand);
        const QString search = SearchText::fold(QStringList{code, ean, name, QString::fromUtf8(type.english), maker, oem,
                                                            oems[0], oems[1], oems[2], oems[3], makerCode}
                                                     .join(QLatin1Char(' ')));
        insert.bind(1, stokno)
            .bind(2, ean)
            .bind(3, code)
            .bind(4, name)
            .bind(5, QString::fromUtf8(type.english))
            .bind(6, oems[0])
            .bind(7, oems[1])
            .bind(8, oems[2])
            .bind(9, oems[3])
            .bind(10, oem)
            .bind(11, makerCode)
            .bind(12, QString::number(100000 + stokno))
            .bind(13, QStringLiteral("%1-%2-%3")
                          .arg(QChar(u'A' + m_random.between(0, 7)))
                          .arg(m_random.between(1, 40), 2, 10, QLatin1Char('0'))
                          .arg(m_random.between(1, 6), 2, 10, QLatin1Char('0')))
            .bind(14, QStringLiteral("P%1").arg(m_random.between(1, 9)))
            .bind(15, type.unit)
            .bind(16, maker)
            .bind(17, model)
            .bind(18, type.group)
            .bind(19, make)
            .bind(20, QString::fromUtf8(m_random.pick(DemoCatalogue::specialCodes())))
            .bind(21, price)
            .bind(22, campaign ? Yuvarla(price * m_random.real(0.78, 0.9)) : 0.0)
            .bind(23, isNew ? 1 : 0)
            .bind(24, campaign ? 1 : 0)
            .bind(25, status)
            .bind(26, onHand)
            .bind(27, double(m_random.chance(0.2) ? m_random.between(5, 200) : 0))
            .bind(28, m_random.chance(0.75) ? 1 : 0)
            .bind(29, search);
        insert.run();
    }
    m_db.exec("DELETE FROM ayar WHERE anahtar = 'toplu_yukleme';"
              "INSERT INTO stok_ara (stok_ara) VALUES ('rebuild');");
}
