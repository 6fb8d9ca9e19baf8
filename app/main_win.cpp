// morvest.exe: the program entry and its run function.
#include <windows.h>

#include "app/day_display_win.h"
#include "settings/install_path.h"
#include "app/logo_window_win.h"
#include "app/main_window_win.h"
#include "app/shared_ui_win.h"
#include "app/start_rules.h"
#include "database/database.h"
#include "dialogs/display_check_win.h"
#include "pictures/tints.h"
#include "resource.h"
#include "settings/settings.h"
#include "settings/text_values.h"

static void DeriveApplicationPath() {
    char programFile[MAX_PATH + 1] = "";
    GetModuleFileNameA(nullptr, programFile, MAX_PATH);
    ProgramDirectory(programFile, ApplicationPath, sizeof ApplicationPath);
}

// The styled common controls serve the dialogs and message boxes, not the day's plain controls:
// the program's manifest is activated once the window is up, so that a start does not load
// them before its first paint. Without it the dialogs still work, unstyled.
static HANDLE UseStyledControls(HINSTANCE instance, ULONG_PTR* cookie) {
    char path[MAX_PATH + 1] = "";
    GetModuleFileNameA(instance, path, MAX_PATH);
    ACTCTXA context = {};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path;
    context.hModule = instance;
    context.lpResourceName = MAKEINTRESOURCEA(IDR_DIALOG_MANIFEST);
    HANDLE styled = CreateActCtxA(&context);
    if (styled != INVALID_HANDLE_VALUE && !ActivateActCtx(styled, cookie)) {
        ReleaseActCtx(styled);
        styled = INVALID_HANDLE_VALUE;
    }
    return styled;
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
    HANDLE styled = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie = 0;
    if (MainWindow != nullptr) {
        RefreshDisplay(MainWindow, TRUE, nullptr);
        ShowWindow(MainWindow, showMode);
        UpdateWindow(MainWindow);
        SetFocus(MainWindow);
        styled = UseStyledControls(instance, &cookie);
        SetTimer(MainWindow, TIMER_LOGO, LogoTimerPeriod(LogoDelay), nullptr);
        if (ScreenColourDepth() <= 8 && ShowDriverMessage != 0) {
            CloseLogoWindow(); // the topmost logo would cover the display check
            ShowChangeDriverBox(MainWindow);
        }
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    if (styled != INVALID_HANDLE_VALUE) {
        DeactivateActCtx(0, cookie);
        ReleaseActCtx(styled);
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
