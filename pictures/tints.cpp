#include "pictures/tints.h"

const TintRow TintTable[TintCount + 1] = {
    {"Neutral", MakeColour(255, 255, 255)},       {"Warm day", MakeColour(255, 255, 240)},
    {"Old newspaper", MakeColour(255, 255, 220)}, {"Frost", MakeColour(240, 255, 255)},
    {"Ice", MakeColour(220, 255, 255)},           {"Sky", MakeColour(225, 240, 255)},
    {"Space", MakeColour(225, 220, 255)},         {"Steel", MakeColour(225, 240, 240)},
    {"Titanium", MakeColour(225, 220, 220)},      {"Meadow", MakeColour(240, 255, 240)},
    {"Bottle glass", MakeColour(220, 255, 220)},  {"Stratosphere", MakeColour(240, 240, 255)},
    {"Coral", MakeColour(255, 220, 220)},         {"Mangrove", MakeColour(220, 255, 220)},
    {"Humid", MakeColour(255, 255, 248)},         {nullptr, 0},
};

uint32_t CurrentTintColour = TintTable[DefaultTintIndex].colour;

uint32_t GetTintColour(uint32_t index) {
    if (index >= static_cast<uint32_t>(TintCount))
        index = DefaultTintIndex;
    return TintTable[index].colour;
}

void ScaleColourTable(uint8_t* entries, uint32_t count, uint32_t tint) {
    if (tint == 0)
        return;
    const uint32_t red = tint & 0xFF, green = (tint >> 8) & 0xFF, blue = (tint >> 16) & 0xFF;
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t* entry = entries + 4 * i;
        entry[0] = static_cast<uint8_t>(entry[0] * blue / 255);
        entry[1] = static_cast<uint8_t>(entry[1] * green / 255);
        entry[2] = static_cast<uint8_t>(entry[2] * red / 255);
    }
}
