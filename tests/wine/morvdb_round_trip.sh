#!/bin/sh
# Usage: morvdb_round_trip.sh EMULATOR... MORVDB_EXE SOURCE_DIR NATIVE_DAT SCRATCH
# (the emulator is a list: wine-run.sh --arch ARCH)
set -e
emulator="$1 $2 $3"; shift 3
exe=$1 sources=$2 native=$3 scratch=$4
rm -rf "$scratch"; mkdir -p "$scratch"
$emulator "$exe" compile "Z:$sources" "Z:$scratch/windows.dat"
cmp "$native" "$scratch/windows.dat"
$emulator "$exe" decompile "Z:$scratch/windows.dat" "Z:$scratch/back"
for file in "$sources"/*.txt; do
    cmp "$file" "$scratch/back/$(basename "$file")"
done
$emulator "$exe" check "Z:$sources" >"$scratch/check.txt"
grep -q "^366 entries, 0 problems" "$scratch/check.txt"
echo "windows morvdb: same database and sources as the native build"
