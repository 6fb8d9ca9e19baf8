// Process-wide objects of the daybook made by its run function.
#pragma once

#include <windows.h>

extern HFONT EntryFont;    // "Arial", 16 pixels: entry texts
extern HFONT AltEntryFont; // "Arial", 15 pixels: entries that begin with "*"
extern HWND MainWindow;
