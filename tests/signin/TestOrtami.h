#pragma once

#include "identity/MesajGoster.h"
#include "platform/ProcessEnd.h"
#include "platform/Task.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// What the window tests share: a temporary home (settings, documents), the message dialog
// answered and recorded, the process end and the general error report recorded.
class TestOrtami
{
public:
    TestOrtami()
    {
        qputenv("HOME", m_ev.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_ev.path() + QStringLiteral("/.config")).toUtf8());
        qunsetenv("XDG_DOCUMENTS_DIR");
        MesajYanitlayiciKur([this](int tur, const QString &metin, int dugmeler, int) {
            mesajlar.append({tur, metin});
            return dugmeler == mesaj::SetEvetHayir ? mesaj::SonucEvet : mesaj::SonucTamam;
        });
        platform::setEndProcessHook([this](int kod) { cikislar.append(kod); });
        platform::Task::setErrorReporter([this](const QString &metin) { hatalar.append(metin); });
    }

    ~TestOrtami()
    {
        MesajYanitlayiciKur({});
        platform::setEndProcessHook({});
        platform::Task::setErrorReporter({});
    }

    QString ev() const { return m_ev.path(); }
    QString belgeler() const { return m_ev.path() + QStringLiteral("/Documents"); }
    QString ayarDosyasi() const { return m_ev.path() + QStringLiteral("/.config/parvela/ayar.ini"); }

    QStringList metinler() const
    {
        QStringList liste;
        for (const auto &m : mesajlar)
            liste.append(m.second);
        return liste;
    }

    void temizle()
    {
        mesajlar.clear();
        cikislar.clear();
        hatalar.clear();
    }

    QList<QPair<int, QString>> mesajlar; // kind, text
    QList<int> cikislar;
    QStringList hatalar;

private:
    QTemporaryDir m_ev;
};
