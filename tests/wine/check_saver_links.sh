#!/bin/sh
# The screen saver holds the shared display, About box and document opener, and none of the
# daybook's own windows: its main window, logo, calendar, Setup, System Information or display
# check. Usage: check_saver_links.sh NM SAVER
set -e
nm=$1 saver=$2
symbols=$("$nm" -C "$saver")
status=0
for shared in RefreshDisplay AboutBoxProc LaunchDocument DrawDayPicture SaverWndProc; do
    echo "$symbols" | grep -q "$shared" || { echo "missing: $shared"; status=1; }
done
for own in MainWindowProc LogoWindowProc CalendarProc SetupPageProc SysInfoBoxProc \
    ChangeDriverBoxProc ShowCalendar ShowSetupDialog; do
    if echo "$symbols" | grep -q "$own"; then echo "linked: $own"; status=1; fi
done
[ $status = 0 ] && echo "the saver links only the shared code and its own"
exit $status
