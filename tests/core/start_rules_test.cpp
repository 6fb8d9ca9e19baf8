#include <cstring>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#include "app/start_rules.h"
#include "settings/text_values.h"
#include "tests/core/test_files.h"
#include "settings/settings.h"

namespace {

class StartRulesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetSettings(MainSettingsTable);
        ResetStartOptions();
    }
};

TEST_F(StartRulesTest, OptionsAreFoundAnywhereInAnyLetterCase) {
    ApplyCommandLine("/opencalendar /nostayontop");
    EXPECT_EQ(OpenCalendarAtStart, 1u);
    EXPECT_EQ(StayOnTopAllowed, 0u);
    EXPECT_EQ(TimeoutsAllowed, 1u);
    EXPECT_EQ(ClickToCloseAllowed, 1u);

    ResetStartOptions();
    ApplyCommandLine("xx/notimeouts/NoClickToCloseAnd");
    EXPECT_EQ(TimeoutsAllowed, 0u);
    EXPECT_EQ(ClickToCloseAllowed, 0u);
    EXPECT_EQ(OpenCalendarAtStart, 0u);

    ResetStartOptions();
    ApplyCommandLine("/SCREENSAVER");
    EXPECT_EQ(TimeoutsAllowed + StayOnTopAllowed + ClickToCloseAllowed + OpenCalendarAtStart, 3u);
    ApplyCommandLine("/NOTIME OUT /OPEN -NOSTAYONTOP"); // the slash is part of each option
    EXPECT_EQ(TimeoutsAllowed, 1u);
    EXPECT_EQ(StayOnTopAllowed, 1u);
    EXPECT_EQ(OpenCalendarAtStart, 0u);
}

TEST_F(StartRulesTest, AVeryLongCommandLineIsSearchedWhole) {
    std::string line(100000, 'x');
    line += "/notimeout";
    ApplyCommandLine(line.c_str());
    EXPECT_EQ(TimeoutsAllowed, 0u);
    ApplyCommandLine(nullptr);
    EXPECT_EQ(TimeoutsAllowed, 0u); // no command line changes nothing
    ResetStartOptions();
    ApplyCommandLine("/NOTIMEOU");
    EXPECT_EQ(TimeoutsAllowed, 1u); // a shortened option is none
}

TEST_F(StartRulesTest, OncePerDayNeedsEveryCondition) {
    const char* today = "Tue Dec 08 07:15:00 2026";
    const char* earlierToday = "tue dec 08 00:01:02 2026";
    OncePerDay = 1;
    DelayTime = 30;
    EXPECT_TRUE(OncePerDayEndsRun(false, earlierToday, today));
    EXPECT_FALSE(OncePerDayEndsRun(true, earlierToday, today));                // Shift held
    EXPECT_FALSE(OncePerDayEndsRun(false, "", today));                         // first run
    EXPECT_FALSE(OncePerDayEndsRun(false, "Tue Dec 08 07:15:00 2020", today)); // another year
    EXPECT_FALSE(OncePerDayEndsRun(false, "Mon Dec 07 23:59:59 2026", today));
    // Every character of the day (1 to 10) and of the year (21 to 24) counts, nothing after.
    const char* otherDays[] = {"Tue Dec 15 07:15:00 2026", "Tue Nov 08 07:15:00 2026",
                               "Wed Dec 08 07:15:00 2026", "Tue Dec 08 07:15:00 1026",
                               "Tue Dec 08 07:15:00 2027", "Tue Dec 18 07:15:00 2026"};
    for (const char* other : otherDays)
        EXPECT_FALSE(OncePerDayEndsRun(false, other, today)) << other;
    EXPECT_TRUE(OncePerDayEndsRun(false, "Tue Dec 08 23:59:59 2026 and more", today));
    DelayTime = 0;
    EXPECT_FALSE(OncePerDayEndsRun(false, earlierToday, today));
    DelayTime = 30;
    OncePerDay = 0;
    EXPECT_FALSE(OncePerDayEndsRun(false, earlierToday, today));
    OncePerDay = 1;
    ApplyCommandLine("/NOTIMEOUT");
    EXPECT_FALSE(OncePerDayEndsRun(false, earlierToday, today));
}

