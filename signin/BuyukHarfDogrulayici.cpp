#include "signin/BuyukHarfDogrulayici.h"

QValidator::State BuyukHarfDogrulayici::validate(QString &input, int &) const
{
    input = input.toUpper();
    return Acceptable;
}
