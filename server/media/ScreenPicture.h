#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Pictures of opening adverts and announcements: a coloured poster with a headline and a line
// of text, as JPEG.
namespace ScreenPicture {
QByteArray jpeg(QSize size, const QString &headline, const QString &text, int hue);
}
