// morvsave.scr: the screen saver's entry.
#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "app/shared_ui_win.h"
#include "pictures/tints.h"
#include "saver/saver_rules.h"
#include "saver/saver_win.h"
#include "settings/settings.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    OwnModule = instance;
    ResourceModule = instance;
    SettingsTable = SaverSettingsTable;
    ResetSettings(SaverSettingsTable);
    ReadSettings();
    while (commandLine != nullptr && (*commandLine == ' ' || *commandLine == '\t'))
        ++commandLine;
    // Windows starts the saver unattended, and a stale or missing daybook must not put a message
    // box where a black screen belongs: full screen and the preview run without it.
    bool daybook = LoadMainProgram() != 0;
    if (!daybook && !ModeRunsWithoutDaybook(ParseSaverCommand(commandLine).mode)) {
        ShowMessage(nullptr, "Error loading libraries");
        return 0; // the settings file stays as it is
    }
    srand(static_cast<unsigned>(time(nullptr)));
    CurrentTintColour = GetTintColour(TintSelection);
    SaverMain(commandLine);
    if (!daybook)
        return 0; // nor is it written after a run without the daybook
    WriteSettings();
    FreeMainProgram();
    return 1;
}
