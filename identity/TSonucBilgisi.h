#pragma once

#include <QString>

// The login record: who signs in, for which customer account, from which workstation.
// It travels with most remote calls in the JSON object form, whose member names and order are
// the field list of visitFields(); the order below is the declaration order the server expects.
class TSonucBilgisi
{
public:
    static constexpr const char *typeName = "baglantiu.TSonucBilgisi";

    QString BILGISAYARID;
    QString SaticiMail;
    int Sirano = 0;
    QString CariAdi;
    QString SIFRE;
    int SaticiNo = 0;
    int CARINO = 0;
    int AKTIF = 0;
    QString Kullanicimail;
    QString ADI;
    QString SaticiTelefon;
    QString carikod;
    bool Varmi = false;
    QString SaticiAdi;
    QString BilgiSayarAdi;
    QString Disip;
    QString Icip;
    QString BilgisayarKullanici;
    int MusteriTipi = 1;
    int Version = 1;

    void Kopyala(const TSonucBilgisi &source) { *this = source; }

    bool operator==(const TSonucBilgisi &) const = default;

    // Calls visitor(wireName, field) for every field in declaration order.
    template<class Self, class Visitor>
    static void visitFields(Self &self, Visitor &&visit)
    {
        visit("FBILGISAYARID", self.BILGISAYARID);
        visit("FSaticiMail", self.SaticiMail);
        visit("FSirano", self.Sirano);
        visit("FCariAdi", self.CariAdi);
        visit("FSIFRE", self.SIFRE);
        visit("FSaticiNo", self.SaticiNo);
        visit("FCARINO", self.CARINO);
        visit("FAKTIF", self.AKTIF);
        visit("FKullanicimail", self.Kullanicimail);
        visit("FADI", self.ADI);
        visit("FSaticiTelefon", self.SaticiTelefon);
        visit("Fcarikod", self.carikod);
        visit("FVarmi", self.Varmi);
        visit("FSaticiAdi", self.SaticiAdi);
        visit("FBilgiSayarAdi", self.BilgiSayarAdi);
        visit("FDisip", self.Disip);
        visit("FIcip", self.Icip);
        visit("FBilgisayarKullanici", self.BilgisayarKullanici);
        visit("FMusteriTipi", self.MusteriTipi);
        visit("FVersion", self.Version);
    }
};
