#pragma once

#include <QHash>
#include <QMessageBox>

// The message dialog itself: the standard box with Turkish captions, the old default-button,
// Escape and tab-order rules, centred on the screen, and a frame close that answers 2.
class MesajPenceresi : public QMessageBox
{
    Q_OBJECT
public:
    MesajPenceresi(const QString &metin, int tur, int dugmeler, int varsayilan,
                   QWidget *parent = nullptr);

    // Shows the dialog modally until a closing button or the frame ends it; returns the result.
    // onShown runs (on this thread) each time the dialog is on screen. When the dialog is
    // destroyed meanwhile (its parent died) the result is 2 and the object must not be used.
    int calistir(const std::function<void()> &onShown = {});

    // The button of a code, null when the set does not contain it.
    QAbstractButton *dugme(int kod) const { return m_dugmeler.value(kod); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void dugmeEkle(int kod);
    void sekmeSirasiniKur();

    QHash<int, QAbstractButton *> m_dugmeler;   // code -> button
    QHash<QAbstractButton *, int> m_sonuclar;   // button -> result
    QList<int> m_kodlar;                        // codes in the set, ascending
    int m_varsayilan;
    QAbstractButton *m_standartVarsayilan = nullptr;
    QAbstractButton *m_kacis = nullptr;
    QAbstractButton *m_basilan = nullptr;
    bool m_cerceveKapatti = false;
};
