#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {

// Opens a web address or a file with the desktop's handler. False when nothing handles it.
bool openUrl(const QUrl &url);
bool openFile(const QString &path);

// Starts a program with parameters, detached from this process. False when it cannot start.
bool startProgram(const QString &program, const QStringList &arguments);

} // namespace platform
