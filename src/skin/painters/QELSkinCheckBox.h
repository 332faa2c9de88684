#pragma once
// The check-box painter, the model of the small box painters: the box is
// one frame of the skin's check-box picture over a square of the control's
// colour, at the edge the caption is not on; the control draws its own
// caption.
#include <windows.h>

#include "framework/Types.h"
#include "framework/stdctrls/CheckBox.h"
#include "graphics/Canvas.h"
#include "hook/QELSkinControlVCL.h"
#include "hook/QELSkinControlWnd.h"
#include "painters/PainterSkin.h"

// The look of a small box.
struct TCheckBoxLook {
  TCheckBoxState State = cbUnchecked;
  bool Enabled = true;
  bool BoxAtRight = false;  // the caption is on the box's left
  TColor Color = clBtnFace;  // the control's colour, under the box
};

// True when the caption is on the left of the box: taLeftJustify in
// left-to-right reading, anything else in right-to-left reading.
bool SmallBoxAtRight(TAlignment Alignment, bool RightToLeft) noexcept;

// Where the box goes in a client area of Client: at least 13 x 13 and at
// least the picture's size; at x = 0, or at the right edge less one pixel
// when BoxAtRight; centred in the height.
RECT SmallBoxRect(SIZE Client, SIZE Picture, bool BoxAtRight) noexcept;

// The frame of the skin's six: checked 1, grayed 2, unchecked 3; 4 to 6
// the same when disabled.
int CheckBoxFrameIndex(const TCheckBoxLook& Look) noexcept;

// Paints the box of a client area of Client size onto Canvas (client
// coordinates). Nothing when the skin has no check-box picture.
void PaintCheckBox(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TPainterSkin& Skin);

// The box of Look in Picture (one frame) onto Canvas: the box square in
// the control's colour, the frame over it at the square's top-left.
void PaintSmallBox(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TBitmap& Picture);

// ---- The skinners -----------------------------------------------------------------------

// The font colour of a small box's control: the skin's control font
// colour while the skin is active and the engine may change button fonts,
// the control's own otherwise.
class TSmallBoxFontColor {
 public:
  void Remember(TControl& Control);
  // The skin's colour when Skinned, else the remembered one.
  void Apply(TControl& Control, bool Skinned, TColor SkinColor);

 private:
  TColor saved_ = clWindowText;
};

// For TCustomCheckBox: the control draws itself and its caption; the box
// is painted over it after each paint, check change and double-click.
class TqelSkinCheckBox : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinCheckBox, TqelSkinControlVCL)
 public:
  TqelSkinCheckBox(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void Refresh() override;
  void Setup() override;
  void Teardown() override;

  // The look of the wrapped control now.
  TCheckBoxLook Look() const;

 private:
  TSmallBoxFontColor fontColor_;
};

// For a raw check box: the state from BM_GETCHECK, the box at the right
// with BS_LEFTTEXT, on the skin's form colour.
class TqelSkinWndCheckBox : public TqelSkinControlWnd {
  FW_CLASS(TqelSkinWndCheckBox, TqelSkinControlWnd)
 public:
  TqelSkinWndCheckBox(HWND handle, TqelSkinWindow& window) : TqelSkinControlWnd(handle, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;

  TCheckBoxLook Look() const;
};

// The look of a raw small box from its window.
TCheckBoxLook RawSmallBoxLook(HWND Window, TColor Color);
// Whether a message changes what a small box shows.
bool SmallBoxRepaintsAfter(UINT Msg) noexcept;
