#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

#include "database/database.h"
#include "database/day_entries.h"
#include "tests/core/test_files.h"
#include "tools/morvdb/dat_file.h"

namespace {

std::string MonthTextFor(int month) {
    std::string text;
    for (int day = 1; day <= 28; ++day) {
        text += std::to_string(day) + ";Entry " + std::to_string(day) + " of month " +
                std::to_string(month + 1);
        text.push_back('\0');
    }
    text.push_back('\0');
    return text;
}

std::string Compress(const std::string& text) {
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&out[0]), &size, reinterpret_cast<const Bytef*>(text.data()),
              static_cast<uLong>(text.size()), 9);
    out.resize(size);
    return out;
}

uint32_t ChunkSize(const std::string& file, int month) {
    uint32_t value;
    memcpy(&value, file.data() + DatabaseHeaderSize + 4 * (DatabaseChunkSizeIndex + month), 4);
    return value; // the test machines are little-endian like the file
}

void SetChunkSize(std::string* file, int month, uint32_t value) {
    memcpy(&(*file)[DatabaseHeaderSize + 4 * (DatabaseChunkSizeIndex + month)], &value, 4);
}

size_t ChunkOffset(const std::string& file, int month) {
    size_t offset = DatabaseChunksOffset;
    for (int m = 0; m < month; ++m)
        offset += ChunkSize(file, m);
    return offset;
}

// Replaces month's chunk with a scrambled zlib stream of the given text.
void ReplaceChunk(std::string* file, int month, const std::string& text,
                  const std::string& tail = "") {
    std::string chunk = Compress(text) + tail;
    UnscrambleChunk(reinterpret_cast<unsigned char*>(&chunk[0]), chunk.size(), month);
    file->replace(ChunkOffset(*file, month), ChunkSize(*file, month), chunk);
    SetChunkSize(file, month, static_cast<uint32_t>(chunk.size()));
}

class DatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = MakeScratchDirectory();
        path_ = directory_ + "/MORVEST.DAT";
        for (int m = 0; m < 12; ++m)
            texts_[m] = MonthTextFor(m);
        ASSERT_TRUE(BuildDatabaseBytes(texts_, &good_));
    }
    void TearDown() override {
        FreeDatabase();
        RemoveTree(directory_);
    }
    bool Load(const std::string& bytes) {
        WriteFileBytes(path_, bytes);
        return LoadDatabaseFile(path_.c_str()) != 0;
    }
    static bool AllSlotsEmpty() {
        for (int m = 0; m < 12; ++m)
            if (MonthTexts[m] != nullptr || MonthTextSizes[m] != 0)
                return false;
        return true;
    }

    std::string directory_, path_, good_;
    std::string texts_[12];
};

TEST_F(DatabaseTest, LoadsEveryMonthExactlyWithAClosingZero) {
    ASSERT_TRUE(Load(good_));
    for (int m = 0; m < 12; ++m) {
        ASSERT_EQ(MonthTextSizes[m], texts_[m].size());
        EXPECT_EQ(std::string(MonthTexts[m], MonthTextSizes[m]), texts_[m]);
        EXPECT_EQ(MonthTexts[m][MonthTextSizes[m]], '\0');
    }
    EXPECT_TRUE(FreeDatabase());
    EXPECT_TRUE(AllSlotsEmpty());
}

TEST_F(DatabaseTest, MissingShortOrWrongMagicFilesFail) {
    EXPECT_FALSE(LoadDatabaseFile((directory_ + "/absent.dat").c_str()));
    EXPECT_FALSE(Load(""));
    EXPECT_FALSE(Load(good_.substr(0, 11)));
    EXPECT_FALSE(Load(good_.substr(0, 155)));
    for (size_t i = 0; i < 8; ++i) {
        std::string bad = good_;
        bad[i] ^= 0x20; // another letter case, or another byte
        EXPECT_FALSE(Load(bad)) << i;
        EXPECT_TRUE(AllSlotsEmpty());
    }
}

TEST_F(DatabaseTest, ReservedBytesAndTrailingBytesAreIgnored) {
    std::string file = good_;
    for (size_t i = 8; i < DatabaseHeaderSize + 4 * DatabaseChunkSizeIndex; ++i)
        file[i] = static_cast<char>(0xA5);
    file += std::string(5000, '\x7f');
    EXPECT_TRUE(Load(file));
    ReplaceChunk(&file, 4, texts_[4], "junk after the stream end");
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(std::string(MonthTexts[4], MonthTextSizes[4]), texts_[4]);
}

TEST_F(DatabaseTest, TheChunkSizesStandAtBytes108To155AndTheChunksFrom156) {
    // Literal offsets, not the loader's own constants: a changed constant fails here.
    const struct {
        size_t at;
        bool loads;
    } bytes[] = {{107, true}, {108, false}, {131, false}, {155, false}, {156, false}};
    for (const auto& b : bytes) {
        std::string file = good_;
        file[b.at] = static_cast<char>(file[b.at] ^ 0x5A);
        EXPECT_EQ(Load(file), b.loads) << b.at;
        FreeDatabase();
    }
    uint32_t january;
    memcpy(&january, good_.data() + 108, 4);
    std::string first = good_.substr(156, january);
    UnscrambleChunk(reinterpret_cast<unsigned char*>(&first[0]), first.size(), 0);
    unsigned char* text = nullptr;
    size_t size = 0;
    ASSERT_TRUE(InflateChunk(reinterpret_cast<const unsigned char*>(first.data()), first.size(),
                             &text, &size));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text), size), texts_[0]);
    free(text);
}

