#include "identity/DecimalText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int SignificantDigits = 15;
}

DecimalText::DecimalText(double value, int decimals)
{
    if (!std::isfinite(value)) {
        // Never a computed amount; keep it harmless rather than reading garbage digits.
        m_fraction = QByteArray(decimals, '0');
        return;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, std::fabs(value));
    // buffer: d.ddddddddddddddde[+-]xx
    QByteArray digits("0"); // room for a carry out of the first digit
    digits.append(buffer[0]);
    digits.append(buffer + 2, SignificantDigits - 1);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    // value = 0.digits * 10^point
    int point = exponent + 2;
    const int keep = point + decimals;

    QByteArray kept;
    if (keep > 0) {
        kept = digits.left(keep);
        if (kept.size() < keep)
            kept.append(QByteArray(keep - kept.size(), '0'));
        if (keep < digits.size() && digits.at(keep) >= '5') {
            int i = keep - 1;
            while (i >= 0 && kept[i] == '9')
                kept[i--] = '0';
            if (i >= 0)
                ++kept[i];
            // i < 0 cannot happen: the leading "0" absorbs the carry.
        }
    }
    // Split into integer and fraction digits.
    if (point >= 0) {
        m_integer = kept.left(point);
        m_fraction = kept.mid(point);
    } else {
        m_fraction = QByteArray(-point, '0') + kept;
    }
    if (m_fraction.size() < decimals)
        m_fraction.append(QByteArray(decimals - m_fraction.size(), '0'));
    m_fraction.truncate(decimals);
    qsizetype lead = 0;
    while (lead < m_integer.size() && m_integer.at(lead) == '0')
        ++lead;
    m_integer.remove(0, lead);

    const bool zero = m_integer.isEmpty() && m_fraction.count('0') == m_fraction.size();
    m_negative = value < 0 && !zero;
}

QByteArray DecimalText::toPlainText() const
{
    QByteArray text = m_negative ? "-" : "";
    text += m_integer.isEmpty() ? QByteArray("0") : m_integer;
    if (!m_fraction.isEmpty())
        text += '.' + m_fraction;
    return text;
}

double DecimalText::toDouble() const
{
    return std::strtod(toPlainText().constData(), nullptr);
}
