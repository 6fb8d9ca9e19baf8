// The day as the daybook's main window and the screen saver's panel show it: weekday, date and
// time lines, the entry text and the day-picture button, in the current tint on black.
#pragma once

#include <windows.h>

#include <cstdint>

#include "database/day_entries.h"

extern HFONT EntryFont;    // "Arial", 16 pixels: entry texts
extern HFONT AltEntryFont; // "Arial", 15 pixels: entries that begin with "*"

// The day the window shows, and its picture number.
extern DayDate ShownDate;
extern uint32_t ShownPictureId;

// Makes and deletes the two entry fonts.
void CreateEntryFonts();
void DeleteEntryFonts();

// Creates the five day controls in the parent: weekday 105, date 101, time 103, entry 102 and
// the picture button 107 at pictureTop. Every control gets EntryFont.
void CreateDayControls(HWND parent, HINSTANCE instance, int pictureTop);

// Makes today the shown day, with its picture.
void ShowToday();

// Writes the date, entry, weekday and time controls as far as they changed (all of them when
// forced), for the given date or today. Returns whether the day of the month changed.
BOOL RefreshDisplay(HWND window, BOOL force, const DayDate* date);
// The same at a given local time: the weekday and the time line are those of now, and without a
// date the day shown is now's.
BOOL RefreshDisplayAt(HWND window, BOOL force, const DayDate* date, const struct tm& now);

// One second of a clock that follows the day, at the given local time: the time line at a new
// minute and, once midnight has passed, the new day's date, weekday, entry text and picture.
void FollowClock(HWND window, const struct tm& now);

// The answer of a window showing the day to the owner-draw message of its picture button and
// to the control-colour messages; false for any other message.
bool AnswerDayMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
