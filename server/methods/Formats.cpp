#include "Formats.h"

#include "Dates.h"
#include "identity/AmountFormat.h"

#include <QLocale>

QString Formats::amount(double value)
{
    return formatAmount(value, QLocale(QLocale::Turkish, QLocale::Turkey));
}

QString Formats::date(double days)
{
    return Dates::toDate(days).toString(QStringLiteral("dd.MM.yyyy"));
}
