// The Setup page's number rules, the document opener's command line, and the texts and depth
// rule of the About and System Information boxes.
#include <cstring>

#include <gtest/gtest.h>

#include "app/start_rules.h"
#include "dialogs/document_command.h"
#include "dialogs/info_text.h"
#include "dialogs/setup_values.h"

namespace {

TEST(SpinRange, ScansThreeCommaSeparatedFieldsLeavingTheRestAtMinusOne) {
    struct {
        const char* text;
        int32_t lower, upper, position;
    } cases[] = {
        {"0,1000,10", 0, 1000, 10},
        {"-5,+7,-1", -5, 7, -1},
        {"0,1000", 0, 1000, -1},
        {"12", 12, -1, -1},
        {"", -1, -1, -1},
        {"abc,1,2", -1, -1, -1}, // a bad field ends the scan
        {"1;2,3", 1, -1, -1},    // the separator is a comma
        {"1, 2, 3", 1, 2, 3},    // spaces before a number are skipped
        {"1,2,3,4", 1, 2, 3},    // a fourth field is not read
        {"99999999999,-99999999999,0", INT32_MAX, INT32_MIN, 0},
    };
    for (const auto& c : cases) {
        SpinRange range = ScanSpinRange(c.text);
        EXPECT_EQ(range.lower, c.lower) << c.text;
        EXPECT_EQ(range.upper, c.upper) << c.text;
        EXPECT_EQ(range.position, c.position) << c.text;
    }
}

TEST(SpinRange, TypedTextIsReadAsUnsignedAndClampedUnsigned) {
    const SpinRange delay = ScanSpinRange("0,1000,10");
    struct {
        const char* text;
        uint32_t read, stored;
    } cases[] = {
        {"15", 15, 15},
        {"1000", 1000, 1000},
        {"5000", 5000, 1000},
        {"", 0, 0},
        {"abc", 0, 0},
        {"-5", 0, 0},
        {"  42x", 42, 42},
        {"1,000", 1, 1},
        {"4294967295", UINT32_MAX, 1000},
        {"99999999999999999999", UINT32_MAX, 1000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadUnsignedText(c.text), c.read) << c.text;
        EXPECT_EQ(ClampToSpinRange(ReadUnsignedText(c.text), delay), c.stored) << c.text;
    }
    // Bounds compared unsigned: a lower bound of 5 lifts 0; a range without bounds keeps all.
    EXPECT_EQ(ClampToSpinRange(0, ScanSpinRange("5,10")), 5u);
    EXPECT_EQ(ClampToSpinRange(7000, ScanSpinRange("5")), 7000u);
}

TEST(DocumentCommand, QuotesTheProgramAndASpacedDocument) {
    struct {
        const char* program;
        const char* document;
        const char* anchor;
        const char* line;
    } cases[] = {
        {"C:\\Browser\\browse.exe", "C:\\Apps\\Daybook\\html\\manual.htm", "#DOCUMENTATION",
         "\"C:\\Browser\\browse.exe\" C:\\Apps\\Daybook\\html\\manual.htm#DOCUMENTATION"},
        {"C:\\Program Files\\Web\\browse.exe", "C:\\Tavrin\\html\\referenc.htm", "#SETUP",
         "\"C:\\Program Files\\Web\\browse.exe\" C:\\Tavrin\\html\\referenc.htm#SETUP"},
        {"C:\\b.exe", "C:\\Program Files\\Tavrin\\html\\referenc.htm", "#SysInfo",
         "\"C:\\b.exe\" \"C:\\Program Files\\Tavrin\\html\\referenc.htm#SysInfo\""},
        {"C:\\b.exe", "html\\drivers.htm", nullptr, "\"C:\\b.exe\" html\\drivers.htm"},
    };
    for (const auto& c : cases) {
        char line[512];
        ASSERT_TRUE(BuildDocumentCommand(c.program, c.document, c.anchor, line, sizeof line));
        EXPECT_STREQ(line, c.line);
    }
    char small[16];
    EXPECT_FALSE(BuildDocumentCommand("C:\\b.exe", "C:\\x\\manual.htm", "#A", small, sizeof small));
    EXPECT_LT(strlen(small), sizeof small);
}

TEST(InfoText, ThousandsAndColourCountsAsSystemInformationShowsThem) {
    struct {
        uint32_t number;
        const char* text;
    } numbers[] = {{0, "0"},
                   {2, "2"},
                   {256, "256"},
                   {999, "999"},
                   {1000, "1,000"},
                   {65536, "65,536"},
                   {100000, "100,000"},
                   {16777216, "16,777,216"},
                   {4294967295u, "4,294,967,295"}};
    for (const auto& c : numbers)
        EXPECT_STREQ(FormatThousands(c.number), c.text);
    struct {
        int depth;
        const char* colours;
    } depths[] = {{1, "2"},           {4, "16"},           {8, "256"},         {16, "65,536"},
                  {24, "16,777,216"}, {25, "16,777,216"},  {32, "16,777,216"}, {0, "1"},
                  {-3, "1"},          {1000, "16,777,216"}};
    for (const auto& c : depths)
        EXPECT_STREQ(FormatThousands(ColourCount(c.depth)), c.colours) << c.depth;
}

TEST(InfoText, TheColourDepthRuleKeepsPaletteDepthsAndCallsTheRest24) {
    struct {
        int planes, bits;
        unsigned depth;
    } cases[] = {{1, 1, 1},    {1, 4, 4},  {4, 1, 4},  {1, 8, 8},         {1, 16, 24}, {1, 24, 24},
                 {1, 32, 24},  {3, 8, 24}, {0, 32, 0}, {65536, 65536, 0}, // 2^32 as 16 bits is 0
                 {1, 65544, 8}};                                          // 65544 as 16 bits is 8
    for (const auto& c : cases)
        EXPECT_EQ(EffectiveColourDepth(c.planes, c.bits), c.depth) << c.planes << "x" << c.bits;
}

TEST(InfoText, PlaceholdersAreFilledInTurnWithoutEverReachingPrintf) {
    const char* three[] = {"2", "0", "d"};
    struct {
        const char* pattern;
        const char* filled;
    } cases[] = {
        {"Tavrin: A Morvest Daybook\231 version %d.%d%c",
         "Tavrin: A Morvest Daybook\231 version 2.0d"},
        {"%s, %s and %s", "2, 0 and d"},
        {"100%% sure: %lu.%02d", "100% sure: 2.0"},
        {"%d %d %d %d %n%s", "2 0 d  %n"}, // a fourth placeholder is empty; %n is not one
        {"no placeholders", "no placeholders"},
        {"trailing %", "trailing %"},
        {"", ""},
    };
    for (const auto& c : cases) {
        char out[128];
        FillPlaceholders(c.pattern, three, 3, out, sizeof out);
        EXPECT_STREQ(out, c.filled) << c.pattern;
    }
    char small[8];
    FillPlaceholders("version %d.%d%c", three, 3, small, sizeof small);
    EXPECT_STREQ(small, "version");

    char title[64];
    FormatVersionTitle("version %d.%d%c", 2, 0, 'b', title, sizeof title);
    EXPECT_STREQ(title, "version 2.0b");
    FormatVersionTitle("version %d.%d%c%s", 2, 0, 'b', title, sizeof title); // a fourth is empty
    EXPECT_STREQ(title, "version 2.0b");
    char line[64];
    FormatWindowsVersion(5, 0, "Service Pack 4", line, sizeof line);
    EXPECT_STREQ(line, "5.0Service Pack 4");
    FormatWindowsVersion(10, 0, "", line, sizeof line);
    EXPECT_STREQ(line, "10.0");
}

} // namespace
