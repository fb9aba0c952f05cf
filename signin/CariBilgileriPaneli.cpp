#include "signin/CariBilgileriPaneli.h"

#include "identity/AmountFormat.h"
#include "remote/MemTable.h"

#include <QFormLayout>
#include <QLabel>
#include <QLocale>

#include <functional>

namespace {

using Okuyucu = std::function<QString(const QString &alan)>;

struct Satir
{
    const char *baslik;
    std::function<QString(const Okuyucu &oku, const MemTable &tablo, int satir)> deger;
};

std::function<QString(const Okuyucu &, const MemTable &, int)> alanlar(QStringList adlar, QString ayirac)
{
    return [adlar = std::move(adlar), ayirac = std::move(ayirac)](const Okuyucu &oku, const MemTable &, int) {
        QStringList parcalar;
        for (const QString &ad : adlar)
            parcalar.append(oku(ad));
        return parcalar.join(ayirac);
    };
}

std::function<QString(const Okuyucu &, const MemTable &, int)> alan(const char *ad)
{
    return alanlar({QLatin1String(ad)}, QString());
}

const QList<Satir> &satirlar()
{
    static const QList<Satir> liste = {
        {"CariKod:", alan("CARIKOD")},
        {"Cari Adı:", alan("CARIADI")},
        {"Yetkili:", alan("YETKILI")},
        {"Özel Kod:", alan("OZELKOD")},
        {"Ana Grup:", alan("ANAGRUP")},
        {"Alt Grup:", alan("ALTGRUP")},
        {"Adres:",
         [](const Okuyucu &oku, const MemTable &, int) {
             return oku(QStringLiteral("ADRES1")) + QLatin1Char('\n') + oku(QStringLiteral("ADRES2")) + QLatin1Char('\n')
                    + oku(QStringLiteral("ILCE")) + QLatin1Char('/') + oku(QStringLiteral("IL"));
         }},
        {"Vergi D.:", alanlar({QStringLiteral("VERGIDAIRESI"), QStringLiteral("VERGINO")}, QStringLiteral("/"))},
        {"Telefon:", alanlar({QStringLiteral("TEL1"), QStringLiteral("TEL2")}, QStringLiteral("\n"))},
        {"Fax:", alanlar({QStringLiteral("FAX1"), QStringLiteral("FAX2")}, QStringLiteral("\n"))},
        {"Gsm:", alan("GSM")},
        {"E-mail:", alan("EMAIL")},
        {"Bakiye:",
         [](const Okuyucu &oku, const MemTable &tablo, int satir) {
             const int sutun = tablo.columnIndex(QStringLiteral("TLBAKIYE"));
             const QString bakiye = sutun < 0 || tablo.isNull(satir, sutun) ? QString()
                                                                             : formatAmount(tablo.real(satir, sutun));
             return bakiye + QLatin1Char(' ') + oku(QStringLiteral("DURUM"));
         }},
        {"İndirim %:", alan("INDIRIM")},
        {"Vade (Gün):", alan("VADE")},
    };
    return liste;
}

QString metin(const MemTable &tablo, int satir, const QString &ad)
{
    const int sutun = tablo.columnIndex(ad);
    if (sutun < 0 || tablo.isNull(satir, sutun))
        return QString();
    const ValueType tur = tablo.columnType(sutun);
    if (tur == ValueType::Double)
        return QLocale().toString(tablo.real(satir, sutun));
    return tablo.text(satir, sutun);
}

} // namespace

CariBilgileriPaneli::CariBilgileriPaneli(QWidget *parent) : QGroupBox(QStringLiteral("Cari Bilgileri"), parent)
{
    auto *form = new QFormLayout(this);
    for (const Satir &s : satirlar()) {
        const QString baslik = QString::fromUtf8(s.baslik);
        auto *deger = new QLabel(this);
        deger->setWordWrap(true);
        deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QString ad = baslik;
        ad.chop(1);
        deger->setAccessibleName(ad);
        if (baslik == QStringLiteral("Bakiye:"))
            deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_degerler.insert(baslik, deger);
        form->addRow(new QLabel(baslik, this), deger);
    }
}

void CariBilgileriPaneli::goster(const MemTable &tablo, int satir)
{
    const Okuyucu oku = [&tablo, satir](const QString &ad) { return metin(tablo, satir, ad); };
    for (const Satir &s : satirlar())
        m_degerler.value(QString::fromUtf8(s.baslik))->setText(s.deger(oku, tablo, satir));
}

QString CariBilgileriPaneli::deger(const QString &baslik) const
{
    const QLabel *etiket = m_degerler.value(baslik);
    return etiket ? etiket->text() : QString();
}
