#!/bin/sh
# Builds what the benchmarks need, runs them and prints one table: each figure of the daybook
# and the saver against a plain baseline measured in the same run, their ratio and the goal.
#   sh tools/bench.sh            (TAVRIN_BENCH_STARTS=25 starts a side, TAVRIN_BENCH_SECONDS=30)
# The Windows figures are taken under Wine in a scratch prefix and a virtual X screen; a
# noisy machine moves both sides of a figure alike, so compare ratios, not times.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIN_BUILD:-$top/build}
starts=${TAVRIN_BENCH_STARTS:-25}
seconds=${TAVRIN_BENCH_SECONDS:-30}
jobs=$(nproc 2>/dev/null || echo 2)

sh "$top/tools/setup-debian.sh" >/dev/null
sh "$top/tools/build-all.sh" >/dev/null
# The database figure wants an optimised build without the sanitizers of the test build.
bench="$build/bench-native"
[ -f "$bench/build.ninja" ] || cmake -S "$top" -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTAVRIN_SANITIZE=OFF >"$bench.configure.log" 2>&1 || { cat "$bench.configure.log"; exit 1; }
cmake --build "$bench" -j "$jobs" --target database_bench >"$bench.build.log" 2>&1 ||
    { tail -30 "$bench.build.log"; exit 1; }

arch=$("$top/tools/wine-arch.sh")
win="$build/$arch"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-bench.XXXXXX")
export TAVRIN_WINEPREFIX="$scratch/prefix"
if [ "$arch" = win64 ]; then
    export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
else
    export WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
    [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
fi
n=$((40 + $$ % 200))
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
trap 'WINEPREFIX="$TAVRIN_WINEPREFIX" "$WINESERVER" -k 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
sleep 1
run() { sh "$top/cmake/wine-run.sh" --arch "$arch" "$@"; }
run "$win/tests/bench/bench_launcher.exe" >/dev/null 2>&1 || true # creates the prefix
place="$TAVRIN_WINEPREFIX/drive_c/tavrin-bench"
mkdir -p "$place"
cp "$win/morvest.exe" "$win/morvsave.scr" "$win/MORVEST.DAT" "$win/tests/bench/"*.exe "$place/"
settings="$TAVRIN_WINEPREFIX/drive_c/windows/MORVEST.INI"
write_settings() { # LINES...
    printf '[TavrinAMorvestDaybook]\r\nApplicationPath = C:\\tavrin-bench\\\r\n' >"$settings"
    for line in "$@"; do printf '%s\r\n' "$line" >>"$settings"; done
}
results="$scratch/results"
: >"$results"

"$bench/tests/bench/database_bench" --benchmark_filter=Interleaved 2>/dev/null |
    awk '/^database_us/ { print "database_load_us", $2, $3 }' >>"$results"

for logo in 1 0; do
    write_settings "ShowStartupWindow = $logo"
    run "$place/bench_launcher.exe" start "$starts" 'C:\tavrin-bench\morvest.exe' \
        'C:\tavrin-bench\baseline_window.exe' >"$scratch/start.txt"
    awk -v logo="$logo" '/^start_ms/ { print (logo ? "start_ms_with_logo" : "start_ms_no_logo"), $2, $3 }
        /^peak_kb/ && logo { print "peak_working_set_kb", $2, $3 }' "$scratch/start.txt" >>"$results"
done

write_settings
run "$place/picture_bench.exe" 'C:\tavrin-bench\morvest.exe' |
    awk '/^picture_us/ { print "picture_draw_us", $2, $3 } /^step_us/ { print "saver_step_us", $2, $3 }' >>"$results"

# The CPU time of a running program, read off the host: utime and stime of its process.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
cpu_percent() { # NAME ARGUMENT: percent of one core over $seconds, after 3 s to settle
    (cd "$place" && WINEPREFIX="$TAVRIN_WINEPREFIX" WINEDEBUG=-all "$WINELOADER" \
        "C:\\tavrin-bench\\$1" "$2" >/dev/null 2>&1 &)
    sleep 3
    pid=$(pgrep -f "^C:.tavrin-bench.$1 $2" | head -1)
    [ -n "$pid" ] || { echo "no process for $1" >&2; exit 1; }
    before=$(ticks "$pid")
    sleep "$seconds"
    after=$(ticks "$pid")
    kill "$pid" 2>/dev/null || true
    sleep 1
    echo "$before $after $(getconf CLK_TCK) $seconds" | awk '{ printf "%.3f", 100 * ($2 - $1) / $3 / $4 }'
}
for speed in 400 10; do
    write_settings "AnimationSpeed = $speed"
    saver=$(cpu_percent morvsave.scr /s)
    plain=$(cpu_percent baseline_window.exe black)
    echo "saver_cpu_percent_at_$speed $saver $plain" >>"$results"
done

awk 'BEGIN {
        goal["database_load_us"] = "ratio <= 1.15"; limit["database_load_us"] = 1.15
        goal["start_ms_with_logo"] = "ratio <= 1.10"; limit["start_ms_with_logo"] = 1.10
        goal["start_ms_no_logo"] = "ratio <= 1.10"; limit["start_ms_no_logo"] = 1.10
        goal["picture_draw_us"] = "ratio <= 2.0"; limit["picture_draw_us"] = 2.0
        goal["saver_step_us"] = "(a figure)"
        goal["saver_cpu_percent_at_400"] = "+0.5 % of a core"; extra["saver_cpu_percent_at_400"] = 0.5
        goal["saver_cpu_percent_at_10"] = "+10 % of a core"; extra["saver_cpu_percent_at_10"] = 10
        goal["peak_working_set_kb"] = "ratio <= 1.5"; limit["peak_working_set_kb"] = 1.5
        printf "%-26s %14s %14s %8s  %-18s %s\n", "figure", "this program", "baseline", "ratio", "goal", "met"
    }
    {
        ratio = $3 > 0 ? $2 / $3 : 0
        met = ""
        if ($1 in limit) met = ratio <= limit[$1] ? "yes" : "no"
        if ($1 in extra) met = ($2 - $3 < extra[$1] ? "yes" : "no") sprintf(" (+%.2f)", $2 - $3)
        shown = $3 > 0 ? sprintf("%8.3f", ratio) : sprintf("%8s", "-")
        printf "%-26s %14.2f %14.2f %s  %-18s %s\n", $1, $2, $3, shown, goal[$1], met
    }' "$results"
