#pragma once

#include "platform/Task.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DSConnection;
class MemTable;
class ResultSetReader;
class TServerMethods1Client;
class QWidget;

// The background load every list tab uses: detach the grid, fill its table from one remote
// call on a private clone of the main connection, re-attach and report on the UI thread.
// A second start while a load runs is ignored, so two tasks never fill one table.
class ArkaPlanYukleyici : public QObject
{
    Q_OBJECT

public:
    using Cagri = std::function<ResultSetReader *(TServerMethods1Client &)>;

    // How the completion step reports; the stock search reports every failure as the
    // connection message and empties its table, the other lists keep what they had.
    enum class HataPolitikasi { BaglantiMesajiVeBosalt, HataMetniyle };

    struct Ayar
    {
        MemTable *tablo = nullptr;
        QString baslik; // caption title after "n="
        HataPolitikasi politika = HataPolitikasi::HataMetniyle;
    };

    ArkaPlanYukleyici(const DSConnection &bagc, Ayar ayar, QObject *parent = nullptr);

    bool calisiyor() const { return m_calisiyor; }
    // Returns false when a load is already running (nothing started).
    bool baslat(const Cagri &cagri);

Q_SIGNALS:
    // UI thread, before the task: detach the grid, disable it, show the busy indicator.
    void basladi();
    // UI thread, completion: the grid may be re-attached; `baslik` is the new caption or empty
    // when the caption stays as it is.
    void bitti(const QString &baslik, bool basarili);

private:
    const DSConnection &m_bagc;
    Ayar m_ayar;
    bool m_calisiyor = false;
};
