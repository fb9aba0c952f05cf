#include "downloads/IndirmeIlerlemesi.h"

QString IndirmeIlerlemeMetni(qint64 okunan, qint64 toplam, const QLocale &yerel)
{
    QLocale bicim = yerel;
    bicim.setNumberOptions(QLocale::OmitGroupSeparator);
    auto iki = [&bicim](double deger) { return bicim.toString(deger, 'f', 2); };
    const double yuzde = double(okunan) / double(toplam) * 100.0;
    const double mb = 1024.0 * 1024.0;
    return QStringLiteral("Bilgi: %") + iki(yuzde) + QStringLiteral("  İndirilen: ") + iki(double(okunan) / mb)
           + QLatin1Char('/') + iki(double(toplam) / mb) + QStringLiteral(" Mb");
}
