// The settings file in the real Windows directory, read and written as the programs do.
#include <windows.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "settings/settings_win.h"
#include "settings/text_values.h"
#include "tests/core/test_files.h"

namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char directory[MAX_PATH];
        ASSERT_GT(GetWindowsDirectoryA(directory, MAX_PATH), 0u);
        directory_ = directory;
        path_ = directory_ + "\\MORVEST.INI";
        Remove();
        SettingsTable = MainSettingsTable;
        ResetSettings(MainSettingsTable);
    }
    void TearDown() override {
        Remove();
        SettingsTable = MainSettingsTable;
    }
    void Remove() {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
    }
    std::string Contents() { return ReadFileBytes(path_); }
    void Put(const std::string& bytes) { ASSERT_TRUE(WriteFileBytes(path_, bytes)); }
    int LeftoverTemporaryFiles() {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((directory_ + "\\mrv*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        int count = 0;
        do
            ++count;
        while (FindNextFileA(search, &found));
        FindClose(search);
        return count;
    }

    std::string directory_, path_;
};

TEST_F(SettingsFileTest, NoFileKeepsTheDefaultsAndTheFirstWriteMakesACompleteFile) {
    ReadSettings();
    EXPECT_EQ(LogoDelay, 8000u);
    EXPECT_STREQ(LastTime, "");
    WriteSettings();
    std::string file = Contents();
    ASSERT_FALSE(file.empty());
    int rows = 0;
    for (size_t at = 0; (at = file.find(" = ", at)) != std::string::npos; ++at)
        ++rows;
    EXPECT_EQ(rows, 14);
    EXPECT_EQ(strlen(LastTime), 24u);
    EXPECT_NE(file.find(";Last updated " + std::string(LastTime) + "\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nLastTime = " + std::string(LastTime) + "\r\n"), std::string::npos);
    EXPECT_EQ(file.substr(file.size() - 20), "WarnShowManual = 1\r\n");
    EXPECT_EQ(LeftoverTemporaryFiles(), 0);
}

TEST_F(SettingsFileTest, WindowsOwnProfileLookupReadsEveryNumberAsTheProgramDoes) {
    uint32_t value = 3;
    for (const SettingRow* row = MainSettingsTable; row->key != nullptr; ++row)
        if ((row->kind & (KindString | KindWriteOnly)) == 0)
            *static_cast<uint32_t*>(row->variable) = value += 1234567;
    ShowStartupWindow = 0;
    WriteSettings();
    ResetSettings(MainSettingsTable);
    ReadSettings();
    for (const SettingRow* row = MainSettingsTable; row->key != nullptr; ++row) {
        if ((row->kind & (KindString | KindWriteOnly)) != 0)
            continue;
        UINT fromWindows = GetPrivateProfileIntA(SettingsSection, row->key, 777, SettingsFileName);
        EXPECT_EQ(fromWindows, *static_cast<uint32_t*>(row->variable)) << row->key;
    }
    EXPECT_EQ(GetPrivateProfileIntA(SettingsSection, "ShowStartupWindow", 1, SettingsFileName), 0u);
    EXPECT_EQ(GetPrivateProfileIntA(SettingsSection, "VersionNumber", 1, SettingsFileName), 67u);
}

TEST_F(SettingsFileTest, TheProfileLookupNeedsTheRightSectionAndTheFullKey) {
    Put("[Elsewhere]\r\nShowStartupWindow = 0\r\n[TavrinAMorvestDaybook]\r\nShowStartup = 0\r\n");
    ReadSettings();
    EXPECT_EQ(ShowStartupWindow, 0u); // the program's reader takes both lines
    EXPECT_EQ(GetPrivateProfileIntA(SettingsSection, "ShowStartupWindow", 1, SettingsFileName), 1u);
    Put("[TavrinAMorvestDaybook]\r\nshowstartupwindow = 0\r\n");
    ResetSettings(MainSettingsTable);
    ReadSettings();
    EXPECT_EQ(ShowStartupWindow, 1u); // letter case matters to the program's reader only
    EXPECT_EQ(GetPrivateProfileIntA(SettingsSection, "ShowStartupWindow", 1, SettingsFileName), 0u);
}

TEST_F(SettingsFileTest, WhatOneRunWritesTheNextReads) {
    strcpy(ApplicationPath, "C:\\Program Files\\Tavrin\\");
    DelayTime = 30;
    TintSelection = 12;
    WriteSettings();
    std::string written = LastTime;
    ResetSettings(MainSettingsTable);
    ReadSettings();
    EXPECT_STREQ(ApplicationPath, "C:\\Program Files\\Tavrin\\");
    EXPECT_EQ(DelayTime, 30u);
    EXPECT_EQ(TintSelection, 12u);
    EXPECT_EQ(LastTime, written);
}

TEST_F(SettingsFileTest, TheScreenSaverWritesItsOwnTable) {
    SettingsTable = SaverSettingsTable;
    ResetSettings(SaverSettingsTable);
    WriteSettings();
    std::string file = Contents();
    EXPECT_EQ(file.find("BuildDate"), std::string::npos);
    EXPECT_NE(file.find("\r\nVersionNumber = 65\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, AReadOnlyFileStaysUntouched) {
    const std::string before = ";hand-made\r\nDelayTime = 5\r\n";
    Put(before);
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    DelayTime = 99;
    WriteSettings();
    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(LeftoverTemporaryFiles(), 0);
    ResetSettings(MainSettingsTable);
    ReadSettings();
    EXPECT_EQ(DelayTime, 5u);
}

TEST_F(SettingsFileTest, JunkInTheFileLeavesDefaultsForWhatCannotBeRead) {
    std::string junk;
    for (int i = 0; i < 70000; ++i)
        junk.push_back(static_cast<char>((i * 7919) % 251));
    Put(junk + "\nDelayTime = 17");
    ReadSettings();
    EXPECT_EQ(DelayTime, 17u);
    EXPECT_EQ(memchr(ApplicationPath, '\0', sizeof ApplicationPath) != nullptr, true);
    EXPECT_EQ(memchr(LastTime, '\0', sizeof LastTime) != nullptr, true);
}

} // namespace

namespace {

TEST_F(SettingsFileTest, WhenTheFileCannotBeReplacedTheOldOneStays) {
    // A directory in the file's place cannot be replaced by a file.
    ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));
    WriteSettings();
    DWORD attributes = GetFileAttributesA(path_.c_str());
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(LeftoverTemporaryFiles(), 0);
    RemoveDirectoryA(path_.c_str());
}

// The writer's steps failing one at a time, through its file calls.
UINT WINAPI NoTemporaryName(LPCSTR, LPCSTR, UINT, LPSTR) {
    return 0;
}
bool IsTemporary(const char* path) {
    return strstr(path, "\\mrv") != nullptr;
}
FILE* NoTemporaryFile(const char* path, const char* mode) {
    return IsTemporary(path) ? nullptr : fopen(path, mode);
}
FILE* FullDisk(const char* path, const char* mode) {
    return fopen(path, IsTemporary(path) ? "rb" : mode); // every write to it fails
}
int FailingFlush(FILE* file) {
    fclose(file);
    return EOF;
}
BOOL WINAPI NoReplace(LPCSTR, LPCSTR, DWORD) {
    return FALSE;
}

TEST_F(SettingsFileTest, EachFailingStepKeepsTheOldFileOrWritesInPlaceWhenNoNewFileMayBeMade) {
    const std::string old = "[TavrinAMorvestDaybook]\r\nDelayTime = 5\r\nTintSelection = 3\r\n";
    struct {
        const char* what;
        SettingsFileCalls calls;
        bool written;
    } cases[] = {
        {"no temporary name", {NoTemporaryName, MoveFileExA, fopen, fclose}, true},
        {"no temporary file", {GetTempFileNameA, MoveFileExA, NoTemporaryFile, fclose}, true},
        {"a full disk", {GetTempFileNameA, MoveFileExA, FullDisk, fclose}, false},
        {"a failing flush", {GetTempFileNameA, MoveFileExA, fopen, FailingFlush}, false},
        {"no replace", {GetTempFileNameA, NoReplace, fopen, fclose}, false},
        {"nothing failing", RealSettingsFiles, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(old);
        ResetSettings(MainSettingsTable);
        ReadSettings();
        DelayTime = 42;
        SettingsFiles = c.calls;
        WriteSettings();
        SettingsFiles = RealSettingsFiles;
        std::string now = Contents();
        if (c.written) {
            EXPECT_NE(now.find("\r\nDelayTime = 42\r\n"), std::string::npos) << now;
            EXPECT_NE(now.find("\r\nTintSelection = 3\r\n"), std::string::npos) << now;
        } else {
            EXPECT_EQ(now, old); // byte for byte
        }
        EXPECT_EQ(LeftoverTemporaryFiles(), 0);
    }
}

} // namespace
