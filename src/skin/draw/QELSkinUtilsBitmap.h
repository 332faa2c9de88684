#pragma once
// Bitmap operations of the skin engine: cutting frames, turning, replacing
// a colour, stretching. All pixel work runs on the DIB memory of the
// framework's bitmaps (ScanLine), never through per-pixel GDI calls: the
// resources run these at every skin load.
//
// Colours are the framework's TColor (0x00BBGGRR). A skin colour that the
// skin lacks reads as -1 (kSkinColorAbsent); operations that take a colour
// to match or to write do nothing with it.
#include <windows.h>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Color.h"

constexpr TColor kSkinColorAbsent = -1;

// Dest becomes frame Index (1-based) of Count equal-width frames of Source:
// frame width = Source width div Count, starting at column width*(Index-1);
// Dest takes the frame's size and keeps its transparency settings. Nothing
// when Source is null or empty, Count < 1 or Index outside 1..Count.
void SliceBitmap(const TBitmap* Source, TBitmap& Dest, int Count, int Index);

// In place, 90 degrees counter-clockwise (the top edge becomes the left
// edge): new width = old height; pixel (x, y) moves to (y, oldWidth-1-x).
void RotateBitmap90(TBitmap& Bitmap);
// In place: pixel (x, y) moves to (width-1-x, height-1-y).
void RotateBitmap180(TBitmap& Bitmap);
// In place, 90 degrees clockwise: pixel (x, y) moves to (oldHeight-1-y, x).
void RotateBitmap270(TBitmap& Bitmap);

// A turned copy of Source: Degrees 90 (counter-clockwise, as
// RotateBitmap90), 180 or 270 (clockwise); any other value gives a plain
// copy. One new bitmap, no intermediate copy.
TBitmap TurnedBitmap(const TBitmap& Source, int Degrees);

// Every pixel of colour From becomes To (the framework's bitmaps are always
// one pixel format, so there is nothing to convert first). Nothing when
// either colour is absent (-1) or clNone.
void ReplaceBitmapColor(TBitmap& Bitmap, TColor From, TColor To);

// The whole bitmap stretched into Rect with the platform's halftone
// stretch mode (smooth when shrinking).
void StretchBitmap(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect);

// Each RGB channel of the resolved colour XOR 0xFF.
TColor InvertColor(TColor Color);

// Drawing a part of a bitmap with exact nearest-pixel scaling, composed in
// memory: Source (cut to the bitmap) is scaled into Dest. With UseKey,
// pixels equal to Key leave the canvas untouched (an image list masked by
// that colour draws the same); without, the part is copied opaque. The
// bitmap's own transparency settings are not consulted.
void DrawBitmapPart(TCanvas& Canvas, const RECT& Dest, const TBitmap& Bitmap, const RECT& Source, bool UseKey,
                    TColor Key);
