// The database loader, the edit-text conversion and the settings writer when memory runs out or
// the disk fails, at each call in turn. The calls are wrapped at link time (--wrap), so the
// code under test is the code the programs run; LeakSanitizer checks that nothing leaks.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/day_entries.h"
#include "settings/settings.h"
#include "tests/core/test_files.h"
#include "tools/morvdb/dat_file.h"

namespace {
// The call that fails: the n-th of its kind from the moment a fault is armed, 0 for none.
struct Fault {
    long allocation = 0, read = 0, print = 0, flush = 0;
    bool shortRead = false;
} Armed;
long Allocations, Reads, Prints, Flushes;

void Arm(const Fault& fault) {
    Armed = fault;
    Allocations = Reads = Prints = Flushes = 0;
}
} // namespace

extern "C" {
void* __real_malloc(size_t);
void* __real_calloc(size_t, size_t);
void* __real_realloc(void*, size_t);
size_t __real_fread(void*, size_t, size_t, FILE*);
int __real_fflush(FILE*);

void* __wrap_malloc(size_t size) {
    return ++Allocations == Armed.allocation ? nullptr : __real_malloc(size);
}
void* __wrap_calloc(size_t count, size_t size) {
    return ++Allocations == Armed.allocation ? nullptr : __real_calloc(count, size);
}
void* __wrap_realloc(void* block, size_t size) {
    return ++Allocations == Armed.allocation ? nullptr : __real_realloc(block, size);
}
size_t __wrap_fread(void* buffer, size_t size, size_t count, FILE* file) {
    if (++Reads != Armed.read)
        return __real_fread(buffer, size, count, file);
    // A short read gives half of what was asked; a read error gives nothing.
    return Armed.shortRead ? __real_fread(buffer, size, count / 2, file) : 0;
}
int __wrap_fprintf(FILE* file, const char* format, ...) {
    if (++Prints == Armed.print)
        return -1; // as on a full disk
    va_list arguments;
    va_start(arguments, format);
    int written = vfprintf(file, format, arguments);
    va_end(arguments);
    return written;
}
int __wrap_fflush(FILE* file) {
    return ++Flushes == Armed.flush ? EOF : __real_fflush(file);
}
}

namespace {

bool AllSlotsEmpty() {
    for (int m = 0; m < MonthCount; ++m)
        if (MonthTexts[m] != nullptr || MonthTextSizes[m] != 0)
            return false;
    return true;
}

// The daybook's own database, and one whose first month is long enough that its text's block
// has to grow while it is read.
TEST(FaultInjection, EveryAllocationAndReadOfTheLoaderFailsCleanly) {
    std::string texts[12], grown, directory = MakeScratchDirectory();
    for (int m = 0; m < 12; ++m)
        texts[m] = std::string(m == 0 ? 100000 : 100, 'a' + m) + '\0';
    ASSERT_TRUE(BuildDatabaseBytes(texts, &grown));
    ASSERT_TRUE(WriteFileBytes(directory + "/GROWN.DAT", grown));
    for (std::string path : {std::string(TAVRIN_DATABASE_FILE), directory + "/GROWN.DAT"}) {
        SCOPED_TRACE(path);
        const char* file = path.c_str();
        Arm({});
        ASSERT_TRUE(LoadDatabaseFile(file));
        const long allocations = Allocations, reads = Reads;
        FreeDatabase();
        ASSERT_GE(allocations, 24); // a chunk and a text per month at least
        ASSERT_EQ(reads, 2 + MonthCount);
        for (long n = 1; n <= allocations; ++n) {
            Arm({n, 0, 0, 0, false});
            EXPECT_EQ(LoadDatabaseFile(file), 0) << "allocation " << n;
            Arm({});
            EXPECT_TRUE(AllSlotsEmpty()) << "allocation " << n;
        }
        for (bool shortRead : {true, false})
            for (long n = 1; n <= reads; ++n) {
                Arm({0, n, 0, 0, shortRead});
                EXPECT_EQ(LoadDatabaseFile(file), 0) << "read " << n;
                Arm({});
                EXPECT_TRUE(AllSlotsEmpty()) << "read " << n;
            }
        EXPECT_TRUE(LoadDatabaseFile(file)); // and all is well again
        FreeDatabase();
    }
    RemoveTree(directory);
}

TEST(FaultInjection, TheEditTextGivesNothingWithoutMemory) {
    Arm({1, 0, 0, 0, false});
    EXPECT_EQ(ToEditText("Line one\nline two"), nullptr);
    Arm({});
    char* text = ToEditText("*Line one\nline two");
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "Line one\r\nline two");
    free(text);
}

TEST(FaultInjection, AWriterThatCannotWriteOrFlushReportsFailure) {
    ResetSettings(MainSettingsTable);
    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    Arm({});
    ASSERT_TRUE(WriteSettingsStream(MainSettingsTable, file, "Wed Jan 02 02:03:55 1980"));
    const long prints = Prints;
    ASSERT_EQ(prints, 15); // the header and one line per row
    for (long n = 1; n <= prints; ++n) {
        rewind(file);
        Arm({0, 0, n, 0, false});
        EXPECT_FALSE(WriteSettingsStream(MainSettingsTable, file, "Wed Jan 02 02:03:55 1980"))
            << "print " << n;
    }
    rewind(file);
    Arm({0, 0, 0, 1, false});
    EXPECT_FALSE(WriteSettingsStream(MainSettingsTable, file, "Wed Jan 02 02:03:55 1980"));
    Arm({});
    fclose(file);
}

} // namespace
