// The calendar dialog. Not available yet: the command returns at once.
#include "calendar/calendar_dialog.h"

void ShowCalendar(HWND) {}
