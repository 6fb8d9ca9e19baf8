// The saver's full-screen window and its preview in the Display settings.
#include <cstring>

#include "app/day_display_win.h"
#include "app/shared_ui_win.h"
#include "database/database.h"
#include "pictures/picture_draw_win.h"
#include "pictures/picture_format.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "saver/saver_rules.h"
#include "settings/settings.h"

HWND SaverWindow;
static POINT SavedPointer;

// The panel moves only while there is one to see: the daybook's file gave it its day, the
// display is on, and no end request of the saver window is being decided.
static struct { bool showsDay, displayOff, deciding; } Steps;

// The display's power notices, where the system has them (from Windows Vista on).
static HANDLE DisplayNotices[2];
static const WPARAM PowerSettingChange = 0x8013; // PBT_POWERSETTINGCHANGE
static const DWORD NoticesToWindow = 0;          // DEVICE_NOTIFY_WINDOW_HANDLE

static const char SaverClass[] = "WindowsScreenSaverClass";
static const char PreviewClass[] = "WindowsScreenSaverPreviewClass"
                                   "Screen Saver.TavrinMorvest";
static const char SaverTitle[] = "Screen Saver.TavrinMorvest";

static HICON SaverIcon() {
    // Loaded once: each load from the daybook's file would make a new icon.
    static HICON icon = LoadIconA(ResourceModule, MAKEINTRESOURCEA(IDI_SAVER));
    return icon;
}

