#include <cstdint>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "pictures/picture_format.h"
#include "pictures/tints.h"

namespace {

std::string PackedBitmap(int32_t width, int32_t height, uint16_t bits, uint32_t colourUsed = 0) {
    std::string header(40, '\0');
    auto put32 = [&](size_t at, uint32_t value) { memcpy(&header[at], &value, 4); };
    put32(0, 40);
    put32(4, static_cast<uint32_t>(width));
    put32(8, static_cast<uint32_t>(height));
    header[12] = 1;
    header[14] = static_cast<char>(bits);
    put32(32, colourUsed);
    size_t colours = bits <= 8 ? (1u << bits) : 0;
    size_t row = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    return header + std::string(4 * colours + row * static_cast<size_t>(height), '\x11');
}

TEST(PictureFormat, ReadsSizesOfEveryDepthTheProgramsDraw) {
    PictureInfo info;
    std::string picture = PackedBitmap(127, 234, 8);
    ASSERT_TRUE(ReadPackedBitmapInfo(picture.data(), picture.size(), &info));
    EXPECT_EQ(info.width, 127);
    EXPECT_EQ(info.height, 234);
    EXPECT_EQ(info.colourCount, 256u);
    EXPECT_EQ(info.pixelOffset, 40u + 1024u);
    EXPECT_EQ(info.totalSize, 40u + 1024u + 128u * 234u);
    for (uint16_t bits : {1, 4, 24}) {
        std::string other = PackedBitmap(31, 7, bits);
        EXPECT_TRUE(ReadPackedBitmapInfo(other.data(), other.size(), &info)) << bits;
    }
    // Sizes past one byte, and the largest side of 16384 pixels, read whole.
    const int32_t sizes[][2] = {{300, 2}, {2, 700}, {16384, 1}, {1, 16384}};
    for (const auto& size : sizes) {
        std::string large = PackedBitmap(size[0], size[1], 1);
        ASSERT_TRUE(ReadPackedBitmapInfo(large.data(), large.size(), &info)) << size[0];
        EXPECT_EQ(info.width, size[0]);
        EXPECT_EQ(info.height, size[1]);
    }
    std::string tooTall = PackedBitmap(1, 16385, 1);
    EXPECT_FALSE(ReadPackedBitmapInfo(tooTall.data(), tooTall.size(), &info));
    // A colour-used count of 0 still means a full table.
    std::string used0 = PackedBitmap(10, 10, 8, 0);
    ASSERT_TRUE(ReadPackedBitmapInfo(used0.data(), used0.size(), &info));
    EXPECT_EQ(info.colourCount, 256u);
}

TEST(PictureFormat, RefusesHeadersThatDoNotFitTheirResource) {
    PictureInfo info;
    std::string picture = PackedBitmap(128, 100, 8);
    EXPECT_FALSE(ReadPackedBitmapInfo(picture.data(), picture.size() - 1, &info));
    EXPECT_FALSE(ReadPackedBitmapInfo(picture.data(), 39, &info));
    EXPECT_FALSE(ReadPackedBitmapInfo(nullptr, 0, &info));
    EXPECT_FALSE(ReadPackedBitmapInfo(nullptr, picture.size(), &info));
    struct {
        size_t offset;
        uint32_t value;
    } damage[] = {{0, 12},       {4, 0},      {4, 0x7FFFFFFF}, {8, 0xFFFFFF9C /* -100 */},
                  {8, 1u << 30}, {14, 16},    {14, 3},         {16, 1 /* RLE8 */},
                  {12, 2},       {4, 0x10080}}; // the last: 128 wide in its low bytes
    for (const auto& d : damage) {
        std::string bad = picture;
        if (d.offset == 14 || d.offset == 12) {
            bad[d.offset] = static_cast<char>(d.value);
        } else {
            memcpy(&bad[d.offset], &d.value, 4);
        }
        EXPECT_FALSE(ReadPackedBitmapInfo(bad.data(), bad.size(), &info))
            << d.offset << " " << d.value;
    }
    // Sizes that would overflow a 32-bit computation are refused, not wrapped.
    std::string huge = PackedBitmap(1, 1, 24);
    uint32_t big = 0x10000000;
    memcpy(&huge[4], &big, 4);
    memcpy(&huge[8], &big, 4);
    EXPECT_FALSE(ReadPackedBitmapInfo(huge.data(), huge.size(), &info));
}

TEST(Tints, ScaleEachChannelAndFallBackOutsideTheTable) {
    uint8_t table[] = {255, 255, 255, 0, 100, 100, 100, 0, 0, 0, 0, 0};
    ScaleColourTable(table, 3, GetTintColour(12)); // Coral: red 255, green and blue 220
    const uint8_t coral[] = {220, 220, 255, 0, 86, 86, 100, 0, 0, 0, 0, 0};
    EXPECT_EQ(memcmp(table, coral, sizeof table), 0);
    uint8_t same[] = {1, 2, 3, 4, 250, 251, 252, 253};
    uint8_t copy[sizeof same];
    memcpy(copy, same, sizeof same);
    ScaleColourTable(copy, 2, GetTintColour(0)); // Neutral changes nothing
    EXPECT_EQ(memcmp(copy, same, sizeof same), 0);
    ScaleColourTable(copy, 2, 0); // black means no tint
    EXPECT_EQ(memcmp(copy, same, sizeof same), 0);
    EXPECT_EQ(GetTintColour(15), GetTintColour(1));
    EXPECT_EQ(GetTintColour(0xFFFFFFFFu), GetTintColour(1));
    EXPECT_EQ(GetTintColour(10), GetTintColour(13)); // Bottle glass and Mangrove look alike
    EXPECT_STREQ(TintTable[14].name, "Humid");
    EXPECT_EQ(TintTable[15].name, nullptr);
}

} // namespace
