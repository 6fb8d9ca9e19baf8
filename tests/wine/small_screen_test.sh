#!/bin/sh
# Runs the small-screen case of the daybook's end-to-end tests inside a 640 by 480 virtual
# screen, in a Wine prefix of its own. Usage: small_screen_test.sh EMULATOR... TEST_EXE SCRATCH
set -e
emulator="$1 $2 $3"; shift 3
exe=$1 scratch=$2
export TAVRIN_WINEPREFIX="$scratch/wineprefix"
case "$emulator" in
*win64*) server=/usr/lib/wine/wineserver64 ;;
*) server=/usr/lib/wine/wineserver32 ;;
esac
rm -rf "$scratch"; mkdir -p "$scratch"
display=:$((40 + $$ % 50))
Xvfb $display -screen 0 640x480x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
trap 'WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -k 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$scratch/wineprefix"' EXIT
sleep 1
DISPLAY=$display $emulator "$exe" --gtest_filter='DaybookTest.ASmallScreen*' >"$scratch/test.log" 2>&1 || { cat "$scratch/test.log"; exit 1; }
cat "$scratch/test.log"
grep -q '\[  PASSED  \] 1 test' "$scratch/test.log"
