#include "dialogs/system_info_win.h"

#include <cstdio>
#include <cstring>

#include "app/shared_ui_win.h"
#include "dialogs/documents_win.h"
#include "dialogs/info_text.h"
#include "pictures/picture_draw_win.h"
#include "resource.h"

int ShowSystemInformation(HWND owner) {
    DialogBoxParamA(ResourceModule, "SysInfoBox", owner, SysInfoBoxProc, 0);
    if (owner != nullptr)
        UpdateWindow(owner);
    return 1;
}

bool ReadRegistryText(HKEY key, const char* name, char* buffer, DWORD size) {
    if (size == 0)
        return false;
    char value[MAX_PATH + 1];
    DWORD type = 0, length = sizeof value - 1;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &length) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    value[length < sizeof value ? length : sizeof value - 1] = '\0'; // stored without one, maybe
    size_t textLength = strlen(value);
    if (textLength >= size)
        return false;
    memcpy(buffer, value, textLength + 1);
    return true;
}

static void ReadNamesFrom(HKEY root, const char* path, char* owner, char* organisation) {
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    ReadRegistryText(key, "RegisteredOwner", owner, MAX_PATH);
    ReadRegistryText(key, "RegisteredOrganization", organisation, MAX_PATH);
    RegCloseKey(key);
}

void ReadRegisteredNames(HKEY root, char owner[MAX_PATH], char organisation[MAX_PATH]) {
    owner[0] = organisation[0] = '\0';
    ReadNamesFrom(root, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", owner, organisation);
    if (owner[0] == '\0' || organisation[0] == '\0')
        ReadNamesFrom(root, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", owner, organisation);
}

static void SetNumber(HWND dialog, int id, unsigned number) {
    char text[16];
    snprintf(text, sizeof text, "%u", number);
    SetDlgItemTextA(dialog, id, text);
}

static void SetColourSentence(HWND dialog) {
    HDC screen = GetDC(nullptr);
    int depth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    const char* count = FormatThousands(ColourCount(depth));
    char sentence[1100];
    FillPlaceholders(LoadText(IDS_COLOUR_SENTENCE), &count, 1, sentence, sizeof sentence);
    SetDlgItemTextA(dialog, IDC_SYSINFO_COLOURS, sentence);
}

static void SetWindowsVersion(HWND dialog) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    char line[200] = "";
    if (GetVersionExA(&version))
        FormatWindowsVersion(version.dwMajorVersion, version.dwMinorVersion, version.szCSDVersion,
                             line, sizeof line);
    SetDlgItemTextA(dialog, IDC_SYSINFO_VERSION, line);
}

static INT_PTR OnSysInfoInit(HWND dialog) {
    SetNumber(dialog, IDC_SYSINFO_WIDTH, GetSystemMetrics(SM_CXSCREEN));
    SetNumber(dialog, IDC_SYSINFO_HEIGHT, GetSystemMetrics(SM_CYSCREEN));
    SetDlgItemTextA(dialog, IDC_SYSINFO_NETWORK, GetSystemMetrics(SM_NETWORK) ? "Yes" : "No");
    SetDlgItemTextA(dialog, IDC_SYSINFO_SLOW, GetSystemMetrics(SM_SLOWMACHINE) ? "Yes" : "No");
    SetColourSentence(dialog);
    SetWindowsVersion(dialog);
    char owner[MAX_PATH], organisation[MAX_PATH];
    ReadRegisteredNames(HKEY_LOCAL_MACHINE, owner, organisation);
    SetDlgItemTextA(dialog, IDC_SYSINFO_OWNER, owner);
    SetDlgItemTextA(dialog, IDC_SYSINFO_ORGANIZATION, organisation);
    SetFocus(GetDlgItem(dialog, IDOK));
    CentreOnScreen(dialog);
    return FALSE; // the focus is set
}

static INT_PTR OnSysInfoCommand(HWND dialog, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: // Escape closes the box as OK does
        EndDialog(dialog, 1);
        break;
    case IDC_SYSINFO_HELP:
        OpenReference(dialog, "SysInfo");
        break;
    }
    return TRUE;
}

INT_PTR CALLBACK SysInfoBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnSysInfoInit(dialog);
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        PictureResource picture;
        if (item->CtlID == IDC_SYSINFO_PICTURE &&
            LoadPicture(ResourceModule, IDB_SYSINFO_PICTURE, &picture)) {
            // The dialog's face first, so that a focus cue drawn before leaves no dots where
            // the picture lets the background through.
            FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
            DrawMaskedPicture(item->hDC, item->rcItem.left, item->rcItem.top, &picture);
            DrawFocusCue(item, item->rcItem);
        }
        return TRUE;
    }
    case WM_COMMAND:
        return OnSysInfoCommand(dialog, wParam);
    }
    return FALSE;
}
