#include "signin/Kirp.h"

QString Kirp(const QString &metin)
{
    auto bos = [](QChar c) { return c.unicode() <= 32; };
    qsizetype bas = 0;
    qsizetype son = metin.size();
    while (bas < son && bos(metin.at(bas)))
        ++bas;
    while (son > bas && bos(metin.at(son - 1)))
        --son;
    return metin.mid(bas, son - bas);
}
