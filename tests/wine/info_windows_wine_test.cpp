// The startup logo, the About and credits boxes, System Information and the display check in
// this process, with the daybook's own templates, strings and pictures. Run in Wine's headless
// session and again inside virtual screens of 8, 16 and 24 bits (tests/wine/on_screen.sh), where
// TAVRIN_SCREEN_DEPTH names the depth the screen was made with.
#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/logo_window_win.h"
#include "app/shared_ui_win.h"
#include "dialogs/about_box_win.h"
#include "dialogs/display_check_win.h"
#include "dialogs/info_text.h"
#include "dialogs/system_info_win.h"
#include "pictures/picture_draw_win.h"
#include "pictures/picture_format.h"
#include "resource.h"
#include "settings/settings.h"
#include "tests/core/test_files.h"
#include "tests/wine/wine_fixtures.h"

namespace {

INT_PTR CALLBACK TemplateOnly(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The main window's clock and stay-on-top ticks that the test thread's message loops fetch while
// counting is on.
HWND Counted;
std::atomic<bool> Counting;
std::atomic<int> ClockTicks;
LRESULT CALLBACK CountClockTicks(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && Counting && message->hwnd == Counted && message->message == WM_TIMER &&
        (message->wParam == TIMER_CLOCK || message->wParam == TIMER_STAY_ON_TOP))
        ++ClockTicks;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class InfoWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        UseResourcesOf(TAVRIN_MORVEST_FILE);
        ASSERT_NE(ResourceModule, nullptr);
        ResetSettings(MainSettingsTable);
        SettingsTable = MainSettingsTable;
        window_ = OpenTestMainWindow();
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        CloseLogoWindow();
        CloseTestMainWindow(window_);
    }
    // Sends the main window a command that opens a modal box; the action gets the box.
    bool RunFromMainWindow(int command, const char* title, std::function<void(HWND)> act) {
        WhenWindowAppears driver("#32770", title, act);
        SendMessageA(window_, WM_COMMAND, command, 0);
        return driver.Acted();
    }
    HWND window_ = nullptr;
    // The boxes the main window opens, each with the button that closes it. System Information
    // comes first: it leaves the clock running, while the others stop it and start it again.
    struct Box {
        int command;
        const char* title;
        int button;
        bool restsClock;
    };
    static constexpr Box boxes_[] = {{CMD_SYSTEM_INFORMATION, "System Information", IDOK, false},
                                     {CMD_CALENDAR, nullptr, IDOK, true},
                                     {CMD_ABOUT, "", IDOK, true},
                                     {CMD_SETUP, "Setup", IDCANCEL, true}};
};

