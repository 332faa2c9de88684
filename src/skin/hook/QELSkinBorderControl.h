#pragma once
// The border wrappers: a one-pixel skinned border round a control, the
// native border painted over after every message that may have drawn it.
//
// TqelSkinBorderWinControl (a framework control) draws, on the control's
// whole-window DC, an outer frame in SKIN2_CONTROLBORDERCOLOR and one pixel
// inside it a frame in the control's published "Color" (SKIN2_CONTROLCOLOR
// for a control without one). A control has no border when its published
// "BorderStyle" is bsNone (or of a type other than TBorderStyle and
// TFormBorderStyle), its published "BevelEdges" or "EdgeBorders" is
// empty, or its class or its form's class is in the no-border list.
//
// TqelSkinBorderWndControl (a raw window): the outer frame in
// SKIN2_CONTROLBORDERCOLOR, the inner one in the platform's window colour.
#include "hook/QELSkinControlVCL.h"
#include "hook/QELSkinControlWnd.h"

class TWinControl;

class TqelSkinBorderWinControl : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinBorderWinControl, TqelSkinControlVCL)
 public:
  TqelSkinBorderWinControl(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;

  // Whether control gets the border (the published-property rules above).
  static bool WantsBorder(const TWinControl& control);

 protected:
  // The wrapped control when it has a window, else null.
  TWinControl* WindowedControl() const;
};

class TqelSkinBorderWndControl : public TqelSkinControlWnd {
  FW_CLASS(TqelSkinBorderWndControl, TqelSkinControlWnd)
 public:
  TqelSkinBorderWndControl(HWND handle, TqelSkinWindow& window) : TqelSkinControlWnd(handle, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;
};
