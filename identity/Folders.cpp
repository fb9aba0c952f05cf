#include "identity/Folders.h"

#include "platform/ShellFolders.h"

#include <QDir>

QString AyarKlasoru()
{
    const QString folder = platform::appDataLocation() + QStringLiteral("/parvela");
    // The base may not exist yet on a fresh account, so the whole path is made. A failure is
    // not reported here; writing the settings file reports it.
    if (!QDir(folder).exists())
        QDir().mkpath(folder);
    return folder;
}

QString BelgelerKlasoru()
{
    return platform::documentsLocation();
}
