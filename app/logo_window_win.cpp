#include "app/logo_window_win.h"

#include "app/shared_ui_win.h"
#include "pictures/picture_draw_win.h"
#include "resource.h"
#include "settings/settings.h"

const char LogoWindowClass[] = "TavrinLogo";

static HWND LogoWindow;
static int LogoFrame;
static HFONT LogoFont;
static bool LogoClassRegistered;

struct LogoControl {
    int id;
    const char* className;
    const char* text; // the pictures' names are for screen readers: they are never drawn
    int x, y, width, height;
    DWORD style;
};

static const LogoControl LogoControls[] = {
    {IDC_LOGO_PICTURE, "BUTTON", "Tavrin logo", 2, 87, 416, 169,
     WS_CHILD | WS_VISIBLE | BS_OWNERDRAW},
    {IDC_LOGO_ANIMATION, "BUTTON", "Logo animation", 337, 16, 87, 47,
     WS_CHILD | WS_VISIBLE | BS_OWNERDRAW},
    {IDC_LOGO_NOTICE, "STATIC", nullptr, 8, 8, 270, 48,
     WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFT},
};

static bool RegisterLogoClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = LogoWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_WAIT);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = LogoWindowClass;
    LogoClassRegistered = RegisterClassA(&windowClass) != 0;
    return LogoClassRegistered;
}

void CreateLogoWindow(HWND owner) {
    LogoWindow = nullptr;
    if (ShowStartupWindow == 0 || StayOnTop != 0)
        return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!LogoClassRegistered && !RegisterLogoClass(instance))
        return;
    // 440 by 260 outside with its one-pixel border; the controls are placed in its 438 by 258
    // client area, which the outer size is worked out from.
    RECT frame = {0, 0, 438, 258};
    AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, 0);
    HWND window = CreateWindowExA(0, LogoWindowClass, "", WS_POPUP | WS_BORDER, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, owner,
                                  nullptr, instance, nullptr);
    if (window == nullptr)
        return;
    LogoWindow = window;
    for (const LogoControl& control : LogoControls)
        CreateWindowExA(0, control.className,
                        control.text != nullptr ? control.text : LoadText(IDS_LOGO_NOTICE),
                        control.style, control.x, control.y, control.width, control.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                        nullptr);
    SendMessageA(window, WM_LOGO_SET_FONT, 0, 0);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    // Topmost, so the main window shown after it comes up underneath. (Wine's X11 driver
    // without a window manager stacks the later window above it on screen all the same.)
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CloseLogoWindow() {
    if (LogoWindow != nullptr && IsWindow(LogoWindow))
        DestroyWindow(LogoWindow);
    LogoWindow = nullptr;
    if (LogoClassRegistered)
        UnregisterClassA(LogoWindowClass, GetModuleHandleA(nullptr));
    LogoClassRegistered = false;
}

static void OnLogoPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(window, &paint);
}

static void DrawLogoItem(const DRAWITEMSTRUCT* item) {
    int id = 0;
    if (item->CtlID == IDC_LOGO_PICTURE)
        id = IDB_LOGO_PICTURE;
    else if (item->CtlID == IDC_LOGO_ANIMATION && ScreenColourDepth() > 8)
        id = IDB_LOGO_FIRST_FRAME + LogoFrame;
    if (id != 0)
        DrawPictureItem(ResourceModule, item, id);
}

static void OnLogoDestroy(HWND window) {
    KillTimer(window, TIMER_LOGO_ANIMATION);
    if (LogoFont != nullptr)
        DeleteObject(LogoFont);
    LogoFont = nullptr;
}

static void SetLogoFont(HWND window) {
    if (LogoFont == nullptr)
        LogoFont = CreateFaceFont("Arial", 12);
    SendDlgItemMessageA(window, IDC_LOGO_NOTICE, WM_SETFONT, reinterpret_cast<WPARAM>(LogoFont),
                        TRUE);
}

static bool IsMousePress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN;
}

LRESULT CALLBACK LogoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        LogoFrame = 0;
        CentreOnScreen(window);
        SetTimer(window, TIMER_LOGO_ANIMATION, 150, nullptr);
        return 0;
    case WM_DESTROY:
        OnLogoDestroy(window);
        return 0;
    case WM_NCDESTROY:
        if (window == LogoWindow)
            LogoWindow = nullptr; // closed by a click: nothing left for CloseLogoWindow to destroy
        break;
    case WM_PAINT:
        OnLogoPaint(window);
        break;
    case WM_DRAWITEM:
        if (reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType == ODT_BUTTON)
            DrawLogoItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_LOGO_PICTURE || LOWORD(wParam) == IDC_LOGO_NOTICE ||
            LOWORD(wParam) == IDC_LOGO_ANIMATION)
            DestroyWindow(window);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        DestroyWindow(window);
        return 0;
    case WM_PARENTNOTIFY:
        // A press of any button on one of the pictures, which take their own clicks.
        if (IsMousePress(LOWORD(wParam)))
            DestroyWindow(window);
        return 0;
    case WM_TIMER:
        if (wParam != TIMER_LOGO_ANIMATION)
            break;
        InvalidateRect(GetDlgItem(window, IDC_LOGO_ANIMATION), nullptr, FALSE);
        LogoFrame = (LogoFrame + 1) % IDB_LOGO_FRAME_COUNT;
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(
            TextOnBlack(reinterpret_cast<HDC>(wParam), RGB(255, 255, 241)));
    case WM_LOGO_SET_FONT:
        SetLogoFont(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
