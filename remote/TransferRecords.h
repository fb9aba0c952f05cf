#pragma once

#include "JsonObjectForm.h"

#include <QList>
#include <QString>

#include <memory>

// Objects the client and the order server exchange in the JSON object form. Member names
// and order are the wire contract; the module prefix of each type name is part of it.

class TSiparisDipAyrinti
{
public:
    static constexpr const char *typeName = "baglantiu.TSiparisDipAyrinti";

    QString SizinMesaj;
    QString Durumu;
    QString Veren;
    QString Kargo;
    QString BizimMesaj;
    QString TeslimCinsi;
    QString KargoCinsi;
    QString SaticiNotu;

    void Kopyala(const TSiparisDipAyrinti &source) { *this = source; }
    bool operator==(const TSiparisDipAyrinti &) const = default;

    template<class Self, class Visitor>
    static void visitFields(Self &s, Visitor &&v)
    {
        v("FSizinMesaj", s.SizinMesaj);
        v("FDurumu", s.Durumu);
        v("FVeren", s.Veren);
        v("FKargo", s.Kargo);
        v("FBizimMesaj", s.BizimMesaj);
        v("FTeslimCinsi", s.TeslimCinsi);
        v("FKargoCinsi", s.KargoCinsi);
        v("FSaticiNotu", s.SaticiNotu);
    }
};

class TTusSonuclari
{
public:
    static constexpr const char *typeName = "baglantiu.TTusSonuclari";

    int Alindi = 0;
    int Onaylandi = 0;
    int ParcaliHazirlandi = 0;
    int SevkEdildi = 0;
    int Hazirlandi = 0;
    int Goruldu = 0;

    void Kopyala(const TTusSonuclari &source) { *this = source; }
    bool operator==(const TTusSonuclari &) const = default;

    template<class Self, class Visitor>
    static void visitFields(Self &s, Visitor &&v)
    {
        v("FAlindi", s.Alindi);
        v("FOnaylandi", s.Onaylandi);
        v("FParcaliHazirlandi", s.ParcaliHazirlandi);
        v("FSevkEdildi", s.SevkEdildi);
        v("FHazirlandi", s.Hazirlandi);
        v("FGoruldu", s.Goruldu);
    }
};

class TMobilCariBilgisi
{
public:
    static constexpr const char *typeName = "mobilstokunit.TMobilCariBilgisi";

    QString BILGISAYARID, SEHIR, FAX1, SATICIMAIL, SATICIADI, CARIADI, EMAIL, VERGIDAIRESI, YETKILI, AltGrup,
        TEL2, SIFRE, GSM, TEL1, ADRES2;
    double TLBORC = 0;
    double TLALACAK = 0;
    QString ADRES1, ULKE, AnaGrup;
    int CARINO = 0;
    double TLBAKIYE = 0;
    QString VERGINO, MAIL, OzelKod, KULLANICIADI, SATICITELEFON, CARIKOD, FAX2, ILCE;

    bool operator==(const TMobilCariBilgisi &) const = default;

    template<class Self, class Visitor>
    static void visitFields(Self &s, Visitor &&v)
    {
        v("FBILGISAYARID", s.BILGISAYARID);
        v("FSEHIR", s.SEHIR);
        v("FFAX1", s.FAX1);
        v("FSATICIMAIL", s.SATICIMAIL);
        v("FSATICIADI", s.SATICIADI);
        v("FCARIADI", s.CARIADI);
        v("FEMAIL", s.EMAIL);
        v("FVERGIDAIRESI", s.VERGIDAIRESI);
        v("FYETKILI", s.YETKILI);
        v("FAltGrup", s.AltGrup);
        v("FTEL2", s.TEL2);
        v("FSIFRE", s.SIFRE);
        v("FGSM", s.GSM);
        v("FTEL1", s.TEL1);
        v("FADRES2", s.ADRES2);
        v("FTLBORC", s.TLBORC);
        v("FTLALACAK", s.TLALACAK);
        v("FADRES1", s.ADRES1);
        v("FULKE", s.ULKE);
        v("FAnaGrup", s.AnaGrup);
        v("FCARINO", s.CARINO);
        v("FTLBAKIYE", s.TLBAKIYE);
        v("FVERGINO", s.VERGINO);
        v("FMAIL", s.MAIL);
        v("FOzelKod", s.OzelKod);
        v("FKULLANICIADI", s.KULLANICIADI);
        v("FSATICITELEFON", s.SATICITELEFON);
        v("FCARIKOD", s.CARIKOD);
        v("FFAX2", s.FAX2);
        v("FILCE", s.ILCE);
    }
};

