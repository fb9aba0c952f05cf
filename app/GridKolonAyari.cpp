#include "GridKolonAyari.h"

#include "widgets/DataGrid.h"

void kolonAyarla(DataGrid &grid, const QString &field, bool visible, bool inChooser)
{
    QList<GridColumn> columns = grid.columns();
    bool changed = false;
    for (GridColumn &c : columns) {
        if (c.field.compare(field, Qt::CaseInsensitive) == 0 && (c.visible != visible || c.inChooser != inChooser)) {
            c.visible = visible;
            c.inChooser = inChooser;
            changed = true;
        }
    }
    if (changed)
        grid.setColumns(columns);
}

void miktarKolonlariniAc(DataGrid &grid)
{
    for (const char *field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"})
        kolonAyarla(grid, QLatin1String(field), true, true);
}