TEST_F(DatabaseTest, BadChunksFailTheWholeLoad) {
    std::string zeroSize = good_;
    SetChunkSize(&zeroSize, 0, 0);
    EXPECT_FALSE(Load(zeroSize));

    EXPECT_FALSE(Load(good_.substr(0, good_.size() - 1))); // last chunk one byte short

    std::string huge = good_;
    SetChunkSize(&huge, 3, 0xFFFFFFF0u); // far beyond the file: fails before allocating
    EXPECT_FALSE(Load(huge));

    std::string empty = good_;
    ReplaceChunk(&empty, 2, "");
    EXPECT_FALSE(Load(empty));

    // A corrupted byte in month 7's chunk: the months loaded before it are freed again.
    std::string corrupt = good_;
    corrupt[ChunkOffset(corrupt, 7) + ChunkSize(corrupt, 7) / 2] ^= 0x55;
    EXPECT_FALSE(Load(corrupt));
    EXPECT_TRUE(AllSlotsEmpty());

    std::string adler = good_;
    adler[ChunkOffset(adler, 11) + ChunkSize(adler, 11) - 1] ^= 0x01;
    EXPECT_FALSE(Load(adler));
    EXPECT_TRUE(AllSlotsEmpty());
}

TEST_F(DatabaseTest, AMonthThatInflatesPastTheCapFails) {
    std::string bomb = good_;
    ReplaceChunk(&bomb, 5, std::string(MaxMonthTextSize + 1, 'a'));
    EXPECT_LT(ChunkSize(bomb, 5), 10000u);
    EXPECT_FALSE(Load(bomb));
    EXPECT_TRUE(AllSlotsEmpty());
    std::string large = good_;
    ReplaceChunk(&large, 5, std::string(MaxMonthTextSize, 'a'));
    EXPECT_TRUE(Load(large));
    // Noise does not pack: a chunk over the largest size fails, though its text would fit.
    std::string noise(MaxMonthTextSize - 100, '\0');
    uint32_t seed = 1;
    for (char& c : noise)
        c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    std::string packed = good_;
    ReplaceChunk(&packed, 5, noise);
    ASSERT_GT(ChunkSize(packed, 5), MaxChunkSize);
    EXPECT_FALSE(Load(packed));
}

TEST(Scramble, KeyStreamIsMadeOfKeyTailsAndUndoesItself) {
    for (int month = 0; month < 12; ++month) {
        // Longer than 32 segments of at most 256 bytes: the stream goes round the starts.
        std::vector<unsigned char> zeros(9000, 0);
        UnscrambleChunk(zeros.data(), zeros.size(), month);
        std::vector<unsigned char> expected;
        for (int segment = month; expected.size() < zeros.size(); segment = (segment + 1) % 32)
            for (int k = ScrambleStarts[segment]; k < 256; ++k)
                expected.push_back(ScrambleKey[k]);
        expected.resize(zeros.size());
        EXPECT_EQ(zeros, expected) << month;
        UnscrambleChunk(zeros.data(), zeros.size(), month);
        EXPECT_EQ(zeros, std::vector<unsigned char>(9000, 0));
    }
}

TEST(Inflate, WorksInStepsAndToleratesAStreamCutShort) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "line " + std::to_string(i * 7919 % 10007) + "\n";
    std::string compressed = Compress(text);
    unsigned char* output = nullptr;
    size_t size = 0;
    ASSERT_TRUE(InflateChunk(reinterpret_cast<const unsigned char*>(compressed.data()),
                             compressed.size(), &output, &size));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(output), size), text);
    free(output);

    // Cut before its end: what was produced is kept.
    ASSERT_TRUE(InflateChunk(reinterpret_cast<const unsigned char*>(compressed.data()),
                             compressed.size() / 2, &output, &size));
    EXPECT_GT(size, 0u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(output), size), text.substr(0, size));
    free(output);

    const unsigned char garbage[] = {0x12, 0x34, 0x56, 0x78};
    EXPECT_FALSE(InflateChunk(garbage, sizeof garbage, &output, &size));
    EXPECT_EQ(output, nullptr);
}

TEST(ShippedDatabase, LoadsAndHoldsAnEntryForEveryDay) {
    ASSERT_TRUE(LoadDatabaseFile(TAVRIN_DATABASE_FILE));
    static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int entries = 0;
    for (int m = 0; m < 12; ++m)
        for (int d = 1; d <= days[m]; ++d)
            entries += strcmp(GetEntryText(m, d), MissingEntryText) != 0;
    EXPECT_EQ(entries, 366);
    FreeDatabase();
}

} // namespace
