#pragma once

#include "remote/MemTable.h"

#include <QList>
#include <QString>

#include <optional>

class DSConnection;
class TSonucBilgisi;

// The remote calls of the basket tab. Each runs off the UI thread on its own copy of the main
// connection (the window waits, drawn, without taking input), shows the connection message
// when the check fails, and hands a fresh copy of the login record to every call that takes
// one. An error raised by the server reaches the caller, except where noted.
class SepetServisi
{
public:
    struct Secenek
    {
        int id = 0;
        QString metin;
    };
    struct TeslimKargo
    {
        QList<Secenek> teslim;
        QList<Secenek> kargo;
    };

    SepetServisi(DSConnection &bagc, TSonucBilgisi &sbilgi);

    // nullopt: the connection check failed.
    std::optional<MemTable> SepetVer() const;
    std::optional<TeslimKargo> TeslimKargoVer() const;
    std::optional<MemTable> KargolarVer(int kargoTuru) const;
    // False when the check failed or the call raised; nobody looks at it.
    bool SecimKaydet(int sirano, int secim) const;
    bool SatirSil(int sirano, const QString &aciklama) const;
    bool HepsiniSil() const;
    // False when the check failed or the server did not store the order.
    bool SiparisKaydet(int teslim, int kargo, const QString &aciklama, int kargoFirmasi) const;

    // For the balance-warning worker: what it needs, taken on the UI thread.
    const DSConnection &baglanti() const { return m_bagc; }
    int carino() const;

private:
    DSConnection &m_bagc;
    TSonucBilgisi &m_sbilgi;
};
