#!/bin/sh
# Runs Windows test programs inside a virtual X screen of a given size and depth, in a Wine
# prefix of their own, so that Wine draws for real: the small-screen refusal, and the palette,
# 16-bit and true-colour displays. The depth is handed to the tests as TAVRIN_SCREEN_DEPTH.
# Every named test must run and pass; a skipped one fails the run.
# Usage: on_screen.sh EMULATOR... SCRATCH WIDTHxHEIGHTxDEPTH TEST_EXE FILTER [TEST_EXE FILTER...]
set -e
emulator="$1 $2 $3"; shift 3
scratch=$1 screen=$2; shift 2
export TAVRIN_WINEPREFIX="$scratch/wineprefix" TAVRIN_SCREEN_DEPTH="${screen##*x}"
case "$emulator" in
*win64*) server=/usr/lib/wine/wineserver64 ;;
*) server=/usr/lib/wine/wineserver32 ;;
esac
[ -x "$server" ] || server=/usr/lib/wine/wineserver
rm -rf "$scratch"; mkdir -p "$scratch"
n=$((40 + $$ % 200))
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=:$n
Xvfb $display -screen 0 "$screen" -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
trap 'WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -k 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$scratch/wineprefix"' EXIT
sleep 1
status=0
while [ $# -ge 2 ]; do
    log="$scratch/$(basename "$1").log"
    DISPLAY=$display $emulator "$1" --gtest_filter="$2" >"$log" 2>&1 || status=1
    cat "$log"
    grep -q '^\[  PASSED  \] [1-9]' "$log" || status=1
    ! grep -q '^\[  SKIPPED \]' "$log" || status=1
    shift 2
done
exit $status
