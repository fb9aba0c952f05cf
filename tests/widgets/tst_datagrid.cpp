#include "TableFixture.h"

#include "widgets/ColumnChooser.h"
#include "widgets/DataGrid.h"
#include "widgets/FilterHeaderView.h"
#include "widgets/FilterPopup.h"
#include "widgets/GridTableView.h"
#include "widgets/WeightLayout.h"

#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStandardItemModel>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

class TstDataGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void weightedWidths_data();
    void weightedWidths();
    void thresholdDecides_data();
    void thresholdDecides();
    void gridAppliesTheRuleAtTheThreshold();
    void contentWidthComesFromRowsInView();
    void filterPopupListsAndFilters();
    void filterButtonOpensListWithoutSorting();
    void sortsNumbersAsNumbersAndTextByCollation();
    void typeAheadMatches_data();
    void typeAheadMatches();
    void typeAheadSelectsNextMatchInFocusedColumn();
    void footerCountsAndSumsRowsInView();
    void detachEmptiesViewAttachRefills();
    void columnChooserShowsAndHides();
    void doubleClickAndEnterGiveSourceRow();

private:
    void stockTable(MemTable &table);
};

namespace {

GridColumn column(const char *field, const char *caption, int weight = 1, bool visible = true, bool inChooser = true)
{
    GridColumn c;
    c.field = QString::fromUtf8(field);
    c.caption = QString::fromUtf8(caption);
    c.weight = weight;
    c.visible = visible;
    c.inChooser = inChooser;
    return c;
}

QStringList viewColumnTexts(const DataGrid &grid, const QString &field)
{
    QStringList texts;
    const int c = grid.columnIndex(field);
    for (int r = 0; r < grid.view()->model()->rowCount(); ++r)
        texts.append(grid.view()->model()->index(r, c).data().toString());
    return texts;
}

} // namespace

void TstDataGrid::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QApplication::setKeyboardInputInterval(400);
}

void TstDataGrid::stockTable(MemTable &table)
{
    fillTable(table,
              {{"DURUM", ValueType::Int32}, {"ADI", ValueType::Text}, {"MARKA", ValueType::Text},
               {"MIKTAR", ValueType::Int32}, {"NETTUTAR", ValueType::Double}},
              {{1, QStringLiteral("ZEBRA"), QStringLiteral("BOSCH"), 10, 1000.25},
               {0, QStringLiteral("ÇAM"), QStringLiteral("VALEO"), 9, 0.5},
               {3, QStringLiteral("CAM"), QStringLiteral("BOSCH"), 100, 2500.0},
               {1, QStringLiteral("ŞAL"), QString(), QVariant(), QVariant()},
               {5, QStringLiteral("SAL"), QStringLiteral("FEBI"), 1, 99.99}});
}

void TstDataGrid::weightedWidths_data()
{
    QTest::addColumn<QList<int>>("weights");
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QList<int>>("widths");

    QTest::newRow("1,2,3 at 1300") << QList<int>{1, 2, 3} << 1300 << 30 << QList<int>{211, 422, 633};
    QTest::newRow("1,2,3 at 1299, no margin") << QList<int>{1, 2, 3} << 1299 << 0 << QList<int>{216, 432, 648};
    // A 1000-pixel grid with weights summing to 21: u = 46.
    QTest::newRow("weights 3,2 and sixteen 1s")
        << (QList<int>{3, 2} + QList<int>(16, 1)) << 1000 << 30 << (QList<int>{138, 92} + QList<int>(16, 46));
    QTest::newRow("zero weights leave widths alone") << QList<int>{0, 0} << 1000 << 30 << QList<int>{};
    QTest::newRow("no visible column") << QList<int>{} << 1000 << 30 << QList<int>{};
    QTest::newRow("narrower than the margin") << QList<int>{1, 2} << 20 << 30 << QList<int>{0, 0};
}

void TstDataGrid::weightedWidths()
{
    QFETCH(QList<int>, weights);
    QFETCH(int, available);
    QFETCH(int, margin);
    QTEST(WeightLayout::weightedWidths(weights, available, margin), "widths");
}

