#include "widgets/XlsxExport.h"

#include "identity/MesajGoster.h"
#include "remote/MemTable.h"
#include "widgets/DataGrid.h"
#include "widgets/GridFilterProxy.h"

#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableView>

#include <xlsxwriter.h>

#include <cmath>

namespace {

constexpr int maxCellText = 32767; // Excel's limit per cell
constexpr int maxRows = 1048576;

struct Formats
{
    lxw_format *header = nullptr;
    lxw_format *amount = nullptr;
    lxw_format *date = nullptr;
    lxw_format *dateTime = nullptr;
};

lxw_datetime toExcelDate(double days)
{
    const double whole = std::floor(days);
    const QDate date = QDate(1899, 12, 30).addDays(qint64(whole));
    const double seconds = std::round((days - whole) * 86400.0 * 1000.0) / 1000.0;
    const int h = int(seconds / 3600);
    const int m = int((seconds - h * 3600) / 60);
    return {date.year(), date.month(), date.day(), h, m, seconds - h * 3600 - m * 60};
}

QByteArray cellText(const QString &text)
{
    return (text.size() > maxCellText ? text.left(maxCellText) : text).toUtf8();
}

} // namespace

XlsxExport::XlsxExport(const DataGrid &grid)
    : m_grid(grid)
{
}

bool XlsxExport::save(const QString &path)
{
    m_error.clear();
    const MemTableModel *model = m_grid.tableModel();
    const GridFilterProxy *proxy = m_grid.filterModel();
    const MemTable *table = model->table();
    const QList<int> columns = m_grid.visibleColumns();
    const int rows = proxy->rowCount();
    if (rows + 1 > maxRows) {
        m_error = QObject::tr("Satır sayısı Excel sınırını aşıyor");
        return false;
    }

    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE; // rows go out in order; memory stays flat on large lists
    lxw_workbook *book = workbook_new_opt(fileName.constData(), &options);
    if (!book) {
        m_error = QObject::tr("Dosya oluşturulamadı");
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Sayfa1");
    Formats f;
    f.header = workbook_add_format(book);
    format_set_bold(f.header);
    f.amount = workbook_add_format(book);
    format_set_num_format(f.amount, "#,##0.00");
    f.date = workbook_add_format(book);
    format_set_num_format(f.date, "dd.mm.yyyy");
    f.dateTime = workbook_add_format(book);
    format_set_num_format(f.dateTime, "dd.mm.yyyy hh:mm");

    const QHeaderView *header = m_grid.view()->horizontalHeader();
    for (int i = 0; i < columns.size(); ++i) {
        const int c = columns.at(i);
        worksheet_set_column(sheet, lxw_col_t(i), lxw_col_t(i), qBound(6.0, header->sectionSize(c) / 7.0, 80.0), nullptr);
        worksheet_write_string(sheet, 0, lxw_col_t(i), cellText(model->caption(c)).constData(), f.header);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    lxw_error failure = LXW_NO_ERROR;
    for (int r = 0; r < rows && failure == LXW_NO_ERROR; ++r) {
        const int source = proxy->sourceRow(r);
        const lxw_row_t out = lxw_row_t(r + 1);
        for (int i = 0; i < columns.size() && failure == LXW_NO_ERROR; ++i) {
            const int c = columns.at(i);
            const lxw_col_t col = lxw_col_t(i);
            const int tc = model->tableColumn(c);
            if (tc < 0) {
                const QString text = model->displayText(source, c);
                if (!text.isEmpty())
                    failure = worksheet_write_string(sheet, out, col, cellText(text).constData(), nullptr);
                continue;
            }
            if (table->isNull(source, tc))
                continue;
            switch (table->columnType(tc)) {
            case ValueType::Int32:
            case ValueType::Int64:
                failure = worksheet_write_number(sheet, out, col, double(table->integer(source, tc)), nullptr);
                break;
            case ValueType::Double: {
                const double v = table->real(source, tc);
                if (std::isfinite(v))
                    failure = worksheet_write_number(sheet, out, col, v, table->displayFormat(tc).isEmpty() ? nullptr : f.amount);
                break;
            }
            case ValueType::Date: {
                const double v = table->real(source, tc);
                if (!std::isfinite(v) || v < 1 || v > 2958465) { // outside Excel's dates: kept as text
                    failure = worksheet_write_string(sheet, out, col, cellText(model->displayText(source, c)).constData(), nullptr);
                    break;
                }
                lxw_datetime dt = toExcelDate(v);
                failure = worksheet_write_datetime(sheet, out, col, &dt, v == std::floor(v) ? f.date : f.dateTime);
                break;
            }
            case ValueType::Bool:
                failure = worksheet_write_boolean(sheet, out, col, table->integer(source, tc) != 0, nullptr);
                break;
            default:
                failure = worksheet_write_string(sheet, out, col, cellText(table->text(source, tc)).constData(), nullptr);
                break;
            }
        }
    }
    const lxw_error closed = workbook_close(book);
    if (failure == LXW_NO_ERROR)
        failure = closed;
    if (failure != LXW_NO_ERROR) {
        if (closed == LXW_NO_ERROR)
            QFile::remove(path); // a cell failed: no half-written workbook stays behind
        m_error = QString::fromUtf8(lxw_strerror(failure));
        return false;
    }
    return true;
}

bool XlsxExport::saveWithDialog(QWidget *parent, const DataGrid &grid)
{
    QFileDialog dialog(parent, QObject::tr("Excel Kaydet"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QObject::tr("Excel (*.xlsx)"));
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    XlsxExport exporter(grid);
    if (!exporter.save(dialog.selectedFiles().constFirst())) {
        MesajGoster(QObject::tr("Excel dosyası kaydedilemedi: %1").arg(exporter.errorText()), mesaj::Hata, mesaj::SetTamam,
                    mesaj::DugmeTamam);
        return false;
    }
    return true;
}
