#include "signin/AyarDosyasi.h"

#include "identity/Folders.h"
#include "signin/IniMetni.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString Bolum = QStringLiteral("kullanici");
const QString Isim = QStringLiteral("isim");
const QString Sifre = QStringLiteral("sifre");
const QString Hatirla = QStringLiteral("hatırla");

IniMetni dosyaMetni(const QString &yol)
{
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        return IniMetni();
    return IniMetni(QString::fromUtf8(dosya.readAll()));
}
} // namespace

AyarDosyasi::AyarDosyasi() : m_yol(varsayilanYol())
{
}

AyarDosyasi::AyarDosyasi(QString yol) : m_yol(std::move(yol))
{
}

QString AyarDosyasi::varsayilanYol()
{
    return AyarKlasoru() + QStringLiteral("/ayar.ini");
}

bool AyarDosyasi::varMi() const
{
    return QFile::exists(m_yol);
}

GirisAyarlari AyarDosyasi::oku() const
{
    const IniMetni ini = dosyaMetni(m_yol);
    GirisAyarlari ayarlar;
    ayarlar.isim = ini.deger(Bolum, Isim);
    ayarlar.sifre = ini.deger(Bolum, Sifre);
    bool sayi = false;
    const int hatirla = ini.deger(Bolum, Hatirla).toInt(&sayi);
    ayarlar.hatirla = sayi ? hatirla != 0 : true;
    return ayarlar;
}

bool AyarDosyasi::kaydet(const GirisAyarlari &ayarlar, QString *hata) const
{
    IniMetni ini = dosyaMetni(m_yol);
    ini.degerYaz(Bolum, Isim, ayarlar.isim);
    ini.degerYaz(Bolum, Sifre, ayarlar.sifre);
    ini.degerYaz(Bolum, Hatirla, ayarlar.hatirla ? QStringLiteral("1") : QStringLiteral("0"));

    QSaveFile dosya(m_yol);
    bool tamam = dosya.open(QIODevice::WriteOnly);
    if (tamam) {
        // Before any byte is written: the password must never be readable by others.
        tamam = dosya.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray bayt = ini.metin().toUtf8();
        tamam = tamam && dosya.write(bayt) == bayt.size();
        tamam = tamam && dosya.commit();
    }
    if (!tamam && hata)
        *hata = dosya.errorString();
    return tamam;
}
