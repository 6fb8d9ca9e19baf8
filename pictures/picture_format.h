// Checks of a packed device-independent bitmap as stored in a bitmap resource.
#pragma once

#include <cstddef>
#include <cstdint>

struct PictureInfo {
    int32_t width;
    int32_t height;
    uint16_t bitCount;
    uint32_t colourCount; // entries of the colour table: 2^bitCount, 0 above 8 bits
    size_t pixelOffset;   // header plus colour table
    size_t totalSize;     // header, colour table and every padded row
};

// Reads the header of a packed bitmap of the given size. False when it is not a bitmap the
// drawing code handles (a 40-byte header, 1, 4, 8 or 24 bits, uncompressed, bottom-up, at most
// 16384 pixels each way) or when header, table and rows do not fit in the given size.
bool ReadPackedBitmapInfo(const void* data, size_t size, PictureInfo* info);
