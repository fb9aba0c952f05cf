#pragma once

#include <QByteArray>
#include <QString>

// The picture of a stock item, drawn on request as a JPEG: a sketch of the part's group with
// its brand, name, code and fitting model.
namespace StockPicture {
struct Info
{
    int stokno = 0;
    QString name;
    QString brand;
    QString model;
    QString code;
    QString group;
};
QByteArray jpeg(const Info &info);
} // namespace StockPicture
