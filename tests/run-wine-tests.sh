#!/bin/sh
# Runs a cross build's tests under Wine in a fresh, throw-away prefix.
# Usage: tests/run-wine-tests.sh BUILD_DIR win32|win64 [CTEST_ARGS...]
set -e
build=$(cd "$1" && pwd); arch=$2; shift 2
here=$(cd "$(dirname "$0")/.." && pwd)
run="$here/cmake/wine-run.sh --arch $arch"
export TAVRIN_WINEPREFIX="$build/wineprefix"
if [ "$arch" = win64 ]; then server=/usr/lib/wine/wineserver64; else server=/usr/lib/wine/wineserver32; fi
[ -x "$server" ] || server=/usr/lib/wine/wineserver

# Nothing from an earlier run: a new prefix every time.
WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -k 2>/dev/null || true
rm -rf "$TAVRIN_WINEPREFIX" "$TAVRIN_WINEPREFIX.lock"
unset DISPLAY

# Wine's first process starts helper processes that would inherit ctest's output pipe and make
# ctest wait for them after every test. Start them first, detached, and keep them alive with a
# hidden window for the whole run.
$run wineboot >/dev/null 2>&1 </dev/null || true
WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -p 2>/dev/null || true
setsid $run "$build/tests/wine/wine_keepalive.exe" >/dev/null 2>&1 </dev/null &
status=0
(cd "$build" && ctest --output-on-failure --timeout 300 "$@") || status=$?
WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -k 2>/dev/null || true
WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -w 2>/dev/null || true
exit $status
