#include "pictures/picture_draw.h"

#include <cstdlib>
#include <cstring>

#include "database/day_entries.h"
#include "pictures/picture_format.h"
#include "pictures/tints.h"
#include "settings/settings.h"

bool LoadPicture(HMODULE module, int id, PictureResource* picture) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
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

// A logical palette of the picture's own colour table, selected and realised in the target as
// a foreground palette. nullptr for pictures without a colour table.
static HPALETTE RealisePicturePalette(HDC dc, const PictureInfo& info, const unsigned char* bits,
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
    const unsigned char* colour = bits + 40;
    for (uint32_t i = 0; i < info.colourCount; ++i, colour += 4)
        table.entries[i] = PALETTEENTRY{colour[2], colour[1], colour[0], 0};
    HPALETTE palette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&table));
    if (palette != nullptr) {
        *previous = SelectPalette(dc, palette, FALSE);
        RealizePalette(dc);
    }
    return palette;
}

// Draws a checked packed bitmap; every object made here is released before returning.
static void DrawCheckedBitmap(HDC dc, int x, int y, const PictureInfo& info,
                              const unsigned char* bits, DWORD rasterOperation) {
    HPALETTE previousPalette;
    HPALETTE palette = RealisePicturePalette(dc, info, bits, &previousPalette);
    const BITMAPINFO* header = reinterpret_cast<const BITMAPINFO*>(bits);
    HBITMAP bitmap = CreateDIBitmap(dc, &header->bmiHeader, CBM_INIT, bits + info.pixelOffset,
                                    header, DIB_RGB_COLORS);
    if (bitmap != nullptr) {
        HDC memory = CreateCompatibleDC(dc);
        if (memory != nullptr) {
            HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
            BitBlt(dc, x, y, info.width, info.height, memory, 0, 0, rasterOperation);
            SelectObject(memory, previousBitmap);
            DeleteDC(memory);
        }
        DeleteObject(bitmap);
    }
    if (palette != nullptr) {
        SelectPalette(dc, previousPalette, FALSE);
        DeleteObject(palette);
    }
}

void DrawPicture(HDC dc, int x, int y, const PictureResource* picture, DWORD rasterOperation) {
    PictureInfo info;
    if (picture->bits == nullptr || !ReadPackedBitmapInfo(picture->bits, picture->size, &info))
        return;
    DrawCheckedBitmap(dc, x, y, info, static_cast<const unsigned char*>(picture->bits),
                      rasterOperation);
}

void DrawTintedPicture(HDC dc, int x, int y, const PictureResource* picture, DWORD rasterOperation,
                       uint32_t tint) {
    PictureInfo info;
    if (picture->bits == nullptr || !ReadPackedBitmapInfo(picture->bits, picture->size, &info))
        return;
    // The resource itself stays as stored: the colours are scaled in a private copy.
    unsigned char* copy = static_cast<unsigned char*>(malloc(info.totalSize));
    if (copy == nullptr)
        return;
    memcpy(copy, picture->bits, info.totalSize);
    ScaleColourTable(copy + 40, info.colourCount, tint);
    DrawCheckedBitmap(dc, x, y, info, copy, rasterOperation);
    free(copy);
}

void DrawPictureItem(HMODULE module, const DRAWITEMSTRUCT* item, int id) {
    PictureResource picture;
    if (LoadPicture(module, id, &picture))
        DrawPicture(item->hDC, item->rcItem.left, item->rcItem.top, &picture, SRCCOPY);
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

HBRUSH TintedTextOnBlack(HDC dc) {
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextColor(dc, GetTintColour(TintSelection));
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
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
}