TEST_F(InfoWindows, TheLogoShowsOnlyWhenTheSettingsAllowAndGoesOnAClick) {
    struct {
        uint32_t showStartupWindow, stayOnTop;
        bool shown;
    } cases[] = {{1, 0, true}, {0, 0, false}, {1, 1, false}, {0, 1, false}};
    for (const auto& c : cases) {
        ShowStartupWindow = c.showStartupWindow;
        StayOnTop = c.stayOnTop;
        CreateLogoWindow(nullptr);
        HWND logo = FindWindowA(LogoWindowClass, nullptr);
        ASSERT_EQ(logo != nullptr, c.shown) << c.showStartupWindow << c.stayOnTop;
        if (logo == nullptr)
            continue;
        RECT frame;
        GetWindowRect(logo, &frame);
        EXPECT_EQ(frame.right - frame.left, 440);
        EXPECT_EQ(frame.bottom - frame.top, 260);
        EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 440) / 2);
        EXPECT_NE(GetWindowLongA(logo, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
        EXPECT_EQ(GetWindowLongA(logo, GWL_STYLE) & (WS_POPUP | WS_BORDER), WS_POPUP | WS_BORDER);
        EXPECT_EQ(ControlText(logo, IDC_LOGO_NOTICE), LoadText(IDS_LOGO_NOTICE));
        EXPECT_EQ(FontOf(logo, IDC_LOGO_NOTICE), "Arial 12 0");
        HDC dc = GetDC(logo);
        SendMessageA(logo, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0);
        EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 241));
        UpdateWindow(logo); // framed in white, where the screen can be read back
        if (ScreenReadsBack()) {
            EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
        }
        ReleaseDC(logo, dc);
        const struct {
            int id, picture;
            POINT at; // the notice: its size too, as the pictures' sizes are their own
            SIZE size;
        } places[] = {{IDC_LOGO_PICTURE, IDB_LOGO_PICTURE, {2, 87}, {}},
                      {IDC_LOGO_ANIMATION, IDB_LOGO_FIRST_FRAME, {337, 16}, {}},
                      {IDC_LOGO_NOTICE, 0, {8, 8}, {270, 48}}};
        for (const auto& p : places) {
            PictureResource picture;
            PictureInfo info = {};
            if (p.picture != 0 && LoadPicture(ResourceModule, p.picture, &picture))
                ReadPackedBitmapInfo(picture.bits, picture.size, &info);
            RECT place = PlaceInParent(GetDlgItem(logo, p.id));
            EXPECT_TRUE(place.left == p.at.x && place.top == p.at.y &&
                        place.right - place.left == (p.picture ? info.width : p.size.cx) &&
                        place.bottom - place.top == (p.picture ? info.height : p.size.cy))
                << p.id;
        }
        // The picture always; the animation only above 256 colours.
        EXPECT_GT(Drawn(logo, IDC_LOGO_PICTURE, 416, 169), 10000);
        EXPECT_EQ(Drawn(logo, IDC_LOGO_ANIMATION, 87, 47) > 0, ScreenColourDepth() > 8);
        std::vector<uint32_t> shown = DrawnPixels(logo, IDC_LOGO_ANIMATION, 87, 47);
        SendMessageA(logo, WM_TIMER, TIMER_LOGO_ANIMATION, 0); // the next frame
        EXPECT_EQ(DrawnPixels(logo, IDC_LOGO_ANIMATION, 87, 47) != shown, ScreenColourDepth() > 8);

        HGDIOBJ font =
            reinterpret_cast<HGDIOBJ>(SendDlgItemMessageA(logo, IDC_LOGO_NOTICE, WM_GETFONT, 0, 0));
        SendMessageA(logo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
        EXPECT_FALSE(IsWindow(logo));
        EXPECT_EQ(GetObjectType(font), 0u); // its font goes with it
        WNDCLASSA found;
        EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), LogoWindowClass, &found));
        CloseLogoWindow(); // as the main window's timer does later: it finds nothing to close
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), LogoWindowClass, &found));
    }
    // Any mouse button closes it, and a picture pressed from the keyboard; the main window's logo
    // timer closes a logo that is still there.
    ShowStartupWindow = 1;
    StayOnTop = 0;
    for (UINT press : {WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_XBUTTONDOWN, WM_COMMAND}) {
        CreateLogoWindow(nullptr);
        SendMessageA(FindWindowA(LogoWindowClass, nullptr), press,
                     press == WM_COMMAND ? MAKEWPARAM(IDC_LOGO_ANIMATION, BN_CLICKED) : 0, 0);
        EXPECT_EQ(FindWindowA(LogoWindowClass, nullptr), nullptr) << press;
    }
    CreateLogoWindow(nullptr);
    HWND logo = FindWindowA(LogoWindowClass, nullptr);
    ASSERT_NE(logo, nullptr);
    SetTimer(window_, TIMER_LOGO, 60000, nullptr);
    SendMessageA(window_, WM_TIMER, TIMER_LOGO, 0);
    EXPECT_FALSE(IsWindow(logo));
    EXPECT_FALSE(KillTimer(window_, TIMER_LOGO)); // its work done, the timer is gone
}

