// The pictures, icons and strings inside the built programs, read the way Windows reads them.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>
#include <string>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/day_entries.h"
#include "pictures/picture_format.h"
#include "resource.h"
#include "settings/settings.h"
#include "tests/wine/wine_fixtures.h"

namespace {

class ProgramResources {
  public:
    explicit ProgramResources(const char* path)
        : module_(LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ProgramResources() {
        if (module_ != nullptr)
            FreeLibrary(module_);
    }
    HMODULE module() const { return module_; }
    // The picture's header, when the program holds it as a usable 8-bit packed bitmap with a
    // full colour table.
    bool Picture(int id, PictureInfo* info) const {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
        if (found == nullptr)
            return false;
        const void* bits = LockResource(LoadResource(module_, found));
        return bits != nullptr &&
               ReadPackedBitmapInfo(bits, SizeofResource(module_, found), info) &&
               info->bitCount == 8 && info->colourCount == 256;
    }
    // Sizes of the images in an icon group.
    std::string IconSizes(const char* name) const {
        HRSRC found = FindResourceA(module_, name, MAKEINTRESOURCEA(14));
        if (found == nullptr)
            return "";
        const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
        WORD count = static_cast<WORD>(group[4] | (group[5] << 8));
        std::string sizes;
        for (WORD i = 0; i < count; ++i) {
            int width = group[6 + 14 * i];
            sizes += std::to_string(width == 0 ? 256 : width) + " ";
        }
        return sizes;
    }

  private:
    HMODULE module_;
};

bool Fits(const PictureInfo& info, int width, int height) {
    return info.width <= width && info.height <= height;
}

TEST(ProgramResources, EveryMarkedDayHasItsOwnPictureInTheDaybook) {
    ProgramResources daybook(TAVRIN_DELIVERED_MORVEST);
    ASSERT_NE(daybook.module(), nullptr) << TAVRIN_DELIVERED_MORVEST;
    ASSERT_TRUE(LoadDatabaseFile(TAVRIN_DATABASE_FILE));
    static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int marked = 0;
    for (int m = 0; m < 12; ++m) {
        for (int d = 1; d <= days[m]; ++d) {
            DayDate date = {2000, static_cast<uint8_t>(d), static_cast<uint8_t>(m + 1)};
            int id = GetPictureId(&date);
            // A marked day names its picture explicitly: two semicolons in its entry.
            const char* text = GetEntryText(m, d);
            ASSERT_STRNE(text, MissingEntryText);
            const char* entry = text;
            while (entry > MonthTexts[m] && entry[-1] != '\0')
                --entry;
            bool explicitPicture = strchr(entry, ';') != strrchr(entry, ';');
            PictureInfo info;
            bool present = daybook.Picture(id, &info);
            if (explicitPicture) {
                ++marked;
                ASSERT_TRUE(present) << "picture " << id << " of " << MonthNames[m] << " " << d;
                EXPECT_LE(info.width, 128) << id;
                EXPECT_GE(info.height, 78) << id;
                EXPECT_LE(info.height, 378) << id;
            }
        }
    }
    EXPECT_GE(marked, 130);
    FreeDatabase();
}

TEST(ProgramResources, TheDaybookHoldsEveryOtherPictureAtItsSize) {
    ProgramResources daybook(TAVRIN_DELIVERED_MORVEST);
    ASSERT_NE(daybook.module(), nullptr);
    PictureInfo info;
    ASSERT_TRUE(daybook.Picture(2100, &info));
    EXPECT_TRUE(info.width == 127 && info.height == 234);
    ASSERT_TRUE(daybook.Picture(9050, &info));
    EXPECT_TRUE(Fits(info, 416, 169));
    for (int frame = 4700; frame <= 4717; ++frame) {
        ASSERT_TRUE(daybook.Picture(frame, &info)) << frame;
        EXPECT_TRUE(Fits(info, 87, 47)) << frame;
    }
    ASSERT_TRUE(daybook.Picture(99, &info));
    EXPECT_TRUE(info.width == 124 && info.height == 238);
    for (int frame = 1101; frame <= 1133; ++frame) {
        ASSERT_TRUE(daybook.Picture(frame, &info)) << frame;
        EXPECT_TRUE(info.width == 30 && info.height == 60) << frame;
    }
    ASSERT_TRUE(daybook.Picture(1021, &info));
    EXPECT_TRUE(info.width == 384 && info.height == 164);
    ASSERT_TRUE(daybook.Picture(1092, &info));
    EXPECT_TRUE(info.width == 148 && info.height == 384);
    ASSERT_TRUE(daybook.Picture(8502, &info));
    EXPECT_TRUE(info.width == 141 && info.height == 194);
    EXPECT_FALSE(daybook.Picture(8503, &info)); // the screen saver's own
    EXPECT_NE(daybook.IconSizes("Tavrin").find("16 "), std::string::npos);
    for (const char* size : {"16 ", "32 ", "48 "}) {
        EXPECT_NE(daybook.IconSizes("Tavrin").find(size), std::string::npos) << size;
        EXPECT_NE(daybook.IconSizes(MAKEINTRESOURCEA(100)).find(size), std::string::npos) << size;
    }
    char title[64] = "";
    LoadStringA(daybook.module(), 104, title, sizeof title);
    EXPECT_STREQ(title, "Tavrin: A Morvest Daybook");
    for (UINT id : {103u, 106u, 116u, 117u, 3000u, 3001u, 3002u}) {
        char text[1024] = "";
        EXPECT_GT(LoadStringA(daybook.module(), id, text, sizeof text), 20) << id;
    }
}

TEST(ProgramResources, TheScreenSaverHoldsItsPreviewPictureAndIcon) {
    ProgramResources saver(TAVRIN_DELIVERED_MORVSAVE);
    ASSERT_NE(saver.module(), nullptr) << TAVRIN_DELIVERED_MORVSAVE;
    PictureInfo info;
    ASSERT_TRUE(saver.Picture(8503, &info));
    EXPECT_TRUE(info.width == 97 && info.height == 165);
    for (const char* size : {"16 ", "32 ", "48 "})
        EXPECT_NE(saver.IconSizes(MAKEINTRESOURCEA(100)).find(size), std::string::npos) << size;
    // Windows lists a saver by its string 1; its setup template is its own.
    char name[64] = "";
    LoadStringA(saver.module(), 1, name, sizeof name);
    EXPECT_STREQ(name, "Tavrin Daybook");
    EXPECT_NE(FindResourceA(saver.module(), MAKEINTRESOURCEA(2003), MAKEINTRESOURCEA(5)), nullptr);
}

// The start-up manifest of each program is its own, whole, and one the system's manifest reader
// accepts: every Windows from Vista to 11 named, sharp GDI text on scaled displays, no DPI
// awareness and no execution level (which would switch off the settings file's
// virtualisation); the daybook's holds no styled common controls, which it activates later.
TEST(ProgramResources, EachProgramStartsWithItsOwnManifest) {
    for (const char* program : {TAVRIN_DELIVERED_MORVEST, TAVRIN_DELIVERED_MORVSAVE}) {
        ProgramResources resources(program);
        HRSRC found =
            FindResourceA(resources.module(), MAKEINTRESOURCEA(IDR_MANIFEST), RT_MANIFEST);
        ASSERT_NE(found, nullptr) << program;
        std::string xml(
            static_cast<const char*>(LockResource(LoadResource(resources.module(), found))),
            SizeofResource(resources.module(), found));
        for (const char* os :
             {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
              "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
              "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
            EXPECT_NE(xml.find(std::string("<supportedOS Id=\"{") + os + "}\"/>"),
                      std::string::npos)
                << os;
        EXPECT_NE(xml.find(">true</gdiScaling>"), std::string::npos);
        for (const char* absent : {"dpiAware", "requestedExecutionLevel"})
            EXPECT_EQ(xml.find(absent), std::string::npos) << program << ": " << absent;
        bool daybook = program == std::string(TAVRIN_DELIVERED_MORVEST);
        EXPECT_EQ(xml.find("Common-Controls") == std::string::npos, daybook) << program;
        ACTCTXA context = {};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = program;
        context.lpResourceName = MAKEINTRESOURCEA(IDR_MANIFEST);
        HANDLE parsed = CreateActCtxA(&context);
        EXPECT_NE(parsed, INVALID_HANDLE_VALUE) << program;
        if (parsed != INVALID_HANDLE_VALUE)
            ReleaseActCtx(parsed);
    }
}

BOOL CALLBACK AddTemplateName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<uintptr_t>(name)) : name);
    return TRUE;
}

TEST(ProgramResources, EveryTemplateHasUniqueIdsAndSetupHoldsEveryBoundControl) {
    ProgramResources daybook(TAVRIN_DELIVERED_MORVEST);
    ASSERT_NE(daybook.module(), nullptr);
    std::vector<std::string> names;
    EnumResourceNamesA(daybook.module(), MAKEINTRESOURCEA(5), AddTemplateName,
                       reinterpret_cast<LONG_PTR>(&names));
    // Resource compilers keep names in capitals; Windows finds them in any case.
    for (const char* name : {"CALENDARBOX", "SETUPPROPERTYONE", "WARNINGBOX", "SYSINFOBOX",
                             "CHANGEDRIVERBOX", "#5001", "#5003"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    for (const std::string& name : names) {
        DialogTemplate dialog;
        ASSERT_TRUE(ReadDialogTemplate(daybook.module(), name.c_str(), &dialog)) << name;
        std::vector<int> ids;
        for (const TemplateControl& control : dialog.controls) {
            if (control.id == 0xFFFF)
                continue;
            EXPECT_EQ(std::count(ids.begin(), ids.end(), control.id), 0)
                << name << " " << control.id;
            ids.push_back(control.id);
        }
        if (name == "SETUPPROPERTYONE") {
            for (const SettingRow* row = MainSettingsTable; row->key != nullptr; ++row) {
                if (row->controlId != 0) {
                    EXPECT_NE(dialog.Control(row->controlId), nullptr) << row->key;
                }
            }
            EXPECT_NE(dialog.Control(IDC_SETUP_DELAY_SPIN), nullptr);
        }
    }
}

} // namespace
