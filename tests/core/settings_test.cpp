#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "settings/text_values.h"

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetSettings(MainSettingsTable); }

    static void Read(const std::string& text, const SettingRow* table = MainSettingsTable) {
        FILE* file = tmpfile();
        ASSERT_NE(file, nullptr);
        fwrite(text.data(), 1, text.size(), file);
        rewind(file);
        ReadSettingsStream(table, file);
        fclose(file);
    }

    static std::string Write(const SettingRow* table, const char* timeText) {
        FILE* file = tmpfile();
        EXPECT_NE(file, nullptr);
        EXPECT_TRUE(WriteSettingsStream(table, file, timeText));
        long size = ftell(file);
        rewind(file);
        std::string bytes(static_cast<size_t>(size), '\0');
        EXPECT_EQ(fread(&bytes[0], 1, bytes.size(), file), bytes.size());
        fclose(file);
        return bytes;
    }
};

const char SampleTime[] = "Wed Jan 02 02:03:55 1980";

TEST_F(SettingsTest, TablesHaveTheirRowsInOrderWithUniqueKeysAndControls) {
    const char* mainKeys[] = {"AnimationSpeed",    "ApplicationPath", "BuildDate",
                              "ClickToClose",      "DelayTime",       "LastTime",
                              "LogoDelay",         "OncePerDay",      "ShowDriverMessage",
                              "ShowStartupWindow", "StayOnTop",       "TintSelection",
                              "VersionNumber",     "WarnShowManual"};
    int rows = 0;
    std::set<std::string> keys;
    std::set<int32_t> controls;
    for (const SettingRow* row = MainSettingsTable; row->key != nullptr; ++row, ++rows) {
        ASSERT_LT(rows, 14);
        EXPECT_STREQ(row->key, mainKeys[rows]);
        EXPECT_TRUE(keys.insert(row->key).second);
        if (row->controlId != 0) {
            EXPECT_TRUE(controls.insert(row->controlId).second) << row->key;
        }
        EXPECT_EQ((row->kind & KindChoice) != 0, row->choices != nullptr) << row->key;
    }
    EXPECT_EQ(rows, 14);
    // The file's kinds and the Setup controls, row by row, and the saver's own kinds.
    const struct {
        uint32_t kind, saverKind;
        int32_t control;
    } rowsAsStored[] = {
        {0x4, 0x4, 0},   {0x202, 0x2, 0},   {0x102, 0, 0},     {0x1, 0x1, 111}, {0x44, 0x44, 112},
        {0x602, 0x2, 0}, {0x4, 0x4, 0},     {0x1, 0x1, 113},   {0x1, 0x1, 115}, {0x1, 0x1, 105},
        {0x1, 0x1, 114}, {0x14, 0x14, 116}, {0x104, 0x104, 0}, {0x1, 0x1, 108},
    };
    for (int i = 0, saver = 0; i < 14; ++i) {
        EXPECT_EQ(MainSettingsTable[i].kind, rowsAsStored[i].kind) << mainKeys[i];
        EXPECT_EQ(MainSettingsTable[i].controlId, rowsAsStored[i].control) << mainKeys[i];
        if (i == 2)
            continue; // the saver has no BuildDate
        EXPECT_EQ(SaverSettingsTable[saver].kind, rowsAsStored[i].saverKind) << mainKeys[i];
        EXPECT_EQ(SaverSettingsTable[saver].controlId, rowsAsStored[i].control) << mainKeys[i];
        ++saver;
    }
    int saverRows = 0;
    for (const SettingRow* row = SaverSettingsTable; row->key != nullptr; ++row, ++saverRows)
        EXPECT_STRNE(row->key, "BuildDate");
    EXPECT_EQ(saverRows, 13);
}

