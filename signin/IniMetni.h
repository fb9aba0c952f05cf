#pragma once

#include <QString>
#include <QStringList>

// The text of an INI file, edited in place: reading a key, and setting one while every other
// line (other sections, keys, comments) stays as it was. Sections and keys are matched without
// regard to case, as the profile functions that wrote the original files did.
class IniMetni
{
public:
    IniMetni() = default;
    explicit IniMetni(const QString &metin);

    bool varMi(const QString &bolum, const QString &anahtar) const;
    // The value with surrounding blanks and one pair of double quotes removed.
    QString deger(const QString &bolum, const QString &anahtar, const QString &varsayilan = QString()) const;
    // Line breaks in the value are dropped: a value is one line and must not start a new key.
    void degerYaz(const QString &bolum, const QString &anahtar, const QString &deger);

    QString metin() const;

private:
    int bolumSatiri(const QString &bolum) const; // -1 when absent
    int bolumSonu(int baslik) const; // first line after the section
    int anahtarSatiri(const QString &bolum, const QString &anahtar) const; // -1 when absent

    QStringList m_satirlar;
};
