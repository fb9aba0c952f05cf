#include "signin/IniMetni.h"

namespace {

bool bolumBasligiMi(const QString &satir, QString *ad = nullptr)
{
    const QString t = satir.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype kapa = t.indexOf(QLatin1Char(']'));
    if (kapa < 0)
        return false;
    if (ad)
        *ad = t.mid(1, kapa - 1).trimmed();
    return true;
}

bool aciklamaMi(const QString &satir)
{
    const QString t = satir.trimmed();
    return t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
}

bool ayniAd(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniMetni::IniMetni(const QString &metin)
{
    QString duz = metin;
    duz.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    duz.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (duz.startsWith(QChar(0xFEFF)))
        duz.remove(0, 1);
    m_satirlar = duz.split(QLatin1Char('\n'));
    if (!m_satirlar.isEmpty() && m_satirlar.last().isEmpty())
        m_satirlar.removeLast();
}

int IniMetni::bolumSatiri(const QString &bolum) const
{
    QString ad;
    for (int i = 0; i < m_satirlar.size(); ++i) {
        if (bolumBasligiMi(m_satirlar.at(i), &ad) && ayniAd(ad, bolum))
            return i;
    }
    return -1;
}

int IniMetni::bolumSonu(int baslik) const
{
    int i = baslik + 1;
    while (i < m_satirlar.size() && !bolumBasligiMi(m_satirlar.at(i)))
        ++i;
    return i;
}

int IniMetni::anahtarSatiri(const QString &bolum, const QString &anahtar) const
{
    const int baslik = bolumSatiri(bolum);
    if (baslik < 0)
        return -1;
    const int son = bolumSonu(baslik);
    for (int i = baslik + 1; i < son; ++i) {
        const QString &satir = m_satirlar.at(i);
        const qsizetype esit = satir.indexOf(QLatin1Char('='));
        if (esit > 0 && !aciklamaMi(satir) && ayniAd(satir.left(esit).trimmed(), anahtar))
            return i;
    }
    return -1;
}

bool IniMetni::varMi(const QString &bolum, const QString &anahtar) const
{
    return anahtarSatiri(bolum, anahtar) >= 0;
}

QString IniMetni::deger(const QString &bolum, const QString &anahtar, const QString &varsayilan) const
{
    const int i = anahtarSatiri(bolum, anahtar);
    if (i < 0)
        return varsayilan;
    const QString &satir = m_satirlar.at(i);
    QString d = satir.mid(satir.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (d.size() >= 2 && d.startsWith(QLatin1Char('"')) && d.endsWith(QLatin1Char('"')))
        d = d.mid(1, d.size() - 2);
    return d;
}

void IniMetni::degerYaz(const QString &bolum, const QString &anahtar, const QString &deger)
{
    QString tekSatir = deger;
    tekSatir.remove(QLatin1Char('\r'));
    tekSatir.remove(QLatin1Char('\n'));
    const QString satir = anahtar + QLatin1Char('=') + tekSatir;

    const int mevcut = anahtarSatiri(bolum, anahtar);
    if (mevcut >= 0) {
        m_satirlar[mevcut] = satir;
        return;
    }
    const int baslik = bolumSatiri(bolum);
    if (baslik < 0) {
        if (!m_satirlar.isEmpty() && !m_satirlar.last().trimmed().isEmpty())
            m_satirlar.append(QString());
        m_satirlar.append(QLatin1Char('[') + bolum + QLatin1Char(']'));
        m_satirlar.append(satir);
        return;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    int yer = bolumSonu(baslik);
    while (yer > baslik + 1 && m_satirlar.at(yer - 1).trimmed().isEmpty())
        --yer;
    m_satirlar.insert(yer, satir);
}

QString IniMetni::metin() const
{
    QString sonuc;
    for (const QString &satir : m_satirlar)
        sonuc += satir + QLatin1Char('\n');
    return sonuc;
}
