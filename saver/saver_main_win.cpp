// morvsave.scr: the screen saver's entry.
#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "app/shared_ui_win.h"
#include "pictures/tints.h"
#include "saver/saver_win.h"
#include "settings/settings.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    OwnModule = instance;
    ResourceModule = instance;
    SettingsTable = SaverSettingsTable;
    ResetSettings(SaverSettingsTable);
    ReadSettings();
    if (!LoadMainProgram()) {
        ShowMessage(nullptr, "Error loading libraries");
        return 0; // the settings file stays as it is
    }
    srand(static_cast<unsigned>(time(nullptr)));
    CurrentTintColour = GetTintColour(TintSelection);
    while (commandLine != nullptr && (*commandLine == ' ' || *commandLine == '\t'))
        ++commandLine;
    SaverMain(commandLine);
    WriteSettings();
    FreeMainProgram();
    return 1;
}
