#!/bin/sh
# Builds everything and starts the daybook under Wine. With a display it opens there; without
# one it runs inside a virtual X server and leaves a screenshot in build/screenshot.png.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIN_BUILD:-$top/build}
export TAVRIN_BUILD="$build"
cd "$top"
sh tools/setup-debian.sh
sh tools/build-all.sh
arch=$(sh tools/wine-arch.sh)
[ "$arch" = win32 ] || echo "Note: this machine's Wine runs only 64-bit programs; starting the 64-bit build of the same sources."

# Install into C:\Tavrin of the project's own Wine prefix.
export TAVRIN_WINEPREFIX="$build/wine-$arch-run"
run="$top/cmake/wine-run.sh --arch $arch"
$run cmd /c exit 0 >/dev/null 2>&1 || true
install="$TAVRIN_WINEPREFIX/drive_c/Tavrin"
mkdir -p "$install"
cp "$build/$arch/morvest.exe" "$build/$arch/MORVEST.DAT" "$install/"
[ ! -f "$build/$arch/morvsave.scr" ] || cp "$build/$arch/morvsave.scr" "$install/"
[ ! -d "$top/html" ] || cp -r "$top/html" "$install/"

if [ -n "$DISPLAY" ]; then
    $run 'C:\Tavrin\morvest.exe' "$@"
    exit 0
fi

# No display: a virtual screen, a screenshot after the window has settled, then close.
display=:77
Xvfb $display -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 2
export DISPLAY=$display
server=/usr/lib/wine/wineserver64; [ "$arch" = win64 ] || server=/usr/lib/wine/wineserver32
WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -k 2>/dev/null || true
$run 'C:\Tavrin\morvest.exe' /NOTIMEOUT "$@" >/dev/null 2>&1 &
sleep "${TAVRIN_SCREENSHOT_DELAY:-12}"
import -display $display -window root "$build/screenshot.png"
WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -k 2>/dev/null || true
echo "The daybook ran in a virtual screen; screenshot: $build/screenshot.png"