TEST_F(SettingsTest, DefaultsOfEachProgram) {
    EXPECT_EQ(AnimationSpeed, 400u);
    EXPECT_STREQ(ApplicationPath, "");
    EXPECT_EQ(strlen(BuildDate), 11u); // "Aug  7 2002" form
    EXPECT_EQ(ClickToClose, 0u);
    EXPECT_EQ(DelayTime, 0u);
    EXPECT_STREQ(LastTime, "");
    EXPECT_EQ(LogoDelay, 8000u);
    EXPECT_EQ(OncePerDay, 0u);
    EXPECT_EQ(ShowDriverMessage, 1u);
    EXPECT_EQ(ShowStartupWindow, 1u);
    EXPECT_EQ(StayOnTop, 0u);
    EXPECT_EQ(TintSelection, 1u);
    EXPECT_EQ(VersionNumber, 67u);
    EXPECT_EQ(WarnShowManual, 1u);
    ResetSettings(SaverSettingsTable);
    EXPECT_EQ(VersionNumber, 65u);
}

TEST_F(SettingsTest, SpacingAroundTheEqualsSignDoesNotMatter) {
    for (const char* line : {"DelayTime=15\r\n", "DelayTime = 15\r\n", "DelayTime   =   15\r\n",
                             "DelayTime == 15\n", "DelayTime 15"}) {
        DelayTime = 0;
        Read(line);
        EXPECT_EQ(DelayTime, 15u) << line;
    }
}

TEST_F(SettingsTest, KeysArePrefixesWithLetterCaseSignificant) {
    Read("Delay = 15\r\nShowDriver = 0\r\n");
    EXPECT_EQ(DelayTime, 15u);
    EXPECT_EQ(ShowDriverMessage, 0u);
    Read("delaytime = 99\r\nSHOWSTARTUPWINDOW = 0\r\nDelayTimeX = 7\r\n");
    EXPECT_EQ(DelayTime, 15u);
    EXPECT_EQ(ShowStartupWindow, 1u);
}

TEST_F(SettingsTest, NumbersReadLikeTheFileWritesThem) {
    Read("DelayTime = abc\r\n");
    EXPECT_EQ(DelayTime, 0u);
    Read("DelayTime = 15 seconds\r\n");
    EXPECT_EQ(DelayTime, 15u);
    Read("LogoDelay = -1\r\n");
    EXPECT_EQ(LogoDelay, 4294967295u);
    EXPECT_NE(Write(MainSettingsTable, SampleTime).find("LogoDelay = 4294967295\r\n"),
              std::string::npos);
    // Far too many digits: wraps quietly instead of overflowing.
    Read("AnimationSpeed = 99999999999999999999999999999\r\n");
    EXPECT_EQ(AnimationSpeed, 2684354559u); // the number modulo 2^32
    Read("TintSelection = +4\r\n");
    EXPECT_EQ(TintSelection, 4u);
}

TEST_F(SettingsTest, WriteOnlyRowsCommentsAndSectionsAreNotInterpreted) {
    Read(";DelayTime = 5\r\n"
         "[SomeOtherSection]\r\n"
         "VersionNumber = 3\r\n"
         "BuildDate = Jan  1 1990\r\n"
         "OncePerDay = 1\r\n");
    EXPECT_EQ(DelayTime, 0u);
    EXPECT_EQ(VersionNumber, 67u);
    EXPECT_STRNE(BuildDate, "Jan  1 1990");
    EXPECT_EQ(OncePerDay, 1u);
}

TEST_F(SettingsTest, OnlyASemicolonInTheFirstColumnStartsAComment) {
    Read("ApplicationPath = C:\\a;b\\\r\n;DelayTime = 5\r\n ;LogoDelay = 7\r\n");
    EXPECT_STREQ(ApplicationPath, "C:\\a;b\\");
    EXPECT_EQ(DelayTime, 0u);
    EXPECT_EQ(LogoDelay, 8000u); // " ;LogoDelay" is a line with an unknown key
}

