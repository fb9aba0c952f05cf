#include "TServerMethods1Client.h"

#include "DSException.h"

namespace {
const QDate dayZero(1899, 12, 30);

const Value &returnValue(const ServerMethodCommand &c)
{
    if (c.parameters().isEmpty() || c.parameters().constLast().direction != ParamDirection::Return)
        throw DSException(QStringLiteral("%1 returns no value").arg(c.text()));
    return c.output(int(c.parameters().size()) - 1);
}

ResultSetReader *resultSetOf(const ServerMethodCommand &c)
{
    if (!c.resultSet())
        throw DSException(QStringLiteral("%1 returned no result set").arg(c.text()));
    return c.resultSet();
}
} // namespace

double toDayCount(const QDate &date)
{
    return double(dayZero.daysTo(date));
}

QDate fromDayCount(double days)
{
    return dayZero.addDays(qint64(days));
}

TServerMethods1Client::TServerMethods1Client(DSConnection &connection) : m_connection(connection)
{
    m_connection.channel(); // raises the framework's error on a closed connection
}

TServerMethods1Client::~TServerMethods1Client() = default;

ServerMethodCommand &TServerMethods1Client::command(const QString &method)
{
    auto &slot = m_commands[method];
    if (!slot) {
        auto command = std::make_unique<ServerMethodCommand>(m_connection, QStringLiteral("TServerMethods1.") + method);
        command->prepare();
        slot = std::move(command);
    }
    return *slot;
}

Value TServerMethods1Client::toValue(const QDate &v)
{
    return Value::date(toDayCount(v));
}

Value TServerMethods1Client::toValue(Bilgi v)
{
    if (!v)
        return {};
    return Value::object(toJsonObjectForm(*v)); // the argument dies here: calls consume it
}

template<class... A>
ServerMethodCommand &TServerMethods1Client::run(const char *method, A &&...args)
{
    ServerMethodCommand &c = command(QLatin1String(method));
    int position = 0;
    (c.setParameter(position++, toValue(std::forward<A>(args))), ...);
    c.execute();
    position = 0;
    (readBack(c, position++, args), ...);
    return c;
}

template<class R>
R *TServerMethods1Client::object(ServerMethodCommand &c)
{
    const Value &v = returnValue(c);
    std::shared_ptr<R> record = fromJsonObjectForm<R>(v.isNull() ? QByteArray() : v.json());
    if (!record)
        return nullptr;
    m_ownedObjects.push_back(record);
    return record.get();
}

QString TServerMethods1Client::EchoString(const QString &Value)
{
    return returnValue(run("EchoString", Value)).toText();
}

QString TServerMethods1Client::ReverseString(const QString &Value)
{
    return returnValue(run("ReverseString", Value)).toText();
}

TSonucBilgisi *TServerMethods1Client::BuyukGetir(const QString &idsi)
{
    return object<TSonucBilgisi>(run("BuyukGetir", idsi));
}

void TServerMethods1Client::CikisGonder(Bilgi bilgi)
{
    run("CikisGonder", std::move(bilgi));
}

TMobilCariBilgisi *TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString &_idsi)
{
    return object<TMobilCariBilgisi>(run("MobilCariBilgisiGetir", sirano, _idsi));
}

QString TServerMethods1Client::CariDurumVer(int carino)
{
    return returnValue(run("CariDurumVer", carino)).toText();
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino)
{
    return returnValue(run("CariVadeGunGecmismiBul", carino)).toText();
}

ResultSetReader *TServerMethods1Client::CariAra(Bilgi bil, const QString &aranan)
{
    return resultSetOf(run("CariAra", std::move(bil), aranan));
}

ResultSetReader *TServerMethods1Client::StokAraKorven(const QString &kod, Bilgi bilgi)
{
    return resultSetOf(run("StokAraKorven", kod, std::move(bilgi)));
}

ResultSetReader *TServerMethods1Client::YenilerVer(int carino)
{
    return resultSetOf(run("YenilerVer", carino));
}

