// System information and the display check.
#include "dialogs/dialogs.h"
#include <cstdint>

unsigned ScreenColourDepth() {
    HDC screen = GetDC(nullptr);
    unsigned depth =
        static_cast<uint16_t>(GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
    return depth <= 8 ? depth : 24;
}

// Not available yet: the System Information command and the display check return at once.
int ShowSystemInformation(HWND) {
    return 1;
}

void ShowChangeDriverBox(HWND) {}
