#!/bin/sh
# Runs Windows test programs inside a virtual X screen of a given size and depth, in a Wine
# prefix of their own, so that Wine draws for real: the small-screen refusal, the palette,
# 16-bit and true-colour displays, and two monitors (WIDTHxHEIGHT+WIDTHxHEIGHTxDEPTH, the first
# the primary one). The depth is handed to the tests as TAVRIN_SCREEN_DEPTH.
# Every named test must run and pass; a skipped one fails the run.
# Usage: on_screen.sh EMULATOR... SCRATCH WIDTHxHEIGHT[+WIDTHxHEIGHT]xDEPTH TEST_EXE FILTER [...]
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
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X$((n + 1))-lock" ]; do n=$((n + 2)); done
display=:$n servers=""
trap 'WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -k 2>/dev/null; kill $servers 2>/dev/null; rm -rf "$scratch/wineprefix"' EXIT
case $screen in
*+*) # Wine sees two monitors where the X server has two Xinerama screens and XRandR is not
    # asked; Xephyr makes them, inside an Xvfb.
    Xvfb $display -screen 0 4096x2048x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
    servers=$! sizes=${screen%x*} display=:$((n + 1)); sleep 1
    DISPLAY=:$n Xephyr $display -screen "${sizes%+*}" -screen "${sizes#*+}" +xinerama \
        -nolisten tcp >"$scratch/xephyr.log" 2>&1 &
    $emulator reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
    WINEPREFIX="$TAVRIN_WINEPREFIX" "$server" -w ;; # Wine's desktop starts again, on the screens
*) Xvfb $display -screen 0 "$screen" -nolisten tcp >"$scratch/xvfb.log" 2>&1 & ;;
esac
servers="$servers $!"
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
