#!/bin/sh
# Usage: check_deliverables.sh OBJDUMP PROGRAM...
# Each program must import only DLLs that every Windows has (no MinGW runtime DLLs).
set -e
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|msvcrt|ole32|oleaut32|version|winmm)\.dll$'
for program in "$@"; do
    dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    for dll in $dlls; do
        echo "$dll" | grep -Eq "$allowed" || { echo "$program imports $dll"; exit 1; }
    done
    echo "$(basename "$program"): $(echo $dlls)"
done
