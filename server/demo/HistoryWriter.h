#pragma once

#include <QString>

class DemoRandom;
class SqliteDb;

// Writes a year of trade for every customer: orders in every state with delivered and open
// quantities, the invoices of what was delivered, returns, collections (some through the
// virtual POS, with receipts) and a few baskets in progress.
class HistoryWriter
{
public:
    HistoryWriter(SqliteDb &db, DemoRandom &random, int stockCount)
        : m_db(db), m_random(random), m_stockCount(stockCount)
    {
    }
    void write();

private:
    struct Customer
    {
        int carino;
        double discount;
        int terms;
        QString rep;
        QString contact;
    };
    struct Item
    {
        int stokno;
        QString barcode;
        QString name;
        double price;
        double discount;
        int vat;
    };

    Item randomItem(const Customer &customer);
    void writeCustomer(const Customer &customer, double today);
    // Returns the invoice's total including VAT.
    double writeInvoice(const Customer &customer, double day, qint64 order, bool isReturn, const QList<Item> &items,
                        const QList<double> &quantities);
    void writeCollection(const Customer &customer, double day, double amount, bool refund);
    void writeBaskets(double today);

    SqliteDb &m_db;
    DemoRandom &m_random;
    int m_stockCount;
    int m_invoiceNumber = 0;
    int m_collectionNumber = 0;
};
