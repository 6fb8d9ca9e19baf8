// The shipped database damaged byte by byte and cut short: every load either fails or gives
// texts that every lookup of every day of the year reads safely (under the sanitizers).
#include <cstdio>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/day_entries.h"
#include "tests/core/test_files.h"

namespace {

class Corruption : public ::testing::Test {
  protected:
    void SetUp() override {
        original_ = ReadFileBytes(TAVRIN_DATABASE_FILE);
        ASSERT_GT(original_.size(), DatabaseChunksOffset);
        // One file per test: ctest runs the tests side by side.
        path_ = testing::TempDir() +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-MORVEST.DAT";
    }
    void TearDown() override {
        FreeDatabase();
        remove(path_.c_str());
    }
    // Loads the bytes; a load that succeeds must answer every day of the year safely.
    void LoadAndReadEveryDay(const std::string& bytes, const std::string& what) {
        ASSERT_TRUE(WriteFileBytes(path_, bytes));
        ++loads_;
        if (!LoadDatabaseFile(path_.c_str()))
            return;
        ++loaded_;
        static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        size_t sum = 0;
        for (int m = 0; m < 12; ++m)
            for (int d = 1; d <= days[m]; ++d) {
                const char* text = GetEntryText(m, d);
                ASSERT_NE(text, nullptr) << what;
                sum += strlen(text);
                DayDate date = {2024, static_cast<uint8_t>(d), static_cast<uint8_t>(m + 1)};
                sum += GetPictureId(&date);
            }
        EXPECT_GT(sum, 0u) << what;
        FreeDatabase();
    }
    // The offsets of the twelve chunks, from the size table as stored.
    size_t ChunkStart(int month) const {
        size_t at = DatabaseChunksOffset;
        for (int m = 0; m < month; ++m)
            at += ChunkSize(m);
        return at;
    }
    size_t ChunkSize(int month) const {
        const unsigned char* entry = reinterpret_cast<const unsigned char*>(original_.data()) +
                                     DatabaseHeaderSize + 4 * (DatabaseChunkSizeIndex + month);
        return entry[0] | (entry[1] << 8) | (entry[2] << 16) | (size_t(entry[3]) << 24);
    }
    std::string original_, path_;
    long loads_ = 0, loaded_ = 0;
};

TEST_F(Corruption, EveryByteOfTheHeaderAndTheChunkSizesTakesEveryValue) {
    const size_t sizesStart = DatabaseHeaderSize + 4 * DatabaseChunkSizeIndex;
    for (size_t at = 0; at < DatabaseChunksOffset; ++at) {
        // The header and the chunk sizes take all 255 other values; the rest of the table,
        // which the loader does not use, four.
        bool every = at < DatabaseHeaderSize || at >= sizesStart;
        for (int value = 0; value < 256; ++value) {
            if (value == static_cast<unsigned char>(original_[at]) ||
                (!every && value != 0 && value != 0xFF && value != (original_[at] ^ 1) &&
                 value != (original_[at] ^ 0x80)))
                continue;
            std::string bytes = original_;
            bytes[at] = static_cast<char>(value);
            LoadAndReadEveryDay(bytes,
                                "byte " + std::to_string(at) + " = " + std::to_string(value));
        }
    }
    EXPECT_GT(loads_, 15000);
}

TEST_F(Corruption, TheFirstAndLast64BytesOfEveryChunkChanged) {
    for (int m = 0; m < MonthCount; ++m) {
        size_t start = ChunkStart(m), size = ChunkSize(m);
        ASSERT_LE(start + size, original_.size());
        for (size_t i = 0; i < size && i < 128; ++i) {
            size_t at = i < 64 ? start + i : start + size - 128 + i;
            for (int flip : {0x01, 0x80, 0xFF}) {
                std::string bytes = original_;
                bytes[at] = static_cast<char>(bytes[at] ^ flip);
                LoadAndReadEveryDay(bytes,
                                    "month " + std::to_string(m) + " byte " + std::to_string(at));
            }
        }
    }
    EXPECT_GT(loads_, 12 * 128 * 3 - 1);
}

TEST_F(Corruption, EveryTruncationFailsOrReadsSafely) {
    // Every length through the table and around each chunk's ends, and a regular spread in
    // between; only the whole file loads.
    for (size_t length = 0; length < original_.size(); ++length) {
        bool nearEdge = length <= DatabaseChunksOffset + 16;
        for (int m = 0; m < MonthCount && !nearEdge; ++m) {
            size_t end = ChunkStart(m) + ChunkSize(m);
            nearEdge = length + 16 >= end && length <= end + 16;
        }
        if (!nearEdge && length % 97 != 0)
            continue;
        LoadAndReadEveryDay(original_.substr(0, length), "length " + std::to_string(length));
    }
    EXPECT_EQ(loaded_, 0);
    LoadAndReadEveryDay(original_, "whole");
    EXPECT_EQ(loaded_, 1);
}

} // namespace
