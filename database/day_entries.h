// Day entries of the month texts and the lookups built on them.
//
// A month text is a list of zero-terminated entries "day;[picture;]text" ended by an empty
// entry. A text beginning with "*" is shown in the smaller entry font.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>

#include "resources/resource.h"

#pragma pack(push, 1)
struct DayDate {
    int32_t year;
    uint8_t day;   // 1 to 31
    uint8_t month; // 1 to 12
};
#pragma pack(pop)
static_assert(sizeof(DayDate) == 6, "a date record is six bytes with no gaps");

extern const char MonthNames[12][16];
extern const char* const WeekdayNames[7];
extern const char MissingEntryText[];

const uint16_t FallbackPictureId = IDB_FALLBACK_PICTURE;
const uint16_t DayPictureBase = IDB_DAY_PICTURE_BASE;

// True when the two records hold the same six bytes.
bool SameDayDate(const DayDate& a, const DayDate& b);

// The date of a local time.
DayDate DayDateOf(const struct tm& when);

// The local date of today.
DayDate TodayDate();

// A month text as the lookups read it: size bytes of entries, followed by one zero byte that the
// size does not count. A null text is a month that is not loaded.
struct MonthText {
    const char* text;
    size_t size;
};

// The display text of the entry for a day in one month text, a pointer into it, or
// MissingEntryText. Never reads outside the block.
const char* EntryTextIn(MonthText month, int day);

// The display text of the entry for a day (month 0 to 11) of the loaded database.
const char* GetEntryText(int month, int day);

// The picture number of a date whose month text is given: an explicit number above 100 in its
// entry plus 2000, or 2000 + month * 100 + day.
uint16_t PictureIdIn(MonthText month, const DayDate* date);

// The same for a date of the loaded database.
uint16_t GetPictureId(const DayDate* date);

// The full weekday name whose first three letters a time text starts with, or " ".
const char* WeekdayNameFromTimeText(const char* timeText);

// The full weekday name of a local time, read from its time text, or " " when it cannot be told.
const char* WeekdayNameOf(const struct tm& when);

// Today's weekday name, or " " when it cannot be told.
const char* GetTodayWeekdayName();

// A copy of an entry text for a multi-line edit box: the leading "*" dropped and every line
// feed written as carriage return and line feed. malloc'd (free it); nullptr without memory.
char* ToEditText(const char* text);
