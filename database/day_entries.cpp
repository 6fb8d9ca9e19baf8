#include "database/day_entries.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "database/database.h"
#include "settings/text_values.h"

const char MonthNames[12][16] = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
const char* const WeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
const char MissingEntryText[] = "Internal error: No tavrin today...";

bool SameDayDate(const DayDate& a, const DayDate& b) {
    return memcmp(&a, &b, sizeof a) == 0;
}

DayDate DayDateOf(const struct tm& when) {
    DayDate date;
    date.year = when.tm_year + 1900;
    date.day = static_cast<uint8_t>(when.tm_mday);
    date.month = static_cast<uint8_t>(when.tm_mon + 1);
    return date;
}

DayDate TodayDate() {
    return DayDateOf(LocalTimeNow());
}

// Walks the entries of one month text without leaving its block.
struct EntryCursor {
    const char* entry;
    const char* end;

    bool AtEnd() const { return entry >= end; }
    // The next entry starts after this one's terminating zero; the block's extra zero byte
    // guarantees there is one.
    void Next() { entry += strlen(entry) + 1; }
    bool NextIsEmpty() const {
        const char* next = entry + strlen(entry) + 1;
        return next >= end || *next == '\0';
    }
};

// A cursor at the first entry of a month text; at its end at once when the month is not loaded.
static EntryCursor OpenMonth(MonthText month) {
    if (month.text == nullptr)
        return {nullptr, nullptr};
    return {month.text, month.text + month.size};
}

// The loaded database's text of month 0 to 11; a null text for any other month.
static MonthText LoadedMonth(int month) {
    if (month < 0 || month >= MonthCount)
        return {nullptr, 0};
    return {MonthTexts[month], MonthTextSizes[month]};
}

const char* GetEntryText(int month, int day) {
    return EntryTextIn(LoadedMonth(month), day);
}

uint16_t GetPictureId(const DayDate* date) {
    int month = date->month == 0 ? 0 : (date->month > 12 ? 11 : date->month - 1);
    return PictureIdIn(LoadedMonth(month), date);
}

const char* EntryTextIn(MonthText month, int day) {
    EntryCursor cursor = OpenMonth(month);
    for (; !cursor.AtEnd(); cursor.Next()) {
        uint32_t number = ReadDecimal(cursor.entry);
        if (number == static_cast<uint32_t>(day)) {
            const char* semicolon = strrchr(cursor.entry, ';');
            return semicolon != nullptr ? semicolon + 1 : MissingEntryText;
        }
        if (number == 0)
            break;
    }
    return MissingEntryText;
}

uint16_t PictureIdIn(MonthText month, const DayDate* date) {
    uint16_t fallback = static_cast<uint16_t>(date->month * 100 + date->day + DayPictureBase);
    EntryCursor cursor = OpenMonth(month);
    for (; !cursor.AtEnd(); cursor.Next()) {
        uint32_t number = ReadDecimal(cursor.entry);
        if (number == date->day) {
            const char* semicolon = strchr(cursor.entry, ';');
            if (semicolon != nullptr) {
                uint32_t picture = ReadDecimal(semicolon + 1);
                if (picture > 100 && picture < 0x80000000u)
                    return static_cast<uint16_t>(picture + DayPictureBase);
            }
            return fallback;
        }
        if (number == 0 || cursor.NextIsEmpty())
            break;
    }
    return fallback;
}

const char* WeekdayNameFromTimeText(const char* timeText) {
    for (const char* name : WeekdayNames) {
        bool same = true;
        for (int i = 0; i < 3 && same; ++i)
            same = timeText[i] != '\0' && std::tolower(static_cast<unsigned char>(timeText[i])) ==
                                              std::tolower(static_cast<unsigned char>(name[i]));
        if (same)
            return name;
    }
    return " ";
}

const char* WeekdayNameOf(const struct tm& when) {
    char timeText[TimeTextLength + 1];
    FormatTimeText(&when, timeText);
    return WeekdayNameFromTimeText(timeText);
}

const char* GetTodayWeekdayName() {
    return WeekdayNameOf(LocalTimeNow());
}

char* ToEditText(const char* text) {
    size_t length = strlen(text);
    char* result = static_cast<char*>(calloc(2 * length + 1, 1));
    if (result == nullptr)
        return nullptr;
    if (*text == '*')
        ++text;
    char* out = result;
    for (; *text != '\0'; ++text) {
        if (*text == '\n')
            *out++ = '\r';
        *out++ = *text;
    }
    *out = '\0';
    return result;
}
