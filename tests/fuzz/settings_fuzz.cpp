// The settings reader against any file at all.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "settings/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetSettings(MainSettingsTable);
    FILE* file = tmpfile();
    if (file == nullptr)
        return 0;
    fwrite(data, 1, size, file);
    rewind(file);
    ReadSettingsStream(MainSettingsTable, file);
    fclose(file);
    // Whatever was read, the strings stay terminated inside their buffers.
    for (const char* text : {ApplicationPath, LastTime, BuildDate})
        if (memchr(text, '\0', sizeof(SettingText)) == nullptr)
            __builtin_trap();
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    return {";Tavrin: A Morvest Daybook configuration file\r\n[TavrinAMorvestDaybook]\r\n"
            "AnimationSpeed = 400\r\nApplicationPath = C:\\Tavrin\\\r\nDelayTime = 30\r\n"
            "LastTime = Wed Jan 02 02:03:55 1980\r\nTintSelection = 12\r\n",
            "Delay=5\nShow = 0\n= 1\n   \n\t\n", std::string(1500, 'L') + "\nLastTime = x\n"};
}
