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
