#include "app/main_window_win.h"

#include <cstdio>
#include <cstring>

#include "app/day_display_win.h"
#include "app/logo_window_win.h"
#include "app/shared_ui_win.h"
#include "app/start_rules.h"
#include "calendar/calendar_dialog_win.h"
#include "dialogs/about_box_win.h"
#include "dialogs/documents_win.h"
#include "dialogs/setup_dialog_win.h"
#include "dialogs/system_info_win.h"
#include "pictures/picture_draw_win.h"
#include "pictures/tints.h"
#include "resource.h"
#include "settings/settings.h"
#include "settings/text_values.h"
#include "version.h"

const char MainWindowClass[] = "TavrinApplication";

HWND MainWindow;
static uint32_t SecondsShown;

struct MenuItem {
    UINT id;
    const char* text;
    UINT command;
};

// The items both menus offer, with the command each sends.
static const MenuItem MenuItems[] = {
    {SYS_ABOUT, "&About", CMD_ABOUT},
    {SYS_SETUP, "&Setup", CMD_SETUP},
    {SYS_CALENDAR, "&Calendar", CMD_CALENDAR},
    {SYS_MANUAL, "&Manual", CMD_MANUAL},
    {SYS_SYSTEM_INFORMATION, "System &Information", CMD_SYSTEM_INFORMATION},
};

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(ResourceModule, "Tavrin");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = MainWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

// The window is laid out for the classic frame: 760 by 520 outside with a 19-pixel caption and
// 3-pixel borders, which leaves a client area of 754 by 495. The outer size is worked out from
// that client area, so that the taller captions and thicker frames of newer Windows grow the
// window instead of clipping its contents, and the picture stands where the classic frame puts
// it.
static const int MainClientWidth = 754, MainClientHeight = 495, ClassicCaptionHeight = 19;
static const DWORD MainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

HWND CreateMainWindow(HINSTANCE instance) {
    RECT frame = {0, 0, MainClientWidth, MainClientHeight};
    AdjustWindowRectEx(&frame, MainWindowStyle, FALSE, 0);
    HWND window = CreateWindowExA(0, MainWindowClass, ProgramTitle, MainWindowStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return nullptr;
    CreateDayControls(window, instance, PictureButtonTop(ClassicCaptionHeight));
    FollowDarkMode(window);
    return window;
}

static void StartClockTimers(HWND window) {
    SetTimer(window, TIMER_CLOCK, 1000, nullptr);
    SetTimer(window, TIMER_STAY_ON_TOP, 100, nullptr);
}

static void StopClockTimers(HWND window) {
    KillTimer(window, TIMER_CLOCK);
    KillTimer(window, TIMER_STAY_ON_TOP);
}

static LRESULT OnCreate(HWND window) {
    CentreOnScreen(window);
    SecondsShown = 0;
    StartClockTimers(window);
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    for (const MenuItem& item : MenuItems)
        AppendMenuA(systemMenu, MF_STRING, item.id, item.text);
    ShowToday();
    SetWindowTextA(window, LoadText(IDS_PROGRAM_TITLE));
    if (OpenCalendarAtStart == 1)
        PostMessageA(window, WM_COMMAND, CMD_CALENDAR, 0);
    return 0;
}

// Stay on top switched off in Setup takes the window out of the topmost band at once.
static void LeaveTopmostBandUnlessKeptOnTop(HWND window) {
    bool keptOnTop = StayOnTopAllowed != 0 && StayOnTop != 0;
    if (!keptOnTop && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

static LRESULT OnCommand(HWND window, WPARAM command) {
    switch (command) {
    case CMD_EXIT:
        SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    case CMD_MANUAL:
        OpenManual(window);
        break;
    case CMD_SYSTEM_INFORMATION:
        ShowSystemInformation(window);
        break;
    case CMD_ABOUT:
        StopClockTimers(window);
        ShowAboutBox(window, TAVRIN_VERSION_LETTER, TEXT_MARKETER_NOTICE);
        StartClockTimers(window);
        break;
    case CMD_SETUP:
        StopClockTimers(window);
        ShowSetupDialog(window);
        LeaveTopmostBandUnlessKeptOnTop(window);
        SetWindowTextA(window, LoadText(IDS_PROGRAM_TITLE));
        InvalidateRect(window, nullptr, TRUE);
        StartClockTimers(window);
        RefreshDisplay(window, TRUE, nullptr);
        break;
    case CMD_CALENDAR:
        EnableWindow(GetDlgItem(window, IDC_MAIN_PICTURE), FALSE);
        StopClockTimers(window);
        ShowCalendar(window);
        StartClockTimers(window);
        EnableWindow(GetDlgItem(window, IDC_MAIN_PICTURE), TRUE);
        break;
    }
    return 0;
}

void ClockTick(HWND window, const struct tm& now) {
    FollowClock(window, now);
    if (CountTowardsAutoClose(&SecondsShown, DelayTime, TimeoutsAllowed))
        PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
}

// A running screen saver must stay above every window: the daybook takes the top again once it
// has ended. Wine answers "not running" even while a saver of another process runs; there the
// visible full-screen window of the class that savers use tells it.
static bool ScreenSaverRunning() {
    BOOL running = FALSE;
    if (SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0) && running)
        return true;
    HWND saver = FindWindowA("WindowsScreenSaverClass", nullptr);
    return saver != nullptr && IsWindowVisible(saver);
}

static LRESULT OnTimer(HWND window, WPARAM timer, LPARAM lParam) {
    switch (timer) {
    case TIMER_STAY_ON_TOP:
        if (StayOnTopAllowed != 0 && StayOnTop != 0 && !ScreenSaverRunning())
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        return 0;
    case TIMER_CLOCK:
        ClockTick(window, LocalTimeNow());
        return 0;
    case TIMER_LOGO:
        CloseLogoWindow();
        KillTimer(window, TIMER_LOGO);
        return 0;
    default:
        return DefWindowProcA(window, WM_TIMER, timer, lParam);
    }
}

HMENU CreateContextMenu() {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return nullptr;
    for (const MenuItem& item : MenuItems)
        AppendMenuA(menu, MF_STRING, item.command, item.text);
    AppendMenuA(menu, MF_SEPARATOR, static_cast<UINT_PTR>(-1), "");
    AppendMenuA(menu, MF_STRING, CMD_EXIT, "Exit");
    return menu;
}

static void ShowContextMenu(HWND window) {
    POINT cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != window)
        return;
    HMENU menu = CreateContextMenu();
    if (menu == nullptr)
        return;
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0,
                   window, nullptr);
    DestroyMenu(menu);
}

// True when the command closed the window, so that its handle is no longer used.
static bool OnSystemCommand(HWND window, WPARAM command) {
    if ((command & 0xFFF0) == SC_CLOSE) {
        SendMessageA(window, WM_COMMAND, CMD_EXIT, 0);
        return true;
    }
    for (const MenuItem& item : MenuItems)
        if (command == item.id)
            SendMessageA(window, WM_COMMAND, item.command, 0);
    return false;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer;
    if (AnswerDayMessage(message, wParam, lParam, &answer))
        return answer;
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        StopClockTimers(window);
        CloseLogoWindow();
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_COMMAND:
        return OnCommand(window, wParam);
    case WM_SYSCOMMAND:
        if (OnSystemCommand(window, wParam))
            return 0;
        break;
    case WM_TIMER:
        return OnTimer(window, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (ClickToCloseAllowed != 0 && ClickToClose != 0)
            SendMessageA(window, WM_COMMAND, CMD_EXIT, 0);
        break;
    case WM_RBUTTONUP:
        ShowContextMenu(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
