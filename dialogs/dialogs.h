// The auxiliary windows the main window opens: About, Setup, the manual, System Information
// and the display check.
#pragma once

#include <windows.h>

void ShowAboutBox(HWND owner);
void ShowSetupDialog(HWND owner);
void OpenManual(HWND owner);
int ShowSystemInformation(HWND owner);
void ShowChangeDriverBox(HWND owner);

// Bits per pixel of the display when 8 or less, else 24.
unsigned ScreenColourDepth();