TEST_F(StartRulesTest, ClockTextUsesTwelveHours) {
    struct {
        unsigned hour, minute;
        const char* text;
    } cases[] = {{0, 0, "12:00 am"},  {0, 5, "12:05 am"}, {9, 30, "9:30 am"},  {11, 59, "11:59 am"},
                 {12, 0, "12:00 pm"}, {13, 7, "1:07 pm"}, {23, 59, "11:59 pm"}};
    for (const auto& c : cases) {
        char text[32];
        FormatClockText(c.hour, c.minute, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.hour << ":" << c.minute;
    }
}

TEST_F(StartRulesTest, OneMomentGivesTheDateWeekdayTimeAndTheOncePerDayDay) {
    OncePerDay = 1;
    DelayTime = 30;
    struct {
        tm when;
        DayDate date;
        const char* weekday;
        const char* clock;
    } cases[] = {
        {Moment(2026, 12, 31, 23, 59, 59), {2026, 31, 12}, "Thursday", "11:59 pm"},
        {Moment(2027, 1, 1, 0, 0, 0), {2027, 1, 1}, "Friday", "12:00 am"},
        {Moment(2024, 2, 29, 12, 0, 0), {2024, 29, 2}, "Thursday", "12:00 pm"},
        {Moment(2026, 3, 1, 9, 5, 0), {2026, 1, 3}, "Sunday", "9:05 am"},
    };
    const char lastRun[] = "Thu Dec 31 07:15:00 2026";
    for (const auto& c : cases) {
        EXPECT_TRUE(SameDayDate(DayDateOf(c.when), c.date)) << c.clock;
        EXPECT_STREQ(WeekdayNameOf(c.when), c.weekday);
        char clock[32], now[TimeTextLength + 1];
        FormatClockText(c.when.tm_hour, c.when.tm_min, clock, sizeof clock);
        EXPECT_STREQ(clock, c.clock);
        FormatTimeText(&c.when, now);
        // Started at 7:15 on New Year's Eve: only a start later that same day ends at once.
        EXPECT_EQ(OncePerDayEndsRun(false, lastRun, now), c.date.day == 31) << now;
    }
}

TEST_F(StartRulesTest, TheAutoCloseCountsSecondsOnlyWhenADelayIsSetAndTimeoutsAreAllowed) {
    struct {
        uint32_t delay, timeoutsAllowed, closesAfter; // 0: never within the test's 100 ticks
    } cases[] = {{3, 1, 3}, {1, 1, 1}, {0, 1, 0}, {3, 0, 0}, {100, 1, 100}};
    for (const auto& c : cases) {
        uint32_t seconds = 0, closedAt = 0;
        for (uint32_t tick = 1; tick <= 100 && closedAt == 0; ++tick)
            if (CountTowardsAutoClose(&seconds, c.delay, c.timeoutsAllowed))
                closedAt = tick;
        EXPECT_EQ(closedAt, c.closesAfter) << c.delay << " " << c.timeoutsAllowed;
    }
}

TEST_F(StartRulesTest, ADarkCaptionOnlyInDarkModeOnWindowsThatOfferIt) {
    EXPECT_TRUE(WantsDarkCaption(10, 19041, true, 0));
    EXPECT_TRUE(WantsDarkCaption(10, 22631, true, 0));   // Windows 11
    EXPECT_FALSE(WantsDarkCaption(10, 22631, true, 1));  // light mode
    EXPECT_FALSE(WantsDarkCaption(10, 22631, false, 0)); // never chosen
    EXPECT_FALSE(WantsDarkCaption(10, 18363, true, 0));  // before the 2004 update
    EXPECT_FALSE(WantsDarkCaption(6, 9600, true, 0));    // Windows 8.1
    EXPECT_FALSE(WantsDarkCaption(6, 9200, true, 0));    // no compatibility section
}

TEST_F(StartRulesTest, DateLineAndLayoutNumbers) {
    char line[64];
    FormatDateLine(DayDate{2002, 5, 7}, line, sizeof line);
    EXPECT_STREQ(line, "July 5, 2002");
    FormatDateLine(DayDate{2024, 29, 2}, line, sizeof line);
    EXPECT_STREQ(line, "February 29, 2024");
    FormatDateLine(DayDate{1, 1, 99}, line, sizeof line); // never indexes past the names
    EXPECT_STREQ(line, "January 1, 1");
    FormatDateLine(DayDate{1, 1, 13}, line, sizeof line);
    EXPECT_STREQ(line, "January 1, 1");
    EXPECT_EQ(PictureButtonTop(19), 76);
    EXPECT_EQ(PictureButtonTop(23), 72);
    EXPECT_EQ(PictureButtonTop(200), 65432 - 1); // 100 - 200 - 4 wraps to 65432 as 16 bits
    EXPECT_EQ(LogoTimerPeriod(0), 100u);
    EXPECT_EQ(LogoTimerPeriod(50), 100u);
    EXPECT_EQ(LogoTimerPeriod(8000), 8000u);
}

} // namespace
