#include "saver/saver_rules.h"

SaverCommand ParseSaverCommand(const char* commandLine) {
    SaverCommand command = {0, 0};
    if (commandLine == nullptr || commandLine[0] == '\0') {
        command.mode = 'c';
        return command;
    }
    char letter = commandLine[0] == '/' || commandLine[0] == '-' ? commandLine[1] : commandLine[0];
    if (letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    if (letter == 's' || letter == 'c' || letter == 'p' || letter == 'a')
        command.mode = letter;
    const char* digit = commandLine;
    while (*digit != '\0' && (*digit < '0' || *digit > '9'))
        ++digit;
    uint64_t number = 0;
    for (; *digit >= '0' && *digit <= '9'; ++digit) {
        number = number * 10 + static_cast<uint64_t>(*digit - '0');
        if (number > UINT32_MAX) {
            number = 0;
            break;
        }
    }
    command.windowNumber = static_cast<uint32_t>(number);
    return command;
}

bool PointerMoveEndsSaver(int32_t* lastX, int32_t* lastY, int32_t x, int32_t y) {
    if (*lastX == -1 || *lastY == -1) {
        *lastX = x;
        *lastY = y;
        return false;
    }
    return x != *lastX || y != *lastY;
}

uint32_t ClampAnimationSpeed(uint32_t speed) {
    return speed < FastestAnimationSpeed   ? FastestAnimationSpeed
           : speed > SlowestAnimationSpeed ? SlowestAnimationSpeed
                                           : speed;
}

PreviewOrigin CentredPreview(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth,
                             int32_t pictureHeight) {
    return PreviewOrigin{(boxWidth - pictureWidth) / 2, (boxHeight - pictureHeight) / 2};
}
