#pragma once
// TCustomCheckBox / TCheckBox: a box that is checked, unchecked or (with
// AllowGrayed) grayed. A click, Space, or Alt and the caption's marked
// letter step the state: unchecked, grayed (when allowed), checked. Any
// change of State, also from code, raises OnClick. Alignment
// taLeftJustify puts the caption left and the box at the right edge.
#include "framework/stdctrls/ButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
inline constexpr std::string_view kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};

class TCustomCheckBox : public TButtonControl {
  FW_CLASS(TCustomCheckBox, TButtonControl)
 public:
  explicit TCustomCheckBox(TComponent* owner);

  // Attributes
  TCheckBoxState State() const noexcept { return state_; }
  void SetState(TCheckBoxState state);
  bool Checked() const override { return state_ == cbChecked; }
  void SetChecked(bool checked) override { SetState(checked ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const noexcept { return allowGrayed_; }
  void SetAllowGrayed(bool allow) noexcept { allowGrayed_ = allow; }
  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void ButtonClicked() override { Toggle(); }
  // The next state after a click.
  virtual void Toggle();

 private:
  void CMDialogChar(TMessage& message);

  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  FW_CLASS(TCheckBox, TCustomCheckBox)
 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