void TstDataGrid::thresholdDecides_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<bool>("weights");
    QTest::newRow("at the threshold") << 1300 << 1300 << true;
    QTest::newRow("one below") << 1299 << 1300 << false;
    QTest::newRow("wider than 1152") << 1153 << 1153 << true;
    QTest::newRow("1152 itself") << 1152 << 1153 << false;
}

void TstDataGrid::thresholdDecides()
{
    QFETCH(int, width);
    QFETCH(int, threshold);
    QTEST(WeightLayout::usesWeights(width, threshold), "weights");
}

void TstDataGrid::gridAppliesTheRuleAtTheThreshold()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.setColumns({column("ADI", "Açıklama", 1), column("MARKA", "Marka", 2), column("NETTUTAR", "Net Tutar", 3),
                     column("MIKTAR", "Miktar", 5, false)});
    grid.attach(&table);
    grid.resize(1300, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    int reference = 1300;
    grid.setReferenceWidth([&reference] { return reference; });
    grid.setWeightRule(1300, 30);

    grid.layoutColumns();
    QCOMPARE(grid.columnWidth(QStringLiteral("ADI")), 211);
    QCOMPARE(grid.columnWidth(QStringLiteral("MARKA")), 422);
    QCOMPARE(grid.columnWidth(QStringLiteral("NETTUTAR")), 633);

    reference = 1299;
    grid.layoutColumns();
    auto *view = qobject_cast<GridTableView *>(grid.view());
    for (const char *field : {"ADI", "MARKA", "NETTUTAR"}) {
        const int c = grid.columnIndex(QString::fromLatin1(field));
        QCOMPARE(grid.columnWidth(QString::fromLatin1(field)), view->visibleContentWidth(c));
    }
    QVERIFY(grid.columnWidth(QStringLiteral("NETTUTAR")) < 633);
}

void TstDataGrid::contentWidthComesFromRowsInView()
{
    MemTable table;
    table.addColumn({QStringLiteral("ADI"), ValueType::Text, 0});
    table.open();
    for (int i = 0; i < 2000; ++i)
        table.appendRow({i == 1500 ? QString(200, QLatin1Char('W')) : QStringLiteral("KISA")});
    DataGrid grid;
    grid.attach(&table);
    grid.setRowHeight(30);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    grid.fitColumnsToContent();
    const int narrow = grid.columnWidth(QStringLiteral("ADI"));
    QVERIFY(narrow < grid.fontMetrics().horizontalAdvance(QString(200, QLatin1Char('W'))));

    grid.setCurrentSourceRow(1500);
    grid.fitColumnsToContent();
    QVERIFY(grid.columnWidth(QStringLiteral("ADI")) >= grid.fontMetrics().horizontalAdvance(QString(200, QLatin1Char('W'))));
}

