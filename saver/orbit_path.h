// The figure-eight orbit of the screen saver's panel: every position worked out once, before
// the panel is shown, so that a step is one table read and one window move.
#pragma once

#include <cstdint>

struct OrbitPoint {
    int32_t x, y;
};

struct OrbitPath {
    OrbitPoint* points; // nullptr: no path, the panel stands still
    int32_t count;
};

// The path of the top-left corner of the 760 by 520 panel on a screen of width by height
// pixels: count = max(width, height) - 64 points, x one sine period and y two round the middle
// of the screen, 32 pixels clear of every edge on screens of at least 824 by 584. A screen of
// 64 pixels or less gives no path; so does a failed allocation. Free with FreeOrbitPath.
OrbitPath BuildOrbitPathFor(int32_t width, int32_t height);
void FreeOrbitPath(OrbitPath* path);

// Moves every point of the path by (dx, dy), once, before the panel is shown: the orbit is the
// primary monitor's, and the saver's window, which covers every monitor, may begin left of or
// above it.
void OffsetOrbitPath(OrbitPath* path, int32_t dx, int32_t dy);

// The index of the next point after index, round to 0 at the end of the path.
int32_t NextOrbitIndex(const OrbitPath& path, int32_t index);
