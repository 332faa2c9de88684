#pragma once
// Drawing skin pictures made of parts: caps kept at their size, middles
// stretched. Scaling is nearest-pixel and exact (see DrawBitmapPart).
#include <windows.h>

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Color.h"

// Vertical three parts. Nothing when Rect.left < 0. CapHeight 0 means the
// bitmap's height div 3. The top min(Rect height, CapHeight) rows go to the
// top of Rect, the bottom CapHeight rows to its bottom, the rows between
// (CapHeight to height-CapHeight) are stretched between the caps. Every
// part takes Rect's width.
void DrawThreePartV(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, int CapHeight);
// The same across: left CapWidth columns, right CapWidth columns, middle
// stretched; every part takes Rect's height.
void DrawThreePartH(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, int CapWidth);

// The bitmap holds three equal-width frames: left cap, middle, right cap.
// Rect narrower than one frame: frame 1 cut to Rect's width at Rect's
// top-left. Otherwise frame 1 at the left, frame 3 at the right and frame
// 2 stretched between them, all at the bitmap's height. Masked by
// TransparentColor when Transparent, opaque otherwise.
void DrawThreeFrameBar(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, TColor TransparentColor,
                       bool Transparent);

// The bitmap split at half its size into corners, edges and centre, laid
// out over Rect: corners 1:1 (cut to the room they have, keeping the part
// next to the outer corner; masked by TransparentColor when Transparent),
// edges and centre stretched with TransparentColor always transparent.
// Nothing when Rect is empty. A source of even height has no rows of its
// own for the left edge and the centre; they then stretch the middle row
// (the row the right edge uses).
void DrawNineGrid(const TBitmap& Bitmap, TCanvas& Canvas, const RECT& Rect, TColor TransparentColor,
                  bool Transparent);