void TstDataGrid::filterPopupListsAndFilters()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.setColumns({[] { GridColumn c = column("DURUM", "Durum"); c.kind = ColumnKind::Status; return c; }(),
                     column("ADI", "Açıklama"), column("MARKA", "Marka")});
    grid.attach(&table);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const int marka = grid.columnIndex(QStringLiteral("MARKA"));
    grid.setCurrentSourceRow(2); // CAM, BOSCH

    grid.showFilterPopup(marka);
    FilterPopup *popup = grid.filterPopup();
    QVERIFY(popup);
    QCOMPARE(popup->values(), (QStringList{QString(), QStringLiteral("BOSCH"), QStringLiteral("FEBI"), QStringLiteral("VALEO")}));
    QCOMPARE(popup->valueModel()->item(1)->text(), QStringLiteral("(Boş)"));
    QVERIFY(popup->allChecked());
    popup->setValueChecked(QStringLiteral("VALEO"), false);
    popup->setValueChecked(QString(), false);
    popup->apply();
    QCOMPARE(grid.rowCount(), 3);
    QCOMPARE(viewColumnTexts(grid, QStringLiteral("MARKA")),
             (QStringList{QStringLiteral("BOSCH"), QStringLiteral("BOSCH"), QStringLiteral("FEBI")}));
    QVERIFY(grid.header()->isFilterActive(marka));
    QCOMPARE(grid.currentSourceRow(), 2); // the focused row stays focused

    // The list of another column offers only what the first filter keeps; status codes read as words.
    grid.showFilterPopup(grid.columnIndex(QStringLiteral("DURUM")));
    popup = grid.filterPopup();
    QCOMPARE(popup->values(), (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5")}));
    QCOMPARE(popup->valueModel()->item(1)->text(), QStringLiteral("Var"));
    QCOMPARE(popup->valueModel()->item(3)->text(), QStringLiteral("Tedarik Sürecinde"));
    QVERIFY(!popup->valueModel()->item(1)->icon().isNull());
    popup->close();

    // Reopened, the list remembers what was cleared; "(Tümü)" ticks everything again.
    grid.showFilterPopup(marka);
    popup = grid.filterPopup();
    QCOMPARE(popup->checkedKeys(), (QSet<QString>{QStringLiteral("BOSCH"), QStringLiteral("FEBI")}));
    QCOMPARE(popup->valueModel()->item(0)->checkState(), Qt::PartiallyChecked);
    popup->valueModel()->item(0)->setCheckState(Qt::Checked);
    QVERIFY(popup->allChecked());
    // With the search line narrowing the list, "(Tümü)" acts on what is in view only.
    QTest::keyClicks(popup->searchEdit(), QStringLiteral("va"));
    QVERIFY(!popup->list()->isRowHidden(4));
    QVERIFY(popup->list()->isRowHidden(2));
    popup->valueModel()->item(0)->setCheckState(Qt::Unchecked);
    QCOMPARE(popup->checkedKeys(), (QSet<QString>{QString(), QStringLiteral("BOSCH"), QStringLiteral("FEBI")}));
    popup->searchEdit()->clear();
    popup->valueModel()->item(0)->setCheckState(Qt::Checked);
    popup->apply();
    QCOMPARE(grid.rowCount(), 5);
    QVERIFY(!grid.header()->isFilterActive(marka));

    // Esc leaves the filter as it was.
    grid.setValueFilter(QStringLiteral("MARKA"), {QStringLiteral("FEBI")});
    grid.view()->setCurrentIndex(grid.view()->model()->index(0, marka));
    grid.view()->setFocus();
    QTest::keyClick(grid.view(), Qt::Key_Down, Qt::AltModifier); // the keyboard way in
    popup = grid.filterPopup();
    QVERIFY(popup);
    popup->setValueChecked(QStringLiteral("BOSCH"), true);
    QTest::keyClick(popup->list(), Qt::Key_Escape);
    QCOMPARE(grid.rowCount(), 1);
    grid.clearFilters();
    QCOMPARE(grid.rowCount(), 5);
}

void TstDataGrid::filterButtonOpensListWithoutSorting()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.attach(&table);
    grid.resize(800, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    FilterHeaderView *header = grid.header();
    const int adi = grid.columnIndex(QStringLiteral("ADI"));

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, header->filterButtonRect(adi).center());
    QVERIFY(grid.filterPopup());
    QCOMPARE(header->sortIndicatorSection(), -1);
    grid.filterPopup()->close();

    const QPoint caption(header->sectionViewportPosition(adi) + 8, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, caption);
    QCOMPARE(header->sortIndicatorSection(), adi);
    QCOMPARE(viewColumnTexts(grid, QStringLiteral("ADI")).first(), QStringLiteral("CAM"));
}

void TstDataGrid::sortsNumbersAsNumbersAndTextByCollation()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.attach(&table);

    grid.sortBy(QStringLiteral("ADI"));
    QCOMPARE(viewColumnTexts(grid, QStringLiteral("ADI")),
             (QStringList{QStringLiteral("CAM"), QStringLiteral("ÇAM"), QStringLiteral("SAL"), QStringLiteral("ŞAL"),
                          QStringLiteral("ZEBRA")}));
    grid.sortBy(QStringLiteral("MIKTAR"));
    QCOMPARE(viewColumnTexts(grid, QStringLiteral("MIKTAR")),
             (QStringList{QString(), QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("100")}));
    grid.sortBy(QStringLiteral("NETTUTAR"), Qt::DescendingOrder);
    QCOMPARE(viewColumnTexts(grid, QStringLiteral("NETTUTAR")).first(), QStringLiteral("2.500,00"));

    // An edited cell takes its new place.
    table.setValue(0, QStringLiteral("NETTUTAR"), 9000.0);
    grid.refreshRow(0);
    QCOMPARE(viewColumnTexts(grid, QStringLiteral("NETTUTAR")).first(), QStringLiteral("9.000,00"));
}

