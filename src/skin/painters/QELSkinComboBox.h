#pragma once
// The combo-box painter, drawn on the whole window after the control has
// drawn itself: an outer frame in the control border colour and inside it
// one in the control's colour; the button area filled with the skin's
// control colour, a separator line in the border colour on its inner side
// (left, or right in right-to-left reading) and a small down arrow.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"

struct TComboBoxLook {
  SIZE Size{};     // the window's
  RECT Button{};   // the button area in window coordinates (COMBOBOXINFO)
  bool Enabled = true;
  bool RightToLeft = false;
  TColor Color = clWindow;  // the control's
};

// The arrow's top-left (see DrawArrowDown) in a button area.
POINT ComboArrowOrigin(const RECT& Button) noexcept;

void PaintComboBoxFrame(TCanvas& Canvas, const TComboBoxLook& Look, const TPainterSkin& Skin);
