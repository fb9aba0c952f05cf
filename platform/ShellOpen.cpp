#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QProcess>

namespace platform {

bool openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool openFile(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace platform
