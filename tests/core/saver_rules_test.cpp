// The screen saver's orbit, command line, pointer rule and speed range.
#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "saver/orbit_path.h"
#include "saver/saver_rules.h"

namespace {

TEST(OrbitPath, PointsOfTheFigureEightOnKnownScreens) {
    struct {
        int32_t width, height, count;
        struct {
            int32_t index, x, y;
        } points[5];
        int32_t minX, maxX, minY, maxY;
    } screens[] = {
        {1024,
         768,
         960,
         {{0, 132, 124}, {120, 202, 216}, {240, 232, 124}, {480, 132, 124}, {720, 32, 124}},
         32,
         232,
         32,
         216},
        {800,
         600,
         736,
         {{0, 20, 40}, {0, 20, 40}, {0, 20, 40}, {0, 20, 40}, {0, 20, 40}},
         8,
         32,
         32,
         48},
        {640,
         480,
         576,
         {{0, -60, -20}, {0, -60, -20}, {0, -60, -20}, {0, -60, -20}, {0, -60, -20}},
         -152,
         32,
         -72,
         32},
        {825,
         585,
         761,
         {{0, 32, 32}, {380, 32, 32}, {760, 32, 32}, {1, 32, 32}, {2, 32, 32}},
         32,
         32,
         32,
         32},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(std::to_string(s.width) + "x" + std::to_string(s.height));
        OrbitPath path = BuildOrbitPathFor(s.width, s.height);
        ASSERT_EQ(path.count, s.count);
        ASSERT_NE(path.points, nullptr);
        for (const auto& p : s.points) {
            EXPECT_EQ(path.points[p.index].x, p.x) << p.index;
            EXPECT_EQ(path.points[p.index].y, p.y) << p.index;
        }
        auto [minX, maxX] = std::minmax_element(path.points, path.points + path.count,
                                                [](auto a, auto b) { return a.x < b.x; });
        auto [minY, maxY] = std::minmax_element(path.points, path.points + path.count,
                                                [](auto a, auto b) { return a.y < b.y; });
        EXPECT_EQ(minX->x, s.minX);
        EXPECT_EQ(maxX->x, s.maxX);
        EXPECT_EQ(minY->y, s.minY);
        EXPECT_EQ(maxY->y, s.maxY);
        FreeOrbitPath(&path);
        EXPECT_EQ(path.points, nullptr);
    }
}

TEST(OrbitPath, AtLeast32PixelsFromEveryEdgeOnScreensOf824By584AndMore) {
    for (int32_t width = 824; width <= 2600; width += 37)
        for (int32_t height = 584; height <= 1700; height += 29) {
            OrbitPath path = BuildOrbitPathFor(width, height);
            ASSERT_EQ(path.count, std::max(width, height) - 64);
            for (int32_t i = 0; i < path.count; ++i) {
                const OrbitPoint& p = path.points[i];
                ASSERT_TRUE(p.x >= 32 && p.x + 760 <= width - 32 && p.y >= 32 &&
                            p.y + 520 <= height - 32)
                    << width << "x" << height << " point " << i;
            }
            FreeOrbitPath(&path);
        }
    // No screen, or one of 64 pixels or less, has no path; the index wraps at the end.
    for (int32_t side : {0, 1, 64, -5}) {
        OrbitPath path = BuildOrbitPathFor(side, side);
        EXPECT_EQ(path.points, nullptr);
        EXPECT_EQ(path.count, 0);
    }
    OrbitPath path = BuildOrbitPathFor(65, 65); // the smallest that has one: a single point
    EXPECT_EQ(path.count, 1);
    FreeOrbitPath(&path);
    path = BuildOrbitPathFor(1024, 768);
    EXPECT_EQ(NextOrbitIndex(path, 0), 1);
    EXPECT_EQ(NextOrbitIndex(path, 958), 959);
    EXPECT_EQ(NextOrbitIndex(path, 959), 0);
    // A saver window over a monitor left of and above the primary one holds the orbit inside.
    OffsetOrbitPath(&path, 800, 32);
    EXPECT_TRUE(path.points[0].x == 932 && path.points[0].y == 156 && path.points[720].x == 832);
    FreeOrbitPath(&path);
}

TEST(SaverCommand, TheModeLetterAndTheWindowNumberInEveryForm) {
    struct {
        const char* line;
        char mode;
        uint32_t window;
    } cases[] = {
        {"/s", 's', 0},
        {"-S", 's', 0},
        {"s", 's', 0},
        {"/sx", 's', 0},
        {"/p 1234", 'p', 1234},
        {"/p:1234", 'p', 1234},
        {"/P1234", 'p', 1234},
        {"/p", 'p', 0},
        {"/c:1234", 'c', 1234},
        {"/C", 'c', 0},
        {"/a", 'a', 0},
        {"/a 1234", 'a', 1234},
        {"", 'c', 0},
        {"/x", 0, 0},
        {"/", 0, 0},
        {"-", 0, 0},
        {"x/s", 0, 0},
        {"//s", 0, 0},
        {"/p 12x34", 'p', 12},
        {"/p 4294967295", 'p', 4294967295u},
        {"/p 4294967296", 'p', 0},
        {"/p 99999999999999999999999", 'p', 0},
    };
    for (const auto& c : cases) {
        SaverCommand command = ParseSaverCommand(c.line);
        EXPECT_EQ(command.mode, c.mode) << '"' << c.line << '"';
        EXPECT_EQ(command.windowNumber, c.window) << '"' << c.line << '"';
    }
}

TEST(SaverRules, APointerMoveEndsOnlyAfterTheReferenceIsTaken) {
    int32_t x = -1, y = -1;
    EXPECT_FALSE(PointerMoveEndsSaver(&x, &y, 1024, 768)); // the first move sets the reference
    EXPECT_EQ(x, 1024);
    EXPECT_FALSE(PointerMoveEndsSaver(&x, &y, 1024, 768)); // the panel slid under a still pointer
    EXPECT_TRUE(PointerMoveEndsSaver(&x, &y, 1023, 768));  // one pixel is enough
    EXPECT_TRUE(PointerMoveEndsSaver(&x, &y, 1024, 767));
    EXPECT_EQ(x, 1024); // the reference stays
    x = 5, y = -1;
    EXPECT_FALSE(PointerMoveEndsSaver(&x, &y, 7, 8));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);

