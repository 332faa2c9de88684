#pragma once
// The radio-button painter: a small box (see QELSkinCheckBox.h) from the
// skin's four radio-button frames.
#include "painters/QELSkinCheckBox.h"

// The frame of the skin's four: enabled checked 1, enabled unchecked 2,
// disabled checked 3, disabled unchecked 4 (a grayed state counts as
// unchecked).
int RadioButtonFrameIndex(const TCheckBoxLook& Look) noexcept;

// Paints the box; the frame's transparent colour shows the control's
// colour when Transparent.
void PaintRadioButton(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TPainterSkin& Skin,
                      bool Transparent);

// For TRadioButton: as the check box, the frame always drawn with the
// skin's transparent colour showing the control's colour.
class TqelSkinRadioButton : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinRadioButton, TqelSkinControlVCL)
 public:
  TqelSkinRadioButton(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void Refresh() override;
  void Setup() override;
  void Teardown() override;

  TCheckBoxLook Look() const;

 private:
  TSmallBoxFontColor fontColor_;
};

// For a raw radio button: the state from BM_GETCHECK; transparent as the
// skin's radio-button flag says.
class TqelSkinWndRadioButton : public TqelSkinControlWnd {
  FW_CLASS(TqelSkinWndRadioButton, TqelSkinControlWnd)
 public:
  TqelSkinWndRadioButton(HWND handle, TqelSkinWindow& window) : TqelSkinControlWnd(handle, window) {}

  void AfterMessage(TMessage& message) override;
  void Paint() override;
};
