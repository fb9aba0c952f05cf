#pragma once

#include <QString>

// A tab caption with a count before the title: "12=Stok Listesi".
struct TSonuc
{
    qint32 sayi = 0; // the count
    QString baslik; // the title, at most 100 characters
};

// Reads "count=title". A caption without "=", or whose text before the first "=" is not a
// whole number, has count 0 and the whole caption as its title. Titles are cut to 100
// characters.
TSonuc parseCountedCaption(const QString &caption);

// "(12)" for a count above 0, otherwise empty.
QString countBadgeText(qint32 sayi);
