#include "dialogs/setup_values.h"

#include <cstdint>
#include <cstdlib>

// One signed decimal field at text, saturated to 32 bits; false when there are no digits.
static bool ScanInteger(const char*& text, int32_t* out) {
    char* end = nullptr;
    long long value = strtoll(text, &end, 10);
    if (end == text)
        return false;
    *out = static_cast<int32_t>(value > INT32_MAX   ? INT32_MAX
                                : value < INT32_MIN ? INT32_MIN
                                                    : value);
    text = end;
    return true;
}

SpinRange ScanSpinRange(const char* text) {
    SpinRange range = {-1, -1, -1};
    int32_t* fields[] = {&range.lower, &range.upper, &range.position};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (*text != ',')
                break;
            ++text;
        }
        if (!ScanInteger(text, fields[i]))
            break;
    }
    return range;
}

uint32_t ReadUnsignedText(const char* text) {
    while (*text == ' ' || *text == '\t')
        ++text;
    uint64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + static_cast<uint64_t>(*text - '0');
        if (value > UINT32_MAX)
            return UINT32_MAX;
    }
    return static_cast<uint32_t>(value);
}

uint32_t ClampToSpinRange(uint32_t value, const SpinRange& range) {
    if (!HasSpinBounds(range))
        return value;
    uint32_t lower = static_cast<uint32_t>(range.lower), upper = static_cast<uint32_t>(range.upper);
    if (value < lower)
        return lower;
    if (value > upper)
        return upper;
    return value;
}
