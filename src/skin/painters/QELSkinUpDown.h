#pragma once
// The up-down painter: two arrow buttons side by side (one above the other
// for a vertical control) on the form colour, each framed in the tool-bar
// border colour; the pressed one is filled with the tool-bar down colour.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"
#include "hook/QELSkinControlVCL.h"

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

// For TCustomUpDown: takes over the control's painting; the half under a
// left-button press shows pressed until the button is released or the
// mouse leaves.
class TqelSkinUpDown : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinUpDown, TqelSkinControlVCL)
 public:
  TqelSkinUpDown(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void MouseLeft() override;

  TUpDownHalf PressedHalf() const noexcept { return pressed_; }
  TUpDownLook Look() const;

 private:
  void PaintFace(TCanvas& canvas, SIZE size);
  void RecordPress(const TMessage& message);
  void ReleasePress();
  TBitmap face_;
  TUpDownHalf pressed_ = udhNone;
};
