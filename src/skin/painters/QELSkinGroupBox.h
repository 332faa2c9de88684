#pragma once
// The group-box painter: a one-pixel frame in the skin's control border
// colour from half a text height down, broken by the caption, which stands
// 8 pixels from the left edge (from the right in right-to-left reading) on
// the control's colour.
#include <windows.h>

#include <string>

#include "graphics/Canvas.h"
#include "graphics/Font.h"
#include "painters/PainterSkin.h"

struct TGroupBoxLook {
  std::wstring Caption;
  TColor Color = clBtnFace;
  bool Enabled = true;
  bool RightToLeft = false;
};

// Where the caption goes (empty when there is none) and the frame's
// rectangle, with Canvas's font.
struct TGroupBoxLayout {
  RECT Caption{};
  RECT Frame{};
};
TGroupBoxLayout GroupBoxLayout(TCanvas& Canvas, SIZE Client, const TGroupBoxLook& Look);

// The whole face of a client area of Client size, in Canvas's font.
void PaintGroupBox(TCanvas& Canvas, SIZE Client, const TGroupBoxLook& Look, const TPainterSkin& Skin);
