#include "HistoryWriter.h"

#include "Dates.h"
#include "DemoRandom.h"
#include "SqliteDb.h"
#include "identity/AmountFormat.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace {

const char *const customerNotes[] = {"", "", "", "Acil lazım, bugün çıkarsa sevinirim.", "Faturayı e-posta ile gönderin.",
                                     "Eksik gelen ürünleri sonra gönderin.", "Cumartesi teslim almıyoruz."};
const char *const ourNotes[] = {"", "", "Siparişiniz kargoya verildi.", "Eksik ürünler tedarik edilince gönderilecektir.",
                                "Fiyatlar kampanya dahilindedir."};
const char *const repNotes[] = {"", "", "", "Cari vadesi takip edilsin.", "Ödeme sözü alındı."};
const char *const kinds[] = {"Nakit", "Havale/EFT", "Kredi Kartı", "Çek", "Sanal POS", "Sanal POS"};
const char *const banks[] = {"ANADOLU BANK", "MARMARA BANKASI", "EGE KATILIM", "BAŞKENT BANK"};

// Minutes into a working day, as a fraction of a day.
double workingTime(DemoRandom &random)
{
    return random.between(8 * 60 + 30, 18 * 60) / 1440.0;
}

QString timeText(double day)
{
    return Dates::toDateTime(day).time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

HistoryWriter::Item HistoryWriter::randomItem(const Customer &customer)
{
    SqliteStatement q = m_db.cached("SELECT barkod, adi, listefiyat, kampanya, kampfiyat, kdv FROM stok WHERE stokno = ?");
    const int stokno = m_random.between(1, m_stockCount);
    q.bind(1, stokno);
    q.step();
    const bool campaign = q.int32(3) > 0;
    return {stokno, q.text(0), q.text(1), campaign ? q.real(4) : q.real(2), campaign ? 0.0 : customer.discount, q.int32(5)};
}

void HistoryWriter::write()
{
    QList<Customer> customers;
    SqliteStatement q = m_db.prepare("SELECT c.carino, c.indirim, c.vade, COALESCE(s.adi, ''), c.yetkili FROM cari c"
                                     " LEFT JOIN satici s ON s.saticino = c.saticino ORDER BY c.carino");
    while (q.step())
        customers.append({q.int32(0), q.real(1), q.int32(2), q.text(3), q.text(4)});
    const double today = Dates::fromDate(QDate::currentDate());
    for (const Customer &customer : customers)
        writeCustomer(customer, today);
    writeBaskets(today);
    m_db.exec("UPDATE stok SET verilensiparis = (SELECT SUM(l.bakiye) FROM siparis_satir l WHERE l.stokno = stok.stokno)"
              " WHERE stokno IN (SELECT stokno FROM siparis_satir WHERE bakiye > 0)");
}

void HistoryWriter::writeCustomer(const Customer &customer, double today)
{
    // The dealer's orders are given by the dealer; the others' by their representatives.
    const int giver = customer.carino == 1 ? 1 : m_random.between(2, 3);
    SqliteStatement who = m_db.cached("SELECT adi FROM kullanici WHERE sirano = ?");
    who.bind(1, giver);
    who.step();
    const QString giverName = who.text(0);
    who.reset();

    // Orders as (day, state). The dealer's account shows one fresh order in each open state.
    QList<QPair<double, int>> orders;
    if (customer.carino == 1) {
        const double recent[] = {0, 1, 4, 12, 16};
        for (int state = 1; state <= 5; ++state)
            orders.append({today - recent[state - 1] + workingTime(m_random), state});
    }
    const int count = customer.carino == 1 ? 11 : m_random.between(6, 18);
    for (int i = 0; i < count; ++i) {
        const double day = today - m_random.between(0, 365) + workingTime(m_random);
        const double age = today - day;
        const int state = age > 20   ? 6
                          : age > 10 ? m_random.between(4, 5)
                          : age > 3  ? m_random.between(2, 3)
                                     : m_random.between(1, 2);
        orders.append({day, state});
    }
    std::sort(orders.begin(), orders.end());

    for (const auto &[day, state] : orders) {
        const double age = today - day;
        const int company = m_random.between(1, 8);
        m_db.cached("INSERT INTO siparis (carino, tarih, saat, teslimid, kargoid, kargofirmaid, durum, verenidno, veren,"
                    " mesaj, bizimmesaj, saticinotu) VALUES (?, ?, ?, ?, (SELECT turid FROM kargo_firma WHERE sirano = ?),"
                    " ?, ?, ?, ?, ?, ?, ?)")
            .bindAll(customer.carino, day, timeText(day), m_random.between(1, 3), company, company, state, giver,
                     giverName, m_random.pick(customerNotes), state >= 5 ? m_random.pick(ourNotes) : "",
                     m_random.pick(repNotes))
            .run();
        const qint64 order = m_db.lastInsertId();

        QList<Item> items;
        QList<double> delivered;
        const int lines = m_random.between(1, 6);
        for (int l = 0; l < lines; ++l) {
            const Item item = randomItem(customer);
            const double quantity = item.price > 3000 ? m_random.between(1, 2) : m_random.between(1, 10);
            double shipped = 0;
            if (state == 6)
                shipped = m_random.chance(0.85) ? quantity : std::floor(quantity * m_random.real(0, 1));
            else if (state == 4)
                shipped = m_random.chance(0.5) ? quantity : 0;
            double open = quantity - shipped;
            if (state == 6 && age > 120 && m_random.chance(0.5))
                open = 0; // an old remainder the customer gave up
            m_db.cached("INSERT INTO siparis_satir (idno, sepetsirano, stokno, barkod, stokadi, miktar, kdv, birimfiyat,"
                        " ilkfiyat, indirim1, teslimedilen, bakiye, verenidno, veren, tarih, saat)"
                        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .bindAll(order, int(order * 10 + l), item.stokno, item.barcode, item.name, quantity, double(item.vat),
                         item.price, item.price, item.discount, shipped, open, giver, giverName, day, timeText(day))
                .run();
            items.append(item);
            delivered.append(shipped);
        }

        if (std::any_of(delivered.begin(), delivered.end(), [](double q) { return q > 0; })) {
            const double invoiceDay = std::min(today, std::floor(day) + m_random.between(1, 3)) + workingTime(m_random);
            const double total = writeInvoice(customer, invoiceDay, order, false, items, delivered);
            if (m_random.chance(0.04)) {
                const double back = std::min(today, invoiceDay + m_random.between(5, 15));
                const double refund = writeInvoice(customer, back, order, true, {items.first()}, {1});
                if (m_random.chance(0.5))
                    writeCollection(customer, std::min(today, back + 2), refund, true);
            }
            // Most invoices are paid around their due date; some stay open (and overdue).
            const double due = invoiceDay + customer.terms + m_random.between(-10, 10);
            if (due <= today && m_random.chance(0.8))
                writeCollection(customer, due, m_random.chance(0.7) ? total : Yuvarla(total * m_random.real(0.4, 0.9)), false);
        }
    }
}

double HistoryWriter::writeInvoice(const Customer &customer, double day, qint64 order, bool isReturn,
                                   const QList<Item> &items, const QList<double> &quantities)
{
    ++m_invoiceNumber;
    const QDate date = Dates::toDate(day);
    m_db.cached("INSERT INTO fatura (carino, evrakno, tarih, saat, turadi, iade, vade, saticiadi, siparisidno, irsaliyeno,"
                " irsaliyetarihi, aciklama) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bindAll(customer.carino, QStringLiteral("PRV%1%2").arg(date.year()).arg(m_invoiceNumber, 6, 10, QLatin1Char('0')),
                 day, timeText(day), isReturn ? "İade Faturası" : "Satış Faturası", isReturn ? 1 : 0, customer.terms,
                 customer.rep, order, QStringLiteral("IRS%1").arg(m_invoiceNumber, 7, 10, QLatin1Char('0')), std::floor(day),
                 isReturn ? "Hasarlı ürün iadesi" : "")
        .run();
    const qint64 invoice = m_db.lastInsertId();
    double net = 0;
    double vat = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (quantities.at(i) <= 0)
            continue;
        const Item &item = items.at(i);
        m_db.cached("INSERT INTO fatura_satir (idno, stokno, miktar, birimfiyat, indirim1, kdv) VALUES (?, ?, ?, ?, ?, ?)")
            .bindAll(invoice, item.stokno, quantities.at(i), item.price, item.discount, double(item.vat))
            .run();
        const double lineNet = Yuvarla(Yuvarla(quantities.at(i) * item.price) * (1 - item.discount / 100.0));
        net = Yuvarla(net + lineNet);
        vat = Yuvarla(vat + Yuvarla(lineNet * item.vat / 100.0));
    }
    return Yuvarla(net + vat);
}

void HistoryWriter::writeCollection(const Customer &customer, double day, double amount, bool refund)
{
    if (amount <= 0)
        return;
    ++m_collectionNumber;
    const QString kind = refund ? QStringLiteral("Havale/EFT") : QString::fromUtf8(m_random.pick(kinds));
    const double time = std::floor(day) + workingTime(m_random);
    m_db.cached("INSERT INTO tahsilat (carino, tarih, saat, turadi, cins, evrakno, vade, tutar, aciklama, ref)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bindAll(customer.carino, time, timeText(time), refund ? "Tediye" : "Tahsilat", kind,
                 QStringLiteral("THS%1").arg(m_collectionNumber, 7, 10, QLatin1Char('0')),
                 std::floor(day) + (kind == QLatin1String("Çek") ? 60 : 0), amount,
                 refund ? QStringLiteral("İade bedeli") : QStringLiteral("%1 ile ödeme").arg(kind),
                 QStringLiteral("R%1").arg(m_random.digits(8)))
        .run();
    if (kind != QLatin1String("Sanal POS"))
        return;
    const qint64 collection = m_db.lastInsertId();
    const int instalments[] = {1, 1, 3, 6};
    m_db.cached("INSERT INTO sanalpos (tahsilatidno, kartsahibi, kartno, banka, taksit, onaykodu) VALUES (?, ?, ?, ?, ?, ?)")
        .bindAll(collection, customer.contact, QStringLiteral("5401 **** **** %1").arg(m_random.digits(4)),
                 m_random.pick(banks), m_random.pick(instalments), m_random.digits(6))
        .run();
}

void HistoryWriter::writeBaskets(double today)
{
    SqliteStatement customer = m_db.cached("SELECT indirim FROM cari WHERE carino = ?");
    for (int carino = 1; carino <= 8; ++carino) {
        customer.bind(1, carino);
        if (!customer.step())
            break;
        const Customer c{carino, customer.real(0), 30, {}, {}};
        customer.reset();
        const int lines = carino == 1 ? 3 : m_random.between(1, 4);
        for (int l = 0; l < lines; ++l) {
            const Item item = randomItem(c);
            const double day = today - m_random.between(0, 2) + workingTime(m_random);
            m_db.cached("INSERT INTO sepet (carino, stokno, barkod, stokadi, miktar, kdv, birimfiyat, indirim1, verenidno,"
                        " sec, tarih, saat) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .bindAll(carino, item.stokno, item.barcode, item.name, double(m_random.between(1, 5)), double(item.vat),
                         item.price, item.discount, carino == 1 ? 1 : 2, l == 2 ? 0 : 1, day, timeText(day))
                .run();
        }
    }
}
