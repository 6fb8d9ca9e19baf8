// The screen saver's rules that need no Windows: its command line, the pointer-move end rule
// and the speed range of its setup dialog.
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
