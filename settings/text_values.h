// Small text conversions shared by the settings file and the daybook entries: decimal numbers
// as both read them, and the 24-character time text kept in LastTime and the file header.
#pragma once

#include <cstdint>
#include <ctime>

// Length of a time text such as "Wed Jan 02 02:03:55 1980", without terminator.
const int TimeTextLength = 24;

// Reads a decimal number the way the settings file and the day entries store them: leading
// white space is skipped, an optional sign is taken, then digits up to the first other
// character. No digits give 0. The result wraps modulo 2^32, so "-1" gives 4294967295 and no
// input, however long, can overflow.
uint32_t ReadDecimal(const char* text);

// Writes the time text of a broken-down local time into out (at least 25 bytes): English
// three-letter weekday and month, two-digit day, hh:mm:ss, four-digit year. Fields out of range
// are clamped so the text always has its 24 characters.
void FormatTimeText(const struct tm* when, char* out);

// The local time now: the one clock read a caller makes per tick, passed down to what it shows.
// When the clock cannot be read, 1 January 1970 (a Thursday), midnight.
struct tm LocalTimeNow();

// The time text of the current local time.
void CurrentTimeText(char* out);

// True when two time texts name the same calendar day: weekday, month and day of month (the
// first 10 characters) and year (characters 21 to 24) agree, ignoring letter case.
bool TimeTextsOnSameDay(const char* a, const char* b);
