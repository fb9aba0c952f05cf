#pragma once

#include "DSConnection.h"
#include "JsonObjectForm.h"
#include "ServerMethodCommand.h"
#include "TransferRecords.h"
#include "identity/TSonucBilgisi.h"

#include <QDate>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class RemoteStream;
class ResultSetReader;

// The client proxy of the server class TServerMethods1. Every method prepares its command
// once per proxy ("TServerMethods1." + name), sends its parameters by position, and returns
// the result. Login-record arguments are consumed; result sets, streams and objects stay owned
// by the proxy until it is destroyed, so callers copy them first.
class TServerMethods1Client
{
public:
    using Bilgi = std::unique_ptr<TSonucBilgisi>;

    // Throws the framework's "Connection cannot be nil..." error on a closed connection.
    explicit TServerMethods1Client(DSConnection &connection);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client &) = delete;
    TServerMethods1Client &operator=(const TServerMethods1Client &) = delete;

    // Framework and test methods
    QString EchoString(const QString &Value);
    QString ReverseString(const QString &Value);

    // Sign-in, account and general information
    TSonucBilgisi *BuyukGetir(const QString &idsi);
    void CikisGonder(Bilgi bilgi);
    TMobilCariBilgisi *MobilCariBilgisiGetir(int sirano, const QString &_idsi);
    QString CariDurumVer(int carino);
    QString CariVadeGunGecmismiBul(int carino);
    ResultSetReader *CariAra(Bilgi bil, const QString &aranan);

    // Stock
    ResultSetReader *StokAraKorven(const QString &kod, Bilgi bilgi);
    ResultSetReader *YenilerVer(int carino);
    ResultSetReader *KampanyaliVer(int cario, int satici);
    RemoteStream *ResimVer5(int stokno, qint64 &boy);

    // Basket
    ResultSetReader *SepetVer(int carino);
    int SepetEkle(Bilgi bilgim, int carino, int stokno, const QString &barkod, const QString &stokadi, double miktar,
                  double kdv, double fiyat, double indirim, int verenid, int k);
    int SepetGuncelle(Bilgi bilgim, int carino, int stokno, const QString &barkod, const QString &stokadi,
                      double miktar, double kdv, double fiyat, double indirim, int verenid, int _sepetsirano);
    int SepetHepsiniSil(Bilgi bilgi);
    int SepetSatirSil(Bilgi bilgi, int satirno, const QString &aciklamam);
    void SepetSecimGuncelle(int sirano, int secim);
    int SepetSayisi(Bilgi bil);
    ResultSetReader *CariSepetVer(Bilgi bil, int n);

    // Orders
    bool SiparisKaydet(Bilgi BB, int _carino, int _teslim, int _kargo, const QString &_aciklama, int _verenid,
                       int _kargoyeni);
    ResultSetReader *TeslimVer();
    ResultSetReader *KargoVer();
    ResultSetReader *KargolarVer(int gn);
    ResultSetReader *OncekiSiparisler2(int carino);
    ResultSetReader *SiparisAyrintisi(int carino, int idnosu);
    TSiparisDipAyrinti *SiparisAytintisiDip(int carino, int siranosu);
    ResultSetReader *TumSiparislerVer(int carino, int stokno);
    TTusSonuclari *TusSonuclariVer(Bilgi bil);

    // Open-order balances
    ResultSetReader *BakiyelerVer(int carino);
    int BakiyeDuzenle(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                      const QString &barkod);
    int BakiyeDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                       const QString &barkod);
    int BakiyeFiyatDegistir(Bilgi k, int stokno, int sepetsirano, int siparissirano, double Adet, double Bakiye,
                            const QString &barkod, double fiyat, double ind);

    // Account statement, invoices, collections, virtual-POS receipts
    ResultSetReader *CariEkstreVer(int carino);
    ResultSetReader *FaturaGetir(int carino, int idnosu);
    ResultSetReader *FaturaAltGetir(int idnosu);
    ResultSetReader *Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    RemoteStream *SAnalPosPdfVer(int sirano, qint64 &boy);

    // Files and documents
    ResultSetReader *DosyaListesi();
    RemoteStream *BelgeIndir2(int sirano, qint64 &size, QString &adi, Bilgi bilgi);

    // Notices and opening screens
    QString KayanYaziGetir();
    RemoteStream *BannerResimVer(qint64 &size);
    ResultSetReader *BalonGetir(Bilgi bil);
    int AcilisReklamAdet();
    TAcilisEkran *AcilisREklamVer(int sira);
    TAcilisEkranlariki *AcilisEkranlarVer2();

    // Mail
    struct CariMailAlanlari
    {
        QString idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi,
            sifre, mail, kargoambar;
    };
    int MailGonserCari(const CariMailAlanlari &a);
    int MailGonserCariNormal(const CariMailAlanlari &a, const QString &konu);

    // Reports
    RemoteStream *RaporGetir(int raporno, int bolum, int idno, int carino, const QString &saticiadi,
                             const QDate &tarih1, const QDate &tarih2, qint64 &size);

    // The command of a method, created and prepared on first use.
    ServerMethodCommand &command(const QString &method);

private:
    template<class T>
    struct Out
    {
        T &target;
    };
    template<class T>
    static Out<T> out(T &target)
    {
        return {target};
    }

    template<class... A>
    ServerMethodCommand &run(const char *method, A &&...args);
    template<class R>
    R *object(ServerMethodCommand &command);

    static Value toValue(const QString &v) { return Value::text(v); }
    static Value toValue(int v) { return Value::int32(v); }
    static Value toValue(double v) { return Value::real(v); }
    static Value toValue(bool v) { return Value::boolean(v); }
    static Value toValue(const QDate &v);
    static Value toValue(Bilgi v);
    template<class T>
    static Value toValue(const Out<T> &)
    {
        return {};
    }

    template<class T>
    static void readBack(const ServerMethodCommand &, int, const T &)
    {
    }
    static void readBack(const ServerMethodCommand &c, int pos, const Out<qint64> &o) { o.target = c.output(pos).toInt64(); }
    static void readBack(const ServerMethodCommand &c, int pos, const Out<QString> &o) { o.target = c.output(pos).toText(); }

    DSConnection &m_connection;
    std::map<QString, std::unique_ptr<ServerMethodCommand>> m_commands;
    std::vector<std::shared_ptr<void>> m_ownedObjects;
};

// Days since 30 December 1899, the date form of the wire.
double toDayCount(const QDate &date);
QDate fromDayCount(double days);
