// The startup logo window.
#pragma once

#include <windows.h>

// Creates and shows the logo when the settings allow it.
void CreateLogoWindow(HWND owner);
// Closes the logo window if there is one.
void CloseLogoWindow();
