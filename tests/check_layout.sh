#!/bin/sh
# The layout rule: in the subsystem folders a C++ file includes a Windows header, or another
# file's Windows side, exactly when its own name ends in "_win".
cd "$1" || exit 2
status=0
for file in app/* settings/* database/* pictures/* calendar/* dialogs/* saver/*; do
    case "$file" in *.cpp | *.h) ;; *) continue ;; esac
    windows=no
    grep -qE '#include <(windows|commctrl|shellapi|mmsystem|commdlg)\.h>|#include "[a-z/_]+_win\.h"' "$file" && windows=yes
    case "$file" in *_win.cpp | *_win.h) named=yes ;; *) named=no ;; esac
    if [ "$windows" != "$named" ]; then
        echo "$file: Windows code $windows, named as Windows code $named"
        status=1
    fi
done
exit $status
