#pragma once

#include <QPixmap>

// Pictures of the flag columns: the tick of new and campaign products and the symbol of a
// stock that has a picture.
class FlagPictures
{
public:
    static QPixmap tick(int size = 20);
    static QPixmap photo(int size = 20);
};
