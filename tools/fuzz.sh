#!/bin/sh
# Coverage-guided fuzzing of every fuzz target (libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer) for as long as asked, each target in turn, starting from its seed
# corpus in the repository (tests/fuzz/corpus/TARGET) plus what earlier runs found. Prints one
# line per target with its executions; exits non-zero when any target crashed.
# Usage: tools/fuzz.sh SECONDS
set -e
seconds=${1:-60}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIN_BUILD:-$top/build}
fuzz=$build/fuzz
targets="settings_fuzz database_fuzz day_entries_fuzz source_fuzz command_fuzz picture_fuzz
  orbit_fuzz settings_write_fuzz"
if [ ! -f "$fuzz/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz" -G Ninja -DTAVRIN_LIBFUZZER=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build/fuzz.configure.log" 2>&1 ||
        { cat "$build/fuzz.configure.log"; exit 1; }
fi
# shellcheck disable=SC2086
cmake --build "$fuzz" --target $targets >"$build/fuzz.build.log" 2>&1 || { tail -30 "$build/fuzz.build.log"; exit 1; }
status=0 total=0
for target in $targets; do
    corpus="$fuzz/corpus-$target"
    mkdir -p "$corpus"
    seeds="$top/tests/fuzz/corpus/$target"
    [ -d "$seeds" ] || seeds=""
    log="$build/$target.log"
    if (cd "$fuzz" && ./tests/fuzz/$target -max_total_time="$seconds" -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus" $seeds >"$log" 2>&1); then
        runs=$(grep -E '^stat::number_of_executed_units' "$log" | tail -1 | sed 's/.*: *//')
        total=$((total + ${runs:-0}))
        echo "$target: ${runs:-?} executions in $seconds s, no crash"
    else
        status=1
        echo "$target: CRASH (see $log)"
        tail -30 "$log"
    fi
done
echo "fuzzing: $total executions in all"
exit $status
