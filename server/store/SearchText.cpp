#include "SearchText.h"

QString SearchText::fold(const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool blank = false;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'ç': case u'Ç': c = u'C'; break;
        case u'ğ': case u'Ğ': c = u'G'; break;
        case u'ı': case u'İ': case u'i': c = u'I'; break;
        case u'ö': case u'Ö': c = u'O'; break;
        case u'ş': case u'Ş': c = u'S'; break;
        case u'ü': case u'Ü': c = u'U'; break;
        default: c = c.toUpper();
        }
        if (c.isSpace()) {
            blank = !out.isEmpty();
            continue;
        }
        if (blank)
            out += QLatin1Char(' ');
        blank = false;
        out += c;
    }
    return out;
}

QStringList SearchText::words(const QString &text)
{
    return fold(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
