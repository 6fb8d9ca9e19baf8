#include "saver/orbit_path.h"

#include <cmath>
#include <cstdlib>

OrbitPath BuildOrbitPathFor(int32_t width, int32_t height) {
    OrbitPath path = {nullptr, 0};
    int32_t ax = (width - 824) / 2, ay = (height - 584) / 2; // truncating toward zero
    int32_t count = (width > height ? width : height) - 64;
    if (count <= 0)
        return path;
    path.points = static_cast<OrbitPoint*>(calloc(static_cast<size_t>(count), sizeof(OrbitPoint)));
    if (path.points == nullptr)
        return path;
    path.count = count;
    // 2 pi and 4 pi to ten significant digits, divided by the count first, then times i.
    const double xStep = 6.283185307 / count, yStep = 12.56637061 / count;
    for (int32_t i = 0; i < count; ++i) {
        path.points[i].x = ax + 32 + static_cast<int32_t>(std::trunc(sin(xStep * i) * ax));
        path.points[i].y = ay + 32 + static_cast<int32_t>(std::trunc(sin(yStep * i) * ay));
    }
    return path;
}

void FreeOrbitPath(OrbitPath* path) {
    free(path->points);
    path->points = nullptr;
    path->count = 0;
}

void OffsetOrbitPath(OrbitPath* path, int32_t dx, int32_t dy) {
    for (int32_t i = 0; i < path->count; ++i) {
        path->points[i].x += dx;
        path->points[i].y += dy;
    }
}

int32_t NextOrbitIndex(const OrbitPath& path, int32_t index) {
    return index + 1 >= path.count ? 0 : index + 1;
}
