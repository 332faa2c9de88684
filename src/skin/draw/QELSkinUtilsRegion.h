#pragma once
// The outline of a skinned window, cut from the transparent pixels of its
// composed title and bottom pictures.
//
// Title band (when UseTitle; TH = TitleBitmap's height, else 0): the rows
// TitleMinY (0 for -1) up to and including TitleMaxY are scanned, or every
// row from TitleMinY on when TitleMinY >= TitleMaxY; in a scanned row each
// maximal run of pixels that differ from TransparentColor (across the
// bitmap's width) belongs to the window. Rows above the scan (when
// TitleMinY >= 1) and below it belong whole, across Width.
// Middle: (0, TH, Width, Height - BH) whole, BH = BottomBitmap's height
// when UseBottom, else 0.
// Bottom band (when UseBottom): the same rule at y = Height - BH with the
// bottom values; without UseBottom the rows (Height - BH, Height) whole.
// Scanned rows never reach past a bitmap's last row.
#include <windows.h>

#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/Color.h"
#include "graphics/GdiObjects.h"

struct TSkinRegionShape {
  const TBitmap* TitleBitmap = nullptr;
  const TBitmap* BottomBitmap = nullptr;
  int Width = 0;
  int Height = 0;
  TColor TransparentColor = clNone;
  int TitleMinY = -1;
  int TitleMaxY = -1;
  int BottomMinY = -1;
  int BottomMaxY = -1;
  bool UseTitle = false;
  bool UseBottom = false;
};

// The rectangles whose union is the outline (not merged, may touch).
std::vector<RECT> SkinRegionRects(const TSkinRegionShape& Layout);
// The outline as a region (null when it cannot be created).
UniqueRegion CreateSkinRegion(const TSkinRegionShape& Layout);

// Builds the outline and makes it Window's region, redrawing; the window
// then owns the region. False when Window is null or the region could not
// be made.
bool BuildSkinRegion(HWND Window, const TBitmap* TitleBitmap, const TBitmap* BottomBitmap, int Width, int Height,
                     TColor TransparentColor, int TitleMinY, int TitleMaxY, int BottomMinY, int BottomMaxY,
                     bool UseTitle, bool UseBottom);
