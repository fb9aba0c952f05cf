#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// A titled radio group whose items carry a text and an integer id (delivery options, cargo
// types). Arrow keys move between the items, as in any radio group.
class SecenekGrubu : public QGroupBox
{
    Q_OBJECT
public:
    explicit SecenekGrubu(const QString &baslik, QWidget *parent = nullptr);

    void temizle();
    void ekle(const QString &metin, int id);
    int sayi() const { return int(m_dugmeler.size()); }

    // -1 when none is selected.
    int seciliIndeks() const;
    void secIndeks(int indeks);
    int seciliId() const;
    QString seciliMetin() const;
    QRadioButton *dugme(int indeks) const { return m_dugmeler.value(indeks); }

Q_SIGNALS:
    // The user clicked an item (not emitted for selections made by code).
    void tiklandi();

private:
    QVBoxLayout *m_duzen;
    QButtonGroup *m_grup;
    QList<QRadioButton *> m_dugmeler;
    QList<int> m_idler;
};