// The About box as the daybook opens it, beside the template as stored.
TEST_F(InfoWindows, AboutGrowsByTheNoticeStripAndItsCreditsReturnToIt) {
    HWND stored =
        CreateDialogParamA(ResourceModule, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, TemplateOnly, 0);
    ASSERT_NE(stored, nullptr);
    RECT storedFrame;
    GetWindowRect(stored, &storedFrame);
    const int ids[] = {
        IDC_ABOUT_TITLE,   IDC_ABOUT_COPYRIGHT, IDC_ABOUT_WEB_PAGE, IDC_ABOUT_SUPPORT,
        IDC_ABOUT_PICTURE, IDC_ABOUT_ANIMATION, IDC_ABOUT_CREDITS,  IDOK};
    std::vector<RECT> storedPlaces;
    for (int id : ids)
        storedPlaces.push_back(PlaceInParent(GetDlgItem(stored, id)));

    std::string title, credits;
    bool aboutStayed = false;
    ASSERT_TRUE(RunFromMainWindow(CMD_ABOUT, "", [&](HWND about) {
        title = ControlText(about, IDC_ABOUT_TITLE);
        RECT frame, client;
        GetWindowRect(about, &frame);
        GetClientRect(about, &client);
        EXPECT_EQ(frame.bottom - frame.top, storedFrame.bottom - storedFrame.top + 15);
        EXPECT_EQ(frame.right - frame.left, storedFrame.right - storedFrame.left);
        for (size_t i = 0; i < storedPlaces.size(); ++i) {
            RECT place = PlaceInParent(GetDlgItem(about, ids[i]));
            EXPECT_EQ(place.top, storedPlaces[i].top + 15) << ids[i];
            EXPECT_EQ(place.left, storedPlaces[i].left) << ids[i];
        }
        HWND notice = GetDlgItem(about, IDC_NOTICE_LINE);
        ASSERT_NE(notice, nullptr);
        RECT strip = PlaceInParent(notice);
        EXPECT_EQ(strip.left, 10);
        EXPECT_EQ(strip.top, 2);
        EXPECT_EQ(strip.right - strip.left, client.right - 20);
        EXPECT_EQ(strip.bottom - strip.top, 15);
        RECT inner; // no frame: the whole line is its client area
        GetClientRect(notice, &inner);
        EXPECT_TRUE(inner.right == strip.right - strip.left && inner.bottom == 15);
        EXPECT_EQ(ControlText(about, IDC_NOTICE_LINE), TEXT_MARKETER_NOTICE);
        RedrawWindow(notice, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        // The line as drawn, in its own colour, where the display has that colour exactly.
        std::vector<uint32_t> drawn = ShownPixels(notice, strip.right - strip.left, 15);
        if (ScreenReadsBack()) {
            EXPECT_GT(std::count(drawn.begin(), drawn.end(), 0x7A7A75u), 0);
            // Right-aligned, straight on the black: no box behind the letters.
            int rightmost = -1, width = strip.right - strip.left;
            for (size_t i = 0; i < drawn.size(); ++i)
                if ((drawn[i] & 0xFFFFFF) != 0)
                    rightmost = std::max(rightmost, static_cast<int>(i % width));
            EXPECT_GE(rightmost, width - 4);
            EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 0xFFFFFFu), 0);
        }
        EXPECT_EQ(ControlText(about, IDC_ABOUT_SUPPORT), LoadText(IDS_SUPPORT_CONTACT));
        HDC dc = GetDC(about);
        LOGBRUSH back = {}; // the texts' colours, and the box's black
        GetObjectA(reinterpret_cast<HGDIOBJ>(
                       SendMessageA(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0)),
                   sizeof back, &back);
        EXPECT_EQ(GetTextColor(dc), RGB(245, 245, 234));
        EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
        EXPECT_EQ(back.lbColor, RGB(0, 0, 0));
        ReleaseDC(about, dc);
        const struct {
            int id;
            const char* font;
        } fonts[] = {{IDC_ABOUT_TITLE, "Times New Roman 32 700"},
                     {IDC_ABOUT_COPYRIGHT, "ARIAL 20 700"},
                     {IDC_ABOUT_WEB_PAGE, "ARIAL 20 700"},
                     {IDC_ABOUT_SUPPORT, "ARIAL 15 400"},
                     {IDC_NOTICE_LINE, "ARIAL 13 0"}};
        for (const auto& f : fonts)
            EXPECT_EQ(FontOf(about, f.id), f.font) << f.id;

        // The animation: a frame drawn and the next one different, only above 256 colours.
        Canvas first(30, 60), second(30, 60);
        DRAWITEMSTRUCT item = first.DrawItem(IDC_ABOUT_ANIMATION);
        SendMessageA(about, WM_DRAWITEM, IDC_ABOUT_ANIMATION, reinterpret_cast<LPARAM>(&item));
        SendMessageA(about, WM_TIMER, TIMER_ABOUT_ANIMATION, 0);
        item = second.DrawItem(IDC_ABOUT_ANIMATION);
        SendMessageA(about, WM_DRAWITEM, IDC_ABOUT_ANIMATION, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(first.Pixels() != second.Pixels(), ScreenColourDepth() > 8);
        for (int tick = 1; tick < IDB_ABOUT_FRAME_COUNT; ++tick) // and round to the first again
            SendMessageA(about, WM_TIMER, TIMER_ABOUT_ANIMATION, 0);
        Canvas again(30, 60);
        item = again.DrawItem(IDC_ABOUT_ANIMATION);
        SendMessageA(about, WM_DRAWITEM, IDC_ABOUT_ANIMATION, reinterpret_cast<LPARAM>(&item));
        EXPECT_TRUE(again.Pixels() == first.Pixels());
        if (ScreenReadsBack()) { // and on the screen, moved on by the box's own timer
            HWND animation = GetDlgItem(about, IDC_ABOUT_ANIMATION);
            std::vector<uint32_t> before = ShownPixels(animation, 30, 60);
            EXPECT_TRUE(WaitUntil([&] { return ShownPixels(animation, 30, 60) != before; }, 1000) ==
                        (ScreenColourDepth() > 8));
        }
        EXPECT_EQ(first.Changed() > 0, ScreenColourDepth() > 8);
        EXPECT_GT(Drawn(about, IDC_ABOUT_PICTURE, 124, 238), 10000);
        ExpectDialogConventions(about, IDOK);

        SendMessageA(about, WM_COMMAND, IDCANCEL, 0); // Escape does nothing
        PostMessageA(about, WM_COMMAND, IDC_ABOUT_CREDITS, 0);
        HWND box = WaitForOwnedWindow(about);
        ASSERT_NE(box, nullptr);
        DWORD_PTR answer;
        SendMessageTimeoutA(box, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
        credits = ControlText(box, IDC_CREDITS_TEXT);
        ExpectDialogConventions(box, IDOK);
        SendMessageA(box, WM_COMMAND, IDCANCEL, 0); // nor here
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        aboutStayed = WaitUntilGone(box) && IsWindowVisible(about);
        PostMessageA(about, WM_COMMAND, IDOK, 0);
    }));
    DestroyWindow(stored);
    EXPECT_TRUE(aboutStayed);
    EXPECT_EQ(title, "Tavrin: A Morvest Daybook\231 version 2.0d");
    std::string expected = LoadText(IDS_CREDITS_HEADING);
    expected += LoadText(IDS_CREDITS_TRADEMARKS);
    expected += LoadText(IDS_CREDITS_COPYRIGHT);
    EXPECT_EQ(credits, expected);
    EXPECT_EQ(credits.rfind("Credits and Legalities\r\n\r\n", 0), 0u);
}

TEST_F(InfoWindows, TheSaversAboutHasItsLetterAndTheTemplatesSize) {
    HWND stored =
        CreateDialogParamA(ResourceModule, MAKEINTRESOURCEA(IDD_ABOUT), nullptr, TemplateOnly, 0);
    RECT storedFrame, frame = {};
    GetWindowRect(stored, &storedFrame);
    DestroyWindow(stored);
    std::string title;
    bool noNotice = false;
    WhenWindowAppears driver("#32770", "", [&](HWND about) {
        title = ControlText(about, IDC_ABOUT_TITLE);
        GetWindowRect(about, &frame);
        noNotice = GetDlgItem(about, IDC_NOTICE_LINE) == nullptr;
        PostMessageA(about, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(ShowAboutBox(window_, 'b', nullptr));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(title, "Tavrin: A Morvest Daybook\231 version 2.0b");
    EXPECT_EQ(frame.bottom - frame.top, storedFrame.bottom - storedFrame.top);
    EXPECT_TRUE(noNotice);
}

// Under HKCU, a root of the daybook's own for the registry reading, removed afterwards.
class RegistryRoot {
  public:
    RegistryRoot() {
        RegCreateKeyExA(HKEY_CURRENT_USER, Path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
    }
    ~RegistryRoot() {
        RegCloseKey(key_);
        SHDeleteKeyA(HKEY_CURRENT_USER, Path);
    }
    void Set(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
        HKEY sub;
        RegCreateKeyExA(key_, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr);
        RegSetValueExA(sub, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(sub);
    }
    void SetText(const char* subkey, const char* name, const std::string& text) {
        Set(subkey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    HKEY key() const { return key_; }
    static constexpr const char* Path = "Software\\TavrinTest";

  private:
    HKEY key_ = nullptr;
};

const char WindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char NtKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

TEST(RegistryText, AnyTypeOrLengthGivesATerminatedLineOrNone) {
    RegistryRoot root;
    const DWORD number = 42;
    const std::string longest(MAX_PATH - 1, 'a'), tooLong(MAX_PATH, 'b');
    root.Set("v", "dword", REG_DWORD, &number, sizeof number);
    root.Set("v", "binary", REG_BINARY, "xyz", 3);
    root.Set("v", "unterminated", REG_SZ, "abcde", 5);
    root.Set("v", "unterminatedFull", REG_SZ, tooLong.data(), MAX_PATH);
    root.SetText("v", "longest", longest);
    root.SetText("v", "tooLong", tooLong + tooLong);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(root.key(), "v", 0, KEY_READ, &key), ERROR_SUCCESS);
    struct {
        const char* name;
        bool read;
        std::string text;
    } cases[] = {{"dword", false, ""},       {"binary", false, ""},
                 {"missing", false, ""},     {"unterminated", true, "abcde"},
                 {"longest", true, longest}, {"unterminatedFull", false, ""},
                 {"tooLong", false, ""}};
    for (const auto& c : cases) {
        char buffer[MAX_PATH + 8];
        memset(buffer, 'z', sizeof buffer);
        buffer[0] = '\0';
        EXPECT_EQ(ReadRegistryText(key, c.name, buffer, MAX_PATH), c.read) << c.name;
        EXPECT_EQ(buffer, c.text) << c.name;
        EXPECT_EQ(buffer[MAX_PATH], 'z') << c.name; // nothing written beyond the buffer
    }
    RegCloseKey(key);
}

TEST(RegistryText, TheWindowsNtKeyAnswersWhileALineIsStillEmpty) {
    struct {
        const char *firstOwner, *firstOrganisation, *secondOwner, *secondOrganisation;
        const char *owner, *organisation;
    } cases[] = {
        {"Ada", "Mill", "Bea", "Loom", "Ada", "Mill"}, // the first key is enough
        {nullptr, nullptr, "Bea", "Loom", "Bea", "Loom"},
        {"Ada", nullptr, "Bea", "Loom", "Bea", "Loom"}, // both again from the second key
        {"Ada", nullptr, nullptr, "Loom", "Ada", "Loom"},
        {nullptr, nullptr, nullptr, nullptr, "", ""},
    };
    for (const auto& c : cases) {
        RegistryRoot root;
        const char* values[] = {c.firstOwner, c.firstOrganisation, c.secondOwner,
                                c.secondOrganisation};
        for (int i = 0; i < 4; ++i)
            if (values[i] != nullptr)
                root.SetText(i < 2 ? WindowsKey : NtKey,
                             i % 2 == 0 ? "RegisteredOwner" : "RegisteredOrganization", values[i]);
        char owner[MAX_PATH], organisation[MAX_PATH];
        ReadRegisteredNames(root.key(), owner, organisation);
        EXPECT_STREQ(owner, c.owner);
        EXPECT_STREQ(organisation, c.organisation);
    }
}

// Every box the main window opens gives it back as it was: the day picture, disabled while the
// calendar is open, enabled again, and the clock and stay-on-top timers running.
TEST_F(InfoWindows, TheMainWindowComesBackFromEveryBoxItOpens) {
    HWND picture = GetDlgItem(window_, IDC_MAIN_PICTURE);
    for (const Box& box : boxes_) {
        SCOPED_TRACE(box.command);
        bool pictureEnabled = true;
        ASSERT_TRUE(RunFromMainWindow(box.command, box.title, [&](HWND opened) {
            pictureEnabled = IsWindowEnabled(picture) != FALSE;
            PostMessageA(opened, WM_COMMAND, box.button, 0);
        }));
        EXPECT_EQ(pictureEnabled, box.command != CMD_CALENDAR);
        EXPECT_TRUE(IsWindowEnabled(picture));
        for (UINT_PTR timer : {TIMER_CLOCK, TIMER_STAY_ON_TOP}) // running if it can be stopped
            EXPECT_TRUE(KillTimer(window_, timer)) << timer;
    }
}

// While a box is open the daybook's clock and stay-on-top timers rest (System Information's
// excepted): no tick comes, and a short DelayTime does not close the window from under the box.
TEST_F(InfoWindows, TheClockRestsWhileABoxIsOpen) {
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, CountClockTicks, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    Counted = window_;
    for (const Box& box : boxes_) {
        ClockTicks = 0;
        ASSERT_TRUE(RunFromMainWindow(box.command, box.title, [&](HWND opened) {
            DelayTime = box.restsClock ? 1 : 0; // a tick would close the window
            Counting = true;
            Sleep(1500);
            Counting = false;
            DelayTime = 0;
            PostMessageA(opened, WM_COMMAND, box.button, 0);
        }));
        ASSERT_TRUE(IsWindow(window_)) << box.command;
        EXPECT_EQ(ClockTicks == 0, box.restsClock) << box.command << ": " << ClockTicks;
    }
    UnhookWindowsHookEx(hook);
}

TEST_F(InfoWindows, SystemInformationShowsTheScreenItsColoursAndTheOwner) {
    HDC screen = GetDC(nullptr);
    int depth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    std::string colours = FormatThousands(ColourCount(depth));
    // In a virtual screen of known depth, the count is checked against the figure itself.
    if (const char* made = getenv("TAVRIN_SCREEN_DEPTH")) {
        struct {
            int made, reported, alsoReported; // a 24-bit X screen is reported as 32 bits
            const char* colours;
        } screens[] = {{8, 8, 8, "256"}, {16, 16, 16, "65,536"}, {24, 24, 32, "16,777,216"}};
        for (const auto& s : screens)
            if (atoi(made) == s.made) {
                EXPECT_TRUE(depth == s.reported || depth == s.alsoReported) << depth;
                EXPECT_EQ(colours, s.colours);
            }
    }
    // The names registered for the machine, with an organisation (the prefix has none).
    RegistryValue registered("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                             "RegisteredOrganization", HKEY_LOCAL_MACHINE);
    registered.SetText("Morvest Works");
    char owner[MAX_PATH], organisation[MAX_PATH];
    ReadRegisteredNames(HKEY_LOCAL_MACHINE, owner, organisation);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    char versionLine[200];
    FormatWindowsVersion(version.dwMajorVersion, version.dwMinorVersion, version.szCSDVersion,
                         versionLine, sizeof versionLine);
    bool closedByEscape = false;
    ASSERT_TRUE(RunFromMainWindow(CMD_SYSTEM_INFORMATION, "System Information", [&](HWND box) {
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_WIDTH),
                  std::to_string(GetSystemMetrics(SM_CXSCREEN)));
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_HEIGHT),
                  std::to_string(GetSystemMetrics(SM_CYSCREEN)));
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_NETWORK),
                  GetSystemMetrics(SM_NETWORK) ? "Yes" : "No");
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_SLOW),
                  GetSystemMetrics(SM_SLOWMACHINE) ? "Yes" : "No");
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_COLOURS),
                  "Your present Windows screen driver can display images having up to " + colours +
                      " colours without dithering.");
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_VERSION), versionLine);
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_OWNER), owner);
        EXPECT_EQ(ControlText(box, IDC_SYSINFO_ORGANIZATION), organisation);
        ExpectDialogConventions(box, IDOK);
        EXPECT_GT(Drawn(box, IDC_SYSINFO_PICTURE), 1000);
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        closedByEscape = WaitUntilGone(box);
    }));
    EXPECT_TRUE(closedByEscape);
    EXPECT_NE(organisation[0], '\0');
}

