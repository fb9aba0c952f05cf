#pragma once

#include <QValidator>

// Turns every typed or pasted letter of an edit box into upper case, as the sign-in boxes
// always did. The mapping is the locale-independent one ("i" becomes "I"), so names typed on a
// Turkish keyboard still match the plain upper-case names the server stores.
class BuyukHarfDogrulayici : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};
