#include "SepetSunucusu.h"

#include "MethodRegistry.h"
#include "ProtocolServer.h"
#include "ServerCall.h"
#include "identity/TSonucBilgisi.h"
#include "remote/DSConnection.h"

#include <cmath>

namespace {
using VT = ValueType;

double iki(double v)
{
    return std::round(v * 100) / 100;
}

// The basket result set, in the basket grid's order.
QList<ColumnDesc> sepetKolonlari()
{
    const QList<QPair<const char *, VT>> tanim = {
        {"SEC", VT::Int32}, {"VERILISTARIHI", VT::Date}, {"SIRANO", VT::Int32}, {"SIPARISNO", VT::Int32},
        {"CARINO", VT::Int32}, {"TARIH", VT::Date}, {"AKTAR", VT::Int32}, {"STOKNO", VT::Int32},
        {"BARKOD", VT::Text}, {"FINISHKOD", VT::Text}, {"OEMNO", VT::Text}, {"STOKADI", VT::Text},
        {"MIKTAR", VT::Double}, {"BIRIMFIYAT", VT::Double}, {"TUTAR", VT::Double}, {"INDIRIMORANI1", VT::Double},
        {"INDIRIMORANI2", VT::Double}, {"INDIRIMORANI3", VT::Double}, {"INDIRIMTUTAR", VT::Double},
        {"NETBIRIMFIYAT", VT::Double}, {"KDV", VT::Double}, {"VERGITUTARI", VT::Double}, {"NETTUTAR", VT::Double},
        {"KUR", VT::Text}, {"KURTL", VT::Double}, {"VERENIDNO", VT::Int32}, {"SAAT", VT::Text},
        {"TESLIMID", VT::Int32}, {"KARGOID", VT::Int32}, {"ACIKLAMA", VT::Text}, {"IDNO", VT::Int32},
        {"VERENSIRANO", VT::Int32}, {"VEREN", VT::Text}, {"CARIKOD", VT::Text}, {"CARIADI", VT::Text},
        {"OEM1", VT::Text}, {"OEM2", VT::Text}, {"OEM3", VT::Text}, {"OEM4", VT::Text},
        {"STOK_STOKNO", VT::Int32}, {"URETICIKODU", VT::Text}, {"DIGERADI", VT::Text}, {"DPKOD", VT::Text},
        {"MARKA", VT::Text}, {"MODEL", VT::Text}, {"ANAGRUP", VT::Text}, {"OZELKOD", VT::Text},
        {"PKOD", VT::Text}, {"DURUM", VT::Int32}, {"KALAN", VT::Double},
    };
    QList<ColumnDesc> kolonlar;
    for (const auto &[ad, tur] : tanim)
        kolonlar.append({QLatin1String(ad), tur, tur == VT::Text ? 100 : 0});
    return kolonlar;
}

RowBatchWriter sepetSatirlari(const QList<SepetSunucusu::Satir> &satirlar)
{
    RowBatchWriter w(sepetKolonlari());
    for (const SepetSunucusu::Satir &s : satirlar) {
        const double netBirim = iki(s.birimfiyat - iki(s.birimfiyat * s.indirim / 100));
        const double tutar = s.tutar >= 0 ? s.tutar : iki(s.miktar * s.birimfiyat);
        const double indirimTutar = s.indirimTutar >= 0 ? s.indirimTutar : iki(tutar - s.miktar * netBirim);
        const double net = iki(tutar - indirimTutar);
        w.beginRow();
        w.addInt32(s.sec);
        w.addDate(46000);
        w.addInt32(s.sirano);
        w.addInt32(0);
        w.addInt32(s.carino);
        w.addDate(46000);
        w.addInt32(0);
        w.addInt32(s.stokno);
        w.addText(s.barkod);
        w.addText(s.finishkod);
        w.addText(QStringLiteral("0986"));
        w.addText(s.stokadi);
        w.addDouble(s.miktar);
        w.addDouble(s.birimfiyat);
        w.addDouble(tutar);
        w.addDouble(s.indirim);
        w.addDouble(0);
        w.addDouble(0);
        w.addDouble(indirimTutar);
        w.addDouble(netBirim);
        w.addDouble(s.kdv);
        w.addDouble(iki(net * s.kdv / 100));
        w.addDouble(net);
        w.addText(QStringLiteral("TL"));
        w.addDouble(1);
        w.addInt32(7);
        w.addText(QStringLiteral("10:15"));
        w.addInt32(0);
        w.addInt32(0);
        w.addNull();
        w.addInt32(s.sirano);
        w.addInt32(0);
        w.addText(QStringLiteral("BAYİ KULLANICI"));
        w.addText(QStringLiteral("120.01.001"));
        w.addText(QStringLiteral("ÖRNEK OTOMOTİV"));
        for (int i = 0; i < 4; ++i)
            w.addNull();
        w.addInt32(s.stokno);
        w.addText(QStringLiteral("UR1"));
        w.addNull();
        w.addNull();
        w.addText(s.marka);
        w.addText(s.model);
        w.addText(QStringLiteral("FREN"));
        w.addNull();
        w.addNull();
        w.addInt32(1);
        w.addDouble(12);
        w.endRow();
    }
    return w;
}

RowBatchWriter secenekSatirlari(const QList<QPair<int, QString>> &secenekler, const char *idAdi)
{
    RowBatchWriter w({{QLatin1String(idAdi), VT::Int32, 0}, {QStringLiteral("ADI"), VT::Text, 50}});
    for (const auto &[id, metin] : secenekler) {
        w.beginRow();
        w.addInt32(id);
        w.addText(metin);
        w.endRow();
    }
    return w;
}

ParamSpec bilgiParam(const char *ad)
{
    return inParam(ad, VT::Object);
}

bool bilgiVar(const ServerCall &c, int konum)
{
    return c.object<TSonucBilgisi>(konum) != nullptr;
}

QString sayi(double v)
{
    return QString::number(v, 'g', 15);
}

} // namespace

