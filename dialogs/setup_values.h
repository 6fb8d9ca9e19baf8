// The numbers behind the Setup page's numeric boxes: the up-down control's range, written in
// its window text as "lower,upper,position", and the clamp that keeps a typed value inside it.
#pragma once

#include <cstdint>

struct SpinRange {
    int32_t lower, upper, position; // -1 where the text gave no number
};

// Scans "lower,upper,position" as three decimal integers separated by commas, each with an
// optional sign. Fields that are missing or unreadable stay -1, as do those after them; numbers
// beyond 32 bits saturate.
SpinRange ScanSpinRange(const char* text);

// True when the text gave both bounds, so that the range can be set and values clamped.
inline bool HasSpinBounds(const SpinRange& range) {
    return range.lower != -1 && range.upper != -1;
}

// The number a numeric box holds: leading spaces skipped, then decimal digits up to the first
// other character; no digits give 0, and a number too large for 32 bits gives the largest.
uint32_t ReadUnsignedText(const char* text);

// A value kept inside the range's bounds, compared as unsigned numbers; unchanged when the range
// has no bounds.
uint32_t ClampToSpinRange(uint32_t value, const SpinRange& range);
