#include "signin/CariRaporu.h"

#include "identity/Folders.h"
#include "remote/CallFrame.h"
#include "remote/RemoteStream.h"
#include "remote/TServerMethods1Client.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

QString RaporDosyasi(int raporno, int carino)
{
    return BelgelerKlasoru() + QStringLiteral("/rapor") + QString::number(raporno + carino) + QStringLiteral(".pdf");
}

bool RaporIndir(DSConnection &baglanti, const RaporIstegi &istek, const QString &dosya)
{
    QFile::remove(dosya);
    try {
        std::optional<QByteArray> pdf;
        CallFrame::onHandedConnection(baglanti, [&](TServerMethods1Client &vekil) {
            qint64 boy = 0;
            RemoteStream *akis = vekil.RaporGetir(istek.raporno, istek.raporno, istek.idno, istek.carino,
                                                  istek.saticiadi, istek.tarih1, istek.tarih2, boy);
            pdf = KopyalaAkis(akis, boy, 1024);
        });
        if (pdf) {
            QDir().mkpath(QFileInfo(dosya).absolutePath());
            QSaveFile cikti(dosya);
            if (cikti.open(QIODevice::WriteOnly) && cikti.write(*pdf) == pdf->size())
                cikti.commit();
        }
    } catch (...) {
        // A report that cannot be fetched simply does not open.
    }
    return QFile::exists(dosya);
}
