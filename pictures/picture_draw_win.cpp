#include "pictures/picture_draw_win.h"

#include <cstdlib>
#include <cstring>

#include "database/day_entries.h"
#include "pictures/picture_format.h"
#include "pictures/tints.h"
#include "settings/settings.h"

bool LoadPicture(HMODULE module, int id, PictureResource* picture) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    picture->bits = loaded != nullptr ? LockResource(loaded) : nullptr;
    picture->size = picture->bits != nullptr ? SizeofResource(module, found) : 0;
    return picture->bits != nullptr;
}

bool ReadPictureHeader(HMODULE module, int id, int32_t* width, int32_t* height,
                       uint32_t* bitCount) {
    PictureResource picture;
    PictureInfo info;
    if (!LoadPicture(module, id, &picture) ||
        !ReadPackedBitmapInfo(picture.bits, picture.size, &info))
        return false;
    *width = info.width;
    *height = info.height;
    *bitCount = info.bitCount;
    return true;
}

// A logical palette of the picture's colour table, selected and realised in the target as a
// foreground palette. nullptr for pictures without a colour table.
static HPALETTE RealisePicturePalette(HDC dc, const PictureInfo& info, const BITMAPINFO* header,
                                      HPALETTE* previous) {
    *previous = nullptr;
    if (info.colourCount == 0)
        return nullptr;
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[256];
    } table;
    table.version = 0x300;
    table.count = static_cast<WORD>(info.colourCount);
    for (uint32_t i = 0; i < info.colourCount; ++i) {
        const RGBQUAD& colour = header->bmiColors[i];
        table.entries[i] = PALETTEENTRY{colour.rgbRed, colour.rgbGreen, colour.rgbBlue, 0};
    }
    HPALETTE palette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&table));
    if (palette != nullptr) {
        *previous = SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
    }
    return palette;
}

// Draws checked pixels with the given header and colour table in one call. Only a palette
// display needs the picture's own palette realised first; every object made here is released
// before returning.
static void DrawCheckedBitmap(HDC dc, int x, int y, const PictureInfo& info,
                              const BITMAPINFO* header, const unsigned char* pixels,
                              DWORD rasterOperation) {
    HPALETTE previousPalette = nullptr, palette = nullptr;
    if ((GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0)
        palette = RealisePicturePalette(dc, info, header, &previousPalette);
    StretchDIBits(dc, x, y, info.width, info.height, 0, 0, info.width, info.height, pixels, header,
                  DIB_RGB_COLORS, rasterOperation);
    if (palette != nullptr) {
        SelectPalette(dc, previousPalette, FALSE);
        DeleteObject(palette);
    }
}

void DrawPicture(HDC dc, int x, int y, const PictureResource* picture, DWORD rasterOperation) {
    PictureInfo info;
    if (picture->bits == nullptr || !ReadPackedBitmapInfo(picture->bits, picture->size, &info))
        return;
    const unsigned char* bits = static_cast<const unsigned char*>(picture->bits);
    DrawCheckedBitmap(dc, x, y, info, reinterpret_cast<const BITMAPINFO*>(bits),
                      bits + info.pixelOffset, rasterOperation);
}

void DrawTintedPicture(HDC dc, int x, int y, const PictureResource* picture, DWORD rasterOperation,
                       uint32_t tint) {
    PictureInfo info;
    if (picture->bits == nullptr || !ReadPackedBitmapInfo(picture->bits, picture->size, &info))
        return;
    // The resource itself stays as stored: the colours are scaled in a private copy of the
    // header and colour table, and the pixels are drawn from the resource.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } table;
    const unsigned char* bits = static_cast<const unsigned char*>(picture->bits);
    memcpy(&table, bits, sizeof table.header + 4 * info.colourCount);
    ScaleColourTable(reinterpret_cast<unsigned char*>(table.colours), info.colourCount, tint);
    DrawCheckedBitmap(dc, x, y, info, reinterpret_cast<const BITMAPINFO*>(&table),
                      bits + info.pixelOffset, rasterOperation);
}

void DrawFocusCue(const DRAWITEMSTRUCT* item, RECT area) {
    if ((item->itemState & ODS_FOCUS) == 0 || (item->itemState & ODS_NOFOCUSRECT) != 0)
        return;
    InflateRect(&area, -2, -2);
    // The dots invert what lies beneath them whatever colours the button's owner set.
    COLORREF text = SetTextColor(item->hDC, RGB(0, 0, 0));
    COLORREF background = SetBkColor(item->hDC, RGB(255, 255, 255));
    DrawFocusRect(item->hDC, &area);
    SetTextColor(item->hDC, text);
    SetBkColor(item->hDC, background);
}

void DrawPictureItem(HMODULE module, const DRAWITEMSTRUCT* item, int id) {
    PictureResource picture;
    if (LoadPicture(module, id, &picture))
        DrawPictureButton(item, &picture);
}

void DrawPictureButton(const DRAWITEMSTRUCT* item, const PictureResource* picture) {
    PictureInfo info;
    if (picture->bits == nullptr || !ReadPackedBitmapInfo(picture->bits, picture->size, &info))
        return;
    DrawPicture(item->hDC, item->rcItem.left, item->rcItem.top, picture, SRCCOPY);
    // Inside the picture, which every draw covers afresh, so no dots stay behind.
    RECT area = {item->rcItem.left, item->rcItem.top, item->rcItem.left + info.width,
                 item->rcItem.top + info.height};
    IntersectRect(&area, &area, &item->rcItem);
    DrawFocusCue(item, area);
}

void DrawMaskedPicture(HDC dc, int x, int y, const PictureResource* picture) {
    PictureInfo info;
    if (picture->bits == nullptr || !ReadPackedBitmapInfo(picture->bits, picture->size, &info))
        return;
    // The pixels follow the full colour table of the bit count, whatever the colours-used field
    // says (a 0 there means the full table too).
    const unsigned char* bits = static_cast<const unsigned char*>(picture->bits);
    const BITMAPINFO* header = reinterpret_cast<const BITMAPINFO*>(bits);
    HBITMAP bitmap = CreateDIBitmap(dc, &header->bmiHeader, CBM_INIT, bits + info.pixelOffset,
                                    header, DIB_RGB_COLORS);
    if (bitmap == nullptr)
        return;
    HDC memory = CreateCompatibleDC(dc);
    if (memory != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        int half = info.height / 2;
        BitBlt(dc, x, y, info.width, half, memory, 0, half, SRCAND);
        BitBlt(dc, x, y, info.width, half, memory, 0, 0, SRCINVERT);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
}

HBRUSH TextOnBlack(HDC dc, COLORREF colour) {
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextColor(dc, colour);
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

HBRUSH TintedTextOnBlack(HDC dc) {
    return TextOnBlack(dc, GetTintColour(TintSelection));
}

void DrawDayPicture(HMODULE module, const DRAWITEMSTRUCT* item, int pictureId) {
    int32_t width, height;
    uint32_t bitCount;
    if (!ReadPictureHeader(module, pictureId, &width, &height, &bitCount)) {
        pictureId = FallbackPictureId;
        if (!ReadPictureHeader(module, pictureId, &width, &height, &bitCount))
            return;
    }
    FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    PictureResource picture;
    if (!LoadPicture(module, pictureId, &picture))
        return;
    DrawTintedPicture(item->hDC, item->rcItem.left, item->rcItem.bottom - height, &picture, SRCCOPY,
                      CurrentTintColour);
    DrawFocusCue(item, item->rcItem);
}
