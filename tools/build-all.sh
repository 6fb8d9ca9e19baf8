#!/bin/sh
# Builds everything into build/: the native tools and tests, the 32-bit Windows programs, and,
# where this machine's Wine cannot run 32-bit programs, a 64-bit build of the same sources for
# the Windows tests. Prints nothing but errors and a summary.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
build=${TAVRIN_BUILD:-$top/build}
jobs=$(nproc 2>/dev/null || echo 2)

configure() { # DIR ARGS...
    dir=$1; shift
    [ -f "$dir/build.ninja" ] || cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIN_WERROR=ON "$@" >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; exit 1; }
}

mkdir -p "$build"
configure "$build/native"
cmake --build "$build/native" -j "$jobs" >"$build/native.build.log" 2>&1 || { tail -50 "$build/native.build.log"; exit 1; }

configure "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" -DMORVDB_TOOL="$build/native/morvdb"
cmake --build "$build/win32" -j "$jobs" >"$build/win32.build.log" 2>&1 || { tail -50 "$build/win32.build.log"; exit 1; }

if [ "$("$top/tools/wine-arch.sh")" = win64 ]; then
    configure "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-x86_64.cmake" -DMORVDB_TOOL="$build/native/morvdb" \
        -DTAVRIN_DELIVERABLES_DIR="$build/win32"
    cmake --build "$build/win64" -j "$jobs" >"$build/win64.build.log" 2>&1 || { tail -50 "$build/win64.build.log"; exit 1; }
fi
echo "Built: $build/win32/morvest.exe, $build/win32/morvsave.scr, $build/win32/morvdb.exe, $build/win32/MORVEST.DAT"
