// The auxiliary windows not yet in their own headers: About, System Information and the
// display check.
#pragma once

#include <windows.h>

void ShowAboutBox(HWND owner);
int ShowSystemInformation(HWND owner);
void ShowChangeDriverBox(HWND owner);

// Bits per pixel of the display when 8 or less, else 24.
unsigned ScreenColourDepth();
