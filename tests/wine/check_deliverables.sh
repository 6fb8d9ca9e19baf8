#!/bin/sh
# Usage: check_deliverables.sh OBJDUMP FORMAT PROGRAM...
# Each program must be of the given object format (pei-i386 for the 32-bit deliverables) and
# import only DLLs that every Windows has (no MinGW runtime DLLs). The daybook and the saver
# load the shell and the common controls only when a document or a setup asks for them, and
# keep their sections on page boundaries in the file, so that a start maps rather than reads.
set -e
objdump=$1 format=$2; shift 2
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|msvcrt|ole32|oleaut32|version|winmm)\.dll$'
for program in "$@"; do
    "$objdump" -f "$program" | grep -q "file format $format\$" ||
        { echo "$program is not $format"; exit 1; }
    dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    for dll in $dlls; do
        echo "$dll" | grep -Eq "$allowed" || { echo "$program imports $dll"; exit 1; }
    done
    case "$program" in
    *morvest.exe | *morvsave.scr)
        for dll in $dlls; do
            case "$dll" in shell32.dll | comctl32.dll) echo "$program imports $dll at start"; exit 1 ;; esac
        done
        "$objdump" -p "$program" | grep -Eq '^FileAlignment[[:space:]]+0*1000$' ||
            { echo "$program: sections are not page-aligned in the file"; exit 1; }
        ;;
    esac
    echo "$(basename "$program"): $format, imports $(echo $dlls)"
done
