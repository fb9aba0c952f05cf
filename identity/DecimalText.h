#pragma once

#include <QByteArray>

// A real number written out with a fixed count of decimals, rounded the way the amount
// display always rounded: from the number's 15 significant decimal digits, halves away from
// zero. Working on those digits (not on the binary value) makes 1.005 round to 1.01.
class DecimalText
{
public:
    DecimalText(double value, int decimals);

    bool isNegative() const { return m_negative; }
    // Integer digits without leading zeros ("" for values below 1).
    const QByteArray &integerDigits() const { return m_integer; }
    // Exactly `decimals` digits.
    const QByteArray &fractionDigits() const { return m_fraction; }
    // Plain C text such as "-1234.57" or "0.00".
    QByteArray toPlainText() const;
    double toDouble() const;

private:
    bool m_negative = false;
    QByteArray m_integer;
    QByteArray m_fraction;
};
