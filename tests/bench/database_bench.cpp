// Loading MORVEST.DAT against its limit, plain zlib inflating the same twelve streams into one
// buffer, timed in turn within each iteration; prints the ratio. Also times each side alone and
// the lookups of all 366 days.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include "database/database.h"
#include "database/day_entries.h"
#include "tests/core/test_files.h"

namespace {

void LoadDatabaseBenchmark(benchmark::State& state) {
    for (auto _ : state) {
        if (!LoadDatabaseFile(TAVRIN_DATABASE_FILE))
            state.SkipWithError("cannot load the database");
        FreeDatabase();
    }
}

size_t DecompressedTotal() {
    size_t total = 0;
    if (LoadDatabaseFile(TAVRIN_DATABASE_FILE))
        for (size_t size : MonthTextSizes)
            total += size;
    FreeDatabase();
    return total;
}

// The limit: the same file read, the same chunks unscrambled, then one plain uncompress() per
// month into a single buffer of exactly the decompressed total (known in advance here, which
// the real loader cannot know), allocated afresh for each load as a starting program would.
bool PlainZlibPass(size_t total) {
    std::unique_ptr<unsigned char, void (*)(void*)> buffer(
        static_cast<unsigned char*>(malloc(total)), free);
    unsigned char* output = buffer.get();
    std::string file = ReadFileBytes(TAVRIN_DATABASE_FILE);
    size_t offset = DatabaseChunksOffset, used = 0;
    for (int m = 0; m < MonthCount; ++m) {
        uint32_t size;
        memcpy(&size, file.data() + DatabaseHeaderSize + 4 * (DatabaseChunkSizeIndex + m), 4);
        std::vector<unsigned char> chunk(file.begin() + offset, file.begin() + offset + size);
        UnscrambleChunk(chunk.data(), size, m);
        uLongf produced = static_cast<uLongf>(total - used);
        if (uncompress(output + used, &produced, chunk.data(), size) != Z_OK)
            return false;
        used += produced;
        offset += size;
    }
    benchmark::DoNotOptimize(output);
    return true;
}

void PlainZlibBenchmark(benchmark::State& state) {
    size_t total = DecompressedTotal();
    for (auto _ : state)
        if (!PlainZlibPass(total))
            state.SkipWithError("uncompress failed");
}

// Both in turn within each iteration, so that a slower or busier moment of the machine weighs
// on both sides alike; the ratio of the summed times is reported.
double InterleavedRatio = 0, InterleavedLoadUs = 0, InterleavedPlainUs = 0;

void InterleavedBenchmark(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    size_t total = DecompressedTotal();
    Clock::duration load{}, plain{};
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        if (!LoadDatabaseFile(TAVRIN_DATABASE_FILE))
            state.SkipWithError("cannot load the database");
        FreeDatabase();
        Clock::time_point middle = Clock::now();
        if (!PlainZlibPass(total))
            state.SkipWithError("uncompress failed");
        Clock::time_point end = Clock::now();
        load += middle - start;
        plain += end - middle;
    }
    if (plain.count() > 0) {
        InterleavedRatio = static_cast<double>(load.count()) / static_cast<double>(plain.count());
        state.counters["ratio"] = InterleavedRatio;
        double iterations = static_cast<double>(state.iterations());
        InterleavedLoadUs = std::chrono::duration<double, std::micro>(load).count() / iterations;
        InterleavedPlainUs = std::chrono::duration<double, std::micro>(plain).count() / iterations;
    }
}

void AllDayLookupsBenchmark(benchmark::State& state) {
    LoadDatabaseFile(TAVRIN_DATABASE_FILE);
    static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (auto _ : state) {
        for (int m = 0; m < 12; ++m)
            for (int d = 1; d <= days[m]; ++d) {
                DayDate date = {2000, static_cast<uint8_t>(d), static_cast<uint8_t>(m + 1)};
                benchmark::DoNotOptimize(GetEntryText(m, d));
                benchmark::DoNotOptimize(GetPictureId(&date));
            }
    }
    FreeDatabase();
}

BENCHMARK(LoadDatabaseBenchmark)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainZlibBenchmark)->Unit(benchmark::kMicrosecond);
BENCHMARK(InterleavedBenchmark)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(AllDayLookupsBenchmark)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (InterleavedRatio > 0) {
        printf("load / plain zlib ratio: %.3f (aim: at most 1.15)\n", InterleavedRatio);
        printf("database_us %.1f %.1f\n", InterleavedLoadUs, InterleavedPlainUs);
    }
    benchmark::Shutdown();
    return 0;
}
