#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starts a downloaded installer, detached from this process. Tests replace the starter so that
// nothing is run; an empty starter restores the real one. Returns the previous starter.
using KurulumBaslaticisi = std::function<bool(const QString &program, const QStringList &parametreler)>;

bool KurulumBaslat(const QString &program, const QStringList &parametreler);
KurulumBaslaticisi KurulumBaslaticisiKur(KurulumBaslaticisi baslatici);