ResultSetReader *TServerMethods1Client::KampanyaliVer(int cario, int satici)
{
    return resultSetOf(run("KampanyaliVer", cario, satici));
}

RemoteStream *TServerMethods1Client::ResimVer5(int stokno, qint64 &boy)
{
    return run("ResimVer5", stokno, out(boy)).stream();
}

ResultSetReader *TServerMethods1Client::SepetVer(int carino)
{
    return resultSetOf(run("SepetVer", carino));
}

int TServerMethods1Client::SepetEkle(Bilgi bilgim, int carino, int stokno, const QString &barkod,
                                     const QString &stokadi, double miktar, double kdv, double fiyat, double indirim,
                                     int verenid, int k)
{
    return returnValue(run("SepetEkle", std::move(bilgim), carino, stokno, barkod, stokadi, miktar, kdv, fiyat, indirim,
                           verenid, k))
        .toInt32();
}

int TServerMethods1Client::SepetGuncelle(Bilgi bilgim, int carino, int stokno, const QString &barkod,
                                         const QString &stokadi, double miktar, double kdv, double fiyat,
                                         double indirim, int verenid, int _sepetsirano)
{
    return returnValue(run("SepetGuncelle", std::move(bilgim), carino, stokno, barkod, stokadi, miktar, kdv, fiyat,
                           indirim, verenid, _sepetsirano))
        .toInt32();
}

int TServerMethods1Client::SepetHepsiniSil(Bilgi bilgi)
{
    return returnValue(run("SepetHepsiniSil", std::move(bilgi))).toInt32();
}

int TServerMethods1Client::SepetSatirSil(Bilgi bilgi, int satirno, const QString &aciklamam)
{
    return returnValue(run("SepetSatirSil", std::move(bilgi), satirno, aciklamam)).toInt32();
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    run("SepetSecimGuncelle", sirano, secim);
}

int TServerMethods1Client::SepetSayisi(Bilgi bil)
{
    return returnValue(run("SepetSayisi", std::move(bil))).toInt32();
}

ResultSetReader *TServerMethods1Client::CariSepetVer(Bilgi bil, int n)
{
    return resultSetOf(run("CariSepetVer", std::move(bil), n));
}

bool TServerMethods1Client::SiparisKaydet(Bilgi BB, int _carino, int _teslim, int _kargo, const QString &_aciklama,
                                          int _verenid, int _kargoyeni)
{
    return returnValue(run("SiparisKaydet", std::move(BB), _carino, _teslim, _kargo, _aciklama, _verenid, _kargoyeni))
        .toBool();
}

ResultSetReader *TServerMethods1Client::TeslimVer()
{
    return resultSetOf(run("TeslimVer"));
}

ResultSetReader *TServerMethods1Client::KargoVer()
{
    return resultSetOf(run("KargoVer"));
}

ResultSetReader *TServerMethods1Client::KargolarVer(int gn)
{
    return resultSetOf(run("KargolarVer", gn));
}

ResultSetReader *TServerMethods1Client::OncekiSiparisler2(int carino)
{
    return resultSetOf(run("OncekiSiparisler2", carino));
}

ResultSetReader *TServerMethods1Client::SiparisAyrintisi(int carino, int idnosu)
{
    return resultSetOf(run("SiparisAyrintisi", carino, idnosu));
}

TSiparisDipAyrinti *TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    return object<TSiparisDipAyrinti>(run("SiparisAytintisiDip", carino, siranosu));
}

ResultSetReader *TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    return resultSetOf(run("TumSiparislerVer", carino, stokno));
}

TTusSonuclari *TServerMethods1Client::TusSonuclariVer(Bilgi bil)
{
    return object<TTusSonuclari>(run("TusSonuclariVer", std::move(bil)));
}

ResultSetReader *TServerMethods1Client::BakiyelerVer(int carino)
{
    return resultSetOf(run("BakiyelerVer", carino));
}

