#!/bin/sh
# Runs a Windows program under Wine for the tests: headless, quiet, in the project's own prefix,
# which is created on first use. Usage: wine-run.sh [--arch win32|win64] PROGRAM [ARGS...]
# The exit code is the program's.
set -e
arch=win32
if [ "$1" = "--arch" ]; then arch=$2; shift 2; fi
if [ "$arch" = win64 ]; then
    export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
else
    export WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
    [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
    export WINEARCH=win32
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree=}"
export WINEPREFIX="${TAVRIN_WINEPREFIX:-${TMPDIR:-/tmp}/tavrin-wine-$(id -u)-$arch}"

if [ ! -f "$WINEPREFIX/.tavrin-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.tavrin-ready" ]; then
            "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
            # Debian's Wine does not find its own fonts until they are in the prefix.
            mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
            cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
            reg="$WINEPREFIX/tavrin-setup.reg"
            cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="x11,null"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
"MS Sans Serif"="Liberation Sans"
REG
            "$WINELOADER" regedit /S "$(printf '%s' "$reg" | sed 's|^|Z:|; s|/|\\|g')" >/dev/null 2>&1 || true
            "$WINESERVER" -w || true
            touch "$WINEPREFIX/.tavrin-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
exec "$WINELOADER" "$@"
