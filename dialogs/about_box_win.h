// The About box (template 5001): title with version, the maker's lines, a picture, a small
// animation and, in the daybook, a notice line; its "Credits" button opens template 5003.
#pragma once

#include <windows.h>

// Runs the About box modally from the ResourceModule. The title's version ends in the given
// letter ('d' in the daybook, 'b' in the screen saver); noticeLine, when given, is added in a
// strip above the template's controls. Returns whether the box ended with result 1.
bool ShowAboutBox(HWND owner, char versionLetter, const char* noticeLine);

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The credits box, strings 3000, 3001 and 3002 in one read-only text; "Done" ends it.
void ShowCredits(HWND owner);
INT_PTR CALLBACK CreditsBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Grows the dialog by a 15-pixel strip at its top, moves every control into the rest, and puts
// a static control 1999 with the text into the strip, drawn transparently in the colour with an
// "ARIAL" 13 font; alignment is SS_LEFT, SS_CENTER or SS_RIGHT.
void AddNoticeLine(HWND dialog, const char* text, COLORREF colour, DWORD alignment);

LRESULT CALLBACK NoticeLineProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