class TAcilisEkran
{
public:
    static constexpr const char *typeName = "mobilstokunit.TAcilisEkran";

    int SiraNo = 0;
    QString Resim; // picture bytes as hexadecimal text
    QString Baslik;
    QString Arama;

    bool operator==(const TAcilisEkran &) const = default;

    template<class Self, class Visitor>
    static void visitFields(Self &s, Visitor &&v)
    {
        v("FSiraNo", s.SiraNo);
        v("FResim", s.Resim);
        v("FBaslik", s.Baslik);
        v("FArama", s.Arama);
    }
};

class TAcilisEkranlariki
{
public:
    static constexpr const char *typeName = "mobilstokunit.TAcilisEkranlariki";

    QList<std::shared_ptr<TAcilisEkran>> Ekranlar;

    template<class Self, class Visitor>
    static void visitFields(Self &s, Visitor &&v)
    {
        v("FEkranlar", s.Ekranlar);
    }
};

class TMobilStok
{
public:
    static constexpr const char *typeName = "mobilstokunit.TMobilStok";

    int StokNo = 0, ResimVar = 0;
    QString Resim;
    int Yeni = 0;
    QString Departman;
    double VerilenSiparis = 0;
    QString AltGrup;
    int Durum = 0;
    QString Renk, Birim = QStringLiteral("ADET");
    double KDV = 20, AlinanSiparis = 0, Isk2 = 0;
    QString AnaGrup, Kod;
    double Isk3 = 0, ListeFiyati = 0;
    QString Beden;
    double NetFiyat = 0, Isk1 = 0, KDVliFiyat = 0, Isk4 = 0;
    QString OzelKod;
    int Kampnayali = 0;
    QString Barkod;
    double IndirimOran = 0, Kalan = 0;
    QString UreticiKod;
    double KampanyaliFiyat = 0;
    QString OemNo;
    int BarkodNo = 0;
    QString PKod, DpKod, Adi;
    double Fiyat = 0;

    template<class Self, class Visitor>
    static void visitFields(Self &s, Visitor &&v)
    {
        v("FStokNo", s.StokNo);
        v("FResimVar", s.ResimVar);
        v("FResim", s.Resim);
        v("FYeni", s.Yeni);
        v("FDepartman", s.Departman);
        v("FVerilenSiparis", s.VerilenSiparis);
        v("FAltGrup", s.AltGrup);
        v("FDurum", s.Durum);
        v("FRenk", s.Renk);
        v("FBirim", s.Birim);
        v("FKDV", s.KDV);
        v("FAlinanSiparis", s.AlinanSiparis);
        v("FIsk2", s.Isk2);
        v("FAnaGrup", s.AnaGrup);
        v("FKod", s.Kod);
        v("FIsk3", s.Isk3);
        v("FListeFiyati", s.ListeFiyati);
        v("FBeden", s.Beden);
        v("FNetFiyat", s.NetFiyat);
        v("FIsk1", s.Isk1);
        v("FKDVliFiyat", s.KDVliFiyat);
        v("FIsk4", s.Isk4);
        v("FOzelKod", s.OzelKod);
        v("FKampnayali", s.Kampnayali);
        v("FBarkod", s.Barkod);
        v("FIndirimOran", s.IndirimOran);
        v("FKalan", s.Kalan);
        v("FUreticiKod", s.UreticiKod);
        v("FKampanyaliFiyat", s.KampanyaliFiyat);
        v("FOemNo", s.OemNo);
        v("FBarkodNo", s.BarkodNo);
        v("FPKod", s.PKod);
        v("FDpKod", s.DpKod);
        v("FAdi", s.Adi);
        v("FFiyat", s.Fiyat);
    }
};

class TMobilSepet
{
public:
    static constexpr const char *typeName = "mobilstokunit.TMobilSepet";

