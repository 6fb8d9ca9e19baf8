// How input ends the saver: an end request, decided by the system's password check when the
// user asked for one; and the "a" mode, the system's dialog for changing that password.
#include <cstring>

#include "app/shared_ui_win.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "saver/saver_rules.h"

uint32_t PasswordCheckActive;
POINT LastCursorPos = {-1, -1};

static bool PasswordWanted() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    // Windows keeps the switch as text ("1"); older systems as a number. Either counts.
    char value[4] = {};
    DWORD size = sizeof value;
    DWORD type = 0;
    bool read = RegQueryValueExA(key, "ScreenSaveUsePassword", nullptr, &type,
                                 reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (!read)
        return false;
    if (type == REG_SZ || type == REG_EXPAND_SZ)
        return value[0] != '\0' && value[0] != '0';
    uint32_t number = 0;
    memcpy(&number, value, size < sizeof number ? size : sizeof number);
    return number != 0;
}

int VerifySaverPassword(HWND saver) {
    if (!PasswordWanted())
        return 1;
    HMODULE library = LoadSystemLibrary("PASSWORD.CPL");
    if (library == nullptr)
        return 1;
    typedef BOOL(WINAPI * VerifyFunction)(HWND);
    VerifyFunction verify =
        reinterpret_cast<VerifyFunction>(SystemFunction(library, "VerifyScreenSavePwd"));
    int granted = verify == nullptr ? 1 : verify(saver);
    FreeLibrary(library);
    return granted;
}

void ChangeSaverPassword(uint32_t windowNumber) {
    HWND owner = windowNumber != 0 ? reinterpret_cast<HWND>(static_cast<uintptr_t>(windowNumber))
                                   : GetForegroundWindow();
    HMODULE library = LoadSystemLibrary("MPR.DLL");
    if (library == nullptr) {
        ShowMessage(owner, "Error loading library");
        return;
    }
    typedef DWORD(WINAPI * ChangeFunction)(LPCSTR, HWND, DWORD, LPVOID);
    ChangeFunction change =
        reinterpret_cast<ChangeFunction>(SystemFunction(library, "PwdChangePasswordA"));
    if (change == nullptr)
        ShowMessage(owner, "Damaged library");
    else
        change("SCRSAVE", owner, 0, nullptr);
    FreeLibrary(library);
}

// Decides an end request of the window: the saver closes when the check grants, the animation
// goes on when it refuses, and input made meanwhile is thrown away.
static void DecideEndRequest(HWND window) {
    PasswordCheckActive = 1;
    if (VerifySaverPassword(SaverWindow))
        PostMessageA(SaverWindow, WM_CLOSE, 0, 0);
    else
        PostMessageA(window, WM_SAVER_RESUME, 0, 0);
    PasswordCheckActive = 0;
    MSG discarded;
    while (PeekMessageA(&discarded, window, WM_MOUSEFIRST, 0x209, PM_REMOVE))
        ;
    while (PeekMessageA(&discarded, window, WM_KEYFIRST, 0x108, PM_REMOVE))
        ;
}

LRESULT CALLBACK SaverInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE || PasswordCheckActive == 1)
            GetCursorPos(&LastCursorPos);
        break;
    case WM_MOUSEMOVE: {
        if (PasswordCheckActive == 1)
            break;
        SetCursor(nullptr);
        POINT now; // the system's position, never the message's
        GetCursorPos(&now);
        int32_t x = LastCursorPos.x, y = LastCursorPos.y;
        if (PointerMoveEndsSaver(&x, &y, now.x, now.y))
            PostMessageA(window, WM_SAVER_END_REQUEST, 0, 0);
        LastCursorPos.x = x;
        LastCursorPos.y = y;
        break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (PasswordCheckActive == 0)
            PostMessageA(window, WM_SAVER_END_REQUEST, 0, 0);
        break;
    case WM_SAVER_END_REQUEST:
        if (PasswordCheckActive == 0)
            DecideEndRequest(window);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
