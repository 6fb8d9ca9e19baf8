#include "pictures/picture_format.h"

#include <cstring>

static uint32_t Read32(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

bool ReadPackedBitmapInfo(const void* data, size_t size, PictureInfo* info) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    const size_t headerSize = 40;
    if (data == nullptr || size < headerSize || Read32(bytes) != headerSize)
        return false;
    int32_t width = static_cast<int32_t>(Read32(bytes + 4));
    int32_t height = static_cast<int32_t>(Read32(bytes + 8));
    uint16_t planes = static_cast<uint16_t>(bytes[12] | (bytes[13] << 8));
    uint16_t bitCount = static_cast<uint16_t>(bytes[14] | (bytes[15] << 8));
    uint32_t compression = Read32(bytes + 16);
    const int32_t largest = 16384;
    if (width <= 0 || height <= 0 || width > largest || height > largest || planes != 1 ||
        compression != 0)
        return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
        return false;
    // With at most 16384 pixels a side and 24 bits a pixel every size below fits in 64 bits.
    uint64_t colours = bitCount <= 8 ? (1u << bitCount) : 0;
    uint64_t rowSize = (static_cast<uint64_t>(width) * bitCount + 31) / 32 * 4;
    uint64_t pixelOffset = headerSize + 4 * colours;
    uint64_t total = pixelOffset + rowSize * static_cast<uint64_t>(height);
    if (total > size)
        return false;
    info->width = width;
    info->height = height;
    info->bitCount = bitCount;
    info->colourCount = static_cast<uint32_t>(colours);
    info->pixelOffset = static_cast<size_t>(pixelOffset);
    info->totalSize = static_cast<size_t>(total);
    return true;
}
