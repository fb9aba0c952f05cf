#pragma once

#include <QString>

// What the login window remembers between runs.
struct GirisAyarlari
{
    QString isim;
    QString sifre;
    bool hatirla = true;
};

// The per-user settings file "ayar.ini": section "kullanici" with "isim", "sifre" and
// "hatırla" ("1" or "0"). The password is kept as typed because the login window fills it in
// again at the next start; the file is therefore readable by its owner only, and it is
// replaced in one step so a crash never leaves half a file.
class AyarDosyasi
{
public:
    // The file in the settings folder.
    AyarDosyasi();
    explicit AyarDosyasi(QString yol);

    const QString &yol() const { return m_yol; }
    bool varMi() const;
    // Missing keys give their defaults: empty texts, "hatırla" true (also for a value that is
    // not a number).
    GirisAyarlari oku() const;
    // Writes all three keys, keeping anything else the file holds. False with a reason on failure.
    bool kaydet(const GirisAyarlari &ayarlar, QString *hata = nullptr) const;

    static QString varsayilanYol();

private:
    QString m_yol;
};
