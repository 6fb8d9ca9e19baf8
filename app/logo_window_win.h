// The startup logo window: the logo picture, a small animation and a one-line notice, centred
// and topmost while the daybook starts.
#pragma once

#include <windows.h>

extern const char LogoWindowClass[];

// Creates and shows the logo when ShowStartupWindow is on and StayOnTop is off.
void CreateLogoWindow(HWND owner);

// Closes the logo window if it is still open and unregisters its class. The main window calls
// it on its logo timer and when it is destroyed.
void CloseLogoWindow();

LRESULT CALLBACK LogoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
