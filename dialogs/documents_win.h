// The manual and the other documents of the "html" folder, opened in the program that the shell
// associates with them (normally the web browser), after a warning that can be switched off.
#pragma once

#include <windows.h>

#include <cstdint>

// What the warning box shows and the setting its check box writes.
struct WarningRequest {
    const char* text;
    uint32_t* flag;
};

// The warning (when WarnShowManual is on), then "html\manual.htm#DOCUMENTATION". Returns 1.
int OpenManual(HWND owner);

// The warning (when WarnShowManual is on), then "html\referenc.htm#" and the topic. Returns 1.
int OpenReference(HWND owner, const char* topic);

// Opens a document given relative to ApplicationPath, with the anchor (or nullptr) appended, in
// its associated program, maximised, without waiting for it. On any failure shows message 109
// owned by the owner. Returns non-zero when the program was started.
int LaunchDocument(HWND owner, const char* document, const char* anchor);

// The modal warning box from template "WarningBox", only while *flag is non-zero; the owner is
// repainted at once afterwards.
void ShowWarningBox(HWND owner, const char* text, uint32_t* flag);

INT_PTR CALLBACK WarningBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