// A 2 by 2 masked picture (stored 2 by 4) of 8 bits: the left pixel is image (colour 1), the
// right one transparent. Its colours-used field is given.
std::vector<unsigned char> MaskedPicture(uint32_t coloursUsed) {
    std::vector<unsigned char> bits(40 + 256 * 4 + 4 * 4, 0);
    BITMAPINFOHEADER header = {sizeof header, 2, 4, 1, 8, BI_RGB, 16, 0, 0, coloursUsed, 0};
    memcpy(bits.data(), &header, sizeof header);
    unsigned char* table = bits.data() + 40;
    const unsigned char colours[][3] = {{0, 0, 0}, {0, 0, 255}, {255, 255, 255}}; // blue-green-red
    for (int i = 0; i < 3; ++i)
        memcpy(table + 4 * i, colours[i], 3);
    unsigned char* rows = table + 256 * 4; // bottom row first: mask rows, then image rows
    const unsigned char pixels[4][2] = {{0, 2}, {0, 2}, {1, 0}, {1, 0}};
    for (int row = 0; row < 4; ++row)
        memcpy(rows + 4 * row, pixels[row], 2);
    return bits;
}

TEST_F(InfoWindows, AMaskedPictureShowsTheBackgroundWhereItsMaskIsWhite) {
    for (uint32_t coloursUsed : {0u, 256u}) {
        std::vector<unsigned char> bits = MaskedPicture(coloursUsed);
        PictureResource picture = {bits.data(), static_cast<DWORD>(bits.size())};
        Canvas canvas(2, 2);
        canvas.Fill(0x0000FF00);
        DrawMaskedPicture(canvas.dc(), 0, 0, &picture);
        std::vector<uint32_t> pixels = canvas.Pixels();
        EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u) << coloursUsed; // the image's red
        EXPECT_EQ(pixels[1] & 0xFFFFFF, 0x00FF00u) << coloursUsed; // the background
    }
    // Picture 1092 itself: its corners show the background, its middle the computer.
    Canvas canvas(148, 192);
    canvas.Fill(0x0000FF00);
    PictureResource picture;
    ASSERT_TRUE(LoadPicture(ResourceModule, IDB_SYSINFO_PICTURE, &picture));
    DrawMaskedPicture(canvas.dc(), 0, 0, &picture);
    std::vector<uint32_t> pixels = canvas.Pixels();
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(pixels[148 * 192 - 1] & 0xFFFFFF, 0x00FF00u);
    EXPECT_NE(pixels[96 * 148 + 74] & 0xFFFFFF, 0x00FF00u);
}