TEST_F(SettingsTest, LinesWithAnEmptyKeyAreSkipped) {
    Read("\r\n   DelayTime = 5\r\n= 33\r\n\tAnimationSpeed = 1\r\n");
    EXPECT_EQ(AnimationSpeed, 400u);
    EXPECT_EQ(DelayTime, 0u);
}

TEST_F(SettingsTest, StringValuesKeepTrailingSpacesAndStopAtControls) {
    Read("LastTime = Wed Jan 02 02:03:55 1980  \r\nApplicationPath = C:\\Tavrin\\\tjunk\r\n");
    EXPECT_STREQ(LastTime, "Wed Jan 02 02:03:55 1980  ");
    EXPECT_STREQ(ApplicationPath, "C:\\Tavrin\\");
    Read(std::string("DelayTime = 12\0 34\r\n", 20));
    EXPECT_EQ(DelayTime, 12u);
}

TEST_F(SettingsTest, OverlongLinesAreReadInPiecesOf511Characters) {
    std::string line = "LastTime = " + std::string(500, 'x') + "DelayTime = 9\r\n";
    Read(line);
    EXPECT_EQ(std::string(LastTime), std::string(500, 'x'));
    EXPECT_EQ(DelayTime, 9u);
    // A huge line without any line end at all.
    Read("ApplicationPath = " + std::string(100000, 'y'));
    EXPECT_EQ(strlen(ApplicationPath), 511u - strlen("ApplicationPath = ") + 0u);
}

TEST_F(SettingsTest, TheFileIsWrittenInItsExactFormat) {
    DelayTime = 30;
    strcpy(ApplicationPath, "C:\\Program Files\\Tavrin\\");
    std::string file = Write(MainSettingsTable, SampleTime);
    std::string expected = std::string(";Tavrin: A Morvest Daybook configuration file\r\n"
                                       ";Nyet! Edit this at your own risk.\r\n"
                                       ";Tavrin: A Morvest Daybook\r\n"
                                       ";Last updated Wed Jan 02 02:03:55 1980\r\n"
                                       ";\r\n"
                                       "[TavrinAMorvestDaybook]\r\n"
                                       "AnimationSpeed = 400\r\n"
                                       "ApplicationPath = C:\\Program Files\\Tavrin\\\r\n"
                                       "BuildDate = ") +
                           BuildDate +
                           "\r\n"
                           "ClickToClose = 0\r\n"
                           "DelayTime = 30\r\n"
                           "LastTime = Wed Jan 02 02:03:55 1980\r\n"
                           "LogoDelay = 8000\r\n"
                           "OncePerDay = 0\r\n"
                           "ShowDriverMessage = 1\r\n"
                           "ShowStartupWindow = 1\r\n"
                           "StayOnTop = 0\r\n"
                           "TintSelection = 1\r\n"
                           "VersionNumber = 67\r\n"
                           "WarnShowManual = 1\r\n";
    EXPECT_EQ(file, expected);
    EXPECT_STREQ(LastTime, SampleTime);

    ResetSettings(SaverSettingsTable);
    strcpy(LastTime, "Tue Dec 08 07:00:00 2026");
    std::string saverFile = Write(SaverSettingsTable, SampleTime);
    EXPECT_EQ(saverFile.find("BuildDate"), std::string::npos);
    EXPECT_NE(saverFile.find("\r\nVersionNumber = 65\r\n"), std::string::npos);
    // The saver's run is not the daybook's: LastTime stays the daybook's.
    EXPECT_NE(saverFile.find("\r\nLastTime = Tue Dec 08 07:00:00 2026\r\n"), std::string::npos);
}

