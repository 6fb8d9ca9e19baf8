// The screen saver's rules that need no Windows: its command line, the pointer-move end rule,
// the speed range of its setup dialog, the area it covers and the display's power notices.
#pragma once

#include <cstdint>

struct SaverCommand {
    char mode;             // 's', 'c', 'p', 'a' in lower case, or 0 for none
    uint32_t windowNumber; // the first run of digits, 0 without any
};

// The mode letter is the first character, or the second after a "/" or "-", in either case;
// the window number is read from the first decimal digit on ("/p 1234", "/p:1234", "/P1234").
// An empty command line is "c": Windows starts a saver that way for "Configure". A number too
// large for a window handle gives 0.
SaverCommand ParseSaverCommand(const char* commandLine);

// Whether a mode runs without the daybook's file: full screen still blanks the screen (with no
// panel) and the preview draws the saver's own picture. Setup and the password change, and a
// command line without a mode, report the missing file instead.
bool ModeRunsWithoutDaybook(char mode);

// A pointer position against the reference position: the first move only sets the reference
// (it starts at -1, -1); after that any difference, one pixel included, asks the saver to end.
// The reference itself is never moved by this rule.
bool PointerMoveEndsSaver(int32_t* lastX, int32_t* lastY, int32_t x, int32_t y);

// The orbit speed as the setup dialog's trackbar holds it: 10 ("Fast") to 500 ("Slow").
const uint32_t FastestAnimationSpeed = 10, SlowestAnimationSpeed = 500;
uint32_t ClampAnimationSpeed(uint32_t speed);

// Where the preview picture stands in a box: centred, each division truncating toward zero, so
// a box smaller than the picture cuts it evenly (97 by 165 in 152 by 112 stands at 27, -26).
struct PreviewOrigin {
    int32_t x, y;
};
PreviewOrigin CentredPreview(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth,
                             int32_t pictureHeight);

// A rectangle of the screen, in pixels.
struct ScreenArea {
    int32_t x, y, width, height;
};

// What the full-screen window covers: the virtual screen, every monitor, so that nothing of the
// desktop stays exposed; the primary screen, at (0, 0), where the system reports no virtual
// screen (a width or height of 0).
ScreenArea SaverWindowArea(ScreenArea virtualScreen, int32_t primaryWidth, int32_t primaryHeight);

// The power settings whose notices tell whether the display is on, as the 16 bytes of their ids
// in memory order: the console display state (Windows 8 and later: off 0, on 1, dimmed 2) and the
// monitor power (Windows Vista and 7: off 0, on 1).
extern const uint8_t DisplayPowerSettings[2][16];

// What a power-setting notice says of the display. Dimmed counts as on: the panel is still seen.
// A notice of another setting, or one whose value is shorter than 4 bytes, says nothing.
enum class DisplayNotice { Other, Off, On };
DisplayNotice ReadDisplayNotice(const uint8_t settingId[16], uint32_t dataLength,
                                const uint8_t* data);