    int KARGOID = 0, StokNo = 0;
    DayCount TARIH;
    int SIRANO = 0;
    QString CARIADI;
    DayCount VERILISTARIHI;
    int Durum = 0;
    double MIKTAR = 0;
    int VERENIDNO = 0;
    double NETTUTAR = 0, KDVLITUTAR = 0, KDV = 0;
    int AKTAR = 0;
    QString SAAT;
    double VERGITUTARI = 0;
    QString PKod, MODEL;
    double INDIRIMTUTAR = 0;
    int STOK_STOKNO = 0;
    double BIRIMFIYAT = 0;
    int SEC = 0;
    QString OEM2, OEM3, AnaGrup, MARKA, VEREN, STOKADI, OEM1;
    int CARINO = 0, VERENSIRANO = 0, ACIKLAMA = 0;
    double INDIRIMORANI2 = 0;
    QString OEM4, KUR;
    double INDIRIMORANI3 = 0;
    int SIPARISNO = 0;
    double IDNO = 0;
    QString OzelKod, DpKod;
    double KURTL = 0, INDIRIMORANI1 = 0;
    QString DIGERADI, Barkod;
    double TUTAR = 0;
    QString URETICIKODU;
    double Kalan = 0;
    QString FINISHKOD, CARIKOD;
    double NETBIRIMFIYAT = 0;
    QString OemNo;
    int TESLIMID = 0, ResimVar = 0;
    QString Resim;

    template<class Self, class Visitor>
    static void visitFields(Self &s, Visitor &&v)
    {
        v("FKARGOID", s.KARGOID);
        v("FStokNo", s.StokNo);
        v("FTARIH", s.TARIH);
        v("FSIRANO", s.SIRANO);
        v("FCARIADI", s.CARIADI);
        v("FVERILISTARIHI", s.VERILISTARIHI);
        v("FDurum", s.Durum);
        v("FMIKTAR", s.MIKTAR);
        v("FVERENIDNO", s.VERENIDNO);
        v("FNETTUTAR", s.NETTUTAR);
        v("FKDVLITUTAR", s.KDVLITUTAR);
        v("FKDV", s.KDV);
        v("FAKTAR", s.AKTAR);
        v("FSAAT", s.SAAT);
        v("FVERGITUTARI", s.VERGITUTARI);
        v("FPKod", s.PKod);
        v("FMODEL", s.MODEL);
        v("FINDIRIMTUTAR", s.INDIRIMTUTAR);
        v("FSTOK_STOKNO", s.STOK_STOKNO);
        v("FBIRIMFIYAT", s.BIRIMFIYAT);
        v("FSEC", s.SEC);
        v("FOEM2", s.OEM2);
        v("FOEM3", s.OEM3);
        v("FAnaGrup", s.AnaGrup);
        v("FMARKA", s.MARKA);
        v("FVEREN", s.VEREN);
        v("FSTOKADI", s.STOKADI);
        v("FOEM1", s.OEM1);
        v("FCARINO", s.CARINO);
        v("FVERENSIRANO", s.VERENSIRANO);
        v("FACIKLAMA", s.ACIKLAMA);
        v("FINDIRIMORANI2", s.INDIRIMORANI2);
        v("FOEM4", s.OEM4);
        v("FKUR", s.KUR);
        v("FINDIRIMORANI3", s.INDIRIMORANI3);
        v("FSIPARISNO", s.SIPARISNO);
        v("FIDNO", s.IDNO);
        v("FOzelKod", s.OzelKod);
        v("FDpKod", s.DpKod);
        v("FKURTL", s.KURTL);
        v("FINDIRIMORANI1", s.INDIRIMORANI1);
        v("FDIGERADI", s.DIGERADI);
        v("FBarkod", s.Barkod);
        v("FTUTAR", s.TUTAR);
        v("FURETICIKODU", s.URETICIKODU);
        v("FKalan", s.Kalan);
        v("FFINISHKOD", s.FINISHKOD);
        v("FCARIKOD", s.CARIKOD);
        v("FNETBIRIMFIYAT", s.NETBIRIMFIYAT);
        v("FOemNo", s.OemNo);
        v("FTESLIMID", s.TESLIMID);
        v("FResimVar", s.ResimVar);
        v("FResim", s.Resim);
    }
};

// Decodes the hexadecimal picture text of an opening screen into the picture file's bytes:
// two characters per byte; a single last character of an odd-length text is a byte of its own.
QByteArray HexCoz(const QString &hex);
