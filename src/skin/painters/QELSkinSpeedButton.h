#pragma once
// The speed-button painter. Over the parent's colour the face is one of
// the skin's three button frames as a nine-grid — 3 while pressed (and
// enabled) or Down, 2 while hot and enabled, else 1 — or for a flat button
// the flat face in the tool-bar colours (see QELSkinFlatButton.h). A
// button that paints itself (Tag 999999) keeps its face: the skin only
// draws a 2-pixel frame in the button face colour with a line in the
// control border colour along its left edge.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"

constexpr int kSelfPaintedSpeedButtonTag = 999999;

struct TSpeedButtonLook {
  bool Pressed = false;
  bool Down = false;
  bool Hot = false;
  bool Enabled = true;
  bool Flat = false;
  bool SelfPainted = false;
  TColor ParentColor = clBtnFace;
};

// The button frame (1 normal, 2 hot, 3 down) a look shows.
int SpeedButtonFrameIndex(const TSpeedButtonLook& Look) noexcept;

// The face of a button of Size (no glyph, no caption).
void PaintSpeedButtonFace(TCanvas& Canvas, SIZE Size, const TSpeedButtonLook& Look, const TPainterSkin& Skin);
// The frame of a button that paints itself.
void PaintSelfPaintedFrame(TCanvas& Canvas, SIZE Size, const TPainterSkin& Skin);
