#include <algorithm>
#include <chrono>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "calendar/calendar_math.h"

namespace {

// Every month the calendar offers, against the standard library's civil calendar.
TEST(CalendarMath, LeapYearsLengthsAndFirstWeekdaysMatchTheCivilCalendar) {
    using namespace std::chrono;
    for (int y = FirstCalendarYear; y <= LastCalendarYear; ++y) {
        ASSERT_EQ(IsLeapYear(y), year{y}.is_leap()) << y;
        for (unsigned m = 1; m <= 12; ++m) {
            const int index = static_cast<int>(m) - 1;
            const weekday first{sys_days{year{y} / month{m} / 1}};
            ASSERT_EQ(FirstWeekdayOfMonth(y, index), static_cast<int>(first.c_encoding()))
                << y << "-" << m;
            const unsigned length = unsigned{(year{y} / month{m} / last).day()};
            ASSERT_EQ(MonthLength(y, index), static_cast<int>(length)) << y << "-" << m;
            ASSERT_EQ(DaysInMonth[IsLeapYear(y) ? 1 : 0][index], length) << y << "-" << m;
        }
    }
}

// Every step the calendar's keys take, from every day of the first and last years and of years
// around leap days, against the civil calendar; steps past either end stop at that end.
TEST(CalendarMath, StepsFollowTheCivilCalendarAndStopAtItsEnds) {
    using namespace std::chrono;
    const sys_days first = year{FirstCalendarYear} / 1 / 1, end = year{LastCalendarYear} / 12 / 31;
    auto civil = [](year_month_day d) {
        return std::tuple{int{d.year()}, int(unsigned{d.month()}) - 1, int(unsigned{d.day()})};
    };
    for (int y : {FirstCalendarYear, 1600, 1900, 2000, 2023, 2024, LastCalendarYear})
        for (sys_days at = year{y} / 1 / 1; at <= sys_days{year{y} / 12 / 31}; at += days{1}) {
            year_month_day d{at};
            auto byMonths = [&](int n) { // the same day, or the month's last when it is shorter
                year_month_day to = d + months{n};
                return to.ok() ? sys_days{to} : sys_days{to.year() / to.month() / last};
            };
            const year_month shown = d.year() / d.month();
            const sys_days to[] = {at - days{1}, at + days{1}, at - days{7}, at + days{7},
                                   byMonths(-1), byMonths(1),  shown / 1,    shown / last};
            auto [fromYear, fromMonth, fromDay] = civil(d);
            for (int step = 0; step < 8; ++step) {
                CalendarDay got = StepCalendarDay({fromYear, fromMonth, fromDay}, DayStep(step));
                ASSERT_EQ(std::tuple(got.year, got.monthIndex, got.day),
                          civil(year_month_day{std::clamp(to[step], first, end)}))
                    << y << "-" << fromMonth + 1 << "-" << fromDay << " step " << step;
            }
        }
}

TEST(CalendarMath, KnownFirstDaysAndCenturyLeapYears) {
    EXPECT_EQ(FirstWeekdayOfMonth(1583, 0), 6); // Saturday
    EXPECT_EQ(FirstWeekdayOfMonth(2001, 0), 1); // Monday
    EXPECT_EQ(FirstWeekdayOfMonth(2000, 1), 2); // Tuesday
    EXPECT_EQ(MonthLength(2000, 1), 29);
    EXPECT_EQ(MonthLength(1900, 1), 28);
    EXPECT_EQ(MonthLength(2100, 1), 28);
    EXPECT_EQ(MonthLength(2024, 1), 29);
    EXPECT_EQ(WeekdayOfDay(2000, 1, 29), 2);
    EXPECT_EQ(WeekdayOfDay(2582, 11, 31), 2); // 31 December 2582, a Tuesday
    // No month past December or before January: no days, and the weekday after the year's end.
    EXPECT_EQ(MonthLength(2000, 12) + MonthLength(2000, -1), 0);
    EXPECT_EQ(FirstWeekdayOfMonth(2000, 13), FirstWeekdayOfMonth(2001, 0));
}

// January 2000 starts on a Saturday and has 31 days: its grid uses all six rows, with days
// 9 to 15 filling row 2 from Sunday to Saturday.
const int Year = 2000, January = 0;
const uint16_t Row2 = 81 + 24;

uint16_t At(int base, int offset) {
    return static_cast<uint16_t>(base + offset);
}

TEST(CalendarHitTest, ColumnsRoundTowardZeroAtBothGridPositions) {
    for (int base : {GridBase(false), GridBase(true)}) {
        SCOPED_TRACE(base);
        EXPECT_EQ(CalendarDayAt(At(base, -36), Row2, base, Year, January), 9);
        EXPECT_EQ(CalendarDayAt(At(base, -30), Row2, base, Year, January), 9);
        EXPECT_EQ(CalendarDayAt(At(base, -37), Row2, base, Year, January), 0);
        EXPECT_EQ(CalendarDayAt(At(base, 12), Row2, base, Year, January), 9);
        for (int k = 1; k < 7; ++k) {
            EXPECT_EQ(CalendarDayAt(At(base, 25 * k - 13), Row2, base, Year, January), 8 + k);
            EXPECT_EQ(CalendarDayAt(At(base, 25 * k - 12), Row2, base, Year, January), 9 + k);
            EXPECT_EQ(CalendarDayAt(At(base, 25 * k + 12), Row2, base, Year, January), 9 + k);
        }
        // 13 pixels right of the last column's edge is beside the grid.
        EXPECT_EQ(CalendarDayAt(At(base, 150 + 13), Row2, base, Year, January), 0);
    }
    // The large-font grid stands 110 pixels further right.
    EXPECT_EQ(GridBase(true) - GridBase(false), 110);
    EXPECT_EQ(CalendarDayAt(At(GridBase(false), 0), Row2, GridBase(true), Year, January), 0);
}

TEST(CalendarHitTest, RowsRoundTowardZero) {
    const int base = GridBase(false);
    const uint16_t saturday = At(base, 150);
    EXPECT_EQ(CalendarDayAt(saturday, 69, base, Year, January), 0);
    EXPECT_EQ(CalendarDayAt(saturday, 70, base, Year, January), 1);
    EXPECT_EQ(CalendarDayAt(saturday, 92, base, Year, January), 1);
    for (int r = 1; r < 5; ++r) {
        EXPECT_EQ(CalendarDayAt(saturday, static_cast<uint16_t>(80 + 12 * r), base, Year, January),
                  1 + 7 * (r - 1));
        EXPECT_EQ(CalendarDayAt(saturday, static_cast<uint16_t>(81 + 12 * r), base, Year, January),
                  1 + 7 * r);
        EXPECT_EQ(CalendarDayAt(saturday, static_cast<uint16_t>(92 + 12 * r), base, Year, January),
                  1 + 7 * r);
    }
}

TEST(CalendarHitTest, OnlyCellsHoldingADayAreClickable) {
    const int base = GridBase(false);
    // Row 0: Sunday to Friday come before the first.
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(CalendarDayAt(At(base, 25 * c), 85, base, Year, January), 0) << c;
    // Row 5: day 30 on Sunday, day 31 on Monday, then nothing.
    EXPECT_EQ(CalendarDayAt(At(base, 0), 141, base, Year, January), 30);
    EXPECT_EQ(CalendarDayAt(At(base, 25), 141, base, Year, January), 31);
    EXPECT_EQ(CalendarDayAt(At(base, 25), 152, base, Year, January), 31);
    for (int c = 2; c < 7; ++c)
        EXPECT_EQ(CalendarDayAt(At(base, 25 * c), 141, base, Year, January), 0) << c;
    // Below row 5 there is no seventh row.
    EXPECT_EQ(CalendarDayAt(At(base, 25), 153, base, Year, January), 0);
    // Leap and common Februaries end on their own last day.
    const uint16_t fifthRow = 81 + 48;
    EXPECT_EQ(CalendarDayAt(At(base, 50), fifthRow, base, 2000, 1), 29); // Tuesday 29th
    EXPECT_EQ(CalendarDayAt(At(base, 75), fifthRow, base, 2000, 1), 0);
    EXPECT_EQ(CalendarDayAt(At(base, 0), fifthRow, base, 2100, 1), 28); // Sunday 28th
    EXPECT_EQ(CalendarDayAt(At(base, 25), fifthRow, base, 2100, 1), 0);
}

TEST(CalendarHitTest, CoordinatesAreUnsignedWords) {
    const int base = GridBase(false);
    // A press left of or above the client area arrives as a large word, not a negative one.
    EXPECT_EQ(CalendarDayAt(0xFFFF, Row2, base, Year, January), 0);
    EXPECT_EQ(CalendarDayAt(static_cast<uint16_t>(-5), Row2, base, Year, January), 0);
    EXPECT_EQ(CalendarDayAt(At(base, 0), 0xFFFF, base, Year, January), 0);
    EXPECT_EQ(CalendarDayAt(0, Row2, base, Year, January), 0);
}

TEST(CalendarTexts, TitleAndDateLineWithWeekday) {
    char text[96];
    FormatCalendarTitle(2000, 1, text, sizeof text);
    EXPECT_STREQ(text, "February 2000");
    FormatCalendarDateLine(2000, 1, 29, text, sizeof text);
    EXPECT_STREQ(text, "February 29, 2000\n\nTuesday");
    FormatCalendarDateLine(1583, 0, 1, text, sizeof text);
    EXPECT_STREQ(text, "January 1, 1583\n\nSaturday");
    FormatCalendarDateLine(2582, 8, 30, text, sizeof text);
    EXPECT_STREQ(text, "September 30, 2582\n\nMonday");
    char small[8];
    FormatCalendarDateLine(2000, 1, 29, small, sizeof small);
    EXPECT_STREQ(small, "Februar");
}

} // namespace
