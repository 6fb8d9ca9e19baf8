#include <cstring>
#include <ctime>

#include <gtest/gtest.h>

#include "settings/install_path.h"
#include "settings/settings.h"
#include "settings/text_values.h"

namespace {

struct tm MakeTime(int year, int month, int day, int weekday, int hour, int minute, int second) {
    struct tm when = {};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_wday = weekday;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    return when;
}

TEST(TimeText, HasTheClassicTwentyFourCharacterForm) {
    char text[TimeTextLength + 1];
    struct tm when = MakeTime(1980, 1, 2, 3, 2, 3, 55);
    FormatTimeText(&when, text);
    EXPECT_STREQ(text, "Wed Jan 02 02:03:55 1980");
    when = MakeTime(2026, 12, 31, 4, 23, 59, 59);
    FormatTimeText(&when, text);
    EXPECT_STREQ(text, "Thu Dec 31 23:59:59 2026");
    when = MakeTime(2026, 12, 6, 0, 8, 0, 0);
    FormatTimeText(&when, text);
    EXPECT_STREQ(text, "Sun Dec 06 08:00:00 2026"); // Sunday is day 0
    // Nonsense fields never make the text longer or shorter.
    when = MakeTime(123456, 40, -3, 9, 99, -1, 75);
    FormatTimeText(&when, text);
    EXPECT_EQ(strlen(text), 24u);
    EXPECT_STREQ(text, "Sat Dec 01 23:00:60 9999"); // each field held to its own range
    when = MakeTime(1, -5, 1, -2, -1, 77, -9);
    FormatTimeText(&when, text);
    EXPECT_STREQ(text, "Sun Jan 01 00:59:00 0001");
    CurrentTimeText(text);
    EXPECT_EQ(strlen(text), 24u);
}

TEST(TimeText, SameDayComparesWeekdayDateAndYearIgnoringCase) {
    EXPECT_TRUE(TimeTextsOnSameDay("Wed Jan 02 02:03:55 1980", "Wed Jan 02 23:59:00 1980"));
    EXPECT_TRUE(TimeTextsOnSameDay("WED JAN 02 02:03:55 1980", "wed jan 02 11:00:00 1980"));
    EXPECT_FALSE(TimeTextsOnSameDay("Wed Jan 02 02:03:55 1980", "Wed Jan 02 02:03:55 1986"));
    EXPECT_FALSE(TimeTextsOnSameDay("Wed Jan 02 02:03:55 1980", "Thu Jan 03 02:03:55 1980"));
    EXPECT_FALSE(TimeTextsOnSameDay("Wed Jan 02 02:03:55 1980", ""));
    EXPECT_FALSE(TimeTextsOnSameDay("Wed Jan 02 02:03:55 1980", "Wed Jan 02"));
}

TEST(Decimal, ReadsLikeTheProgramsStoreNumbers) {
    EXPECT_EQ(ReadDecimal("15"), 15u);
    EXPECT_EQ(ReadDecimal("  \t 42abc"), 42u);
    EXPECT_EQ(ReadDecimal("-1"), 4294967295u);
    EXPECT_EQ(ReadDecimal("+7"), 7u);
    EXPECT_EQ(ReadDecimal("x12"), 0u);
    EXPECT_EQ(ReadDecimal(""), 0u);
    EXPECT_EQ(ReadDecimal("- 5"), 0u);
    EXPECT_EQ(ReadDecimal("4294967296"), 0u); // wraps modulo 2^32
    EXPECT_EQ(ReadDecimal("99999999999999999999999999"), ReadDecimal("99999999999999999999999999"));
    EXPECT_EQ(ReadDecimal("99999999999999999999999999"), 3825205247u); // modulo 2^32
}

TEST(InstallPath, JoinsApplicationPathAndFileName) {
    strcpy(ApplicationPath, "C:\\Tavrin\\");
    EXPECT_STREQ(InstallPath("MORVEST.DAT"), "C:\\Tavrin\\MORVEST.DAT");
    strcpy(ApplicationPath, "C:\\Tavrin");
    EXPECT_STREQ(InstallPath("MORVEST.DAT"), "C:\\Tavrin\\MORVEST.DAT");
    ApplicationPath[0] = '\0';
    EXPECT_STREQ(InstallPath("MORVEST.DAT"), "MORVEST.DAT");
    memset(ApplicationPath, 'a', SettingTextSize);
    ApplicationPath[SettingTextSize] = '\0';
    EXPECT_EQ(strlen(InstallPath("MORVEST.DAT")), SettingTextSize + 12);
    ApplicationPath[0] = '\0';
}

TEST(InstallPath, ProgramDirectoryKeepsTheDirectoryWithABackslash) {
    struct Case {
        const char* file;
        size_t size;
        const char* directory;
    } cases[] = {
        {"C:\\Program Files\\Tavrin\\MORVEST.EXE", 300, "C:\\Program Files\\Tavrin\\"},
        {"C:\\MORVEST.EXE", 300, "C:\\"},
        {"C:MORVEST.EXE", 300, "C:\\"},
        {"MORVEST.EXE", 300, ""},
        {"C:/Tavrin/MORVEST.EXE", 300, "C:/Tavrin/"},
        {"\\\\server\\share\\MORVEST.EXE", 8, "\\\\serve"},
        {"C:\\MORVEST.EXE", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        char directory[300];
        memset(directory, '\\', sizeof directory); // what the buffer held must not count
        ProgramDirectory(c.file, directory, c.size);
        EXPECT_STREQ(directory, c.directory);
    }
}

} // namespace
