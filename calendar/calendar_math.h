// Calendar arithmetic of the calendar dialog: leap years, weekdays, the month grid's layout and
// hit test, and the texts it shows. No Windows header: tested natively.
#pragma once

#include <cstddef>
#include <cstdint>

// The years the calendar offers in its year list.
const int FirstCalendarYear = 1583;
const int LastCalendarYear = 2582;
const int CalendarYearCount = LastCalendarYear - FirstCalendarYear + 1;

// Month lengths: row 0 for common years, row 1 for leap years.
extern const uint8_t DaysInMonth[2][12];
// Three-letter weekday names, Sunday first; the grid shows the first two letters.
extern const char* const DayAbbreviations[7];

// Month grid layout in pixels of the dialog's client area. The grid stands 110 pixels further
// right on a large-font display, where the dialog itself is wider.
const int GridBaseLargeFont = 574;
const int LargeFontShift = 110;
const int GridColumnUnit = 5; // the column pitch is five units
const int GridColumnPitch = 5 * GridColumnUnit;
const int GridRowHeight = 12;
const int GridTitleTop = 33;
const int GridHeadingTop = 57;
const int GridFirstRowTop = 81;
const int GridColumns = 7;
const int GridRows = 6;

// The x of the right edge of column 0's texts (the title's left edge).
inline int GridBase(bool largeFontDisplay) {
    return largeFontDisplay ? GridBaseLargeFont : GridBaseLargeFont - LargeFontShift;
}

// True for years divisible by 4 and either not by 100 or by 400.
bool IsLeapYear(int year);

// The number of days of a month (index 0 to 11) of a year.
int MonthLength(int year, int monthIndex);

// The weekday of the first of a month, 0 (Sunday) to 6 (Saturday), counted from 1 January
// 1583, a Saturday.
int FirstWeekdayOfMonth(int year, int monthIndex);

// The weekday, 0 (Sunday) to 6, of a day of a month.
int WeekdayOfDay(int year, int monthIndex, int day);

// The day under a left-button press at client point (x, y) of a month grid whose column 0 has
// its right edge at base, or 0 when the press is beside every day. The coordinates are the
// press message's unsigned 16-bit words.
int CalendarDayAt(uint16_t x, uint16_t y, int base, int year, int monthIndex);

// The grid's title, "February 2000". Always terminated when size > 0.
void FormatCalendarTitle(int year, int monthIndex, char* text, size_t size);

// The date line above the entry text, "February 29, 2000" and, two lines below, "Tuesday".
void FormatCalendarDateLine(int year, int monthIndex, int day, char* text, size_t size);

// The name a screen reader reads for the picture of a day, "Picture for 9 December". Always
// terminated when size > 0.
void FormatPictureName(int monthIndex, int day, char* text, size_t size);

// A day of the calendar.
struct CalendarDay {
    int year;
    int monthIndex; // 0 to 11
    int day;        // 1 to the month's length
};

// The steps the keyboard takes through the calendar's days.
enum class DayStep {
    PreviousDay,
    NextDay,
    PreviousWeek,
    NextWeek,
    PreviousMonth, // the same day of the month, or the month's last when it is shorter
    NextMonth,
    FirstOfMonth,
    LastOfMonth,
};

// The day a step leads to, crossing into neighbouring months and years as needed and stopping
// at 1 January of the first and 31 December of the last year the calendar offers.
CalendarDay StepCalendarDay(CalendarDay from, DayStep step);