SepetSunucusu::SepetSunucusu() : m_registry(std::make_unique<MethodRegistry>())
{
    m_teslim = {{1, QStringLiteral("Depodan Teslim")}, {2, QStringLiteral("Adrese Teslim")}};
    m_uyari = QStringLiteral("Vadesi geçmiş 1.250,00 TL bakiyeniz bulunmaktadır.");
    kaydet(*m_registry);
    m_server = std::make_unique<ProtocolServer>(*m_registry);
    m_port = m_server->listen(QStringLiteral("127.0.0.1"), 0);
}

SepetSunucusu::~SepetSunucusu()
{
    m_server->stop();
}

void SepetSunucusu::yonlendir(DSConnection &baglanti) const
{
    baglanti.setParam(QStringLiteral("HostName"), QStringLiteral("127.0.0.1"));
    baglanti.setParam(QStringLiteral("Port"), QString::number(m_port));
    baglanti.setTimeouts(2000, 10000);
}

int SepetSunucusu::satirEkle(Satir satir)
{
    std::lock_guard kilit(m_mutex);
    satir.sirano = ++m_sonSirano;
    m_satirlar.append(satir);
    return satir.sirano;
}

void SepetSunucusu::temizle()
{
    std::lock_guard kilit(m_mutex);
    m_satirlar.clear();
    m_siparisler.clear();
    m_cagrilar.clear();
    m_teslim = {{1, QStringLiteral("Depodan Teslim")}, {2, QStringLiteral("Adrese Teslim")}};
    m_ekleSonucu = 1;
}

QList<SepetSunucusu::Satir> SepetSunucusu::sepet(int carino) const
{
    std::lock_guard kilit(m_mutex);
    QList<Satir> liste;
    for (const Satir &s : m_satirlar) {
        if (s.carino == carino)
            liste.append(s);
    }
    return liste;
}

QList<SepetSunucusu::Siparis> SepetSunucusu::siparisler() const
{
    std::lock_guard kilit(m_mutex);
    return m_siparisler;
}

QStringList SepetSunucusu::cagrilar() const
{
    std::lock_guard kilit(m_mutex);
    return m_cagrilar;
}

void SepetSunucusu::cagrilariTemizle()
{
    std::lock_guard kilit(m_mutex);
    m_cagrilar.clear();
}

void SepetSunucusu::teslimSecenekleri(const QList<QPair<int, QString>> &secenekler)
{
    std::lock_guard kilit(m_mutex);
    m_teslim = secenekler;
}

void SepetSunucusu::bakiyeUyarisi(const QString &metin)
{
    std::lock_guard kilit(m_mutex);
    m_uyari = metin;
}

void SepetSunucusu::resimKoy(int stokno, const QByteArray &bayt, qint64 boyFarki)
{
    std::lock_guard kilit(m_mutex);
    m_resimler.insert(stokno, {bayt, boyFarki});
}

void SepetSunucusu::resimKancasi(std::function<void()> kanca)
{
    std::lock_guard kilit(m_mutex);
    m_resimKancasi = std::move(kanca);
}

void SepetSunucusu::sepetEkleSonucu(int sonuc)
{
    std::lock_guard kilit(m_mutex);
    m_ekleSonucu = sonuc;
}

