// The screen saver's modes by its command line, and the daybook's file it maps.
#include <windows.h>

#include <commctrl.h>

#include "settings/install_path.h"
#include "app/shared_ui_win.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "saver/saver_rules.h"
#include "settings/settings.h"

HINSTANCE OwnModule;
static HMODULE MainProgram;

int LoadMainProgram() {
    if (MainProgram != nullptr)
        return 1;
    // The settings file names the file, and anyone may edit it: the file is mapped as data, so
    // none of its code runs, and it maps even when built without relocations.
    MainProgram = LoadLibraryExA(InstallPath("MORVEST.EXE"), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (MainProgram == nullptr) {
        FreeMainProgram();
        return 0;
    }
    ResourceModule = MainProgram;
    return 1;
}

int FreeMainProgram() {
    if (MainProgram != nullptr) {
        ResourceModule = OwnModule;
        FreeLibrary(MainProgram);
        MainProgram = nullptr;
    }
    return 1;
}

int SaverMain(const char* commandLine) {
    SaverCommand command = ParseSaverCommand(commandLine);
    switch (command.mode) {
    case 's':
        return RunFullScreen();
    case 'c': {
        InitControlClasses(ICC_BAR_CLASSES);
        DialogBoxParamA(OwnModule, MAKEINTRESOURCEA(IDD_SAVER_SETUP), nullptr, SaverSetupProc, 0);
        return 0;
    }
    case 'p':
        return RunPreview(reinterpret_cast<HWND>(static_cast<uintptr_t>(command.windowNumber)));
    case 'a':
        ChangeSaverPassword(command.windowNumber);
        return 0;
    }
    return 0;
}
