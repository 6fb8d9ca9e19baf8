// The plain programs the daybook and the saver are measured against.
//   baseline_window text   a 760 by 520 window with the daybook window's styles and one static
//                          control (id 102, Arial 16) holding a short text
//   baseline_window black  a full-screen, topmost black window with an idle message loop
#include <windows.h>

#include <cstring>

static LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showMode) {
    bool black = strstr(commandLine, "black") != nullptr;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = BaselineProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = "TavrinBaseline";
    RegisterClassA(&windowClass);
    HWND window;
    HFONT font = nullptr;
    if (black) {
        window = CreateWindowExA(WS_EX_TOPMOST, "TavrinBaseline", "Baseline", WS_POPUP | WS_VISIBLE,
                                 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                 nullptr, nullptr, instance, nullptr);
    } else {
        window = CreateWindowExA(0, "TavrinBaseline", "Baseline",
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, 760, 520, nullptr, nullptr, instance, nullptr);
        font = CreateFontA(16, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                           "Arial");
        HWND text = CreateWindowExA(0, "STATIC", "A short text for the baseline.",
                                    WS_CHILD | WS_VISIBLE | SS_LEFT, 136, 4, 608, 508, window,
                                    reinterpret_cast<HMENU>(102), instance, nullptr);
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ShowWindow(window, showMode);
        UpdateWindow(window);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (font != nullptr)
        DeleteObject(font);
    return 0;
}
