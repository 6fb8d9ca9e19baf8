// Drawing the bitmap pictures with their own palettes, tinted or not.
#pragma once

#include <windows.h>

#include <cstdint>

// A bitmap resource found, loaded and locked.
struct PictureResource {
    const void* bits;
    DWORD size;
};

// Finds and locks bitmap id of the module (usually the ResourceModule); false when it is
// missing.
bool LoadPicture(HMODULE module, int id, PictureResource* picture);

// Width, height and bit count of bitmap id; false when it is missing or not a usable bitmap.
bool ReadPictureHeader(HMODULE module, int id, int32_t* width, int32_t* height, uint32_t* bitCount);

// Draws a picture untinted with its own palette, top-left corner at (x, y).
void DrawPicture(HDC dc, int x, int y, const PictureResource* picture, DWORD rasterOperation);

// The same with every colour of the picture's colour table scaled by the tint (0: no tint).
void DrawTintedPicture(HDC dc, int x, int y, const PictureResource* picture, DWORD rasterOperation,
                       uint32_t tint);

// Marks a focused picture button with the dotted focus rectangle just inside the area, which
// the caller has drawn afresh. Windows sets ODS_NOFOCUSRECT while the user has not used the
// keyboard in the window, so a focus that came from a click shows none.
void DrawFocusCue(const DRAWITEMSTRUCT* item, RECT area);

// Draws bitmap id of the module untinted at the item's top-left corner, with the focus cue
// inside the picture; a missing bitmap leaves the item undrawn. DrawPictureButton does the
// same with a picture already loaded.
void DrawPictureItem(HMODULE module, const DRAWITEMSTRUCT* item, int id);
void DrawPictureButton(const DRAWITEMSTRUCT* item, const PictureResource* picture);

// Draws a masked picture, whose stored height is twice the drawn one, at (x, y): its lower half
// (white where the background shows through) is ANDed onto the target, then its upper half (the
// image, black where transparent) XORed over it.
void DrawMaskedPicture(HDC dc, int x, int y, const PictureResource* picture);

// Answers a control-colour request with text of the colour on black: the black background
// colour and the black stock brush, which is never deleted. The logo and About use it.
HBRUSH TextOnBlack(HDC dc, COLORREF colour);

// Answers a control-colour request of the windows that show the day (the main window and the
// calendar): text in the current tint on black, with the black stock brush.
HBRUSH TintedTextOnBlack(HDC dc);

// Owner-draw of a day-picture button: black, with the day's picture (or the common picture
// 2100) in the current tint standing on the bottom edge, and the focus cue.
void DrawDayPicture(HMODULE module, const DRAWITEMSTRUCT* item, int pictureId);
