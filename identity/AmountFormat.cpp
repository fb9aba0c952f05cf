#include "identity/AmountFormat.h"

#include "identity/DecimalText.h"

namespace {

QString formatDecimals(double value, const QLocale &locale, int minIntegerDigits)
{
    const DecimalText decimal(value, 2);
    QByteArray integer = decimal.integerDigits();
    if (integer.size() < minIntegerDigits)
        integer.prepend(QByteArray(minIntegerDigits - integer.size(), '0'));

    QString text;
    if (decimal.isNegative())
        text += locale.negativeSign();
    const QString group = locale.groupSeparator();
    for (qsizetype i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            text += group;
        text += QLatin1Char(integer.at(i));
    }
    text += locale.decimalPoint();
    text += QString::fromLatin1(decimal.fractionDigits());
    return text;
}

} // namespace

double Yuvarla(double value)
{
    return DecimalText(value, 2).toDouble();
}

QString formatAmount(double value, const QLocale &locale)
{
    return formatDecimals(value, locale, 1);
}

QString formatGrandTotal(double value, const QLocale &locale)
{
    return formatDecimals(value, locale, 2);
}
