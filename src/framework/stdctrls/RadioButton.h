#pragma once
// TRadioButton: one choice of a group, the radio buttons with the same
// parent. Checking one unchecks the others; only the checked one is a tab
// stop, and the arrow keys move the focus (and the check) between them.
// Checking raises OnClick.
#include "framework/stdctrls/ButtonControl.h"

class TRadioButton : public TButtonControl {
  FW_CLASS(TRadioButton, TButtonControl)
 public:
  explicit TRadioButton(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override;
  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void ButtonClicked() override { SetChecked(true); }

 private:
  void CMDialogChar(TMessage& message);
  void WMSetFocus(TMessage& message);

  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};
