// The Setup page's number rules and the document opener's command line.
#include <cstring>

#include <gtest/gtest.h>

#include "dialogs/document_command.h"
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

} // namespace
