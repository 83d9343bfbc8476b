#!/usr/bin/env bash
# Runs a Windows program under Wine in a Wine prefix of the project's own, made on first use:
# nothing written to the desktop, no Mono or Gecko asked for, and a screen of KORVAL_DPI dots
# per inch (96 unless set), or in the prefix KORVAL_WINEPREFIX names. The program's exit status
# is Wine's.
#   scripts/wine.sh PROGRAM.exe [ARGUMENTS]
set -euo pipefail
dpi=${KORVAL_DPI:-96}
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${KORVAL_WINEPREFIX:-$root/build/wine-$dpi}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wine=/usr/lib/wine/wine64

mkdir -p "$WINEPREFIX"
{
    flock 9
    if [[ ! -f $WINEPREFIX/.korval-ready ]]; then
        "$wine" wineboot --init >/dev/null 2>&1
        "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
            >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
        touch "$WINEPREFIX/.korval-ready"
    fi
} 9>"$WINEPREFIX.lock"
exec "$wine" "$@"
