#pragma once

#include <QGroupBox>
#include <QHash>

class MemTable;
class QLabel;

// "Cari Bilgileri": contact, tax and balance details of the focused customer of the list.
class CariBilgileriPaneli : public QGroupBox
{
    Q_OBJECT
public:
    explicit CariBilgileriPaneli(QWidget *parent = nullptr);

    // Fills every row from one record of the customer list.
    void goster(const MemTable &tablo, int satir);

    // The value shown after a caption such as "Bakiye:"; empty for an unknown caption.
    QString deger(const QString &baslik) const;

private:
    QHash<QString, QLabel *> m_degerler; // caption -> value label
};
