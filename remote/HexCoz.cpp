#include "TransferRecords.h"

#include "DSException.h"

namespace {
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    throw DSException(QStringLiteral("'%1' is not a valid hexadecimal digit").arg(c), QStringLiteral("EConvertError"));
}
} // namespace

QByteArray HexCoz(const QString &hex)
{
    QByteArray bytes;
    bytes.reserve(hex.size() / 2 + 1);
    qsizetype i = 0;
    for (; i + 1 < hex.size(); i += 2)
        bytes.append(char(hexDigit(hex.at(i)) * 16 + hexDigit(hex.at(i + 1))));
    if (i < hex.size())
        bytes.append(char(hexDigit(hex.at(i))));
    return bytes;
}
