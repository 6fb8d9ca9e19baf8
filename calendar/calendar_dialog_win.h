// The calendar: browse the daybook by year, month and day.
#pragma once

#include <windows.h>

// Runs the modal calendar from template "CalendarBox" of ResourceModule; returns when it closes.
void ShowCalendar(HWND owner);

// The calendar's dialog procedure.
INT_PTR CALLBACK CalendarProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The entry text box's window procedure: copying and cutting put the copyright notice on the
// clipboard instead of the selection.
LRESULT CALLBACK CalendarTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// True when the screen has more than 96 logical pixels per inch horizontally.
bool IsLargeFontDisplay();

// Paints the month grid of a month (index 0 to 11) onto the dialog's client area: title, weekday
// heads and day numbers, white on black. Answers the column unit (cx, 5) and the row height
// (cy, 12) that the day hit test also uses.
SIZE DrawMonthGrid(HDC dc, int year, int monthIndex, const RECT* client);
