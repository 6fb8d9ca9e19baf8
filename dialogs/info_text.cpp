#include "dialogs/info_text.h"

#include <cstdio>
#include <cstring>

const char* FormatThousands(uint32_t number) {
    // Grouped from the right: the digits are laid down from the end of the buffer backwards.
    static char text[16];
    char* at = text + sizeof text - 1;
    *at = '\0';
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            *--at = ',';
        *--at = static_cast<char>('0' + number % 10);
        number /= 10;
        ++digits;
    } while (number != 0);
    memmove(text, at, strlen(at) + 1);
    return text;
}

uint32_t ColourCount(int bitsPerPixel) {
    int depth = bitsPerPixel < 0 ? 0 : bitsPerPixel > 24 ? 24 : bitsPerPixel;
    return static_cast<uint32_t>(1) << depth;
}

// Length of the placeholder at pattern[0] == '%': flags, width, length letters, then the
// conversion letter. 0 when no conversion letter follows.
static size_t PlaceholderLength(const char* pattern) {
    size_t length = 1;
    while (pattern[length] != '\0' && strchr("-+ #0123456789.lhL", pattern[length]) != nullptr)
        ++length;
    return pattern[length] != '\0' && strchr("dicsuxX", pattern[length]) != nullptr ? length + 1
                                                                                    : 0;
}

void FillPlaceholders(const char* pattern, const char* const values[], size_t valueCount, char* out,
                      size_t outSize) {
    if (outSize == 0)
        return;
    size_t used = 0, next = 0;
    auto append = [&](const char* text, size_t length) {
        while (length-- > 0 && *text != '\0' && used + 1 < outSize)
            out[used++] = *text++;
    };
    while (*pattern != '\0') {
        size_t length = *pattern == '%' ? PlaceholderLength(pattern) : 0;
        if (pattern[0] == '%' && pattern[1] == '%') {
            append("%", 1);
            pattern += 2;
        } else if (length > 0) {
            if (next < valueCount) {
                const char* value = values[next] != nullptr ? values[next] : "";
                append(value, strlen(value));
            }
            ++next;
            pattern += length;
        } else {
            append(pattern, 1);
            ++pattern;
        }
    }
    out[used] = '\0';
}

void FormatVersionTitle(const char* pattern, int major, int minor, char letter, char* out,
                        size_t outSize) {
    char majorText[12], minorText[12], letterText[2] = {letter, '\0'};
    snprintf(majorText, sizeof majorText, "%d", major);
    snprintf(minorText, sizeof minorText, "%d", minor);
    const char* values[] = {majorText, minorText, letterText};
    FillPlaceholders(pattern, values, 3, out, outSize);
}

void FormatWindowsVersion(unsigned long major, unsigned long minor, const char* servicePack,
                          char* out, size_t outSize) {
    snprintf(out, outSize, "%lu.%lu%s", major, minor, servicePack != nullptr ? servicePack : "");
}
