#include "SigninSunucusu.h"

#include "ServerCall.h"

namespace {
using VT = ValueType;

QList<ColumnDesc> cariSutunlari()
{
    const QList<QPair<const char *, VT>> tanim = {
        {"CARINO", VT::Int32},        {"CARIKOD", VT::Text},      {"CARIADI", VT::Text},   {"SATICISI", VT::Text},
        {"TLBAKIYE", VT::Double},     {"DURUM", VT::Text},        {"SEPET", VT::Int32},    {"ALINDI", VT::Int32},
        {"ONAYLANDI", VT::Int32},     {"GORULDU", VT::Int32},     {"HAZIRLANDI", VT::Int32},
        {"PARCALIHAZIRLANDI", VT::Int32}, {"OZELKOD", VT::Text}, {"ANAGRUP", VT::Text},  {"ALTGRUP", VT::Text},
        {"YETKILI", VT::Text},        {"ADRES1", VT::Text},       {"ADRES2", VT::Text},    {"ILCE", VT::Text},
        {"IL", VT::Text},             {"VERGIDAIRESI", VT::Text}, {"VERGINO", VT::Text},   {"TEL1", VT::Text},
        {"TEL2", VT::Text},           {"FAX1", VT::Text},         {"FAX2", VT::Text},      {"GSM", VT::Text},
        {"EMAIL", VT::Text},          {"VADE", VT::Int32},        {"INDIRIM", VT::Double},
    };
    QList<ColumnDesc> sutunlar;
    for (const auto &[ad, tur] : tanim)
        sutunlar.append({QLatin1String(ad), tur, tur == VT::Text ? 60 : 0});
    return sutunlar;
}

void cariSatiri(RowBatchWriter &satirlar, const SigninSunucusu::Cari &c)
{
    satirlar.beginRow();
    satirlar.addInt32(c.carino);
    satirlar.addText(c.kod);
    satirlar.addText(c.ad);
    satirlar.addText(QStringLiteral("AHMET YILMAZ"));
    satirlar.addDouble(1234567.5 + c.carino);
    satirlar.addText(QStringLiteral("B"));
    for (int durum = 1; durum <= 6; ++durum)
        satirlar.addInt32(c.durumlar.contains(durum) ? 1 : 0);
    for (const char *metin : {"ÖZEL", "FREN", "BALATA", "Mehmet Demir", "Sanayi Sitesi 4. Blok", "No: 7", "Nilüfer",
                              "Bursa", "Nilüfer V.D.", "1234567890", "0224 111 11 11", "0224 111 11 12",
                              "0224 222 22 22", "", "0532 000 00 00", "info@ozoto.com.tr"})
        satirlar.addText(QString::fromUtf8(metin));
    satirlar.addInt32(60);
    satirlar.addDouble(12.5);
    satirlar.endRow();
}

RowBatchWriter cariListesi(const std::function<bool(const SigninSunucusu::Cari &)> &secim)
{
    RowBatchWriter satirlar(cariSutunlari());
    for (const SigninSunucusu::Cari &c : SigninSunucusu::cariler()) {
        if (secim(c))
            cariSatiri(satirlar, c);
    }
    return satirlar;
}

QVariant deger(const Value &v)
{
    switch (v.type()) {
    case VT::Text:
        return v.toText();
    case VT::Int32:
        return v.toInt32();
    case VT::Int64:
        return v.toInt64();
    case VT::Double:
    case VT::Date:
        return v.toDouble();
    case VT::Bool:
        return v.toBool();
    default:
        return {};
    }
}
} // namespace

QByteArray fixtureRaporu(int raporno)
{
    // Longer than one 1 KiB piece, so the copy reads several.
    return QByteArray("%PDF-1.4 rapor ") + QByteArray::number(raporno) + QByteArray(3000, 'x');
}

QList<SigninSunucusu::Cari> SigninSunucusu::cariler()
{
    return {
        {120, QStringLiteral("120.01.001"), QStringLiteral("ÖZ OTO YEDEK PARÇA"), {1, 2}},
        {121, QStringLiteral("120.01.002"), QStringLiteral("ÇAĞDAŞ OTOMOTİV"), {1, 3}},
        {0, QStringLiteral("100.00.000"), QStringLiteral("MERKEZ DEPO"), {}},
    };
}

SigninSunucusu::SigninSunucusu()
{
    yontemleriEkle();
    m_server = std::make_unique<ProtocolServer>(m_registry);
    m_port = m_server->listen(QStringLiteral("127.0.0.1"), 0);
}

SigninSunucusu::~SigninSunucusu()
{
    m_server->stop();
}

void SigninSunucusu::kaydet(Cagri cagri)
{
    std::lock_guard kilit(m_mutex);
    m_cagrilar.append(std::move(cagri));
}

QList<SigninSunucusu::Cagri> SigninSunucusu::cagrilar(const QString &yontem) const
{
    std::lock_guard kilit(m_mutex);
    QList<Cagri> sonuc;
    for (const Cagri &c : m_cagrilar) {
        if (c.yontem == yontem)
            sonuc.append(c);
    }
    return sonuc;
}

