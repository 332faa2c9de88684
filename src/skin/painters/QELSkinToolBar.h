#pragma once
// The tool-bar painter: the background is the skin's tool-bar picture
// stretched over the bar, or without one a vertical gradient from the
// tool-bar start colour to its end colour; buttons get the flat face (see
// QELSkinFlatButton.h): down while pressed or checked, hot under the mouse.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"
#include "painters/QELSkinFlatButton.h"

struct TToolButtonLook {
  bool Hot = false;
  bool Pressed = false;
  bool Checked = false;
  bool Enabled = true;
};

// The face a tool button shows: a disabled button is never hot or down.
TFlatFace ToolButtonFace(const TToolButtonLook& Look) noexcept;

void PaintToolBarBackground(TCanvas& Canvas, const RECT& Rect, const TPainterSkin& Skin);
// The button's face over Rect; false when the background shows instead.
bool PaintToolButton(TCanvas& Canvas, const RECT& Rect, const TToolButtonLook& Look, const TPainterSkin& Skin);
