// The picture-header checks and the tint scaling against any bitmap resource.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "pictures/picture_format.h"
#include "pictures/tints.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PictureInfo info;
    if (ReadPackedBitmapInfo(data, size, &info)) {
        // What the drawing code will touch lies inside the resource.
        if (info.totalSize > size || info.pixelOffset > info.totalSize ||
            info.pixelOffset != 40 + 4 * static_cast<size_t>(info.colourCount) ||
            info.colourCount > 256)
            __builtin_trap();
        std::vector<uint8_t> copy(data, data + info.totalSize);
        uint32_t tint = size >= 4 ? GetTintColour(data[size - 1]) ^ (data[size - 2] << 8) : 0;
        ScaleColourTable(copy.data() + 40, info.colourCount, tint);
        // Scaling never brightens a channel.
        for (uint32_t i = 0; i < info.colourCount * 4; ++i)
            if (i % 4 != 3 && copy[40 + i] > data[40 + i])
                __builtin_trap();
    }
    return 0;
}

static std::string Bitmap(int32_t width, int32_t height, uint16_t bits, uint32_t compression) {
    uint32_t colours = bits <= 8 ? 1u << bits : 0;
    uint32_t row = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    std::string data(40 + 4 * colours + row * static_cast<uint32_t>(height > 0 ? height : 0),
                     '\x40');
    uint32_t header[10] = {40,
                           static_cast<uint32_t>(width),
                           static_cast<uint32_t>(height),
                           1u | (static_cast<uint32_t>(bits) << 16),
                           compression,
                           0,
                           0,
                           0,
                           0,
                           0};
    memcpy(&data[0], header, sizeof header);
    return data;
}

std::vector<std::string> FuzzSeeds() {
    return {Bitmap(2, 2, 8, 0),  Bitmap(97, 165, 8, 0), Bitmap(3, 1, 1, 0),
            Bitmap(5, 5, 4, 0),  Bitmap(2, 2, 24, 0),   Bitmap(2, 2, 8, 1),
            Bitmap(-2, 2, 8, 0), Bitmap(2, -2, 8, 0),   Bitmap(16385, 1, 1, 0),
            Bitmap(1, 1, 32, 0), std::string(39, '\0')};
}
