// The start-up rules of the daybook that do not need Windows: command-line options, the
// once-per-day rule, and the texts and numbers the main window is built from.
#pragma once

#include <cstddef>
#include <cstdint>

#include "database/day_entries.h"

// The start-up option flags; they hold for one run and are never saved.
extern uint32_t TimeoutsAllowed;     // "/NOTIMEOUT" sets 0
extern uint32_t StayOnTopAllowed;    // "/NOSTAYONTOP" sets 0
extern uint32_t ClickToCloseAllowed; // "/NOCLICKTOCLOSE" sets 0
extern uint32_t OpenCalendarAtStart; // "/OPENCALENDAR" sets 1

void ResetStartOptions();

// Looks for each option anywhere in the command line, ignoring letter case ("/notimeouts"
// counts as "/NOTIMEOUT"). Any length of command line is searched whole.
void ApplyCommandLine(const char* commandLine);

// True when the program was already started today and should end at once: Shift is not held,
// timeouts are allowed, OncePerDay and DelayTime are both set, and LastTime lies on the day of
// nowText (both time texts).
bool OncePerDayEndsRun(bool shiftHeld, const char* lastTime, const char* nowText);

// Counts one second of the main window's clock towards the auto-close: true when the window
// should close now, that is when a delay is set, timeouts are allowed ("/NOTIMEOUT" not given)
// and the delay's seconds have passed. Counts nothing when the window never closes by itself.
bool CountTowardsAutoClose(uint32_t* secondsShown, uint32_t delayTime, uint32_t timeoutsAllowed);

// "12:05 am", "9:30 am", "12:00 pm", "11:59 pm".
void FormatClockText(unsigned hour, unsigned minute, char* out, size_t outSize);

// "July 5, 2002".
void FormatDateLine(const DayDate& date, char* out, size_t outSize);

// Top of the picture button: ((100 - caption - 4) as unsigned 16 bits) - 1, 76 for a 19-pixel
// caption.
int PictureButtonTop(int captionHeight);

// Period of the logo timer: LogoDelay milliseconds, at least 100.
uint32_t LogoTimerPeriod(uint32_t logoDelay);

// Whether the black windows (the main window and the calendar) ask for a dark caption: on
// Windows 10 build 19041 or later, when the user's apps are set to dark mode (the personal theme
// value AppsUseLightTheme is present and 0).
bool WantsDarkCaption(unsigned majorVersion, unsigned build, bool lightThemeKnown,
                      uint32_t appsUseLightTheme);

// The display's colour depth as the daybook uses it: planes times bits per pixel (as an unsigned
// 16-bit number) when that is 8 or less, else 24. Above 8 the animations run.
unsigned EffectiveColourDepth(int planes, int bitsPerPixel);
