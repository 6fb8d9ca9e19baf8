// Texts of the About and System Information boxes, made without Windows so they can be tested.
#pragma once

#include <cstddef>
#include <cstdint>

// The decimal text with a comma between groups of three digits: 65536 gives "65,536". The
// result lives in a static buffer that the next call overwrites.
const char* FormatThousands(uint32_t number);

// How many colours a screen of this many bits per pixel shows: 2 to the power of the depth,
// the depth taken as at most 24 (so 32 bits give 16,777,216) and at least 0.
uint32_t ColourCount(int bitsPerPixel);

// Copies a template text from the resources, putting values[0], values[1]... in place of its
// placeholders ("%d", "%c", "%s", "%lu" and the like) in turn; "%%" gives "%"; a placeholder
// beyond the values given becomes empty. Always terminated within outSize. A template changed
// by a translator or a damaged file therefore never reaches a printf.
void FillPlaceholders(const char* pattern, const char* const values[], size_t valueCount, char* out,
                      size_t outSize);

// "Tavrin: A Morvest Daybook... version %d.%d%c" filled with the version: "... version 2.0d".
void FormatVersionTitle(const char* pattern, int major, int minor, char letter, char* out,
                        size_t outSize);

// The Windows version line: major, minor and the service-pack text with nothing between them,
// "5.0Service Pack 4".
void FormatWindowsVersion(unsigned long major, unsigned long minor, const char* servicePack,
                          char* out, size_t outSize);
