#include "TableFixture.h"

#include "widgets/GridFilterProxy.h"
#include "widgets/MemTableModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class TstMemTableModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void passesModelTester();
    void displayText_data();
    void displayText();
    void rawValuesAndAlignment();
    void columnsMatchedByName();

private:
    void fillFixture(MemTable &table);
};

void TstMemTableModel::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TstMemTableModel::fillFixture(MemTable &table)
{
    // 45000 is 15 March 2023.
    fillTable(table,
              {{"ADI", ValueType::Text}, {"MIKTAR", ValueType::Int32}, {"FIYAT", ValueType::Double},
               {"TARIH", ValueType::Date}, {"AKTIF", ValueType::Bool}, {"ORAN", ValueType::Double}},
              {{QStringLiteral("FREN BALATASI"), 12345, 1234567.5, 45000.0, true, 0.125},
               {QStringLiteral("ŞANZIMAN"), -3, 0.005, 45000.5, false, 20.0},
               {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}});
    table.setDisplayFormat(5, QString()); // one floating-point column without a format
}

void TstMemTableModel::passesModelTester()
{
    MemTable table;
    fillFixture(table);
    MemTableModel model;
    GridFilterProxy proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester modelTester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester proxyTester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);

    model.attach(&table);
    proxy.sort(0, Qt::DescendingOrder);
    proxy.setValueFilter(1, {QStringLiteral("12345"), QString()});
    model.notifyRowChanged(0);
    model.detach();
    QCOMPARE(model.rowCount(), 0);
    model.attach(&table);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(proxy.rowCount(), 2);
    model.setColumns({{QStringLiteral("FIYAT"), QStringLiteral("Fiyat"), {}, {}}});
    QCOMPARE(model.columnCount(), 1);
}

void TstMemTableModel::displayText_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");

    QTest::newRow("text") << 1 << "ADI" << QStringLiteral("ŞANZIMAN");
    QTest::newRow("integer without grouping") << 0 << "MIKTAR" << "12345";
    QTest::newRow("negative integer") << 1 << "MIKTAR" << "-3";
    QTest::newRow("amount grouped, two decimals") << 0 << "FIYAT" << "1.234.567,50";
    QTest::newRow("amount rounds half away from zero") << 1 << "FIYAT" << "0,01";
    QTest::newRow("date") << 0 << "TARIH" << "15.03.2023";
    QTest::newRow("date with time") << 1 << "TARIH" << "15.03.2023 12:00";
    QTest::newRow("boolean") << 0 << "AKTIF" << "Evet";
    QTest::newRow("unformatted real, shortest") << 0 << "ORAN" << "0,125";
    QTest::newRow("null text") << 2 << "ADI" << "";
    QTest::newRow("null amount") << 2 << "FIYAT" << "";
}

void TstMemTableModel::displayText()
{
    QFETCH(int, row);
    QFETCH(QString, field);
    MemTable table;
    fillFixture(table);
    MemTableModel model;
    model.attach(&table);
    const int column = model.columnOf(field);
    QVERIFY(column >= 0);
    QTEST(model.index(row, column).data().toString(), "text");
}

void TstMemTableModel::rawValuesAndAlignment()
{
    MemTable table;
    fillFixture(table);
    MemTableModel model;
    model.attach(&table);
    const auto sortValue = [&](int row, const char *field) {
        return model.index(row, model.columnOf(QString::fromLatin1(field))).data(MemTableModel::SortRole);
    };
    QCOMPARE(sortValue(0, "FIYAT").toDouble(), 1234567.5);
    QCOMPARE(sortValue(0, "MIKTAR").toLongLong(), 12345);
    QCOMPARE(sortValue(1, "ADI").toString(), QStringLiteral("ŞANZIMAN"));
    QVERIFY(!sortValue(2, "FIYAT").isValid());

    const auto alignment = [&](const char *field) {
        return model.index(0, model.columnOf(QString::fromLatin1(field))).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    QVERIFY(alignment("FIYAT") & Qt::AlignRight);
    QVERIFY(alignment("MIKTAR") & Qt::AlignRight);
    QVERIFY(alignment("ADI") & Qt::AlignLeft);
    QCOMPARE(model.formatNumber(model.columnOf(QStringLiteral("FIYAT")), 1234.5), QStringLiteral("1.234,50"));
    QCOMPARE(model.formatNumber(model.columnOf(QStringLiteral("MIKTAR")), 12342), QStringLiteral("12342"));
}

void TstMemTableModel::columnsMatchedByName()
{
    MemTable table;
    fillFixture(table);
    MemTableModel model;
    model.setColumns({
        {QStringLiteral("fiyat"), QStringLiteral("Liste Fiyatı"), {}, {}}, // matched whatever the case
        {QStringLiteral("YOK"), QString(), {}, {}}, // not in the table: empty cells
        {QStringLiteral("OZET"), QStringLiteral("Özet"),
         [](const MemTable &t, int row) { return t.text(row, 0) + QStringLiteral(" / ") + t.text(row, 1); },
         {}},
    });
    QCOMPARE(model.columnCount(), 3); // kept while detached, so the header stays
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("YOK")); // no caption: the name
    model.attach(&table);
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("1.234.567,50"));
    QCOMPARE(model.index(0, 1).data().toString(), QString());
    QCOMPARE(model.tableColumn(1), -1);
    QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("FREN BALATASI / 12345"));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Liste Fiyatı"));
}

QTEST_MAIN(TstMemTableModel)
#include "tst_memtablemodel.moc"