void TstDataGrid::typeAheadMatches_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("matches");
    QTest::newRow("prefix") << "BETON" << "be" << true;
    QTest::newRow("not a prefix") << "ABETON" << "be" << false;
    QTest::newRow("dotted i finds İ") << "İSTANBUL" << "i" << true;
    QTest::newRow("dotless ı finds I") << "IŞIK" << "ı" << true;
    QTest::newRow("dotted i does not find I") << "IŞIK" << "i" << false;
    QTest::newRow("number text") << "1.234,50" << "1.2" << true;
    QTest::newRow("empty cell") << "" << "a" << false;
}

void TstDataGrid::typeAheadMatches()
{
    QFETCH(QString, cell);
    QFETCH(QString, typed);
    QTEST(GridTableView::typeAheadMatches(cell, typed, QLocale(QLocale::Turkish, QLocale::Turkey)), "matches");
}

void TstDataGrid::typeAheadSelectsNextMatchInFocusedColumn()
{
    MemTable table;
    fillTable(table, {{"ADI", ValueType::Text}, {"KOD", ValueType::Text}},
              {{QStringLiteral("ALFA"), QStringLiteral("K9")}, {QStringLiteral("BETA"), QStringLiteral("B1")},
               {QStringLiteral("İSTANBUL"), QStringLiteral("K1")}, {QStringLiteral("BETON"), QStringLiteral("A1")},
               {QStringLiteral("IŞIK"), QStringLiteral("B2")}});
    DataGrid grid;
    grid.attach(&table);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTableView *view = grid.view();
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, 0));
    const int wait = QApplication::keyboardInputInterval() + 100;

    QTest::keyClicks(view, QStringLiteral("bet"));
    QCOMPARE(grid.currentSourceRow(), 1);
    QTest::keyClicks(view, QStringLiteral("o"));
    QCOMPARE(grid.currentSourceRow(), 3); // "beto" moves on to BETON
    QTest::qWait(wait);
    QTest::keyClicks(view, QStringLiteral("b"));
    QCOMPARE(grid.currentSourceRow(), 1); // a new word searches on from below, wrapping
    QTest::qWait(wait);
    QTest::keyClicks(view, QStringLiteral("i"));
    QCOMPARE(grid.currentSourceRow(), 2);
    QVERIFY(view->selectionModel()->isRowSelected(2, {}));

    // The focused column decides.
    QTest::qWait(wait);
    view->setCurrentIndex(view->model()->index(0, 1));
    QTest::keyClicks(view, QStringLiteral("b2"));
    QCOMPARE(grid.currentSourceRow(), 4);
    QTest::qWait(wait);
    QTest::keyClicks(view, QStringLiteral("x"));
    QCOMPARE(grid.currentSourceRow(), 4); // no match: stays
}

void TstDataGrid::footerCountsAndSumsRowsInView()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.setColumns({column("ADI", "Açıklama"), column("MARKA", "Marka"), column("MIKTAR", "Miktar"),
                     column("NETTUTAR", "Net Tutar")});
    grid.setFooterItems({{QStringLiteral("ADI"), DataGrid::FooterItem::Count},
                         {QStringLiteral("MIKTAR"), DataGrid::FooterItem::Sum},
                         {QStringLiteral("NETTUTAR"), DataGrid::FooterItem::Sum}});
    QCOMPARE(grid.footerText(QStringLiteral("ADI")), QStringLiteral("0")); // detached: nothing to count
    grid.attach(&table);
    QCOMPARE(grid.footerText(QStringLiteral("ADI")), QStringLiteral("5"));
    QCOMPARE(grid.footerText(QStringLiteral("MIKTAR")), QStringLiteral("120"));
    QCOMPARE(grid.footerText(QStringLiteral("NETTUTAR")), QStringLiteral("3.600,74"));

    grid.setValueFilter(QStringLiteral("MARKA"), {QStringLiteral("BOSCH")});
    QCOMPARE(grid.footerText(QStringLiteral("ADI")), QStringLiteral("2"));
    QCOMPARE(grid.footerText(QStringLiteral("NETTUTAR")), QStringLiteral("3.500,25"));

    table.setValue(2, QStringLiteral("NETTUTAR"), 0.75);
    grid.refreshRow(2);
    QCOMPARE(grid.footerText(QStringLiteral("NETTUTAR")), QStringLiteral("1.001,00"));

    grid.setFooterText(QStringLiteral("MARKA"), QStringLiteral("B"));
    QCOMPARE(grid.footerText(QStringLiteral("MARKA")), QStringLiteral("B"));
}

