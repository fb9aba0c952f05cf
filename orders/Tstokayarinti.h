#pragma once

#include "platform/Task.h"

#include <QDialog>
#include <QPixmap>

class AmountEdit;
class DSConnection;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
struct AcilisDegerleri;

// "Sepete Ekle": one stock item with its codes and picture, the quantity and, for users who
// may set prices, the unit price and discount rate. Net price, VAT-inclusive price and line
// total follow every keystroke. Closes with 1 ("Sipariş ekle", Enter in the quantity) or 2
// ("Vazgeç", Escape, the window frame).
class Tstokayarinti : public QDialog
{
    Q_OBJECT
public:
    static constexpr int SiparisEkle = 1;
    static constexpr int Vazgec = 2;

    explicit Tstokayarinti(QWidget *owner = nullptr);
    ~Tstokayarinti() override;

    // Set by the opener.
    double kdvlifiyat = 0; // VAT-inclusive unit price of the opening total
    double kdvoran = 0;    // VAT rate in percent
    int _stokno = 0;       // whose picture is loaded
    DSConnection *_bag = nullptr; // not owned; the picture task works on its own copy

    // Fills texts, amounts, the discount label and the price boxes' read-only state.
    void doldur(const AcilisDegerleri &degerler, bool fiyatDegistirebilir);

    // The quantity as the opener reads it after result 1: the box's text as it stood when the
    // dialog closed, read with the user's number format. Throws when it is not a number.
    double okunanAdet() const;

    void TutarHesapla();
    void FiyatHesapla();

    // The picture task of the newest dialog (one handle shared by all of them).
    static platform::TaskHandle sonResimGorevi();
    platform::TaskHandle resimGorevi() const { return m_resimGorevi; }
    bool resimGeldi() const { return m_resimGeldi; }

    QLineEdit *barkod() const { return m_barkod; }
    QLineEdit *adi() const { return m_adi; }
    QLineEdit *finishkod() const { return m_finishkod; }
    QLineEdit *marka() const { return m_marka; }
    QLineEdit *model() const { return m_model; }
    QLabel *Image1() const { return m_image1; }
    QProgressBar *ProgressBar1() const { return m_progress; }
    QSpinBox *adet() const { return m_adet; }
    AmountEdit *birimfiyat() const { return m_birimfiyat; }
    AmountEdit *indoran() const { return m_indoran; }
    QLabel *indirimoran() const { return m_indirimoran; }
    AmountEdit *indtutar() const { return m_indtutar; }
    AmountEdit *kdvdahiltutar() const { return m_kdvdahiltutar; }
    AmountEdit *geneltutar() const { return m_geneltutar; }
    QPushButton *ParcaliTus1() const { return m_tus1; }
    QPushButton *ParcaliTus2() const { return m_tus2; }

public Q_SLOTS:
    void done(int sonuc) override;
    void reject() override;

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *nesne, QEvent *e) override;

private:
    void kur();
    void FormActivate();
    void ResimGoster();
    void ProgressGoster(qint64 bayt);
    void ProgressGizle();
    void resmiKoy(const QPixmap &resim);
    void resmiYerlestir();
    void onayla();

    QLineEdit *m_barkod, *m_adi, *m_finishkod, *m_marka, *m_model;
    QLabel *m_image1;
    QProgressBar *m_progress;
    QSpinBox *m_adet;
    AmountEdit *m_birimfiyat, *m_indoran, *m_indtutar, *m_kdvdahiltutar, *m_geneltutar;
    QLabel *m_indirimoran;
    QPushButton *m_tus1, *m_tus2;

    QPixmap m_resim;
    bool m_resimGeldi = false;
    bool m_resimIstendi = false;
    QString m_adetMetni;
    platform::TaskHandle m_resimGorevi;
};
