#include "widgets/CountedCaption.h"

namespace {

constexpr qsizetype maxTitle = 100;

QString cutTitle(const QString &title)
{
    if (title.size() <= maxTitle)
        return title;
    // Never leave half of a surrogate pair at the end.
    const qsizetype n = title.at(maxTitle - 1).isHighSurrogate() ? maxTitle - 1 : maxTitle;
    return title.left(n);
}

} // namespace

TSonuc parseCountedCaption(const QString &caption)
{
    const qsizetype eq = caption.indexOf(QLatin1Char('='));
    if (eq >= 0) {
        bool ok = false;
        const qint32 count = caption.left(eq).toInt(&ok);
        if (ok)
            return {count, cutTitle(caption.mid(eq + 1))};
    }
    return {0, cutTitle(caption)};
}

QString countBadgeText(qint32 sayi)
{
    return sayi > 0 ? QStringLiteral("(%1)").arg(sayi) : QString();
}