void TstDataGrid::detachEmptiesViewAttachRefills()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.setColumns({column("NETTUTAR", "Net Tutar"), column("ADI", "Açıklama"), column("OZELKOD", "Özel Kod")});
    grid.attach(&table);
    grid.sortBy(QStringLiteral("ADI"));
    QAbstractItemModel *shown = grid.view()->model();
    QCOMPARE(shown->rowCount(), 5);
    // The grid's order, not the table's: matched by name.
    QCOMPARE(shown->index(0, 0).data().toString(), QStringLiteral("2.500,00"));

    grid.detach();
    QCOMPARE(shown->rowCount(), 0);
    QCOMPARE(shown->columnCount(), 3);
    QCOMPARE(grid.currentSourceRow(), -1);

    // A fill while detached, as a background task does it.
    table.clearRows();
    table.appendRow({2, QStringLiteral("YENİ"), QStringLiteral("BOSCH"), 4, 12.5});
    table.appendRow({2, QStringLiteral("ARA"), QStringLiteral("BOSCH"), 4, 1.5});
    grid.attach(&table);
    QCOMPARE(shown->rowCount(), 2);
    QCOMPARE(viewColumnTexts(grid, QStringLiteral("ADI")), (QStringList{QStringLiteral("ARA"), QStringLiteral("YENİ")}));
}

void TstDataGrid::columnChooserShowsAndHides()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.setColumns({column("ADI", "Açıklama"), column("MARKA", "Marka", 1, false),
                     column("MIKTAR", "", 1, false, false), column("NETTUTAR", "Net Tutar")});
    grid.attach(&table);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    ColumnChooser *chooser = grid.showColumnChooser();
    QCOMPARE(chooser->fields(), (QStringList{QStringLiteral("ADI"), QStringLiteral("MARKA"), QStringLiteral("NETTUTAR")}));
    QCOMPARE(chooser->list()->item(1)->text(), QStringLiteral("Marka"));
    QCOMPARE(chooser->checkedFields(), (QStringList{QStringLiteral("ADI"), QStringLiteral("NETTUTAR")}));
    chooser->setFieldChecked(QStringLiteral("MARKA"), true);
    chooser->setFieldChecked(QStringLiteral("ADI"), false);
    chooser->accept();
    QVERIFY(grid.isColumnVisible(QStringLiteral("MARKA")));
    QVERIFY(!grid.isColumnVisible(QStringLiteral("ADI")));
    QVERIFY(!grid.isColumnVisible(QStringLiteral("MIKTAR")));
    QCOMPARE(grid.visibleColumns(), (QList<int>{1, 3}));
}

void TstDataGrid::doubleClickAndEnterGiveSourceRow()
{
    MemTable table;
    stockTable(table);
    DataGrid grid;
    grid.setTitle(QStringLiteral("Stok Listesi"));
    grid.attach(&table);
    grid.sortBy(QStringLiteral("ADI"));
    grid.resize(800, 400);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.view()->accessibleName(), QStringLiteral("Stok Listesi"));
    QSignalSpy clicked(&grid, &DataGrid::rowDoubleClicked);
    QSignalSpy current(&grid, &DataGrid::currentRowChanged);

    QTableView *view = grid.view();
    const QRect first = view->visualRect(view->model()->index(0, 1)); // CAM, table row 2
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toInt(), 2);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect second = view->visualRect(view->model()->index(1, 1)); // ÇAM, table row 1
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(current.last().first().toInt(), 1);
    QCOMPARE(clicked.size(), 1);

    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(clicked.size(), 2);
    QCOMPARE(clicked.last().first().toInt(), 4); // SAL
    QCOMPARE(grid.currentField(), QStringLiteral("ADI"));
}

QTEST_MAIN(TstDataGrid)
#include "tst_datagrid.moc"