TEST_F(InfoWindows, TheDisplayCheckStoresItsBoxOnDoneOrEscapeAndHelpNeedsNoWarning) {
    struct {
        bool clear;
        int button;
        uint32_t stored;
    } cases[] = {{false, IDOK, 1}, {true, IDOK, 0}, {true, IDCANCEL, 0}, {false, IDCANCEL, 1}};
    for (const auto& c : cases) {
        ShowDriverMessage = 7;
        bool checked = false;
        WhenWindowAppears driver("#32770", "", [&](HWND box) {
            checked = IsDlgButtonChecked(box, IDC_DRIVER_SHOW_AGAIN) == BST_CHECKED;
            EXPECT_GT(Drawn(box, IDC_DRIVER_PICTURE), 1000);
            ExpectDialogConventions(box, IDOK);
            if (c.clear)
                SendDlgItemMessageA(box, IDC_DRIVER_SHOW_AGAIN, BM_CLICK, 0, 0);
            PostMessageA(box, WM_COMMAND, c.button, 0);
        });
        EXPECT_EQ(ShowChangeDriverBox(window_), 1);
        ASSERT_TRUE(driver.Acted());
        EXPECT_TRUE(checked);
        EXPECT_EQ(ShowDriverMessage, c.stored) << c.clear << c.button;
    }
    // Brought back to the front, a palette display draws the picture again, in its own colours.
    HWND box =
        CreateDialogParamA(ResourceModule, "ChangeDriverBox", window_, ChangeDriverBoxProc, 0);
    HWND picture = GetDlgItem(box, IDC_DRIVER_PICTURE);
    ShowWindow(box, SW_SHOWNA);
    for (WPARAM active : {FALSE, TRUE}) {
        ValidateRect(picture, nullptr);
        SendMessageA(box, WM_ACTIVATEAPP, active, 0);
        EXPECT_EQ(GetUpdateRect(picture, nullptr, FALSE) != FALSE,
                  active && ScreenColourDepth() <= 8);
    }
    DestroyWindow(box);

    // Help opens its document: the display check's straight away, even with the manual warning
    // on; System Information's at its topic of the reference.
    std::string directory = "C:\\tavrin-info";
    CreateDirectoryA(directory.c_str(), nullptr);
    CreateDirectoryA((directory + "\\html").c_str(), nullptr);
    for (const char* page : {"drivers.htm", "referenc.htm"})
        ASSERT_TRUE(WriteFileBytes(directory + "\\html\\" + page, "<html></html>"));
    lstrcpynA(ApplicationPath, (directory + "\\").c_str(), sizeof ApplicationPath);
    FakeBrowser browser;
    ASSERT_TRUE(browser.InstallIn(directory + "\\browser"));
    auto driverBox = [this](const std::function<void(HWND)>& act) {
        WhenWindowAppears driver("#32770", "", act);
        ShowChangeDriverBox(window_);
        return driver.Acted();
    };
    auto systemInformation = [this](const std::function<void(HWND)>& act) {
        return RunFromMainWindow(CMD_SYSTEM_INFORMATION, "System Information", act);
    };
    const struct {
        std::function<bool(const std::function<void(HWND)>&)> open;
        int help;
        uint32_t warn;
        const char* document;
    } helps[] = {{driverBox, IDC_DRIVER_HELP, 1, "drivers.htm"},
                 {systemInformation, IDC_SYSINFO_HELP, 0, "referenc.htm#SysInfo"}};
    for (const auto& help : helps) {
        WarnShowManual = help.warn;
        std::string command;
        ASSERT_TRUE(help.open([&](HWND box) {
            PostMessageA(box, WM_COMMAND, help.help, 0);
            command = browser.NextCommandLine();
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }));
        EXPECT_TRUE(command.size() > strlen(help.document) &&
                    command.compare(command.size() - strlen(help.document), std::string::npos,
                                    help.document) == 0)
            << command;
    }
}

