#include "SetupInstaller.h"

QByteArray SetupInstaller::script()
{
    return QByteArrayLiteral(R"SH(#!/bin/sh
# ParvelaSetup.exe - demo installer of the Parvela ordering client.
# "/silent" records the installation in a marker file and exits 0; nothing else is changed.
marker="${PARVELA_SETUP_MARKER:-${XDG_DATA_HOME:-$HOME/.local/share}/parvela/kurulum.txt}"
for argument in "$@"; do
  case "$argument" in
    /silent|/SILENT|/S)
      mkdir -p "$(dirname "$marker")" || exit 1
      {
        echo "Parvela Online Sipariş Programı 27"
        date '+%Y-%m-%d %H:%M:%S'
      } > "$marker" || exit 1
      exit 0
      ;;
  esac
done
echo "Parvela kurulum programı (demo). Sessiz kurulum: ParvelaSetup.exe /silent"
echo "Kurulum kaydı: $marker"
exit 0
)SH");
}