// Each program read the file at its start; the other one wrote it since.
TEST_F(SettingsTest, WritingKeepsTheOtherProgramsNewerValuesForRowsThisRunLeftAlone) {
    struct {
        const SettingRow* table;
        const char* row;
        std::string ours;   // this run's value ("" for unchanged since the read)
        std::string theirs; // the file's value now ("" for a file without the key)
        std::string written;
    } cases[] = {
        {MainSettingsTable, "TintSelection", "", "7", "7"},      // the other's choice stays
        {MainSettingsTable, "TintSelection", "4", "7", "4"},     // this run's choice wins
        {MainSettingsTable, "AnimationSpeed", "", "120", "120"}, // set in the saver meanwhile
        {MainSettingsTable, "DelayTime", "", "", "0"},           // no key: this run's value
        {MainSettingsTable, "ApplicationPath", "", "D:\\Old\\", "C:\\Read\\"},       // owned
        {MainSettingsTable, "LastTime", "", "Mon Dec 07 09:00:00 2026", SampleTime}, // stamped
        {MainSettingsTable, "VersionNumber", "", "65", "67"},                        // write-only
        {SaverSettingsTable, "AnimationSpeed", "50", "120", "50"},
        {SaverSettingsTable, "TintSelection", "", "7", "7"}, // a tint chosen in Setup
        {SaverSettingsTable, "LastTime", "", "Tue Dec 08 07:00:00 2026",
         "Tue Dec 08 07:00:00 2026"}, // not the saver's
        {SaverSettingsTable, "ApplicationPath", "", "D:\\New\\", "D:\\New\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.row) + " " + c.ours + " " + c.theirs);
        ResetSettings(c.table);
        Read("ApplicationPath = C:\\Read\\\r\nTintSelection = 2\r\n", c.table);
        SettingsSnapshot asRead;
        TakeSettingsSnapshot(c.table, &asRead);
        if (!c.ours.empty())
            Read(std::string(c.row) + " = " + c.ours + "\r\n", c.table);
        FILE* now = tmpfile();
        ASSERT_NE(now, nullptr);
        std::string current =
            c.theirs.empty() ? "" : std::string(c.row) + " = " + c.theirs + "\r\n";
        current += "VersionNumber = 65\r\n";
        fwrite(current.data(), 1, current.size(), now);
        rewind(now);
        MergeSettingsStream(c.table, &asRead, now);
        fclose(now);
        std::string file = Write(c.table, SampleTime);
        EXPECT_NE(file.find("\r\n" + std::string(c.row) + " = " + c.written + "\r\n"),
                  std::string::npos)
            << file;
    }
}

TEST_F(SettingsTest, EveryReadableRowRoundTrips) {
    uint32_t number = 1000;
    for (const SettingRow* row = MainSettingsTable; row->key != nullptr; ++row) {
        if (row->kind & KindString)
            snprintf(static_cast<char*>(row->variable), SettingTextSize, "text of %s  ", row->key);
        else
            *static_cast<uint32_t*>(row->variable) = number++;
    }
    std::string file = Write(MainSettingsTable, SampleTime);
    SettingText savedPath;
    strcpy(savedPath, ApplicationPath);
    uint32_t savedTint = TintSelection;
    ResetSettings(MainSettingsTable);
    Read(file);
    EXPECT_STREQ(ApplicationPath, savedPath);
    EXPECT_STREQ(LastTime, SampleTime);
    EXPECT_EQ(TintSelection, savedTint);
    EXPECT_EQ(AnimationSpeed, 1000u);
    EXPECT_EQ(WarnShowManual, number - 1);
    EXPECT_EQ(VersionNumber, 67u); // write-only: the program's own value wins
}

TEST_F(SettingsTest, SettingsFilePathJoinsTheWindowsDirectory) {
    char path[64];
    ASSERT_TRUE(SettingsFilePath("C:\\WINDOWS", path, sizeof path));
    EXPECT_STREQ(path, "C:\\WINDOWS\\MORVEST.INI");
    ASSERT_TRUE(SettingsFilePath("C:\\", path, sizeof path));
    EXPECT_STREQ(path, "C:\\MORVEST.INI");
    EXPECT_FALSE(SettingsFilePath("", path, sizeof path));
    EXPECT_FALSE(SettingsFilePath("C:\\a very long windows directory name", path, 20));
}

} // namespace
