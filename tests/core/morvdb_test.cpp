#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "database/database.h"
#include "tests/core/test_files.h"
#include "tools/morvdb/dat_file.h"
#include "tools/morvdb/daybook_source.h"

namespace {

using namespace std::string_literals;

struct RunResult {
    int exitCode;
    std::string output; // standard output and error together
};

RunResult RunMorvdb(const std::string& arguments, const std::string& scratch) {
    std::string log = scratch + "/morvdb.log";
    std::string command = std::string(MORVDB_PROGRAM) + " " + arguments + " >" + log + " 2>&1";
    int status = std::system(command.c_str());
    return {WEXITSTATUS(status), ReadFileBytes(log)};
}

std::vector<SourceEntry> Parse(const std::string& text, int month, std::vector<Problem>* problems) {
    return ParseMonthSource("month.txt", text, month, problems);
}

class MorvdbTest : public ::testing::Test {
  protected:
    void SetUp() override { scratch_ = MakeScratchDirectory(); }
    void TearDown() override { RemoveTree(scratch_); }

    // Writes twelve month files, each with one short entry per day unless told otherwise.
    void WriteSources(const std::string& directory, int skipMonth = -1,
                      const std::string& replacement = "") {
        std::string make = "mkdir -p " + directory;
        ASSERT_EQ(std::system(make.c_str()), 0);
        for (int m = 0; m < 12; ++m) {
            std::string text;
            for (int d = 1; d <= DaysInMonthOfDaybook(m); ++d)
                text += (d > 1 ? "\n" : "") + std::string(":: ") + std::to_string(d) +
                        (d % 10 == 3 ? " picture" : "") + "\nDay " + std::to_string(d) + ".\n";
            WriteFileBytes(directory + "/" + MonthSourceName(m),
                           m == skipMonth ? replacement : text);
        }
    }

