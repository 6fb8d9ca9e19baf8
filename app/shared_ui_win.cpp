#include "app/shared_ui_win.h"

#include <commctrl.h>

#include <cstring>

#include "app/start_rules.h"

HINSTANCE ResourceModule;

const char* LoadText(UINT id) {
    static char text[1024];
    if (LoadStringA(ResourceModule, id, text, sizeof text) <= 0)
        strcpy(text, "String table error - this application may be damaged");
    return text;
}

void CentreOnScreen(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window, HWND_TOP, left, top, 0, 0, SWP_NOSIZE);
}

static BOOL CALLBACK SetFontOfChild(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

void SetChildFonts(HWND window, HFONT font) {
    if (font != nullptr)
        EnumChildWindows(window, SetFontOfChild, reinterpret_cast<LPARAM>(font));
}

void ShowMessage(HWND owner, const char* text) {
    MessageBoxA(owner, text, "Message", MB_OK | MB_ICONINFORMATION);
}

unsigned ScreenColourDepth() {
    HDC screen = GetDC(nullptr);
    unsigned depth =
        EffectiveColourDepth(GetDeviceCaps(screen, PLANES), GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
    return depth;
}

HMODULE LoadSystemLibrary(const char* name) {
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + strlen(name) + 2 > MAX_PATH)
        return nullptr;
    strcat(path, "\\");
    strcat(path, name);
    return LoadLibraryA(path);
}

AnyFunction SystemFunction(HMODULE library, const char* name) {
    if (library == nullptr) // GetProcAddress would search the program itself
        return nullptr;
    return reinterpret_cast<AnyFunction>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

static HMODULE LoadedCommonControls;

HMODULE CommonControls() {
    return LoadedCommonControls;
}

bool InitControlClasses(DWORD classes) {
    if (LoadedCommonControls == nullptr)
        LoadedCommonControls = LoadLibraryA("comctl32.dll"); // kept for the whole run
    typedef BOOL(WINAPI * InitFunction)(const INITCOMMONCONTROLSEX*);
    InitFunction init = reinterpret_cast<InitFunction>(
        SystemFunction(LoadedCommonControls, "InitCommonControlsEx"));
    INITCOMMONCONTROLSEX wanted = {sizeof wanted, classes};
    return init != nullptr && init(&wanted) != FALSE;
}

HFONT CreateFaceFont(const char* face, int height, int weight) {
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       face);
}

bool ReadAppsUseLightTheme(DWORD* value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, size = sizeof *value;
    LONG status = RegQueryValueExA(key, "AppsUseLightTheme", nullptr, &type,
                                   reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof *value;
}

bool AskForDarkCaption(HWND window, WindowAttributeSetter setter) {
    const DWORD UseImmersiveDarkMode = 20;
    BOOL dark = TRUE;
    return setter != nullptr && SUCCEEDED(setter(window, UseImmersiveDarkMode, &dark, sizeof dark));
}

WindowAttributeSetter CaptionAttributeSetter;

void FollowDarkMode(HWND window) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    DWORD light = 1;
    bool known = ReadAppsUseLightTheme(&light);
    if (!GetVersionExA(&version) ||
        !WantsDarkCaption(version.dwMajorVersion, version.dwBuildNumber, known, light))
        return;
    // The setter is looked up once, on the first window that wants a dark caption; a test may
    // have put its own in first. The flag keeps a failed look-up (no dwmapi, or no such function
    // in it) from loading the library again, one more reference each time, for every window.
    static bool lookedUp = false;
    if (!lookedUp && CaptionAttributeSetter == nullptr)
        CaptionAttributeSetter = reinterpret_cast<WindowAttributeSetter>(
            SystemFunction(LoadSystemLibrary("dwmapi.dll"), "DwmSetWindowAttribute"));
    lookedUp = true;
    AskForDarkCaption(window, CaptionAttributeSetter);
}
