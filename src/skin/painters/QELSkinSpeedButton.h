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
#include "hook/QELSkinControlVCL.h"
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

// For TSpeedButton (a control without a window, painted on its parent's
// DC): takes over its painting and its background; presses still reach it.
// A self-painted button paints itself and gets only the frame. Glyph and
// caption are placed as on the push button.
class TqelSkinSpeedButton : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinSpeedButton, TqelSkinControlVCL)
 public:
  TqelSkinSpeedButton(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;

  TSpeedButtonLook Look() const;

 private:
  void PaintOn(HDC dc);
  void DrawGlyphAndCaption(TCanvas& canvas, SIZE size);
  TBitmap face_;
  HDC paintDC_ = nullptr;  // the parent's DC while a WM_PAINT is answered
};
