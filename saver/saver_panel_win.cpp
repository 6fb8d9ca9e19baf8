// The panel that carries the day round its figure-eight orbit over the saver's black screen.
#include <cstdlib>

#include "app/day_display_win.h"
#include "app/shared_ui_win.h"
#include "pictures/tints.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "settings/settings.h"
#include "settings/text_values.h"

OrbitPath SaverOrbit;
int32_t OrbitIndex;
static HWND Panel;

static const char PanelClass[] = "TavrinSaverMoving";
static const int PanelPictureTop = 91; // the panel has no caption

// The orbit of the primary monitor, which stands at (0, 0) of the screen, in the coordinates of
// the saver window, which covers every monitor and so may begin left of or above it.
static bool BuildOrbitPath(HWND saver) {
    SaverOrbit = BuildOrbitPathFor(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    POINT origin = {0, 0};
    ClientToScreen(saver, &origin);
    OffsetOrbitPath(&SaverOrbit, -origin.x, -origin.y);
    OrbitIndex = SaverOrbit.count > 0 ? rand() % SaverOrbit.count : 0;
    return SaverOrbit.points != nullptr;
}

HWND CreatePanel(HWND saver) {
    POINT start = {0, 0};
    if (BuildOrbitPath(saver)) {
        start.x = SaverOrbit.points[OrbitIndex].x;
        start.y = SaverOrbit.points[OrbitIndex].y;
        OrbitIndex = NextOrbitIndex(SaverOrbit, OrbitIndex);
    }
    RegisterSaverClass(PanelClass, PanelWndProc); // a failure shows as a failed creation below
    Panel = CreateWindowExA(0, PanelClass, ProgramTitle, WS_CHILD | WS_DLGFRAME, start.x, start.y,
                            760, 520, saver, nullptr, OwnModule, nullptr);
    if (Panel == nullptr)
        return nullptr;
    CreateDayControls(Panel, OwnModule, PanelPictureTop);
    RefreshDisplay(Panel, TRUE, nullptr);
    ShowWindow(Panel, SW_SHOW);
    UpdateWindow(Panel);
    return Panel;
}

void DestroyPanel(HWND) {
    // The panel goes first, so that its class can go too.
    if (Panel != nullptr && IsWindow(Panel))
        DestroyWindow(Panel);
    UnregisterClassA(PanelClass, OwnModule);
    FreeOrbitPath(&SaverOrbit);
    Panel = nullptr;
}

void StepPanel() {
    if (SaverOrbit.points == nullptr || Panel == nullptr)
        return;
    const OrbitPoint& point = SaverOrbit.points[OrbitIndex];
    MoveWindow(Panel, point.x, point.y, 760, 520, TRUE);
    OrbitIndex = NextOrbitIndex(SaverOrbit, OrbitIndex);
}

void TickPanelClock() {
    if (Panel != nullptr)
        SendMessageA(Panel, WM_SAVER_CLOCK_TICK, 0, 0);
}

LRESULT CALLBACK PanelWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT answer;
    if (AnswerDayMessage(message, wParam, lParam, &answer))
        return answer;
    switch (message) {
    case WM_CREATE:
        SetWindowTextA(window, LoadText(IDS_PROGRAM_TITLE));
        ShowToday();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SAVER_CLOCK_TICK:
        FollowClock(window, LocalTimeNow());
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    }
    return SaverInputProc(window, message, wParam, lParam);
}
