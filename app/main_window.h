// The daybook's main window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "database/day_entries.h"

extern const char MainWindowClass[];

// The day the window shows, and its picture number.
extern DayDate ShownDate;
extern uint32_t ShownPictureId;

// Registers the class "TavrinApplication" and creates the 760 by 520 main window with its five
// controls: weekday, date, time, entry text and the day-picture button.
bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);

// The right-click menu: About, Setup, Calendar, Manual, System Information, Exit.
HMENU CreateContextMenu();

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Writes the date, entry, weekday and time controls as far as they changed (all of them when
// forced), for the given date or today. Returns whether the day of the month changed.
BOOL RefreshDisplay(HWND window, BOOL force, const DayDate* date);
