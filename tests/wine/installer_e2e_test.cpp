// The installer and the uninstaller run silently in this Wine prefix, as an administrator would
// run them, and the installed programs started from where they were put.
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resource.h"
#include "settings/settings.h"
#include "tests/wine/wine_fixtures.h"
#include "version.h"

namespace {

const char Target[] = "C:\\TavrinInstall";
const char UninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TavrinDaybook";

std::string MenuFolder() {
    char programs[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, programs);
    return std::string(programs) + "\\Tavrin Daybook";
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string RegistryText(HKEY root, const char* key, const char* name) {
    char value[1024] = "";
    DWORD size = sizeof value - 1, type = 0;
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return "<no key>";
    LONG result =
        RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return result == ERROR_SUCCESS ? value : "<none>";
}

// A string of a file's version resource, in the first language it has.
std::string VersionString(const std::string& file, const char* name) {
    DWORD ignored = 0, size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    std::vector<char> data(size + 1);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, data.data()))
        return "<none>";
    WORD* language = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&language), &length) ||
        length < 4)
        return "<none>";
    char path[128];
    snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", language[0], language[1], name);
    char* value = nullptr;
    if (!VerQueryValueA(data.data(), path, reinterpret_cast<void**>(&value), &length))
        return "<none>";
    return value;
}

const char* const InstalledFiles[] = {"morvest.exe",      "MORVEST.DAT",        "uninstall.exe",
                                      "html\\manual.htm", "html\\referenc.htm", "html\\drivers.htm",
                                      "html\\daybook.css"};

// The installer puts the programs into the folder itself.
class InstallerTest : public InstalledPrograms {
  protected:
    InstallerTest() : InstalledPrograms(Target, {}) {}
    void TearDown() override {
        if (Exists(Installed("uninstall.exe")))
            Uninstall();
        InstalledPrograms::TearDown();
    }
    static void Install() {
        RunningProgram installer;
        ASSERT_TRUE(installer.Start(TAVRIN_INSTALLER, std::string("/S /D=") + Target, "C:\\"));
        ASSERT_EQ(installer.WaitForExit(120000), 0u);
    }
    // The uninstaller hands over to a copy of itself and returns at once; the removal is over
    // when the uninstall entry has gone.
    bool Uninstall() {
        RunningProgram uninstaller;
        if (!uninstaller.Start(Installed("uninstall.exe"), "/S", "C:\\"))
            return false;
        uninstaller.WaitForExit(60000);
        return WaitUntil(
            [this] {
                return RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName") ==
                           "<no key>" &&
                       !Exists(Installed("uninstall.exe"));
            },
            60000);
    }
};

TEST_F(InstallerTest, ASilentInstallPutsEverythingInPlaceAndASilentUninstallTakesItAway) {
    Install();
    for (const char* name : InstalledFiles)
        EXPECT_TRUE(Exists(Installed(name))) << name;
    const std::string saver = SystemFile("morvsave.scr");
    EXPECT_TRUE(Exists(saver));
    for (const char* link :
         {"\\Tavrin Daybook.lnk", "\\Manual.lnk", "\\Uninstall Tavrin Daybook.lnk"})
        EXPECT_TRUE(Exists(MenuFolder() + link)) << link;
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"),
              "Tavrin: A Morvest Daybook");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "Publisher"), "The Tavrin project");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayIcon"),
              Installed("morvest.exe") + ",0");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "InstallLocation"), Target);
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"), saver);
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveActive"), "1");
    EXPECT_NE(SettingsText().find("ApplicationPath=C:\\TavrinInstall\\"), std::string::npos);

    // The saver works before the daybook has ever run: it finds the daybook and its texts
    // through the settings the installer wrote.
    const std::string entry = TodaysEntry(TAVRIN_DATABASE_FILE);
    {
        RunningProgram running;
        ASSERT_TRUE(running.Start(saver, "/s", "C:\\"));
        HWND window = running.WaitForWindow("WindowsScreenSaverClass");
        ASSERT_NE(window, nullptr);
        HWND panel = FindWindowExA(window, nullptr, "TavrinSaverMoving", nullptr);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(ControlText(panel, IDC_MAIN_ENTRY), entry);
        PostMessageA(window, WM_KEYDOWN, 'A', 0);
        EXPECT_EQ(running.WaitForExit(), 1u);
        ASSERT_TRUE(running.Start(saver, "/p", "C:\\"));
        EXPECT_EQ(running.WaitForExit(), 1u);
        // The daybook starts from its new place and shows today.
        ASSERT_TRUE(running.Start(Installed("morvest.exe"), "", "C:\\"));
        window = running.WaitForWindow("TavrinApplication");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ControlText(window, IDC_MAIN_ENTRY), entry);
        PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
        EXPECT_EQ(running.WaitForExit(), 1u);
    }

    ASSERT_TRUE(Uninstall());
    for (const char* name : InstalledFiles)
        EXPECT_FALSE(Exists(Installed(name))) << name;
    EXPECT_FALSE(Exists(Target));
    EXPECT_FALSE(Exists(saver));
    EXPECT_FALSE(Exists(MenuFolder()));
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE"), "<none>");
    EXPECT_EQ(SettingsRow("ApplicationPath"), "C:\\TavrinInstall\\");
}