void SigninSunucusu::temizle()
{
    std::lock_guard kilit(m_mutex);
    m_cagrilar.clear();
}

void SigninSunucusu::setGirisKaydi(std::optional<TSonucBilgisi> kayit)
{
    std::lock_guard kilit(m_mutex);
    m_girisKaydi = std::move(kayit);
}

void SigninSunucusu::setSepetSayisi(int sayi)
{
    std::lock_guard kilit(m_mutex);
    m_sepetSayisi = sayi;
}

void SigninSunucusu::setTusSonuclari(const TTusSonuclari &sayilar)
{
    std::lock_guard kilit(m_mutex);
    m_tusSonuclari = sayilar;
}

void SigninSunucusu::setMobilCari(const TMobilCariBilgisi &cari)
{
    std::lock_guard kilit(m_mutex);
    m_mobilCari = cari;
}

void SigninSunucusu::yontemleriEkle()
{
    // Records the call: scalar arguments in order, the login record parsed.
    auto not_ = [this](ServerCall &c) {
        Cagri cagri{c.method().name, {}, std::nullopt};
        for (int i = 0; i < c.method().params.size(); ++i) {
            const ParamSpec &p = c.method().params.at(i);
            if (p.direction != ParamDirection::In)
                continue;
            if (p.type == VT::Object) {
                if (auto bilgi = c.object<TSonucBilgisi>(i))
                    cagri.bilgi = *bilgi;
            } else {
                cagri.degerler.append(deger(c.in(i)));
            }
        }
        kaydet(std::move(cagri));
    };

    m_registry.add(QStringLiteral("BuyukGetir"), {inParam("idsi", VT::Text)}, VT::Object, [this, not_](ServerCall &c) {
        not_(c);
        std::optional<TSonucBilgisi> kayit;
        {
            std::lock_guard kilit(m_mutex);
            kayit = m_girisKaydi;
        }
        if (kayit)
            kayit->BILGISAYARID = QStringLiteral("SUNUCUDAKI-ID");
        c.setResultObject(kayit ? &*kayit : nullptr);
    });
    m_registry.add(QStringLiteral("CariAra"), {inParam("bil", VT::Object), inParam("aranan", VT::Text)}, VT::ResultSet,
                   [not_](ServerCall &c) {
                       not_(c);
                       const QString aranan = c.text(1);
                       c.setResultSet(cariListesi([&](const Cari &cari) {
                           return cari.ad.contains(aranan, Qt::CaseInsensitive) || cari.kod.contains(aranan);
                       }));
                   });
    m_registry.add(QStringLiteral("CariSepetVer"), {inParam("bil", VT::Object), inParam("n", VT::Int32)},
                   VT::ResultSet, [not_](ServerCall &c) {
                       not_(c);
                       const int n = c.int32(1);
                       c.setResultSet(cariListesi([n](const Cari &cari) { return cari.durumlar.contains(n); }));
                   });
    m_registry.add(QStringLiteral("SepetSayisi"), {inParam("bil", VT::Object)}, VT::Int32, [this, not_](ServerCall &c) {
        not_(c);
        std::lock_guard kilit(m_mutex);
        c.setResult(Value::int32(m_sepetSayisi));
    });
    m_registry.add(QStringLiteral("TusSonuclariVer"), {inParam("bil", VT::Object)}, VT::Object,
                   [this, not_](ServerCall &c) {
                       not_(c);
                       TTusSonuclari sayilar;
                       {
                           std::lock_guard kilit(m_mutex);
                           sayilar = m_tusSonuclari;
                       }
                       c.setResultObject(&sayilar);
                   });
    m_registry.add(QStringLiteral("MobilCariBilgisiGetir"), {inParam("sirano", VT::Int32), inParam("_idsi", VT::Text)},
                   VT::Object, [this, not_](ServerCall &c) {
                       not_(c);
                       TMobilCariBilgisi cari;
                       {
                           std::lock_guard kilit(m_mutex);
                           cari = m_mobilCari;
                       }
                       c.setResultObject(&cari);
                   });
    QList<ParamSpec> mail;
    for (const char *ad : {"idsi", "baslik", "firmaadi", "adres1", "adres2", "ilce", "sehir", "telefon", "fax", "vd",
                           "vn", "yetkili", "kullaniciadi", "sifre", "mail", "kargoambar"})
        mail.append(inParam(ad, VT::Text));
    m_registry.add(QStringLiteral("MailGonserCari"), mail, VT::Int32, [not_](ServerCall &c) {
        not_(c);
        c.setResult(Value::int32(1));
    });
    m_registry.add(QStringLiteral("RaporGetir"),
                   {inParam("raporno", VT::Int32), inParam("bolum", VT::Int32), inParam("idno", VT::Int32),
                    inParam("carino", VT::Int32), inParam("saticiadi", VT::Text), inParam("tarih1", VT::Date),
                    inParam("tarih2", VT::Date), outParam("size", VT::Int64)},
                   VT::Stream, [not_](ServerCall &c) {
                       not_(c);
                       const QByteArray pdf = fixtureRaporu(c.int32(0));
                       c.setOut(7, Value::int64(pdf.size()));
                       c.setStream(pdf);
                   });
}
