#include "dialogs/documents_win.h"

#include <cstring>

#include "app/shared_ui_win.h"
#include "dialogs/document_command.h"
#include "resource.h"
#include "settings/settings.h"

// The manual and the reference: the warning first, then the document whatever the user did.
static int OpenAfterWarning(HWND owner, const char* document, const char* anchor) {
    ShowWarningBox(owner, LoadText(IDS_MANUAL_WARNING), &WarnShowManual);
    LaunchDocument(owner, document, anchor);
    return 1;
}

int OpenManual(HWND owner) {
    return OpenAfterWarning(owner, "html\\manual.htm", "#DOCUMENTATION");
}

int OpenReference(HWND owner, const char* topic) {
    char anchor[128] = "#";
    strncat(anchor, topic, sizeof anchor - 2);
    return OpenAfterWarning(owner, "html\\referenc.htm", anchor);
}

static int StartDocumentProgram(const char* document, const char* anchor) {
    char program[MAX_PATH] = "";
    // The shell is loaded only when a document is asked for, not at every start.
    typedef HINSTANCE(WINAPI * FindFunction)(const char*, const char*, char*);
    HMODULE shell = LoadSystemLibrary("shell32.dll");
    FindFunction find = reinterpret_cast<FindFunction>(SystemFunction(shell, "FindExecutableA"));
    // An empty directory, as the document is given with its full path.
    INT_PTR found = find != nullptr ? reinterpret_cast<INT_PTR>(find(document, "", program)) : 0;
    if (shell != nullptr)
        FreeLibrary(shell);
    if (found <= 32)
        return 0;
    char commandLine[MAX_PATH + sizeof(SettingText) + 300];
    if (!BuildDocumentCommand(program, document, anchor, commandLine, sizeof commandLine))
        return 0;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process))
        return 0;
    // The browser lives on by itself; the daybook keeps no hold on it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}

int LaunchDocument(HWND owner, const char* document, const char* anchor) {
    char path[sizeof(SettingText) + MAX_PATH];
    int started = JoinPath(ApplicationPath, document, path, sizeof path) &&
                  StartDocumentProgram(path, anchor);
    if (!started)
        ShowMessage(owner, LoadText(IDS_DOCUMENT_ERROR));
    return started;
}

void ShowWarningBox(HWND owner, const char* text, uint32_t* flag) {
    if (*flag == 0)
        return;
    WarningRequest request = {text, flag};
    DialogBoxParamA(ResourceModule, "WarningBox", owner, WarningBoxProc,
                    reinterpret_cast<LPARAM>(&request));
    if (owner != nullptr)
        UpdateWindow(owner);
}

static INT_PTR OnWarningInit(HWND dialog, const WarningRequest* request) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(request));
    SetDlgItemTextA(dialog, IDC_WARNING_TEXT, request->text);
    CheckDlgButton(dialog, IDC_WARNING_SHOW_AGAIN, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, IDOK));
    CentreOnScreen(dialog);
    return FALSE; // the focus is set
}

static INT_PTR OnWarningCommand(HWND dialog, WPARAM wParam) {
    const WarningRequest* request =
        reinterpret_cast<const WarningRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
    case IDC_WARNING_SHOW_AGAIN:
        // The setting follows the box at once; there is nothing to confirm.
        if (HIWORD(wParam) == BN_CLICKED && request != nullptr)
            *request->flag = IsDlgButtonChecked(dialog, IDC_WARNING_SHOW_AGAIN) == BST_CHECKED;
        return TRUE;
    case IDOK:
        EndDialog(dialog, 1);
        return TRUE;
    default:
        return TRUE; // Escape and Help leave the box open: only Ok ends it
    }
}

INT_PTR CALLBACK WarningBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnWarningInit(dialog, reinterpret_cast<const WarningRequest*>(lParam));
    case WM_COMMAND:
        return OnWarningCommand(dialog, wParam);
    }
    return FALSE;
}
