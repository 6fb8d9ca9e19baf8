// The calendar: browse the daybook by year, month and day.
#pragma once

#include <windows.h>

void ShowCalendar(HWND owner);
