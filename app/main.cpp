// morvest.exe: the program entry and its run function.
#include <windows.h>

#include "app/day_display.h"
#include "app/install_path.h"
#include "app/logo_window.h"
#include "app/main_globals.h"
#include "app/main_window.h"
#include "app/shared_ui.h"
#include "app/start_rules.h"
#include "database/database.h"
#include "dialogs/display_check.h"
#include "pictures/tints.h"
#include "resource.h"
#include "settings/settings.h"
#include "settings/text_values.h"

static void DeriveApplicationPath() {
    char programFile[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, programFile, MAX_PATH);
    ProgramDirectory(programFile, ApplicationPath, sizeof ApplicationPath);
}

static int RunApplication(HINSTANCE instance, HINSTANCE previous, LPSTR, int showMode) {
    // The database is looked for in the directory the settings file named, then, for a
    // daybook that was moved or installed elsewhere, beside the program itself. From here on
    // the program's own location counts, and that is what the settings file will keep.
    bool loaded = LoadDatabase();
    DeriveApplicationPath();
    if (!loaded && !LoadDatabase()) {
        ShowMessage(nullptr, "There has been an error loading the database.");
        return 0;
    }
    CreateEntryFonts();
    ShowStartupWindow =
        GetPrivateProfileIntA(SettingsSection, "ShowStartupWindow", 1, SettingsFileName);
    CreateLogoWindow(nullptr);
    if (previous == nullptr)
        RegisterMainWindowClass(instance);
    MainWindow = CreateMainWindow(instance);
    MSG message = {};
    if (MainWindow != nullptr) {
        RefreshDisplay(MainWindow, TRUE, nullptr);
        ShowWindow(MainWindow, showMode);
        UpdateWindow(MainWindow);
        SetFocus(MainWindow);
        SetTimer(MainWindow, TIMER_LOGO, LogoTimerPeriod(LogoDelay), nullptr);
        if (ScreenColourDepth() <= 8 && ShowDriverMessage != 0)
            ShowChangeDriverBox(MainWindow);
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    DeleteEntryFonts();
    UnregisterClassA(MainWindowClass, instance);
    FreeDatabase();
    return static_cast<int>(message.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showMode) {
    ResourceModule = instance;
    if (GetSystemMetrics(SM_CXSCREEN) < 800 || GetSystemMetrics(SM_CYSCREEN) < 600) {
        ShowMessage(nullptr, LoadText(IDS_SCREEN_TOO_SMALL));
        return 1;
    }
    ResetSettings(MainSettingsTable);
    DeriveApplicationPath();
    ReadSettings();
    ResetStartOptions();
    if (commandLine != nullptr && commandLine[0] != '\0')
        ApplyCommandLine(commandLine);

    char now[TimeTextLength + 1];
    CurrentTimeText(now);
    bool shiftHeld = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (OncePerDayEndsRun(shiftHeld, LastTime, now))
        return 0; // already started today: end quietly, settings untouched
    lstrcpynA(LastTime, now, sizeof LastTime);
    CurrentTintColour = GetTintColour(TintSelection);

    RunApplication(instance, previous, commandLine, showMode);
    WriteSettings();
    return 1;
}
