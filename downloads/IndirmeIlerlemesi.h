#pragma once

#include <QLocale>
#include <QString>

// Progress line of a download: "Bilgi: %50,00  İndirilen: 1,25/2,50 Mb" — percent and
// megabytes with two decimals and the locale's decimal separator, no digit grouping.
// Only meaningful when the total is known (above 0).
QString IndirmeIlerlemeMetni(qint64 okunan, qint64 toplam, const QLocale &yerel = QLocale());
