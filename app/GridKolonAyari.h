#pragma once

#include <QString>

class DataGrid;

// Shows or hides a grid column and offers it in the column chooser or not (user-type rules).
void kolonAyarla(DataGrid &grid, const QString &field, bool visible, bool inChooser);

// Users who choose a customer account see the stock-on-hand and order-quantity columns.
void miktarKolonlariniAc(DataGrid &grid);
