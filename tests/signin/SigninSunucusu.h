#pragma once

#include "MethodRegistry.h"
#include "ProtocolServer.h"
#include "TransferRecords.h"
#include "identity/TSonucBilgisi.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

#include <memory>
#include <mutex>
#include <optional>

// The order-server methods the sign-in windows call, answering from a small fixed data set
// and recording what they were sent. Runs on loopback on a port of its own.
class SigninSunucusu
{
public:
    struct Cagri
    {
        QString yontem;
        QVariantList degerler; // the scalar arguments in order
        std::optional<TSonucBilgisi> bilgi; // the login-record argument, if any
    };

    SigninSunucusu();
    ~SigninSunucusu();

    quint16 port() const { return m_port; }

    // What BuyukGetir answers (nothing: a null object).
    void setGirisKaydi(std::optional<TSonucBilgisi> kayit);
    void setSepetSayisi(int sayi);
    void setTusSonuclari(const TTusSonuclari &sayilar);
    void setMobilCari(const TMobilCariBilgisi &cari);

    QList<Cagri> cagrilar(const QString &yontem) const;
    int sayi(const QString &yontem) const { return int(cagrilar(yontem).size()); }
    void temizle();

    // The customers of the fixture: number, code, name and the state codes they are listed under.
    struct Cari
    {
        int carino;
        QString kod;
        QString ad;
        QList<int> durumlar;
    };
    static QList<Cari> cariler();

private:
    void kaydet(Cagri cagri);
    void yontemleriEkle();

    MethodRegistry m_registry;
    std::unique_ptr<ProtocolServer> m_server;
    quint16 m_port = 0;

    mutable std::mutex m_mutex;
    std::optional<TSonucBilgisi> m_girisKaydi;
    int m_sepetSayisi = 0;
    TTusSonuclari m_tusSonuclari;
    TMobilCariBilgisi m_mobilCari;
    QList<Cagri> m_cagrilar;
};

// The PDF bytes RaporGetir answers for a report number.
QByteArray fixtureRaporu(int raporno);
