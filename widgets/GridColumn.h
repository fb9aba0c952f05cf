#pragma once

#include "widgets/MemTableModel.h"

#include <QPixmap>
#include <QString>

class QAbstractItemDelegate;

// How a grid cell shows its value.
enum class ColumnKind {
    Plain, // the formatted text
    Status, // DURUM 0..5 as its status picture
    Tick, // a tick box, ticked when the value is 1 (SEC)
    PictureFlag, // a picture when the value is above 0 (RESIM, new and campaign marks)
    Custom, // drawn by the delegate the screen supplies
};

// One column of a DataGrid, in the grid's order.
struct GridColumn
{
    QString field; // table column name; any unique name for a column not bound to the table
    QString caption; // empty: the field name is shown
    int weight = 1; // share in the weight rule of the widths
    bool visible = true;
    bool inChooser = true; // offered in the column chooser
    ColumnKind kind = ColumnKind::Plain;
    MemTableModel::TextFunction text; // unbound columns: the text of a row, formatted here
    QAbstractItemDelegate *delegate = nullptr; // Custom: the drawing (the grid takes ownership)
    QPixmap flagPicture; // PictureFlag: the picture (empty: the "picture exists" symbol)

    QString header() const { return caption.isEmpty() ? field : caption; }
};