TEST_F(InfoWindows, EachWindowOpenedAHundredTimesLeavesNoObjectBehind) {
    ShowStartupWindow = 1;
    StayOnTop = 0;
    auto closeWith = [](int button) {
        return [button](HWND box) { PostMessageA(box, WM_COMMAND, button, 0); };
    };
    ExpectNothingLeftBehind("each window", [&] {
        CreateLogoWindow(nullptr);
        HWND logo = FindWindowA(LogoWindowClass, nullptr);
        ASSERT_NE(logo, nullptr);
        for (int frame = 0; frame < 20; ++frame) { // past the last frame and round again
            SendMessageA(logo, WM_TIMER, TIMER_LOGO_ANIMATION, 0);
            UpdateWindow(logo);
        }
        CloseLogoWindow();
        ASSERT_TRUE(RunFromMainWindow(CMD_ABOUT, "", [](HWND about) {
            for (int frame = 0; frame < 35; ++frame)
                SendMessageA(about, WM_TIMER, TIMER_ABOUT_ANIMATION, 0);
            PostMessageA(about, WM_COMMAND, IDC_ABOUT_CREDITS, 0);
            HWND credits = WaitForOwnedWindow(about);
            if (credits != nullptr)
                PostMessageA(credits, WM_COMMAND, IDOK, 0);
            WaitUntilGone(credits);
            PostMessageA(about, WM_COMMAND, IDOK, 0);
        }));
        ASSERT_TRUE(
            RunFromMainWindow(CMD_SYSTEM_INFORMATION, "System Information", closeWith(IDOK)));
        WhenWindowAppears check("#32770", "", closeWith(IDOK));
        ShowChangeDriverBox(window_);
        ASSERT_TRUE(check.Acted());
    });
}

} // namespace
