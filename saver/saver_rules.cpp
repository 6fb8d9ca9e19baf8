#include "saver/saver_rules.h"

#include <cstring>

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

bool ModeRunsWithoutDaybook(char mode) {
    return mode == 's' || mode == 'p';
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

ScreenArea SaverWindowArea(ScreenArea virtualScreen, int32_t primaryWidth, int32_t primaryHeight) {
    if (virtualScreen.width <= 0 || virtualScreen.height <= 0)
        return ScreenArea{0, 0, primaryWidth, primaryHeight};
    return virtualScreen;
}

const uint8_t DisplayPowerSettings[2][16] = {
    // 6FE69556-704A-47A0-8F24-C28D936FDA47
    {0x56, 0x95, 0xE6, 0x6F, 0x4A, 0x70, 0xA0, 0x47, 0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA,
     0x47},
    // 02731015-4510-4526-99E6-E5A17EBD1AEA
    {0x15, 0x10, 0x73, 0x02, 0x10, 0x45, 0x26, 0x45, 0x99, 0xE6, 0xE5, 0xA1, 0x7E, 0xBD, 0x1A,
     0xEA},
};

DisplayNotice ReadDisplayNotice(const uint8_t settingId[16], uint32_t dataLength,
                                const uint8_t* data) {
    if (dataLength < 4 || data == nullptr)
        return DisplayNotice::Other;
    for (const uint8_t* setting : DisplayPowerSettings)
        if (memcmp(settingId, setting, 16) == 0) {
            uint32_t value;
            memcpy(&value, data, sizeof value);
            return value == 0 ? DisplayNotice::Off : DisplayNotice::On;
        }
    return DisplayNotice::Other;
}