int TServerMethods1Client::BakiyeDuzenle(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                         double Bakiye, const QString &barkod)
{
    return returnValue(run("BakiyeDuzenle", std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod))
        .toInt32();
}

int TServerMethods1Client::BakiyeDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                          double Bakiye, const QString &barkod)
{
    return returnValue(run("BakiyeDegistir", std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye, barkod))
        .toInt32();
}

int TServerMethods1Client::BakiyeFiyatDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet,
                                               double Bakiye, const QString &barkod, double fiyat, double ind)
{
    return returnValue(run("BakiyeFiyatDegistir", std::move(k), stokno, sepetsirano, siparissirano, Adet, Bakiye,
                           barkod, fiyat, ind))
        .toInt32();
}

ResultSetReader *TServerMethods1Client::CariEkstreVer(int carino)
{
    return resultSetOf(run("CariEkstreVer", carino));
}

ResultSetReader *TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    return resultSetOf(run("FaturaGetir", carino, idnosu));
}

ResultSetReader *TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    return resultSetOf(run("FaturaAltGetir", idnosu));
}

ResultSetReader *TServerMethods1Client::Tahsilat(int idnosu)
{
    return resultSetOf(run("Tahsilat", idnosu));
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu)
{
    return returnValue(run("SanalposSiranoVer", idnosu)).toInt32();
}

RemoteStream *TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64 &boy)
{
    return run("SAnalPosPdfVer", sirano, out(boy)).stream();
}

ResultSetReader *TServerMethods1Client::DosyaListesi()
{
    return resultSetOf(run("DosyaListesi"));
}

RemoteStream *TServerMethods1Client::BelgeIndir2(int sirano, qint64 &size, QString &adi, Bilgi bilgi)
{
    return run("BelgeIndir2", sirano, out(size), out(adi), std::move(bilgi)).stream();
}

QString TServerMethods1Client::KayanYaziGetir()
{
    return returnValue(run("KayanYaziGetir")).toText();
}

RemoteStream *TServerMethods1Client::BannerResimVer(qint64 &size)
{
    return run("BannerResimVer", out(size)).stream();
}

ResultSetReader *TServerMethods1Client::BalonGetir(Bilgi bil)
{
    return resultSetOf(run("BalonGetir", std::move(bil)));
}

int TServerMethods1Client::AcilisReklamAdet()
{
    return returnValue(run("AcilisReklamAdet")).toInt32();
}

TAcilisEkran *TServerMethods1Client::AcilisREklamVer(int sira)
{
    return object<TAcilisEkran>(run("AcilisREklamVer", sira));
}

TAcilisEkranlariki *TServerMethods1Client::AcilisEkranlarVer2()
{
    return object<TAcilisEkranlariki>(run("AcilisEkranlarVer2"));
}

int TServerMethods1Client::MailGonserCari(const CariMailAlanlari &a)
{
    return returnValue(run("MailGonserCari", a.idsi, a.baslik, a.firmaadi, a.adres1, a.adres2, a.ilce, a.sehir,
                           a.telefon, a.fax, a.vd, a.vn, a.yetkili, a.kullaniciadi, a.sifre, a.mail, a.kargoambar))
        .toInt32();
}

int TServerMethods1Client::MailGonserCariNormal(const CariMailAlanlari &a, const QString &konu)
{
    return returnValue(run("MailGonserCariNormal", a.idsi, a.baslik, a.firmaadi, a.adres1, a.adres2, a.ilce, a.sehir,
                           a.telefon, a.fax, a.vd, a.vn, a.yetkili, a.kullaniciadi, a.sifre, a.mail, a.kargoambar,
                           konu))
        .toInt32();
}

RemoteStream *TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino,
                                                const QString &saticiadi, const QDate &tarih1, const QDate &tarih2,
                                                qint64 &size)
{
    return run("RaporGetir", raporno, bolum, idno, carino, saticiadi, tarih1, tarih2, out(size)).stream();
}
