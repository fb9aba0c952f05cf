#pragma once

#include "widgets/GridColumn.h"

#include <QList>

// The column lists of the three stock-like grids, in their order.
QList<GridColumn> stokKolonlari();
QList<GridColumn> yeniStokKolonlari();
QList<GridColumn> kampanyaKolonlari();

// Name of the drawn price column of the stock grid (not bound to the table).
inline const QString fiyatBilgisiKolonu = QStringLiteral("FIYATBILGISI");
