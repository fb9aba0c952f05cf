#pragma once

#include "widgets/GridColumn.h"

#include <QList>

// The basket grid's columns in their order, with headers, weights, visibility and chooser.
// User types 1 and 2 also see "Kalan"; type 3 never sees the status column.
QList<GridColumn> sepetKolonlari(int musteriTipi);
