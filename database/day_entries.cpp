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

DayDate TodayDate() {
    DayDate today = {1970, 1, 1};
    time_t now = time(nullptr);
    const struct tm* local = localtime(&now);
    if (local != nullptr) {
        today.year = local->tm_year + 1900;
        today.day = static_cast<uint8_t>(local->tm_mday);
        today.month = static_cast<uint8_t>(local->tm_mon + 1);
    }
    return today;
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

static bool OpenMonth(int month, EntryCursor* cursor) {
    if (month < 0 || month >= MonthCount || MonthTexts[month] == nullptr)
        return false;
    cursor->entry = MonthTexts[month];
    cursor->end = MonthTexts[month] + MonthTextSizes[month];
    return true;
}

const char* GetEntryText(int month, int day) {
    EntryCursor cursor;
    if (!OpenMonth(month, &cursor))
        return MissingEntryText;
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

uint16_t GetPictureId(const DayDate* date) {
    int month = date->month == 0 ? 0 : (date->month > 12 ? 11 : date->month - 1);
    uint16_t fallback = static_cast<uint16_t>(date->month * 100 + date->day + DayPictureBase);
    EntryCursor cursor;
    if (!OpenMonth(month, &cursor))
        return fallback;
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

const char* GetTodayWeekdayName() {
    char timeText[TimeTextLength + 1];
    CurrentTimeText(timeText);
    return WeekdayNameFromTimeText(timeText);
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
