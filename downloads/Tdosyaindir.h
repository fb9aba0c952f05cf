#pragma once

#include "platform/HttpTypes.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace platform {
class Http;
}

// The forced program update: downloads the current installer from the update web server into
// the documents folder, starts it silently and ends the program so the installer can replace it.
// There is no way to skip it; the window only gives control back when the installer could not
// be saved (or when a test intercepts the process end).
class Tdosyaindir : public QDialog
{
    Q_OBJECT
public:
    // _y: the program version the server announced.
    static Tdosyaindir *Yeni(QWidget *owner, int _y);
    ~Tdosyaindir() override;

    bool basladi() const { return m_basladi; }
    QString hedefDosya() const;
    QLabel *sLabel1() const { return m_sLabel1; }
    QLabel *bilgi() const { return m_bilgi; }
    QProgressBar *ProgressBar1() const { return m_ProgressBar1; }

    // The installer's address on the update web server.
    static QUrl kurulumAdresi();

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Tdosyaindir(QWidget *owner, int y);

    void FormActivate();
    void Indir();
    void NetHTTPClient1ReceiveData(qint64 AContentLength, qint64 AReadCount);
    void NetHTTPClient1RequestError(const QString &AError);
    void indirmeBitti(const platform::HttpResult &sonuc);
    void KurulumCalistir(const QString &dosya);
    void bitir(int sonuc);

    QLabel *m_sLabel1 = nullptr;
    QLabel *m_bilgi = nullptr;
    QProgressBar *m_ProgressBar1 = nullptr;
    platform::Http *m_http = nullptr;
    platform::HttpRequest m_istek;
    bool m_basladi = false;
    // While the download runs the window cannot be closed: the update cannot be skipped.
    bool m_indiriliyor = false;
};
