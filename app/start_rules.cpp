#include "app/start_rules.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "settings/settings.h"
#include "settings/text_values.h"

uint32_t TimeoutsAllowed = 1;
uint32_t StayOnTopAllowed = 1;
uint32_t ClickToCloseAllowed = 1;
uint32_t OpenCalendarAtStart = 0;

void ResetStartOptions() {
    TimeoutsAllowed = 1;
    StayOnTopAllowed = 1;
    ClickToCloseAllowed = 1;
    OpenCalendarAtStart = 0;
}

static bool ContainsIgnoringCase(const char* text, const char* option) {
    size_t length = strlen(option);
    for (; *text != '\0'; ++text) {
        size_t i = 0;
        while (i < length && text[i] != '\0' &&
               std::toupper(static_cast<unsigned char>(text[i])) == option[i])
            ++i;
        if (i == length)
            return true;
    }
    return false;
}

void ApplyCommandLine(const char* commandLine) {
    if (commandLine == nullptr)
        return;
    if (ContainsIgnoringCase(commandLine, "/NOTIMEOUT"))
        TimeoutsAllowed = 0;
    if (ContainsIgnoringCase(commandLine, "/NOSTAYONTOP"))
        StayOnTopAllowed = 0;
    if (ContainsIgnoringCase(commandLine, "/NOCLICKTOCLOSE"))
        ClickToCloseAllowed = 0;
    if (ContainsIgnoringCase(commandLine, "/OPENCALENDAR"))
        OpenCalendarAtStart = 1;
    // "/SCREENSAVER" is recognised and has no effect.
}

bool OncePerDayEndsRun(bool shiftHeld, const char* lastTime, const char* nowText) {
    return !shiftHeld && TimeoutsAllowed == 1 && OncePerDay != 0 && DelayTime != 0 &&
           TimeTextsOnSameDay(nowText, lastTime);
}

void FormatClockText(unsigned hour, unsigned minute, char* out, size_t outSize) {
    if (hour < 12)
        snprintf(out, outSize, "%u:%02u am", hour == 0 ? 12u : hour, minute % 100u);
    else
        snprintf(out, outSize, "%u:%02u pm", hour == 12 ? 12u : (hour - 12u) % 100u, minute % 100u);
}

void FormatDateLine(const DayDate& date, char* out, size_t outSize) {
    int month = date.month >= 1 && date.month <= 12 ? date.month - 1 : 0;
    snprintf(out, outSize, "%s %u, %u", MonthNames[month], static_cast<unsigned>(date.day),
             static_cast<unsigned>(date.year));
}

int PictureButtonTop(int captionHeight) {
    return static_cast<int>(static_cast<uint16_t>(100 - captionHeight - 4)) - 1;
}

uint32_t LogoTimerPeriod(uint32_t logoDelay) {
    return logoDelay < 100 ? 100 : logoDelay;
}

unsigned EffectiveColourDepth(int planes, int bitsPerPixel) {
    unsigned depth =
        static_cast<uint16_t>(static_cast<uint32_t>(planes) * static_cast<uint32_t>(bitsPerPixel));
    return depth <= 8 ? depth : 24;
}

bool CountTowardsAutoClose(uint32_t* secondsShown, uint32_t delayTime, uint32_t timeoutsAllowed) {
    return delayTime != 0 && timeoutsAllowed == 1 && ++*secondsShown >= delayTime;
}

bool WantsDarkCaption(unsigned majorVersion, unsigned build, bool lightThemeKnown,
                      uint32_t appsUseLightTheme) {
    return majorVersion >= 10 && build >= 19041 && lightThemeKnown && appsUseLightTheme == 0;
}
