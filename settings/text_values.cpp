#include "settings/text_values.h"

#include <cctype>
#include <cstdio>
#include <cstring>

uint32_t ReadDecimal(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    uint32_t value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10u + static_cast<uint32_t>(*p - '0');
        ++p;
    }
    return negative ? 0u - value : value;
}

static int Clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

void FormatTimeText(const struct tm* when, char* out) {
    static const char weekdays[] = "SunMonTueWedThuFriSat";
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    int weekday = Clamp(when->tm_wday, 0, 6);
    int month = Clamp(when->tm_mon, 0, 11);
    char text[64];
    snprintf(text, sizeof text, "%.3s %.3s %02d %02d:%02d:%02d %04d", weekdays + 3 * weekday,
             months + 3 * month, Clamp(when->tm_mday, 1, 31), Clamp(when->tm_hour, 0, 23),
             Clamp(when->tm_min, 0, 59), Clamp(when->tm_sec, 0, 60),
             Clamp(when->tm_year, -1900, 9999 - 1900) + 1900);
    memcpy(out, text, TimeTextLength);
    out[TimeTextLength] = '\0';
}

struct tm LocalTimeNow() {
    time_t now = time(nullptr);
    const struct tm* local = localtime(&now);
    if (local != nullptr)
        return *local;
    struct tm epoch = {};
    epoch.tm_mday = 1;
    epoch.tm_year = 70;
    epoch.tm_wday = 4;
    return epoch;
}

void CurrentTimeText(char* out) {
    struct tm now = LocalTimeNow();
    FormatTimeText(&now, out);
}

static bool SameIgnoringCase(const char* a, const char* b, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
        if (a[i] == '\0')
            return true;
    }
    return true;
}

bool TimeTextsOnSameDay(const char* a, const char* b) {
    if (strlen(a) < TimeTextLength || strlen(b) < TimeTextLength)
        return false;
    return SameIgnoringCase(a, b, 10) && SameIgnoringCase(a + 20, b + 20, 4);
}
