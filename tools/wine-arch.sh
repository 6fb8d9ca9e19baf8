#!/bin/sh
# Prints which Wine runs the Windows programs here: win32 where this machine's kernel runs
# 32-bit Linux programs (32-bit Wine), else win64 (64-bit Wine, which runs 64-bit programs
# only, so the tests then use a 64-bit build of the same sources).
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
