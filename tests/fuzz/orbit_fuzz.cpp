// The orbit builder for any screen size.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "saver/orbit_path.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    // Sizes from -32768 to 32767 pixels: far beyond any screen, small enough to allocate.
    int32_t width = static_cast<int16_t>(data[0] | (data[1] << 8));
    int32_t height = static_cast<int16_t>(data[2] | (data[3] << 8));
    OrbitPath path = BuildOrbitPathFor(width, height);
    int32_t expected = std::max(width, height) - 64;
    if (expected <= 0 ? path.points != nullptr || path.count != 0 : path.count != expected)
        __builtin_trap();
    bool roomy = width >= 824 && height >= 584;
    for (int32_t i = 0; i < path.count; ++i) {
        const OrbitPoint& p = path.points[i];
        if (roomy && (p.x < 32 || p.x + 760 > width - 32 || p.y < 32 || p.y + 520 > height - 32))
            __builtin_trap();
    }
    if (path.count > 0 && NextOrbitIndex(path, path.count - 1) != 0)
        __builtin_trap();
    FreeOrbitPath(&path);
    return 0;
}

static std::string Screen(int16_t width, int16_t height) {
    std::string data(4, '\0');
    memcpy(&data[0], &width, 2);
    memcpy(&data[2], &height, 2);
    return data;
}

std::vector<std::string> FuzzSeeds() {
    return {Screen(1024, 768),  Screen(800, 600),  Screen(640, 480), Screen(825, 585),
            Screen(824, 584),   Screen(64, 64),    Screen(65, 1),    Screen(-1, -1),
            Screen(3840, 2160), Screen(32767, 600)};
}
