#pragma once

#include <QLocale>
#include <QString>

// Two-decimal rounding of every amount the client computes: the value goes through its
// two-decimal display text (halves away from zero) and is read back.
// Yuvarla(2.49875) == 2.5, Yuvarla(100.125) == 100.13, Yuvarla(0.004) == 0.
double Yuvarla(double value);

// Amount columns: "#,###,##0.00" — thousands grouped, at least one integer digit, two
// decimals, with the locale's separators. 1234567.5 -> "1.234.567,50" under tr_TR.
QString formatAmount(double value, const QLocale &locale = QLocale());

// Grand totals and the price-change dialog: "#,###,##00.00", at least two integer digits.
QString formatGrandTotal(double value, const QLocale &locale = QLocale());
