#!/bin/sh
# Builds everything and runs every test: native unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, short libFuzzer runs, the Windows tests under Wine, and the
# picture generator's tests. Ends with one line "N passed, M failed" over all suites.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIN_BUILD:-$top/build}
export TAVRIN_BUILD="$build"
cd "$top"
sh tools/setup-debian.sh
sh tools/build-all.sh
arch=$(sh tools/wine-arch.sh)

passed=0 failed=0 broken=""
# Adds up ctest's "N% tests passed, F tests failed out of T" line from a log.
count_ctest() { # NAME LOG STATUS
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$2" | tail -1)
    if [ -n "$line" ]; then
        total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
        bad=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
        passed=$((passed + total - bad)); failed=$((failed + bad))
    fi
    if [ "$3" != 0 ] || [ -z "$line" ]; then broken="$broken $1"; [ -n "$line" ] || failed=$((failed + 1)); fi
    echo "$1: ${line:-no result}"
}
run_suite() { # NAME COMMAND...
    name=$1; shift
    log="$build/$name.log"
    status=0
    "$@" >"$log" 2>&1 || status=$?
    [ "$status" = 0 ] || tail -60 "$log"
    count_ctest "$name" "$log" "$status"
}

run_suite native-tests sh -c "cd '$build/native' && ctest -j 2 --output-on-failure --timeout 300"

# Coverage-guided fuzzing of the readers of outside input, a short while each.
sh tools/fuzz.sh 15 >"$build/fuzz.log" 2>&1 || true
while IFS= read -r line; do
    case "$line" in
    *"no crash") passed=$((passed + 1)); echo "$line" ;;
    *CRASH*) failed=$((failed + 1)); broken="$broken ${line%%:*}"; echo "$line" ;;
    esac
done <"$build/fuzz.log"
grep -q 'executions in all' "$build/fuzz.log" || { failed=$((failed + 1)); broken="$broken fuzz"; tail -30 "$build/fuzz.log"; }

# The 32-bit deliverables themselves: their format and the DLLs they need.
if sh tests/wine/check_deliverables.sh i686-w64-mingw32-objdump pei-i386 "$build/win32/morvest.exe" \
    "$build/win32/morvsave.scr" "$build/win32/morvdb.exe" >"$build/deliverables.log" 2>&1; then
    passed=$((passed + 1)); echo "deliverables: 32-bit, system DLLs only"
else
    failed=$((failed + 1)); broken="$broken deliverables"; cat "$build/deliverables.log"
fi
run_suite windows-tests sh tests/run-wine-tests.sh "$build/$arch" "$arch" -j 2

if [ -f tools/pictures/test_pictures.py ]; then
    status=0
    python3 tools/pictures/test_pictures.py >"$build/pictures.log" 2>&1 || status=$?
    line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$build/pictures.log" | tail -1)
    [ "$status" = 0 ] || tail -40 "$build/pictures.log"
    if [ -n "$line" ]; then
        passed=$((passed + ${line%% passed*})); failed=$((failed + $(echo "$line" | sed -E 's/.*, ([0-9]+) failed.*/\1/')))
    fi
    [ "$status" = 0 ] && [ -n "$line" ] || { broken="$broken pictures"; [ -n "$line" ] || failed=$((failed + 1)); }
    echo "pictures: ${line:-no result}"
fi

[ -z "$broken" ] || echo "Failed suites:$broken"
echo "$passed passed, $failed failed"
[ -z "$broken" ]
