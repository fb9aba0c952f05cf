#include "StokKurallari.h"

#include "identity/AmountFormat.h"

QChar araHarfCevir(QChar typed)
{
    switch (typed.unicode()) {
    case u'ğ': return u'g';
    case u'ü': return u'u';
    case u'ş': return u's';
    case u'ö': return u'o';
    case u'ç': return u'c';
    case u'ı': return u'I';
    case u'Ğ': return u'G';
    case u'Ü': return u'U';
    case u'Ş': return u'S';
    case u'İ': return u'I';
    case u'Ö': return u'O';
    case u'Ç': return u'C';
    default: return typed;
    }
}

QString fiyatBilgisiMetni(double listeFiyati, double kampanyaFiyati, double indirimOrani, double netFiyat,
                          double kdvDahilFiyat, const QLocale &locale)
{
    QString text = QStringLiteral("Liste Fiyatı: ") + formatAmount(listeFiyati, locale) + QLatin1Char('\n');
    if (kampanyaFiyati > 0)
        text += QStringLiteral("Kampanyalı Fiyat: ") + formatAmount(kampanyaFiyati, locale) + QLatin1Char('\n');
    if (indirimOrani > 0)
        text += QStringLiteral("İskonto %: ") + formatAmount(indirimOrani, locale) + QLatin1Char('\n');
    text += QStringLiteral("NetFiyat: ") + formatAmount(netFiyat, locale) + QLatin1Char('\n');
    text += QStringLiteral("KDV li Fiyat: ") + formatAmount(kdvDahilFiyat, locale) + QLatin1Char('\n');
    return text;
}

StokKolonDuzeni stokKolonDuzeni(int pencereGenisligi)
{
    if (pencereGenisligi >= stokGenisEsik)
        return {true, 60};
    return {false, 100};
}

QString balonBasligi(int kolon, const QVariant &deger)
{
    static const char *const basliklar[] = {"=Sepet", "=Yeni Stoklar", "=Kampanyalı", "=Duyurular", "=Bakiyeler"};
    if (kolon < 0 || kolon > 4)
        return {};
    const QString sayi = kolon == 4 ? QString::number(deger.toDouble(), 'g', 15) : QString::number(deger.toInt());
    return sayi + QString::fromUtf8(basliklar[kolon]);
}
