#pragma once

#include <QByteArray>

// The demo's "ParvelaSetup.exe": a small POSIX shell installer. Started with "/silent" it
// records the installation in a marker file and ends with 0:
//   $PARVELA_SETUP_MARKER, or else ${XDG_DATA_HOME:-$HOME/.local/share}/parvela/kurulum.txt
// (the version and the time of the installation, one per line). Without "/silent" it prints
// how to use it and changes nothing.
namespace SetupInstaller {
QByteArray script();
}