TEST_F(InstallerTest, AnInstallOverASettingsFileKeepsItsOtherValues) {
    ASSERT_TRUE(
        PutSettings("AnimationSpeed = 77\r\nApplicationPath = D:\\Old\\\r\nTintSelection = 7\r\n"));
    Install();
    // Read as both programs read it (the system may write its own spacing around "=").
    ResetSettings(MainSettingsTable);
    FILE* file = fopen(SettingsFile().c_str(), "rb");
    ASSERT_NE(file, nullptr);
    ReadSettingsStream(MainSettingsTable, file);
    fclose(file);
    EXPECT_EQ(AnimationSpeed, 77u);
    EXPECT_EQ(TintSelection, 7u);
    EXPECT_STREQ(ApplicationPath, "C:\\TavrinInstall\\");

    // While the daybook runs, the uninstaller removes nothing.
    RunningProgram daybook;
    ASSERT_TRUE(daybook.Start(Installed("morvest.exe"), "/NOTIMEOUT", "C:\\"));
    HWND window = daybook.WaitForWindow("TavrinApplication");
    ASSERT_NE(window, nullptr);
    RunningProgram uninstaller;
    ASSERT_TRUE(
        uninstaller.Start(Installed("uninstall.exe"), std::string("/S _?=") + Target, "C:\\"));
    uninstaller.WaitForExit(60000);
    for (const char* name : InstalledFiles)
        EXPECT_TRUE(Exists(Installed(name))) << name;
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"),
              "Tavrin: A Morvest Daybook");
    PostMessageA(window, WM_COMMAND, CMD_EXIT, 0);
    EXPECT_EQ(daybook.WaitForExit(), 1u);
    EXPECT_NE(SettingsText().find("TintSelection = 7"), std::string::npos);
}

TEST(Packages, TheVersionIsOneAcrossProgramsInstallerAndNames) {
    const std::string version = VersionString(TAVRIN_MORVEST_FILE, "ProductVersion");
    EXPECT_EQ(version, TAVRIN_VERSION_TEXT);
    EXPECT_EQ(VersionString(TAVRIN_MORVEST_FILE, "FileVersion"), version);
    EXPECT_EQ(VersionString(TAVRIN_MORVSAVE_FILE, "ProductVersion"), version);
    EXPECT_EQ(VersionString(TAVRIN_MORVSAVE_FILE, "FileVersion"), TAVRIN_SAVER_VERSION_TEXT);
    EXPECT_EQ(VersionString(TAVRIN_INSTALLER, "ProductVersion"), version);
    EXPECT_NE(std::string(TAVRIN_INSTALLER).find("TavrinDaybook-" + version), std::string::npos);
    for (const char* file : {TAVRIN_MORVEST_FILE, TAVRIN_MORVSAVE_FILE, TAVRIN_INSTALLER})
        EXPECT_EQ(VersionString(file, "CompanyName"), "The Tavrin project") << file;
}

} // namespace
