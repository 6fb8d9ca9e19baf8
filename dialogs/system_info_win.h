// The System Information dialog ("SysInfoBox"): screen size, network, slow machine, Windows
// version, registered owner and organisation, and how many colours the display shows.
#pragma once

#include <windows.h>

// Runs the dialog modally over the owner, then repaints the owner at once. Returns 1.
int ShowSystemInformation(HWND owner);

INT_PTR CALLBACK SysInfoBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads a string value into a buffer of the given size, always terminated. A missing value, one
// of another type or one that does not fit leaves the buffer as it was. Returns whether it read.
bool ReadRegistryText(HKEY key, const char* name, char* buffer, DWORD size);

// The registered owner and organisation: from "SOFTWARE\Microsoft\Windows\CurrentVersion" under
// the root, then, while either is still empty, both again from the Windows NT key.
void ReadRegisteredNames(HKEY root, char owner[MAX_PATH], char organisation[MAX_PATH]);
