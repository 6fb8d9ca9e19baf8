// Every entry of the shipped daybook fits the main window's text area with the real font.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/day_entries.h"

namespace {

TEST(ContentFit, EveryEntryFitsTheTextAreaInItsFont) {
    ASSERT_TRUE(LoadDatabaseFile(TAVRIN_DATABASE_FILE));
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT fonts[2];
    for (int i = 0; i < 2; ++i)
        fonts[i] = CreateFontA(16 - i, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, "Arial");
    // The test only means something with Arial's metrics (Liberation Sans under Wine).
    HGDIOBJ previous = SelectObject(dc, fonts[0]);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    EXPECT_EQ(metrics.tmHeight, 16);
    SIZE sample;
    GetTextExtentPoint32A(dc, "The quick brown fox jumps over the lazy dog", 43, &sample);
    EXPECT_GT(sample.cx, 280);
    EXPECT_LT(sample.cx, 330);

    static const int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int measured = 0, tallest = 0;
    std::string tallestDay;
    for (int m = 0; m < 12; ++m) {
        for (int d = 1; d <= days[m]; ++d) {
            const char* text = GetEntryText(m, d);
            ASSERT_STRNE(text, MissingEntryText) << m + 1 << "/" << d;
            bool small = *text == '*';
            SelectObject(dc, fonts[small ? 1 : 0]);
            // The static text control wraps words in its 608-pixel width.
            RECT area = {0, 0, 608, 0};
            DrawTextA(dc, text + (small ? 1 : 0), -1, &area,
                      DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT);
            EXPECT_LE(area.bottom, 508) << MonthNames[m] << " " << d << " is too long";
            EXPECT_LE(area.right, 608) << MonthNames[m] << " " << d << " has a word too wide";
            if (area.bottom > tallest) {
                tallest = area.bottom;
                tallestDay = std::string(MonthNames[m]) + " " + std::to_string(d);
            }
            ++measured;
        }
    }
    EXPECT_EQ(measured, 366);
    printf("tallest entry: %s, %d of 508 pixels\n", tallestDay.c_str(), tallest);
    SelectObject(dc, previous);
    DeleteObject(fonts[0]);
    DeleteObject(fonts[1]);
    DeleteDC(dc);
    FreeDatabase();
}

} // namespace
