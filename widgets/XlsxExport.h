#pragma once

#include <QString>

class DataGrid;
class QWidget;

// "Excel Kaydet": writes what a grid shows into an .xlsx workbook — the visible columns in
// view order with their captions as the header row, and the rows in view order after the
// filters — with typed cells: numbers as numbers (amounts with "#,##0.00"), dates as dates,
// text as text.
class XlsxExport
{
public:
    explicit XlsxExport(const DataGrid &grid);

    bool save(const QString &path);
    QString errorText() const { return m_error; }

    // Asks for a file name and saves; a failure is shown to the user. True when written.
    static bool saveWithDialog(QWidget *parent, const DataGrid &grid);

private:
    const DataGrid &m_grid;
    QString m_error;
};
