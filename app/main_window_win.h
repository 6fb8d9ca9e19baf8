// The daybook's main window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ctime>

#include "app/day_display_win.h"

extern const char MainWindowClass[];

// The daybook's one main window, made by its run function.
extern HWND MainWindow;

// Registers the class "TavrinApplication" and creates the 760 by 520 main window with the five
// day controls.
bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);

// The right-click menu: About, Setup, Calendar, Manual, System Information, Exit.
HMENU CreateContextMenu();

// One second of the clock at the given local time: the time line, a new day once midnight has
// passed, and the auto-close count.
void ClockTick(HWND window, const struct tm& now);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
