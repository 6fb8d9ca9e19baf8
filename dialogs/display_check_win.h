// The display check ("ChangeDriverBox"): shown at start on displays of 256 colours or fewer, it
// explains that the pictures will not look their best and offers the driver document.
#pragma once

#include <windows.h>

// Runs the dialog modally over the owner, then repaints the owner. Returns the dialog's result.
int ShowChangeDriverBox(HWND owner);

INT_PTR CALLBACK ChangeDriverBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
