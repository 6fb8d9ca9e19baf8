// Day entries of the month texts and the lookups built on them.
//
// A month text is a list of zero-terminated entries "day;[picture;]text" ended by an empty
// entry. A text beginning with "*" is shown in the smaller entry font.
#pragma once

#include <cstddef>
#include <cstdint>

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

const uint16_t FallbackPictureId = 2100;
const uint16_t DayPictureBase = 2000;

// True when the two records hold the same six bytes.
bool SameDayDate(const DayDate& a, const DayDate& b);

// The local date of today.
DayDate TodayDate();

// The display text of the entry for a day (month 0 to 11), a pointer into the month text, or
// MissingEntryText. Never reads outside the month's block.
const char* GetEntryText(int month, int day);

// The picture number of a date: an explicit number above 100 in its entry plus 2000, or
// 2000 + month * 100 + day.
uint16_t GetPictureId(const DayDate* date);

// The full weekday name whose first three letters a time text starts with, or " ".
const char* WeekdayNameFromTimeText(const char* timeText);

// Today's weekday name, or " " when it cannot be told.
const char* GetTodayWeekdayName();

// A copy of an entry text for a multi-line edit box: the leading "*" dropped and every line
// feed written as carriage return and line feed. malloc'd (free it); nullptr without memory.
char* ToEditText(const char* text);
