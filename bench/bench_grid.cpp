// The stock grid with 100,000 rows x 35 columns, offscreen: attach and layout, sorting by a
// text and by a number column, a header filter, and sizing to content. Figures only.

#include "remote/MemTable.h"
#include "remote/TableHelpers.h"
#include "widgets/DataGrid.h"
#include "widgets/FilterPopup.h"
#include "widgets/GridFilterProxy.h"
#include "widgets/MemTableModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int rowCount = 100000;

struct Field
{
    const char *name;
    ValueType type;
    const char *caption;
    int weight;
    bool visible;
};

// The stock search's columns, and two more text columns to make 35.
const Field fields[] = {
    {"DURUM", ValueType::Int32, "Durum", 1, true}, {"OEM1", ValueType::Text, "Oem1", 2, false},
    {"OEM2", ValueType::Text, "Oem2", 2, false}, {"OEM3", ValueType::Text, "Oem3", 2, false},
    {"BARKOD", ValueType::Text, "Barkod", 2, true}, {"FINISHKOD", ValueType::Text, "Kod", 2, true},
    {"ADI", ValueType::Text, "Açıklama", 3, true}, {"OEM4", ValueType::Text, "Oem4", 2, false},
    {"STOK_STOKNO", ValueType::Int32, "", 1, false}, {"URETICIKODU", ValueType::Text, "Üretici Kod", 2, false},
    {"RESIM", ValueType::Int32, "Resim", 1, true}, {"BARKOD_BARKODNO", ValueType::Text, "", 1, false},
    {"DIGERADI", ValueType::Text, "Diğer Adı", 3, false}, {"DPKOD", ValueType::Text, "", 2, false},
    {"OEMNO", ValueType::Text, "Oem No", 2, false}, {"BIRIM", ValueType::Text, "Birim", 1, false},
    {"MARKA", ValueType::Text, "Marka", 2, true}, {"MODEL", ValueType::Text, "Model", 2, false},
    {"ANAGRUP", ValueType::Text, "Ana Grup", 2, false}, {"OZELKOD", ValueType::Text, "Özel Kod", 2, false},
    {"KALAN", ValueType::Double, "", 1, false}, {"PKOD", ValueType::Text, "", 1, false},
    {"KDV", ValueType::Int32, "", 1, false}, {"ALINANSIPARIS", ValueType::Double, "", 1, false},
    {"VERILENSIPARIS", ValueType::Double, "", 1, false}, {"LISTEFIYAT1", ValueType::Double, "Liste Fiyatı", 2, true},
    {"KAMPFIYAT", ValueType::Double, "Kampanyalı Fiyat", 2, true}, {"FIYAT", ValueType::Double, "Liste Fiyatı", 2, false},
    {"Y", ValueType::Int32, "Yeni", 1, true}, {"K", ValueType::Int32, "Kampanyalı", 1, true},
    {"INDIRIM", ValueType::Double, "İndirim Oran", 1, true}, {"NETFIYAT", ValueType::Double, "Net Fiyatı", 2, true},
    {"KDVDAHIL", ValueType::Double, "KDV Dahil Fiyat", 3, true}, {"DEPO", ValueType::Text, "Depo", 1, false},
    {"RAF", ValueType::Text, "Raf", 1, false},
};

void fill(MemTable &table)
{
    for (const Field &f : fields)
        table.addColumn(ColumnDesc{QString::fromUtf8(f.name), f.type, 0});
    table.open();
    table.reserveRows(rowCount);
    std::mt19937 random(27);
    const QStringList brands = {QStringLiteral("BOSCH"), QStringLiteral("VALEO"), QStringLiteral("FEBI"),
                                QStringLiteral("SACHS"), QStringLiteral("MAHLE"), QStringLiteral("ÇELİK OTO"),
                                QStringLiteral("ŞAHİN"), QStringLiteral("LEMFÖRDER"), QStringLiteral("MANN"),
                                QStringLiteral("İZMİR YEDEK")};
    const QStringList words = {QStringLiteral("FREN"), QStringLiteral("BALATA"), QStringLiteral("DİSK"),
                               QStringLiteral("ŞANZIMAN"), QStringLiteral("YAĞ"), QStringLiteral("FİLTRE"),
                               QStringLiteral("AMORTİSÖR"), QStringLiteral("ÖN"), QStringLiteral("ARKA"),
                               QStringLiteral("SAĞ"), QStringLiteral("SOL"), QStringLiteral("CONTA")};
    QVariantList row;
    for (int r = 0; r < rowCount; ++r) {
        row.clear();
        const double price = (random() % 500000) / 100.0;
        const double discount = (random() % 4) * 5.0;
        for (const Field &f : fields) {
            const QString name = QString::fromUtf8(f.name);
            switch (f.type) {
            case ValueType::Text:
                if (name == QLatin1String("ADI"))
                    row.append(words[random() % words.size()] + QLatin1Char(' ') + words[random() % words.size()]
                               + QLatin1Char(' ') + QString::number(random() % 1000));
                else if (name == QLatin1String("MARKA"))
                    row.append(brands[random() % brands.size()]);
                else
                    row.append(QStringLiteral("%1-%2").arg(name.left(3)).arg(random() % 1000000, 7, 10, QLatin1Char('0')));
                break;
            case ValueType::Int32:
                row.append(name == QLatin1String("DURUM") ? int(random() % 6) : name == QLatin1String("KDV") ? 20 : int(random() % 2));
                break;
            default:
                if (name == QLatin1String("INDIRIM"))
                    row.append(discount);
                else if (name == QLatin1String("NETFIYAT"))
                    row.append(price * (1 - discount / 100));
                else if (name == QLatin1String("KDVDAHIL"))
                    row.append(price * (1 - discount / 100) * 1.2);
                else
                    row.append(price);
                break;
            }
        }
        table.appendRow(row);
    }
    FloatFormatla(table);
}

