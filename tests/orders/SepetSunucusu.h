#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

class DSConnection;
class MethodRegistry;
class ProtocolServer;

// A small order server for the basket and the add-to-basket dialog, over real loopback TCP:
// one basket per customer, stored orders, delivery and cargo choices, the balance warning and
// stock pictures. Every call is logged with its arguments so tests can read what was sent.
class SepetSunucusu
{
public:
    struct Satir
    {
        int sirano = 0;
        int carino = 0;
        int stokno = 0;
        QString barkod, stokadi, finishkod = QStringLiteral("FK-1"), marka = QStringLiteral("BOSCAR"),
                        model = QStringLiteral("DOBLO");
        double miktar = 1, birimfiyat = 0, indirim = 0, kdv = 20;
        int sec = 0;
        int k = 0;
        // Set only to make TUTAR and INDIRIMTUTAR what a test needs; otherwise worked out.
        double tutar = -1, indirimTutar = -1;
    };
    struct Siparis
    {
        int carino = 0, teslim = 0, kargo = 0, verenid = 0, kargoFirmasi = 0;
        QString aciklama;
        QList<Satir> satirlar;
    };

    SepetSunucusu();
    ~SepetSunucusu();

    quint16 port() const { return m_port; }
    // Points a connection at this server with short time-outs.
    void yonlendir(DSConnection &baglanti) const;

    int satirEkle(Satir satir); // returns its SIRANO
    void temizle(); // no lines, no orders, no log, default choices
    QList<Satir> sepet(int carino) const;
    QList<Siparis> siparisler() const;
    QStringList cagrilar() const; // "Method|arg|arg..." in call order
    void cagrilariTemizle();

    void teslimSecenekleri(const QList<QPair<int, QString>> &secenekler);
    void bakiyeUyarisi(const QString &metin);
    // A picture for a stock; boyFarki makes the announced size differ from the bytes sent.
    void resimKoy(int stokno, const QByteArray &bayt, qint64 boyFarki = 0);
    // Runs inside ResimVer5 before it answers (tests block it to catch the task mid-way).
    void resimKancasi(std::function<void()> kanca);
    void sepetEkleSonucu(int sonuc);

private:
    void kaydet(MethodRegistry &r);
    void logla(const QStringList &parcalar);

    std::unique_ptr<MethodRegistry> m_registry;
    std::unique_ptr<ProtocolServer> m_server;
    quint16 m_port = 0;

    mutable std::mutex m_mutex;
    QList<Satir> m_satirlar;
    QList<Siparis> m_siparisler;
    QStringList m_cagrilar;
    QList<QPair<int, QString>> m_teslim;
    QString m_uyari;
    QMap<int, QPair<QByteArray, qint64>> m_resimler;
    std::function<void()> m_resimKancasi;
    int m_ekleSonucu = 1;
    int m_sonSirano = 100;
};
