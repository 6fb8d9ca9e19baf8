#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/day_entries.h"

namespace {

// Month texts are written here with '|' for each entry's zero byte.
void SetMonth(int month, std::string text) {
    for (char& c : text)
        if (c == '|')
            c = '\0';
    ASSERT_TRUE(SetMonthText(month, text.data(), text.size()));
}

DayDate Date(int month, int day) {
    return DayDate{2002, static_cast<uint8_t>(day), static_cast<uint8_t>(month)};
}

class DayEntriesTest : public ::testing::Test {
  protected:
    void TearDown() override { FreeDatabase(); }
};

TEST_F(DayEntriesTest, EntryTextAndPictureFollowTheEntryGrammar) {
    SetMonth(6, "4;Text four|5;120;Text|6;100;Six|7;*Small|8;Eight|9;3;Nine||");
    EXPECT_STREQ(GetEntryText(6, 5), "Text");
    DayDate fifth = Date(7, 5);
    EXPECT_EQ(GetPictureId(&fifth), 2120);
    EXPECT_STREQ(GetEntryText(6, 6), "Six");
    DayDate date = Date(7, 6);
    EXPECT_EQ(GetPictureId(&date), 2706);
    date = Date(7, 4);
    EXPECT_EQ(GetPictureId(&date), 2704);
    EXPECT_STREQ(GetEntryText(6, 7), "*Small");
    date = Date(7, 9);
    EXPECT_EQ(GetPictureId(&date), 2709);
    EXPECT_STREQ(GetEntryText(6, 9), "Nine");
    EXPECT_STREQ(GetEntryText(6, 10), MissingEntryText);
}

TEST_F(DayEntriesTest, ATextStartingWithALargeNumberIsReadAsAPicture) {
    SetMonth(2, "3;1961 was the year||");
    DayDate date = Date(3, 3);
    EXPECT_EQ(GetPictureId(&date), 3961);
    EXPECT_STREQ(GetEntryText(2, 3), "1961 was the year");
}

TEST_F(DayEntriesTest, AnUnreadableEntryEndsBothSearches) {
    // Day 4 names a picture of its own, so a walk that went on past the broken entry would
    // give 2150 rather than the day's own number.
    SetMonth(0, "1;One|x;Broken|3;Three;|4;150;Four||");
    EXPECT_STREQ(GetEntryText(0, 1), "One");
    EXPECT_STREQ(GetEntryText(0, 4), MissingEntryText);
    DayDate date = Date(1, 4);
    EXPECT_EQ(GetPictureId(&date), 2104);
}

TEST_F(DayEntriesTest, TheFirstOfTwoEntriesWinsAndMissingSemicolonsGiveTheNotice) {
    SetMonth(1, "2;150;First|2;160;Second|3 without semicolon||");
    EXPECT_STREQ(GetEntryText(1, 2), "First");
    DayDate date = Date(2, 2);
    EXPECT_EQ(GetPictureId(&date), 2150);
    EXPECT_STREQ(GetEntryText(1, 3), MissingEntryText);
    date = Date(2, 3);
    EXPECT_EQ(GetPictureId(&date), 2203);
    SetMonth(3, "1;One|2|3;150;Three||"); // a one-letter entry on the way ends no search
    date = Date(4, 3);
    EXPECT_EQ(GetPictureId(&date), 2150);
}

TEST_F(DayEntriesTest, PictureNumbersFrom101AreTheEntrysOwn) {
    SetMonth(0, "5;101;Five|6;100;Six|8;2147483648;Eight||");
    DayDate date = Date(1, 5);
    EXPECT_EQ(GetPictureId(&date), 2101);
    date = Date(0, 5); // a month of 0 is read as January
    EXPECT_EQ(GetPictureId(&date), 2101);
    date = Date(1, 6);
    EXPECT_EQ(GetPictureId(&date), 2106); // 100 is no picture: the day's own number
    date = Date(1, 8);
    EXPECT_EQ(GetPictureId(&date), 2108); // nor is 2^31, the first number out of range
}

TEST_F(DayEntriesTest, MonthOutsideTheTableOrNotLoaded) {
    SetMonth(11, "5;999;December five||");
    DayDate date = Date(13, 5);
    EXPECT_EQ(GetPictureId(&date), 2999); // December's text, explicit number
    date = Date(13, 6);
    EXPECT_EQ(GetPictureId(&date), 3306); // default from the record's own month
    date = Date(0, 6);
    EXPECT_EQ(GetPictureId(&date), 2006);
    EXPECT_STREQ(GetEntryText(12, 5), MissingEntryText);
    EXPECT_STREQ(GetEntryText(-1, 5), MissingEntryText);
    EXPECT_STREQ(GetEntryText(3, 5), MissingEntryText); // April never loaded
    date = Date(4, 5);
    EXPECT_EQ(GetPictureId(&date), 2405);
}

TEST_F(DayEntriesTest, LookupsStayInsideAMonthWithoutItsClosingEntry) {
    // No closing empty entry, and the last entry has no zero byte of its own: the walk ends at
    // the block's end (AddressSanitizer watches the block's edge).
    std::string text = "1;One|2;Two|3;Thr";
    for (char& c : text)
        if (c == '|')
            c = '\0';
    char* exact = static_cast<char*>(malloc(text.size()));
    memcpy(exact, text.data(), text.size());
    ASSERT_TRUE(SetMonthText(4, exact, text.size()));
    free(exact);
    EXPECT_STREQ(GetEntryText(4, 2), "Two");
    EXPECT_STREQ(GetEntryText(4, 3), "Thr");
    EXPECT_STREQ(GetEntryText(4, 9), MissingEntryText);
    DayDate date = Date(5, 9);
    EXPECT_EQ(GetPictureId(&date), 2509);
}

TEST(DayNames, WeekdayFromTimeTextIgnoresCase) {
    EXPECT_STREQ(WeekdayNameFromTimeText("Wed Jan 02 02:03:55 1980"), "Wednesday");
    EXPECT_STREQ(WeekdayNameFromTimeText("sun"), "Sunday");
    EXPECT_STREQ(WeekdayNameFromTimeText("SAT Jan"), "Saturday");
    EXPECT_STREQ(WeekdayNameFromTimeText("Xyz"), " ");
    EXPECT_STREQ(WeekdayNameFromTimeText(""), " ");
    const char* today = GetTodayWeekdayName();
    bool known = false;
    for (const char* name : WeekdayNames)
        known = known || strcmp(name, today) == 0;
    EXPECT_TRUE(known) << today;
    EXPECT_STREQ(MonthNames[6], "July");
}

TEST(DayNames, DatesCompareAsSixBytes) {
    DayDate a = {2002, 5, 7}, b = {2002, 5, 7}, c = {2003, 5, 7};
    EXPECT_TRUE(SameDayDate(a, b));
    EXPECT_FALSE(SameDayDate(a, c));
    DayDate today = TodayDate();
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.month, 12);
    // Today is the local calendar date (a test run across midnight may see the next day).
    time_t now = time(nullptr);
    tm local = *localtime(&now);
    EXPECT_EQ(today.year, local.tm_year + 1900);
    EXPECT_EQ(today.month, local.tm_mon + 1);
    EXPECT_EQ(today.day, local.tm_mday);
}

TEST(EditText, LineFeedsBecomeCarriageReturnLineFeedAndTheStarGoes) {
    struct {
        const char* in;
        const char* out;
    } cases[] = {{"A\nB", "A\r\nB"},     {"", ""},     {"\n\n", "\r\n\r\n"}, {"*Text", "Text"},
                 {"a\r\nb", "a\r\r\nb"}, {"**x", "*x"}};
    for (const auto& c : cases) {
        char* converted = ToEditText(c.in);
        ASSERT_NE(converted, nullptr);
        EXPECT_STREQ(converted, c.out) << c.in;
        free(converted);
    }
}

} // namespace
