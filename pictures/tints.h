// The fifteen colour tints for pictures and texts.
#pragma once

#include <cstdint>

struct TintRow {
    const char* name; // nullptr in the end row
    uint32_t colour;  // a Windows colour value: red in the low byte, then green, then blue
};

const int TintCount = 15;
const uint32_t DefaultTintIndex = 1;
extern const TintRow TintTable[TintCount + 1];

// The colour currently used for texts and picture tints.
extern uint32_t CurrentTintColour;

inline uint32_t MakeColour(uint32_t red, uint32_t green, uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

// Colour of a tint index; an index outside the table gives the default tint, "Warm day".
uint32_t GetTintColour(uint32_t index);

// Scales a table of count colour entries in the bitmap order blue, green, red, reserved by the
// tint, channel by channel (value * tint / 255). A tint of 0 means no tint.
void ScaleColourTable(uint8_t* entries, uint32_t count, uint32_t tint);
