// morvest.exe: the program entry.
#include <windows.h>

#include "app/install_path.h"
#include "database/database.h"
#include "settings/settings.h"

static void DeriveApplicationPath() {
    char programFile[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, programFile, MAX_PATH);
    ProgramDirectory(programFile, ApplicationPath, sizeof ApplicationPath);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ResetSettings(MainSettingsTable);
    DeriveApplicationPath();
    ReadSettings();
    // The database is opened where the settings file says the program lives; from then on
    // the program's own location counts, and that is what is written back.
    if (!LoadDatabase())
        MessageBoxA(nullptr, "There has been an error loading the database.", "Message",
                    MB_ICONINFORMATION);
    DeriveApplicationPath();
    FreeDatabase();
    WriteSettings();
    return 1;
}
