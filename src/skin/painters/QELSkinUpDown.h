#pragma once
// The up-down painter: two arrow buttons side by side (one above the other
// for a vertical control) on the form colour, each framed in the tool-bar
// border colour; the pressed one is filled with the tool-bar down colour.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"

enum TUpDownHalf { udhNone, udhFirst, udhSecond };  // first: top (left when horizontal)

struct TUpDownLook {
  bool Horizontal = false;
  TUpDownHalf Pressed = udhNone;
  bool Enabled = true;
};

// The rectangle of one half of a client area of Client size.
RECT UpDownHalfRect(SIZE Client, bool Horizontal, TUpDownHalf Half) noexcept;
// The half a client point lies in.
TUpDownHalf UpDownHalfAt(SIZE Client, bool Horizontal, POINT At) noexcept;

void PaintUpDown(TCanvas& Canvas, SIZE Client, const TUpDownLook& Look, const TPainterSkin& Skin);
