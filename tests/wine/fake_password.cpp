// A stand-in for the system's screen-saver password component: each call is logged with the
// path it was loaded from, to the file TAVRIN_PASSWORD_LOG names; the first call refuses and
// every later one grants, as a user who mistypes once would. While it asks, the saver's messages
// go on being handled for half a second, as under the system's own dialog, and the log says
// whether the saver's panel moved meanwhile ("still" or "moved") and whether a pointer move
// meanwhile left the pointer for the dialog ("shown") or hid it ("hidden").
#include <windows.h>

#include <cstdio>

static const char* PanelWhileAsking() {
    HWND saver = FindWindowA("WindowsScreenSaverClass", nullptr);
    HWND panel = FindWindowExA(saver, nullptr, "TavrinSaverMoving", nullptr);
    RECT before = {}, after = {};
    GetWindowRect(panel, &before);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 500; Sleep(10)) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    GetWindowRect(panel, &after);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SendMessageA(saver, WM_MOUSEMOVE, 0, MAKELPARAM(7, 7));
    if (GetCursor() == nullptr)
        return EqualRect(&before, &after) ? "still hidden" : "moved hidden";
    return EqualRect(&before, &after) ? "still shown" : "moved shown";
}

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND) {
    char log[MAX_PATH], self[MAX_PATH] = "";
    if (GetEnvironmentVariableA("TAVRIN_PASSWORD_LOG", log, MAX_PATH) == 0)
        return TRUE;
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&VerifyScreenSavePwd), &module);
    GetModuleFileNameA(module, self, MAX_PATH);
    FILE* file = fopen(log, "a+");
    if (file == nullptr)
        return TRUE;
    fseek(file, 0, SEEK_END);
    bool first = ftell(file) == 0;
    fprintf(file, "%s %s\n", self, PanelWhileAsking());
    fclose(file);
    // A key and a click as the dialog closes: the saver throws them away with the answer.
    HWND saver = FindWindowA("WindowsScreenSaverClass", nullptr);
    PostMessageA(saver, WM_KEYDOWN, 'A', 0);
    PostMessageA(saver, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    return first ? FALSE : TRUE;
}
