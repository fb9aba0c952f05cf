#include "TableFixture.h"

#include "widgets/DataGrid.h"
#include "widgets/XlsxExport.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TstXlsxExport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void writesWhatTheGridShowsWithTypes();
    void unwritablePathFails();
};

namespace {

GridColumn column(const char *field, const char *caption, bool visible = true)
{
    GridColumn c;
    c.field = QString::fromUtf8(field);
    c.caption = QString::fromUtf8(caption);
    c.visible = visible;
    return c;
}

// The sheet as openpyxl reads it: rows of [value, type, number format].
QJsonArray readBack(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(READ_XLSX_SCRIPT), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object().value(QStringLiteral("rows")).toArray();
}

QJsonArray cellOf(const QJsonArray &rows, int row, int col)
{
    return rows.at(row).toArray().at(col).toArray();
}

} // namespace

void TstXlsxExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

void TstXlsxExport::writesWhatTheGridShowsWithTypes()
{
    MemTable table;
    // 45000 is 15 March 2023.
    fillTable(table,
              {{"ADI", ValueType::Text}, {"MIKTAR", ValueType::Int32}, {"NETTUTAR", ValueType::Double},
               {"TARIH", ValueType::Date}, {"GIZLI", ValueType::Text}, {"MARKA", ValueType::Text}},
              {{QStringLiteral("FREN BALATASI"), 3, 1234.5, 45000.0, QStringLiteral("x"), QStringLiteral("BOSCH")},
               {QStringLiteral("ŞANZIMAN YAĞI"), 12, 0.25, 45000.75, QStringLiteral("y"), QStringLiteral("VALEO")},
               {QStringLiteral("SÜZGEÇ"), 7, QVariant(), 45001.0, QStringLiteral("z"), QStringLiteral("FEBI")},
               {QStringLiteral("=1+1"), 1, 5.0, 45002.0, QStringLiteral("w"), QStringLiteral("BOSCH")}});
    DataGrid grid;
    GridColumn summary = column("OZET", "Özet");
    summary.text = [](const MemTable &t, int row) { return t.text(row, 0).left(4); };
    grid.setColumns({column("ADI", "Açıklama"), column("MIKTAR", "Miktar"), column("NETTUTAR", "Net Tutar"),
                     column("TARIH", "Sipariş Tarihi"), column("GIZLI", "Gizli", false), column("MARKA", ""), summary});
    grid.attach(&table);
    // What the user did: moved "Miktar" to the front, sorted by it descending, hid VALEO.
    QHeaderView *header = grid.view()->horizontalHeader();
    header->moveSection(header->visualIndex(grid.columnIndex(QStringLiteral("MIKTAR"))), 0);
    grid.sortBy(QStringLiteral("MIKTAR"), Qt::DescendingOrder);
    grid.setValueFilter(QStringLiteral("MARKA"), {QStringLiteral("BOSCH"), QStringLiteral("FEBI")});

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sepet.xlsx"));
    XlsxExport exporter(grid);
    QVERIFY2(exporter.save(path), qPrintable(exporter.errorText()));
    const QJsonArray rows = readBack(path);
    QCOMPARE(rows.size(), 4);

    const auto texts = [](const QJsonArray &row) {
        QStringList out;
        for (const QJsonValue &c : row)
            out.append(c.toArray().at(0).toVariant().toString());
        return out;
    };
    QCOMPARE(texts(rows.at(0).toArray()), (QStringList{QStringLiteral("Miktar"), QStringLiteral("Açıklama"),
                                                       QStringLiteral("Net Tutar"), QStringLiteral("Sipariş Tarihi"),
                                                       QStringLiteral("MARKA"), QStringLiteral("Özet")}));
    QCOMPARE(texts(rows.at(1).toArray()).at(1), QStringLiteral("SÜZGEÇ"));
    QCOMPARE(texts(rows.at(2).toArray()).at(1), QStringLiteral("FREN BALATASI"));
    QCOMPARE(texts(rows.at(3).toArray()).at(1), QStringLiteral("=1+1")); // text stays text, never a formula

    // Types: integers and amounts as numbers, dates as dates, text as strings, nulls empty.
    QCOMPARE(cellOf(rows, 2, 0), (QJsonArray{3, QStringLiteral("n"), QStringLiteral("General")}));
    QCOMPARE(cellOf(rows, 2, 2), (QJsonArray{1234.5, QStringLiteral("n"), QStringLiteral("#,##0.00")}));
    QCOMPARE(cellOf(rows, 2, 3), (QJsonArray{QStringLiteral("2023-03-15T00:00:00"), QStringLiteral("d"), QStringLiteral("dd.mm.yyyy")}));
    QCOMPARE(cellOf(rows, 2, 1).at(1).toString(), QStringLiteral("s"));
    QCOMPARE(cellOf(rows, 2, 5), (QJsonArray{QStringLiteral("FREN"), QStringLiteral("s"), QStringLiteral("General")}));
    QVERIFY(cellOf(rows, 1, 2).at(0).isNull());
    QCOMPARE(cellOf(rows, 3, 1).at(1).toString(), QStringLiteral("s"));
}

void TstXlsxExport::unwritablePathFails()
{
    MemTable table;
    fillTable(table, {{"ADI", ValueType::Text}}, {{QStringLiteral("A")}});
    DataGrid grid;
    grid.attach(&table);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("yok/klasor/liste.xlsx"));
    XlsxExport exporter(grid);
    QVERIFY(!exporter.save(path));
    QVERIFY(!exporter.errorText().isEmpty());
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TstXlsxExport)
#include "tst_xlsxexport.moc"
