#include "calendar/calendar_math.h"

#include <cstdio>

#include "database/day_entries.h"

const uint8_t DaysInMonth[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

const char* const DayAbbreviations[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int monthIndex) {
    if (monthIndex < 0 || monthIndex > 11)
        return 0;
    return DaysInMonth[IsLeapYear(year) ? 1 : 0][monthIndex];
}

int FirstWeekdayOfMonth(int year, int monthIndex) {
    // a: days from 1 January 1583, a Saturday, to the first of the month, modulo 7.
    int a = 0;
    for (int y = FirstCalendarYear; y < year; ++y)
        a = (a + (IsLeapYear(y) ? 366 : 365)) % 7;
    const uint8_t* lengths = DaysInMonth[IsLeapYear(year) ? 1 : 0];
    for (int i = 0; i < monthIndex && i < 12; ++i)
        a = (a + lengths[i]) % 7;
    return (a == 0 ? 7 : a) - 1;
}

int WeekdayOfDay(int year, int monthIndex, int day) {
    return (FirstWeekdayOfMonth(year, monthIndex) + day - 1) % 7;
}

int CalendarDayAt(uint16_t x, uint16_t y, int base, int year, int monthIndex) {
    // Integer division rounds toward zero, so column 0 and row 0 reach a little further left
    // and up than the other cells: that is how the grid has always answered presses.
    int column = (x - base + GridColumnPitch / 2) / GridColumnPitch;
    int row = (y - GridFirstRowTop) / GridRowHeight;
    if (column < 0 || column >= GridColumns || row < 0 || row >= GridRows)
        return 0;
    int day = row * GridColumns + column - FirstWeekdayOfMonth(year, monthIndex) + 1;
    if (day < 1 || day > MonthLength(year, monthIndex))
        return 0;
    return day;
}

void FormatCalendarTitle(int year, int monthIndex, char* text, size_t size) {
    snprintf(text, size, "%s %u", MonthNames[monthIndex], static_cast<unsigned>(year));
}

void FormatCalendarDateLine(int year, int monthIndex, int day, char* text, size_t size) {
    snprintf(text, size, "%s %u, %u\n\n%s", MonthNames[monthIndex], static_cast<unsigned>(day),
             static_cast<unsigned>(year), WeekdayNames[WeekdayOfDay(year, monthIndex, day)]);
}

void FormatPictureName(int monthIndex, int day, char* text, size_t size) {
    snprintf(text, size, "Picture for %u %s", static_cast<unsigned>(day), MonthNames[monthIndex]);
}

// A month later or earlier (by months, which may be negative), keeping the day where the
// month is long enough.
static CalendarDay AddMonths(CalendarDay from, int months) {
    int index = from.year * 12 + from.monthIndex + months;
    CalendarDay to = {index / 12, index % 12, from.day};
    int length = MonthLength(to.year, to.monthIndex);
    if (to.day > length)
        to.day = length;
    return to;
}

// Up to four weeks later or earlier, into the neighbouring month where the step leaves this one.
static CalendarDay AddDays(CalendarDay from, int days) {
    CalendarDay to = {from.year, from.monthIndex, from.day + days};
    if (to.day < 1) {
        to = AddMonths(CalendarDay{from.year, from.monthIndex, 1}, -1);
        to.day = from.day + days + MonthLength(to.year, to.monthIndex);
    } else if (to.day > MonthLength(from.year, from.monthIndex)) {
        to = AddMonths(CalendarDay{from.year, from.monthIndex, 1}, 1);
        to.day = from.day + days - MonthLength(from.year, from.monthIndex);
    }
    return to;
}

CalendarDay StepCalendarDay(CalendarDay from, DayStep step) {
    CalendarDay to = from;
    switch (step) {
    case DayStep::PreviousDay:
        to = AddDays(from, -1);
        break;
    case DayStep::NextDay:
        to = AddDays(from, 1);
        break;
    case DayStep::PreviousWeek:
        to = AddDays(from, -7);
        break;
    case DayStep::NextWeek:
        to = AddDays(from, 7);
        break;
    case DayStep::PreviousMonth:
        to = AddMonths(from, -1);
        break;
    case DayStep::NextMonth:
        to = AddMonths(from, 1);
        break;
    case DayStep::FirstOfMonth:
        to.day = 1;
        break;
    case DayStep::LastOfMonth:
        to.day = MonthLength(to.year, to.monthIndex);
        break;
    }
    if (to.year < FirstCalendarYear)
        return CalendarDay{FirstCalendarYear, 0, 1};
    if (to.year > LastCalendarYear)
        return CalendarDay{LastCalendarYear, 11, 31};
    return to;
}