QList<GridColumn> stockColumns()
{
    QList<GridColumn> columns;
    for (const Field &f : fields) {
        GridColumn c;
        c.field = QString::fromUtf8(f.name);
        c.caption = QString::fromUtf8(f.caption);
        c.weight = f.weight;
        c.visible = f.visible;
        if (c.field == QLatin1String("DURUM"))
            c.kind = ColumnKind::Status;
        else if (c.field == QLatin1String("RESIM") || c.field == QLatin1String("Y") || c.field == QLatin1String("K"))
            c.kind = ColumnKind::PictureFlag;
        columns.append(c);
    }
    return columns;
}

double timed(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    QApplication::processEvents(); // includes the repaint
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));

    MemTable table;
    const double fillMs = timed([&] { fill(table); });

    DataGrid grid;
    grid.setColumns(stockColumns());
    grid.setRowHeight(60);
    grid.setWeightRule(0, 30);
    grid.resize(1400, 800);
    grid.show();
    QApplication::processEvents();

    const double attachMs = timed([&] {
        grid.attach(&table);
        grid.layoutColumns();
    });
    const double sortTextMs = timed([&] { grid.sortBy(QStringLiteral("ADI")); });
    const double sortNumberMs = timed([&] { grid.sortBy(QStringLiteral("NETFIYAT"), Qt::DescendingOrder); });
    const int marka = grid.columnIndex(QStringLiteral("MARKA"));
    QStringList values;
    const double distinctMs = timed([&] { values = grid.filterModel()->distinctValues(marka); });
    const double filterMs = timed([&] { grid.setValueFilter(QStringLiteral("MARKA"), {values.value(0), values.value(3)}); });
    const int filtered = grid.rowCount();
    const double clearMs = timed([&] { grid.clearFilters(); });
    const double popupMs = timed([&] { grid.showFilterPopup(grid.columnIndex(QStringLiteral("BARKOD"))); });
    const int barcodeValues = grid.filterPopup() ? int(grid.filterPopup()->values().size()) : 0;
    if (grid.filterPopup())
        grid.filterPopup()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the list goes before the next figure
    const double fitMs = timed([&] { grid.fitColumnsToContent(); });
    const double reattachMs = timed([&] {
        grid.detach();
        grid.attach(&table); // sorted by NETFIYAT: re-sorted on attach
        grid.layoutColumns();
    });

    std::printf("bench_grid: %d rows x %d columns, table %.1f MiB\n", table.rowCount(), table.columnCount(),
                table.memoryBytes() / 1048576.0);
    std::printf("  fill table (fixture)            %8.1f ms\n", fillMs);
    std::printf("  attach + weight layout + paint  %8.1f ms\n", attachMs);
    std::printf("  sort by ADI (text, collated)    %8.1f ms\n", sortTextMs);
    std::printf("  sort by NETFIYAT (number)       %8.1f ms\n", sortNumberMs);
    std::printf("  header filter values of MARKA   %8.1f ms (%lld values)\n", distinctMs, qlonglong(values.size()));
    std::printf("  header filter on MARKA          %8.1f ms (%d rows kept)\n", filterMs, filtered);
    std::printf("  clear filter                    %8.1f ms\n", clearMs);
    std::printf("  filter list of BARKOD, all rows %8.1f ms (%d values)\n", popupMs, barcodeValues);
    std::printf("  size to content (rows in view)  %8.1f ms\n", fitMs);
    std::printf("  detach + attach, kept sorted    %8.1f ms\n", reattachMs);
    return 0;
}
