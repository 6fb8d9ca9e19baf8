// Drawing costs measured in one process, each against a plain baseline timed in turn with it.
//   picture_bench DAYBOOK
// prints
//   picture_us  DrawDayPicture of the largest day picture, tinted, against one plain
//               StretchDIBits of the same picture untinted (microseconds a draw)
//   step_us     one step of the saver's panel with the paints it causes, against moving a plain
//               window of the panel's size by the same distances (microseconds a step)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/day_display_win.h"
#include "app/shared_ui_win.h"
#include "database/database.h"
#include "pictures/picture_draw_win.h"
#include "pictures/picture_format.h"
#include "pictures/tints.h"
#include "resource.h"
#include "saver/saver_win.h"
#include "settings/settings.h"
#include "tests/wine/wine_fixtures.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

// Rounds of `batch` runs of each side in turn, the order swapping every round; the medians of
// the rounds, in microseconds a run.
void Compare(
    const char* figure, int batch, const std::function<void()>& ours,
    const std::function<void()>& baseline, const std::function<void(int)>& prepare = [](int) {}) {
    std::vector<double> times[2];
    for (int round = 0; round < 41; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            int side = (round + turn) % 2;
            prepare(side);
            double start = Now();
            for (int i = 0; i < batch; ++i)
                (side == 0 ? ours : baseline)();
            if (round > 0) // the first round warms up
                times[side].push_back((Now() - start) * 1e6 / batch);
        }
    }
    for (auto& t : times)
        std::sort(t.begin(), t.end());
    printf("%s %.2f %.2f\n", figure, times[0][times[0].size() / 2], times[1][times[1].size() / 2]);
}

int LargestDayPicture() {
    int largest = FallbackPictureId;
    DWORD largestSize = 0;
    for (int id = 2101; id <= 3231; ++id) {
        PictureResource picture;
        if (LoadPicture(ResourceModule, id, &picture) && picture.size > largestSize) {
            largest = id;
            largestSize = picture.size;
        }
    }
    return largest;
}

void ComparePictures() {
    int id = LargestDayPicture();
    PictureResource picture;
    PictureInfo info;
    if (!LoadPicture(ResourceModule, id, &picture) ||
        !ReadPackedBitmapInfo(picture.bits, picture.size, &info))
        return;
    Canvas canvas(128, 420);
    DRAWITEMSTRUCT item = canvas.DrawItem(IDC_MAIN_PICTURE);
    CurrentTintColour = GetTintColour(5);
    const unsigned char* bits = static_cast<const unsigned char*>(picture.bits);
    const BITMAPINFO* header = reinterpret_cast<const BITMAPINFO*>(bits);
    Compare(
        "picture_us", 200, [&] { DrawDayPicture(ResourceModule, &item, id); },
        [&] {
            StretchDIBits(canvas.dc(), 0, 420 - info.height, info.width, info.height, 0, 0,
                          info.width, info.height, bits + info.pixelOffset, header, DIB_RGB_COLORS,
                          SRCCOPY);
        });
}

void CompareSteps() {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HWND saver = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                                 nullptr, nullptr, nullptr, nullptr);
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_DLGFRAME, 0, 0, 760,
                                 520, saver, nullptr, nullptr, nullptr);
    CreateEntryFonts();
    HWND panel = CreatePanel(saver);
    if (panel == nullptr || SaverOrbit.points == nullptr) {
        fprintf(stderr, "no panel to step\n");
        return;
    }
    DrainMessages();
    int plainIndex = 0;
    Compare(
        "step_us", 50,
        [] {
            StepPanel();
            DrainMessages();
        },
        [&] {
            const OrbitPoint& point = SaverOrbit.points[plainIndex];
            plainIndex = NextOrbitIndex(SaverOrbit, plainIndex);
            MoveWindow(plain, point.x, point.y, 760, 520, TRUE);
            DrainMessages();
        },
        [&](int side) { // only the side being timed shows
            ShowWindow(side == 0 ? plain : panel, SW_HIDE);
            ShowWindow(side == 0 ? panel : plain, SW_SHOW);
            DrainMessages();
        });
    DestroyPanel(saver);
    DeleteEntryFonts();
    DestroyWindow(saver);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: picture_bench DAYBOOK\n");
        return 2;
    }
    UseResourcesOf(argv[1]);
    OwnModule = GetModuleHandleA(nullptr);
    ResetSettings(MainSettingsTable);
    ComparePictures();
    CompareSteps();
    return 0;
}
