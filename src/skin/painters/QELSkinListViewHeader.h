#pragma once
// The list-view column header painter: on the form colour, a line in the
// control border colour along the bottom and one closing each column on
// its right, and each caption in the control font colour, shortened with
// "..." to its column and aligned as the column asks.
#include <windows.h>

#include <string>
#include <vector>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"

struct THeaderItemLook {
  RECT Rect{};
  std::wstring Text;
  int Format = 0;  // HDF_LEFT, HDF_CENTER or HDF_RIGHT (the HDF_JUSTIFYMASK bits)
};

struct THeaderLook {
  SIZE Size{};
  std::vector<THeaderItemLook> Items;
};

// Room left of and right of a caption inside its column.
constexpr int kHeaderTextMargin = 6;

// The caption as drawn in a column of Width pixels, in Canvas's font.
std::wstring HeaderCaption(TCanvas& Canvas, const std::wstring& Text, int Width);

void PaintListViewHeader(TCanvas& Canvas, const THeaderLook& Look, const TPainterSkin& Skin);
