#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The pictures of the order-line status DURUM (0 "Yok" .. 5 "Tedarik Sürecinde"), drawn once
// and shared by the grids and the status legend so both always show the same picture.
class StatusPictures
{
public:
    static constexpr int firstCode = 0;
    static constexpr int lastCode = 5;

    static bool isKnown(int code) { return code >= firstCode && code <= lastCode; }
    // "Yok", "Var", "Telefon Açınız", "Yolda", "Özel Sipariş", "Tedarik Sürecinde"; the
    // number itself for any other code.
    static QString caption(int code);
    // A square picture of the given logical size; null for an unknown code.
    static QPixmap pixmap(int code, int size = 20);
    static QIcon icon(int code);
    // Display text of the code -> caption, for the grid's screen-reader and filter texts.
    static QHash<QString, QString> labels();

private:
    static QPixmap draw(int code, int size, qreal ratio);
};
