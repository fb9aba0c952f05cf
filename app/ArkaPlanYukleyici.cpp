#include "ArkaPlanYukleyici.h"

#include "identity/MesajGoster.h"
#include "remote/CallFrame.h"
#include "remote/DSConnection.h"
#include "remote/DSException.h"
#include "remote/MemTable.h"
#include "remote/ResultSetReader.h"
#include "remote/TableHelpers.h"

#include <memory>

namespace {
const QString baglantiMesaji = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

struct YuklemeSonucu
{
    bool baglandi = false;
    bool yuklendi = false;
    int satir = 0;
    QString hata;
};
} // namespace

ArkaPlanYukleyici::ArkaPlanYukleyici(const DSConnection &bagc, Ayar ayar, QObject *parent)
    : QObject(parent), m_bagc(bagc), m_ayar(std::move(ayar))
{
}

bool ArkaPlanYukleyici::baslat(const Cagri &cagri)
{
    if (m_calisiyor)
        return false;
    m_calisiyor = true;
    Q_EMIT basladi();

    auto sonuc = std::make_shared<YuklemeSonucu>();
    MemTable *tablo = m_ayar.tablo;
    const DSConnection &bagc = m_bagc;
    // The clone is made on the UI thread: the main connection is only ever touched there.
    auto kopya = std::shared_ptr<DSConnection>(bagc.clone());
    platform::Task::run(
        this,
        [sonuc, tablo, kopya, cagri] {
            try {
                sonuc->baglandi = CallFrame::onOwnClone(*kopya, 0, [&](TServerMethods1Client &proxy) {
                    CopyResultSet(cagri(proxy), *tablo);
                    FloatFormatla(*tablo);
                    sonuc->satir = tablo->rowCount();
                    sonuc->yuklendi = true;
                });
            } catch (const DSException &e) {
                sonuc->baglandi = true;
                sonuc->hata = e.message();
            } catch (const std::exception &e) {
                sonuc->baglandi = true;
                sonuc->hata = QString::fromUtf8(e.what());
            }
        },
        [this, sonuc] {
            m_calisiyor = false;
            const bool basarili = sonuc->yuklendi;
            QString baslik;
            if (basarili)
                baslik = QString::number(sonuc->satir) + QLatin1Char('=') + m_ayar.baslik;
            if (!basarili && m_ayar.politika == HataPolitikasi::BaglantiMesajiVeBosalt) {
                if (m_ayar.tablo->isOpen())
                    m_ayar.tablo->clearRows();
                baslik = m_ayar.baslik;
            }
            Q_EMIT bitti(baslik, basarili);
            if (basarili)
                return;
            if (!sonuc->baglandi || m_ayar.politika == HataPolitikasi::BaglantiMesajiVeBosalt)
                MesajGoster(baglantiMesaji, mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam);
            else
                MesajGoster(sonuc->hata, mesaj::Hata, mesaj::SetTamam, mesaj::DugmeTamam);
        });
    return true;
}
