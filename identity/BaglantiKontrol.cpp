#include "identity/BaglantiKontrol.h"

#include "identity/CheckableConnection.h"
#include "identity/MesajGoster.h"

#include <QThread>

namespace {

constexpr int MaxAttempts = 11;
constexpr int PauseMs = 500;

void closeQuietly(CheckableConnection &connection)
{
    try {
        connection.close();
    } catch (...) {
        // A connection that cannot even close is retried like one that cannot open.
    }
}

} // namespace

bool BaglantiKontrol(CheckableConnection &connection, int show)
{
    return BaglantiKontrol(connection, show, [](int ms) { QThread::msleep(ms); });
}

bool BaglantiKontrol(CheckableConnection &connection, int show, const BaglantiBekleme &pause)
{
    closeQuietly(connection);
    for (int failures = 0; failures < MaxAttempts;) {
        try {
            connection.open();
            if (connection.isOpen())
                return true;
        } catch (...) {
        }
        closeQuietly(connection);
        ++failures;
        pause(PauseMs);
    }
    if (show == 1) {
        MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"), mesaj::Hata,
                    mesaj::SetTamam, mesaj::DugmeTamam);
    }
    return false;
}