void SepetSunucusu::logla(const QStringList &parcalar)
{
    std::lock_guard kilit(m_mutex);
    m_cagrilar.append(parcalar.join(QLatin1Char('|')));
}

void SepetSunucusu::kaydet(MethodRegistry &r)
{
    r.add(QStringLiteral("SepetVer"), {inParam("carino", VT::Int32)}, VT::ResultSet, [this](ServerCall &c) {
        logla({QStringLiteral("SepetVer"), QString::number(c.int32(0))});
        c.setResultSet(sepetSatirlari(sepet(c.int32(0))));
    });

    const QList<ParamSpec> satirParametreleri = {
        bilgiParam("bilgim"),       inParam("carino", VT::Int32), inParam("stokno", VT::Int32),
        inParam("barkod", VT::Text), inParam("stokadi", VT::Text), inParam("miktar", VT::Double),
        inParam("kdv", VT::Double),  inParam("fiyat", VT::Double), inParam("indirim", VT::Double),
        inParam("verenid", VT::Int32)};
    auto satirLogu = [](const QString &ad, const ServerCall &c) {
        return QStringList{ad,
                           bilgiVar(c, 0) ? QStringLiteral("bilgi") : QStringLiteral("null"),
                           QString::number(c.int32(1)),
                           QString::number(c.int32(2)),
                           c.text(3),
                           c.text(4),
                           sayi(c.real(5)),
                           sayi(c.real(6)),
                           sayi(c.real(7)),
                           sayi(c.real(8)),
                           QString::number(c.int32(9)),
                           QString::number(c.int32(10))};
    };

    r.add(QStringLiteral("SepetEkle"), satirParametreleri + QList<ParamSpec>{inParam("k", VT::Int32)}, VT::Int32,
          [this, satirLogu](ServerCall &c) {
              logla(satirLogu(QStringLiteral("SepetEkle"), c));
              int sonuc = 0;
              {
                  std::lock_guard kilit(m_mutex);
                  sonuc = m_ekleSonucu;
              }
              if (sonuc == 1) {
                  Satir s;
                  s.carino = c.int32(1);
                  s.stokno = c.int32(2);
                  s.barkod = c.text(3);
                  s.stokadi = c.text(4);
                  s.miktar = c.real(5);
                  s.kdv = c.real(6);
                  s.birimfiyat = c.real(7);
                  s.indirim = c.real(8);
                  s.k = c.int32(10);
                  satirEkle(s);
              }
              c.setResult(Value::int32(sonuc));
          });

    r.add(QStringLiteral("SepetGuncelle"),
          satirParametreleri + QList<ParamSpec>{inParam("_sepetsirano", VT::Int32)}, VT::Int32,
          [this, satirLogu](ServerCall &c) {
              logla(satirLogu(QStringLiteral("SepetGuncelle"), c));
              std::lock_guard kilit(m_mutex);
              for (Satir &s : m_satirlar) {
                  if (s.sirano == c.int32(10)) {
                      s.miktar = c.real(5);
                      s.birimfiyat = c.real(7);
                      s.indirim = c.real(8);
                  }
              }
              c.setResult(Value::int32(1));
          });

    r.add(QStringLiteral("SepetSecimGuncelle"), {inParam("sirano", VT::Int32), inParam("secim", VT::Int32)}, VT::Null,
          [this](ServerCall &c) {
              logla({QStringLiteral("SepetSecimGuncelle"), QString::number(c.int32(0)), QString::number(c.int32(1))});
              std::lock_guard kilit(m_mutex);
              for (Satir &s : m_satirlar) {
                  if (s.sirano == c.int32(0))
                      s.sec = c.int32(1);
              }
          });

    r.add(QStringLiteral("SepetSatirSil"),
          {bilgiParam("bilgi"), inParam("satirno", VT::Int32), inParam("aciklamam", VT::Text)}, VT::Int32,
          [this](ServerCall &c) {
              logla({QStringLiteral("SepetSatirSil"), QString::number(c.int32(1)), c.text(2)});
              std::lock_guard kilit(m_mutex);
              m_satirlar.removeIf([&](const Satir &s) { return s.sirano == c.int32(1); });
              c.setResult(Value::int32(1));
          });

    r.add(QStringLiteral("SepetHepsiniSil"), {bilgiParam("bilgi")}, VT::Int32, [this](ServerCall &c) {
        const auto bilgi = c.object<TSonucBilgisi>(0);
        const int cari = bilgi ? bilgi->CARINO : -1;
        logla({QStringLiteral("SepetHepsiniSil"), QString::number(cari)});
        std::lock_guard kilit(m_mutex);
        m_satirlar.removeIf([&](const Satir &s) { return s.carino == cari; });
        c.setResult(Value::int32(1));
    });

    r.add(QStringLiteral("SiparisKaydet"),
          {bilgiParam("BB"), inParam("_carino", VT::Int32), inParam("_teslim", VT::Int32), inParam("_kargo", VT::Int32),
           inParam("_aciklama", VT::Text), inParam("_verenid", VT::Int32), inParam("_kargoyeni", VT::Int32)},
          VT::Bool, [this](ServerCall &c) {
              logla({QStringLiteral("SiparisKaydet"), bilgiVar(c, 0) ? QStringLiteral("bilgi") : QStringLiteral("null"),
                     QString::number(c.int32(1)), QString::number(c.int32(2)), QString::number(c.int32(3)), c.text(4),
                     QString::number(c.int32(5)), QString::number(c.int32(6))});
              std::lock_guard kilit(m_mutex);
              Siparis s{c.int32(1), c.int32(2), c.int32(3), c.int32(5), c.int32(6), c.text(4), {}};
              for (const Satir &satir : std::as_const(m_satirlar)) {
                  if (satir.carino == s.carino && satir.sec == 1)
                      s.satirlar.append(satir);
              }
              const bool var = !s.satirlar.isEmpty();
              if (var) {
                  m_satirlar.removeIf([&](const Satir &x) { return x.carino == s.carino && x.sec == 1; });
                  m_siparisler.append(s);
              }
              c.setResult(Value::boolean(var));
          });

    r.add(QStringLiteral("TeslimVer"), {}, VT::ResultSet, [this](ServerCall &c) {
        logla({QStringLiteral("TeslimVer")});
        QList<QPair<int, QString>> teslim;
        {
            std::lock_guard kilit(m_mutex);
            teslim = m_teslim;
        }
        c.setResultSet(secenekSatirlari(teslim, "ID"));
    });
    r.add(QStringLiteral("KargoVer"), {}, VT::ResultSet, [this](ServerCall &c) {
        logla({QStringLiteral("KargoVer")});
        c.setResultSet(secenekSatirlari({{1, QStringLiteral("Kargo")}, {2, QStringLiteral("Ambar")}}, "ID"));
    });
    r.add(QStringLiteral("KargolarVer"), {inParam("gn", VT::Int32)}, VT::ResultSet, [this](ServerCall &c) {
        logla({QStringLiteral("KargolarVer"), QString::number(c.int32(0))});
        RowBatchWriter w({{QStringLiteral("SIRANO"), VT::Int32, 0},
                          {QStringLiteral("ADI"), VT::Text, 50},
                          {QStringLiteral("UYARI"), VT::Text, 200}});
        const QList<std::tuple<int, QString, QString>> firmalar =
            c.int32(0) == 1 ? QList<std::tuple<int, QString, QString>>{{11, QStringLiteral("ARAS KARGO"),
                                                                        QStringLiteral("Aras: 16.00'dan sonra ertesi gün")},
                                                                       {12, QStringLiteral("YURTİÇİ KARGO"), QString()}}
                            : QList<std::tuple<int, QString, QString>>{
                                  {21, QStringLiteral("ÖZLEM AMBAR"), QStringLiteral("Ambar teslimi 3 gün")}};
        for (const auto &[id, ad, uyari] : firmalar) {
            w.beginRow();
            w.addInt32(id);
            w.addText(ad);
            w.addText(uyari);
            w.endRow();
        }
        c.setResultSet(std::move(w));
    });

    r.add(QStringLiteral("CariVadeGunGecmismiBul"), {inParam("carino", VT::Int32)}, VT::Text, [this](ServerCall &c) {
        logla({QStringLiteral("CariVadeGunGecmismiBul"), QString::number(c.int32(0))});
        std::lock_guard kilit(m_mutex);
        c.setResult(Value::text(m_uyari));
    });

    r.add(QStringLiteral("ResimVer5"), {inParam("stokno", VT::Int32), outParam("boy", VT::Int64)}, VT::Stream,
          [this](ServerCall &c) {
              logla({QStringLiteral("ResimVer5"), QString::number(c.int32(0))});
              std::function<void()> kanca;
              QPair<QByteArray, qint64> resim;
              {
                  std::lock_guard kilit(m_mutex);
                  kanca = m_resimKancasi;
                  resim = m_resimler.value(c.int32(0));
              }
              if (kanca)
                  kanca();
              c.setOut(1, Value::int64(resim.first.size() + resim.second));
              c.setStream(resim.first);
          });
}
