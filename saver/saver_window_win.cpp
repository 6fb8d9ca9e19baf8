// The saver's full-screen window and its preview in the Display settings.
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
    HWND window = CreateWindowExA(0, SaverClass, SaverTitle, WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, OwnModule, nullptr);
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

static void OnSaverCreate(HWND window) {
    ReadSettings();
    LoadMainProgram();
    LoadDatabase(); // without it the panel shows the missing-entry text
    SetTimer(window, TIMER_SAVER_STEP, AnimationSpeed, nullptr);
    CreatePanel(window);
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, TRUE, nullptr, 0);
}

static void OnSaverDestroy(HWND window) {
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, nullptr, 0);
    KillTimer(window, TIMER_SAVER_STEP);
    FreeDatabase();
    DestroyPanel(window);
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
        return 0;
    case WM_SAVER_END_REQUEST:
        KillTimer(window, TIMER_SAVER_STEP);
        break;
    case WM_SAVER_RESUME:
        SetTimer(window, TIMER_SAVER_STEP, AnimationSpeed, nullptr);
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
