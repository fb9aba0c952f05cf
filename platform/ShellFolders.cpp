#include "platform/ShellFolders.h"

#include <QStandardPaths>

namespace platform {

QString appDataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString documentsLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString desktopLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace platform
