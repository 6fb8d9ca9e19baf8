// morvsave.scr: the screen saver's entry.
#include <windows.h>

#include "database/database.h"
#include "settings/settings.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    SettingsTable = SaverSettingsTable;
    ResetSettings(SaverSettingsTable);
    ReadSettings();
    LoadDatabase();
    FreeDatabase();
    WriteSettings();
    return 1;
}
