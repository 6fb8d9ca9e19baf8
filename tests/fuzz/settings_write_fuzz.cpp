// The settings writer: what it writes from any file read reads back as the same values, and a
// write merged with any newer file keeps this run's changes.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "settings/settings.h"

static void ReadText(const std::string& text) {
    FILE* file = tmpfile();
    if (file == nullptr)
        return;
    fwrite(text.data(), 1, text.size(), file);
    rewind(file);
    ReadSettingsStream(MainSettingsTable, file);
    fclose(file);
}

static std::string Written() {
    FILE* file = tmpfile();
    if (file == nullptr)
        return "";
    if (!WriteSettingsStream(MainSettingsTable, file, "Wed Jan 02 02:03:55 1980"))
        __builtin_trap();
    long size = ftell(file);
    rewind(file);
    std::string text(static_cast<size_t>(size), '\0');
    if (fread(&text[0], 1, text.size(), file) != text.size())
        __builtin_trap();
    fclose(file);
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t split = input.find('\f');
    std::string first = input.substr(0, split),
                second = split == std::string::npos ? "" : input.substr(split + 1);

    ResetSettings(MainSettingsTable);
    ReadText(first);
    // A text too long to stand on one line of 511 characters with its key cannot come back
    // whole; such values only come from hand-edited lines without spaces.
    for (const SettingRow* row = MainSettingsTable; row->key != nullptr; ++row)
        if ((row->kind & KindString) &&
            strlen(row->key) + 3 + strlen(static_cast<const char*>(row->variable)) > 510)
            return 0;
    SettingsSnapshot asRead, written, readBack;
    TakeSettingsSnapshot(MainSettingsTable, &asRead);
    std::string file = Written();
    TakeSettingsSnapshot(MainSettingsTable, &written);
    ResetSettings(MainSettingsTable);
    ReadText(file);
    TakeSettingsSnapshot(MainSettingsTable, &readBack);
    for (size_t i = 0; MainSettingsTable[i].key != nullptr; ++i) {
        if (MainSettingsTable[i].kind & KindWriteOnly)
            continue;
        bool same = MainSettingsTable[i].kind & KindString
                        ? strcmp(written.texts[i], readBack.texts[i]) == 0
                        : written.numbers[i] == readBack.numbers[i];
        if (!same)
            __builtin_trap();
    }

    // This run changes DelayTime; the file meanwhile holds the second input.
    ResetSettings(MainSettingsTable);
    ReadText(first);
    TakeSettingsSnapshot(MainSettingsTable, &asRead);
    DelayTime = DelayTime + 1;
    uint32_t ours = DelayTime;
    FILE* current = tmpfile();
    if (current == nullptr)
        return 0;
    fwrite(second.data(), 1, second.size(), current);
    rewind(current);
    MergeSettingsStream(MainSettingsTable, &asRead, current);
    fclose(current);
    if (DelayTime != ours || VersionNumber != 67)
        __builtin_trap();
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    return {"[TavrinAMorvestDaybook]\r\nAnimationSpeed = 400\r\nApplicationPath = C:\\Tavrin\\\r\n"
            "DelayTime = 30\r\nTintSelection = 12\r\n\fTintSelection = 3\r\nDelayTime = 9\r\n",
            "LastTime = Wed Jan 02 02:03:55 1980  \r\n\f",
            "ApplicationPath=" + std::string(480, 'p') + "\r\n\fApplicationPath = D:\\\r\n",
            "DelayTime = 4294967295\r\nStayOnTop = 7\r\n\fVersionNumber = 1\r\nBuildDate = x\r\n",
            "; comment\r\nApplicationPath = a;b\r\n\f\r\n"};
}