bool RegisterSaverClass(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    // The classes belong to the saver itself: the daybook's file is mapped as data, not as a
    // module windows could belong to. The icon comes from the daybook's file.
    windowClass.hInstance = OwnModule;
    windowClass.hIcon = SaverIcon();
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

static int RunMessageLoop() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunFullScreen() {
    CreateEntryFonts();
    if (!RegisterSaverClass(SaverClass, SaverWndProc)) {
        DeleteEntryFonts();
        return 0;
    }
    ScreenArea area = SaverWindowArea(
        {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
         GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)},
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND window = CreateWindowExA(0, SaverClass, SaverTitle, WS_POPUP | WS_VISIBLE, area.x, area.y,
                                  area.width, area.height, nullptr, nullptr, OwnModule, nullptr);
    int result = 0;
    if (window != nullptr) {
        SaverWindow = window;
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        result = RunMessageLoop();
        SaverWindow = nullptr;
    }
    UnregisterClassA(SaverClass, OwnModule);
    DeleteEntryFonts();
    return result;
}

static void UpdateSteps(HWND window) {
    if (Steps.showsDay && !Steps.displayOff && !Steps.deciding)
        SetTimer(window, TIMER_SAVER_STEP, AnimationSpeed, nullptr);
    else
        KillTimer(window, TIMER_SAVER_STEP);
}

// Windows XP has no power-setting notices: the functions are looked up when the saver starts,
// and without them the panel goes on moving while the display is off.
static void WatchDisplayPower(HWND window) {
    typedef HANDLE(WINAPI * RegisterFunction)(HANDLE, const GUID*, DWORD);
    RegisterFunction watch = reinterpret_cast<RegisterFunction>(
        SystemFunction(GetModuleHandleA("user32.dll"), "RegisterPowerSettingNotification"));
    for (size_t i = 0; watch != nullptr && i < 2; ++i) {
        GUID setting;
        memcpy(&setting, DisplayPowerSettings[i], sizeof setting);
        DisplayNotices[i] = watch(window, &setting, NoticesToWindow);
    }
}

static void StopWatchingDisplayPower() {
    typedef BOOL(WINAPI * UnregisterFunction)(HANDLE);
    UnregisterFunction stop = reinterpret_cast<UnregisterFunction>(
        SystemFunction(GetModuleHandleA("user32.dll"), "UnregisterPowerSettingNotification"));
    for (HANDLE& notice : DisplayNotices) {
        if (notice != nullptr && stop != nullptr)
            stop(notice);
        notice = nullptr;
    }
}

// The notice carries the setting's 16-byte id, the value's length in 4 bytes, then the value.
static void OnPowerBroadcast(HWND window, WPARAM event, LPARAM lParam) {
    if (event != PowerSettingChange || lParam == 0)
        return;
    const uint8_t* notice = reinterpret_cast<const uint8_t*>(lParam);
    uint32_t length;
    memcpy(&length, notice + 16, sizeof length);
    DisplayNotice said = ReadDisplayNotice(notice, length, notice + 20);
    if (said == DisplayNotice::Other)
        return;
    Steps.displayOff = said == DisplayNotice::Off;
    UpdateSteps(window);
}

// The pointer goes to the primary monitor's bottom-right pixel, over the saver window, which has
// no cursor to show there. The pixel is named exactly: with more monitors, a point past the
// corner could be placed on another one.
static void ParkPointer() {
    GetCursorPos(&SavedPointer);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

static void OnSaverCreate(HWND window) {
    ReadSettings();
    Steps = {};
    // Without the daybook's file the screen still goes black, with no panel and nothing moving.
    if (LoadMainProgram()) {
        Steps.showsDay = true;
        LoadDatabase(); // without it the panel shows the missing-entry text
        UpdateSteps(window);
        SetTimer(window, TIMER_SAVER_CLOCK, 1000, nullptr);
        CreatePanel(window);
        WatchDisplayPower(window);
    }
    ParkPointer();
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, TRUE, nullptr, 0);
}

static void OnSaverDestroy(HWND window) {
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, nullptr, 0);
    KillTimer(window, TIMER_SAVER_STEP);
    KillTimer(window, TIMER_SAVER_CLOCK);
    StopWatchingDisplayPower();
    FreeDatabase();
    DestroyPanel(window);
    SetCursorPos(SavedPointer.x, SavedPointer.y);
    PostQuitMessage(0);
}

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnSaverCreate(window);
        break;
    case WM_DESTROY:
        OnSaverDestroy(window);
        return 0;
    case WM_ERASEBKGND: {
        RECT whole;
        GetClientRect(window, &whole);
        FillRect(reinterpret_cast<HDC>(wParam), &whole,
                 static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return 0;
    }
    case WM_SYSCOMMAND:
        // Another saver start does nothing; Alt+F4 ends the saver only as any key does.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_CLOSE)
            return 0;
        break;
    case WM_TIMER:
        if (wParam == TIMER_SAVER_STEP)
            StepPanel();
        else if (wParam == TIMER_SAVER_CLOCK)
            TickPanelClock();
        return 0;
    case WM_SAVER_END_REQUEST:
        // The panel stands still while this window decides; a request that comes while any
        // check is up is ignored below, and so leaves the steps as they are.
        if (PasswordCheckActive == 0) {
            Steps.deciding = true;
            UpdateSteps(window);
        }
        break;
    case WM_SAVER_RESUME:
        Steps.deciding = false;
        UpdateSteps(window);
        break;
    case WM_POWERBROADCAST:
        OnPowerBroadcast(window, wParam, lParam);
        return TRUE;
    case WM_DISPLAYCHANGE:
        // Monitors came or went: the window no longer covers exactly what there is to cover.
        if (PasswordCheckActive == 0)
            PostMessageA(window, WM_SAVER_END_REQUEST, 0, 0);
        break;
    }
    return SaverInputProc(window, message, wParam, lParam);
}

int RunPreview(HWND parent) {
    if (parent == nullptr)
        return 0;
    RECT frame;
    GetWindowRect(parent, &frame);
    if (!RegisterSaverClass(PreviewClass, PreviewWndProc))
        return 0;
    HWND window = CreateWindowExA(0, PreviewClass, SaverTitle, WS_CHILD | WS_VISIBLE, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, parent,
                                  nullptr, OwnModule, nullptr);
    int result = window != nullptr ? RunMessageLoop() : 0;
    UnregisterClassA(PreviewClass, OwnModule);
    return result;
}

static void PaintPreview(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PictureResource picture;
    PictureInfo info;
    if (LoadPicture(OwnModule, IDB_SAVER_PREVIEW, &picture) &&
        ReadPackedBitmapInfo(picture.bits, picture.size, &info)) {
        RECT client;
        GetClientRect(window, &client);
        PreviewOrigin at = CentredPreview(client.right, client.bottom, info.width, info.height);
        DrawPicture(dc, at.x, at.y, &picture, SRCCOPY);
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintPreview(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
