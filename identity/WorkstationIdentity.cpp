#include "identity/WorkstationIdentity.h"

#include "identity/TSonucBilgisi.h"
#include "platform/Workstation.h"

namespace {

const QString ZeroAddress = QStringLiteral("00-00-00-00-00-00");

// Trim as the identifier always has: white space and control characters at both ends.
QString trimmed(const QString &text)
{
    auto isBlank = [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString formatAddress(const QByteArray &address)
{
    return QString::fromLatin1(address.toHex('-').toUpper());
}

} // namespace

QString BilgisayarIdAl()
{
    return BilgisayarIdAl(platform::Workstation());
}

QString BilgisayarIdAl(const platform::WorkstationSource &source)
{
    QString result;
    try {
        result = trimmed(DiskSeriNoAl(source));
    } catch (...) {
        result.clear();
    }
    if (result.isEmpty()) {
        try {
            result = trimmed(MacAdresiAl(source));
        } catch (...) {
            result.clear();
        }
    }
    return result;
}

QString DiskSeriNoAl()
{
    return DiskSeriNoAl(platform::Workstation());
}

QString DiskSeriNoAl(const platform::WorkstationSource &source)
{
    return source.diskSerial().toUpper();
}

QString MacAdresiAl()
{
    return MacAdresiAl(platform::Workstation());
}

// The adapter loop keeps its old stop rule: the body runs at least once; it ends after the
// last adapter or as soon as the text is anything but all zeros. An adapter that does not
// answer leaves the text as it was, so a silent first adapter ends the search with "".
QString MacAdresiAl(const platform::WorkstationSource &source)
{
    const QList<platform::AdapterStatus> adapters = source.adapters();
    QString text;
    qsizetype i = 0;
    do {
        if (i < adapters.size() && adapters.at(i).answered)
            text = formatAddress(adapters.at(i).address);
        ++i;
    } while (i < adapters.size() && text == ZeroAddress);
    return text;
}

QString BilgisayarAdiAl()
{
    return BilgisayarAdiAl(platform::Workstation());
}

QString BilgisayarAdiAl(const platform::WorkstationSource &source)
{
    return source.computerName();
}

QString KullaniciAdiAl()
{
    return KullaniciAdiAl(platform::Workstation());
}

QString KullaniciAdiAl(const platform::WorkstationSource &source)
{
    return source.userName();
}

QString YerelIpAl()
{
    return YerelIpAl(platform::Workstation());
}

QString YerelIpAl(const platform::WorkstationSource &source)
{
    const QString address = source.localIPv4();
    return address.isEmpty() ? QStringLiteral("127.0.0.1") : address;
}

void IstasyonAlanlariniDoldur(TSonucBilgisi &record)
{
    IstasyonAlanlariniDoldur(record, platform::Workstation());
}

void IstasyonAlanlariniDoldur(TSonucBilgisi &record, const platform::WorkstationSource &source)
{
    record.BilgiSayarAdi = BilgisayarAdiAl(source);
    record.BilgisayarKullanici = KullaniciAdiAl(source);
    record.Icip = YerelIpAl(source);
    record.BILGISAYARID = BilgisayarIdAl(source);
}