    const uint32_t speeds[][2] = {{0, 10},    {5, 10},    {10, 10},         {400, 400},
                                  {500, 500}, {501, 500}, {UINT32_MAX, 500}};
    for (const auto& s : speeds)
        EXPECT_EQ(ClampAnimationSpeed(s[0]), s[1]) << s[0];

    const int32_t previews[][6] = {{152, 112, 97, 165, 27, -26},
                                   {97, 165, 97, 165, 0, 0},
                                   {100, 100, 97, 165, 1, -32},
                                   {0, 0, 97, 165, -48, -82}};
    for (const auto& p : previews) {
        PreviewOrigin at = CentredPreview(p[0], p[1], p[2], p[3]);
        EXPECT_EQ(at.x, p[4]) << p[0] << "x" << p[1];
        EXPECT_EQ(at.y, p[5]) << p[0] << "x" << p[1];
    }

    // The display is off only at 0, dimmed it is still seen; a short value or another setting
    // says nothing. The window covers the virtual screen, or the primary one where it has no
    // size. Full screen and the preview run without the daybook.
    const uint8_t values[][4] = {{0}, {1}, {2}}, other[16] = {};
    EXPECT_EQ(ReadDisplayNotice(DisplayPowerSettings[0], 4, values[0]), DisplayNotice::Off);
    EXPECT_EQ(ReadDisplayNotice(DisplayPowerSettings[1], 4, values[2]), DisplayNotice::On);
    EXPECT_EQ(ReadDisplayNotice(DisplayPowerSettings[1], 3, values[1]), DisplayNotice::Other);
    EXPECT_EQ(ReadDisplayNotice(other, 4, values[0]), DisplayNotice::Other);
    EXPECT_EQ(SaverWindowArea({-800, -5, 1824, 768}, 1024, 768).x, -800);
    EXPECT_EQ(SaverWindowArea({5, 5, 0, 768}, 1024, 768).x, 0);
    EXPECT_EQ(SaverWindowArea({5, 5, 9, 0}, 1024, 768).width, 1024);
    EXPECT_TRUE(ModeRunsWithoutDaybook('s') && ModeRunsWithoutDaybook('p') &&
                !ModeRunsWithoutDaybook('c') && !ModeRunsWithoutDaybook('a') &&
                !ModeRunsWithoutDaybook(0));
}

} // namespace