    std::string scratch_;
};

TEST_F(MorvdbTest, HeadersGivePictureAndFont) {
    std::vector<Problem> problems;
    auto entries = Parse(":: 1\nPlain.\n\n:: 2 picture\nOwn.\n\n:: 3 picture 1225 small\n"
                         "Shared and small.\n\nSecond paragraph.\n",
                         6, &problems);
    ASSERT_TRUE(problems.empty());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(EntryRecord(entries[0]), "1;Plain.");
    EXPECT_EQ(EntryRecord(entries[1]), "2;702;Own.");
    EXPECT_EQ(EntryRecord(entries[2]), "3;1225;*Shared and small.\n\nSecond paragraph.");
    EXPECT_EQ(BuildMonthText(entries), "1;Plain.\0"
                                       "2;702;Own.\0"
                                       "3;1225;*Shared and small.\n\nSecond paragraph.\0\0"s);
}

TEST_F(MorvdbTest, RefusesWhatCannotBeStoredWithFileAndLine) {
    struct {
        const char* source;
        int line;
        const char* message;
    } cases[] = {
        {":: 1\nCaf\xc3\xa9 and \xc4\x81.\n", 2, "U+0101"},
        {":: 1\nOne; two.\n", 2, "semicolon"},
        {":: 1\nTab\there.\n", 2, "U+0009"},
        {"Stray text.\n:: 1\nOne.\n", 1, "before the first"},
        {":: 32\nNo such day.\n", 1, "does not exist"},
        {":: 30\nNot in February.\n", 1, "does not exist"},
        {":: 1 picture 1332\nNo such date.\n", 1, "not a date code"},
        {":: 1 pictures\nTypo.\n", 1, "unexpected"},
        {":: first\nNo number.\n", 1, "day number"},
        {":: 1\n\n:: 2\nTwo.\n", 1, "no text"},
        {":: 1\nBad \xff byte.\n", 2, "UTF-8"},
        {":: 1\n\n*Starred.\n", 3, "small-font mark"},
        {":: 1 picture 230\nNo 30 February.\n", 1, "not a date code"},
        {":: 1 picture 100\nNo day 0.\n", 1, "not a date code"},
        {":: 1 picture 431\nNo 31 April.\n", 1, "not a date code"},
        {":: 1 picture 1231x\nNot a number.\n", 1, "unexpected"},
    };
    // Every control character but the line end is refused where it stands.
    for (int control = 1; control < 32; ++control) {
        if (control == '\n' || control == '\r')
            continue;
        std::vector<Problem> problems;
        Parse(std::string(":: 1\nA") + static_cast<char>(control) + "B.\n", 1, &problems);
        ASSERT_EQ(problems.size(), 1u) << control;
        EXPECT_EQ(problems[0].line, 2) << control;
    }
    for (const auto& c : cases) {
        std::vector<Problem> problems;
        Parse(c.source, 1, &problems);
        ASSERT_EQ(problems.size(), 1u) << c.source;
        EXPECT_EQ(problems[0].line, c.line) << c.source;
        EXPECT_NE(problems[0].message.find(c.message), std::string::npos) << problems[0].message;
    }
}

TEST_F(MorvdbTest, EveryWindows1252CharacterSurvivesBothConversions) {
    std::string all;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        if (byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 &&
            byte != 0x9D)
            all.push_back(static_cast<char>(byte));
    std::string utf8, back, error;
    ASSERT_TRUE(Windows1252ToUtf8(all, &utf8));
    ASSERT_TRUE(Utf8ToWindows1252(utf8, &back, &error)) << error;
    EXPECT_EQ(back, all);
    EXPECT_FALSE(Windows1252ToUtf8("\x81", &utf8));
    EXPECT_FALSE(Utf8ToWindows1252("\xe2\x82", &back, &error)); // cut short
    EXPECT_FALSE(Utf8ToWindows1252("\xc0\xaf", &back, &error)); // overlong
}

TEST_F(MorvdbTest, CheckFindsGapsDuplicatesAndMisreadNumbers) {
    std::vector<Problem> problems;
    auto entries = Parse(":: 1\nOne.\n\n:: 1\nAgain.\n\n:: 3\n1969 was a good year.\n\n"
                         ":: 4 picture\n1969 is fine here.\n\n:: 5\n42 is fine too.\n",
                         3, &problems);
    ASSERT_TRUE(problems.empty());
    CheckMonthEntries("04-april.txt", 3, entries, &problems);
    std::string all;
    for (const Problem& problem : problems)
        all += std::to_string(problem.line) + ": " + problem.message + "\n";
    EXPECT_NE(all.find("day 1 has a second entry"), std::string::npos) << all;
    EXPECT_NE(all.find("day 2 has no entry"), std::string::npos) << all;
    EXPECT_NE(all.find("day 30 has no entry"), std::string::npos) << all;
    EXPECT_NE(all.find("7: day 3: the text begins with a number above 100"), std::string::npos)
        << all;
    EXPECT_EQ(all.find("day 4:"), std::string::npos) << all;
    EXPECT_EQ(all.find("day 5:"), std::string::npos) << all;
    EXPECT_EQ(problems.size(), 1u + 26u + 1u);
}

TEST_F(MorvdbTest, DecompileRefusesEntriesTheSourceCannotExpress) {
    const char* bad[] = {"1;2;3;Three semicolons",
                         "01;Leading zero",
                         "1;99;Small picture",
                         "1;Line\r\nends",
                         "1;*",
                         "x;No day"};
    for (const char* record : bad) {
        std::string text = std::string(record) + std::string("\0\0", 2);
        std::vector<SourceEntry> entries;
        std::string error;
        EXPECT_FALSE(ParseMonthText(text, 0, &entries, &error) &&
                     FormatMonthSource(entries, 0, &text, &error))
            << record;
    }
    std::vector<SourceEntry> entries;
    std::string error;
    EXPECT_FALSE(ParseMonthText(std::string("1;One\0", 6), 0, &entries, &error));
    EXPECT_FALSE(ParseMonthText(std::string("1;One\0\0junk", 11), 0, &entries, &error));
}

TEST_F(MorvdbTest, CompileDecompileCompileGivesTheSameBytes) {
    std::string sources = scratch_ + "/sources";
    WriteSources(sources);
    RunResult compiled = RunMorvdb("compile " + sources + " " + scratch_ + "/one.dat", scratch_);
    ASSERT_EQ(compiled.exitCode, 0) << compiled.output;
    RunResult decompiled =
        RunMorvdb("decompile " + scratch_ + "/one.dat " + scratch_ + "/back", scratch_);
    ASSERT_EQ(decompiled.exitCode, 0) << decompiled.output;
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(ReadFileBytes(scratch_ + "/back/" + MonthSourceName(m)),
                  ReadFileBytes(sources + "/" + MonthSourceName(m)));
    ASSERT_EQ(
        RunMorvdb("compile " + scratch_ + "/back " + scratch_ + "/two.dat", scratch_).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(scratch_ + "/one.dat"), ReadFileBytes(scratch_ + "/two.dat"));
    EXPECT_EQ(RunMorvdb("check " + sources, scratch_).exitCode, 0);
}

TEST_F(MorvdbTest, ShippedContentRoundTripsAndChecksClean) {
    RunResult check = RunMorvdb(std::string("check ") + TAVRIN_CONTENT_DIR, scratch_);
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_NE(check.output.find("366 entries, 0 problems"), std::string::npos) << check.output;
    RunResult decompiled = RunMorvdb(
        std::string("decompile ") + TAVRIN_DATABASE_FILE + " " + scratch_ + "/back", scratch_);
    ASSERT_EQ(decompiled.exitCode, 0) << decompiled.output;
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(ReadFileBytes(scratch_ + "/back/" + MonthSourceName(m)),
                  ReadFileBytes(std::string(TAVRIN_CONTENT_DIR) + "/" + MonthSourceName(m)))
            << MonthSourceName(m) << " is not in the canonical layout";
    ASSERT_EQ(
        RunMorvdb("compile " + scratch_ + "/back " + scratch_ + "/again.dat", scratch_).exitCode,
        0);
    EXPECT_EQ(ReadFileBytes(scratch_ + "/again.dat"), ReadFileBytes(TAVRIN_DATABASE_FILE));
}

TEST_F(MorvdbTest, CommandLineErrorsAreClearAndNonZero) {
    RunResult help = RunMorvdb("--help", scratch_);
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"morvdb compile SOURCE_DIR OUT.DAT",
                                "morvdb decompile IN.DAT OUT_DIR", "morvdb check SOURCE_DIR"})
        EXPECT_NE(help.output.find(command), std::string::npos) << command;
    EXPECT_EQ(RunMorvdb("", scratch_).exitCode, 2);
    EXPECT_EQ(RunMorvdb("compile only-one-argument", scratch_).exitCode, 2);

    std::string sources = scratch_ + "/broken";
    WriteSources(sources, 2, ":: 1\nFine.\n\n:: 2\nNot \xe2\x86\x92 fine.\n");
    RunResult compiled = RunMorvdb("compile " + sources + " " + scratch_ + "/x.dat", scratch_);
    EXPECT_EQ(compiled.exitCode, 1);
    EXPECT_NE(compiled.output.find("03-march.txt:5: character U+2192 cannot be stored"),
              std::string::npos)
        << compiled.output;
    EXPECT_EQ(compiled.output.find('\n'), compiled.output.size() - 1) << "one line per problem";

    RunResult missing =
        RunMorvdb("compile " + scratch_ + "/nowhere " + scratch_ + "/x.dat", scratch_);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("01-january.txt: cannot read the file"), std::string::npos);

    WriteFileBytes(scratch_ + "/junk.dat", "MRVSTDAT but nothing else");
    RunResult junk =
        RunMorvdb("decompile " + scratch_ + "/junk.dat " + scratch_ + "/out", scratch_);
    EXPECT_EQ(junk.exitCode, 1);
    EXPECT_NE(junk.output.find("not a readable daybook database"), std::string::npos);
}

} // namespace
