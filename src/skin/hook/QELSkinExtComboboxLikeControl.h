#pragma once
// TqelSkinExtComboboxLikeControl: the border wrapper plus a skinned
// drop-down button, for controls that show a drop-down arrow at their right
// edge (date pickers and the like).
//
// The button, a TqelSkinInternalComboButton, is a 16-pixel panel aligned
// right inside the control, owned by the window's form and shown while the
// skin is active and the control is visible. It fills itself with
// SKIN2_CONTROLCOLOR, draws a line in SKIN2_CONTROLBORDERCOLOR along its
// left edge and a small down arrow; a press or release on it goes to the
// control as the same press at that point of the control.
#include "framework/Panel.h"
#include "hook/QELSkinBorderControl.h"

class TqelSkinExtComboboxLikeControl;

class TqelSkinInternalComboButton : public TCustomPanel {
  FW_CLASS(TqelSkinInternalComboButton, TCustomPanel)
 public:
  TqelSkinInternalComboButton(TComponent* owner, TqelSkinExtComboboxLikeControl& wrapper);
  void BeforeDestruction() override;

  // The wrapper's control while both are there.
  TWinControl* HookedControl() const;
  void ForgetWrapper() noexcept { wrapper_ = nullptr; }

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void WMEraseBkgnd(TMessage& message);
  void PassToControl(TMessage& message);

  TqelSkinExtComboboxLikeControl* wrapper_;
};

class TqelSkinExtComboboxLikeControl : public TqelSkinBorderWinControl {
  FW_CLASS(TqelSkinExtComboboxLikeControl, TqelSkinBorderWinControl)
 public:
  TqelSkinExtComboboxLikeControl(TControl& control, TqelSkinWindow& window)
      : TqelSkinBorderWinControl(control, window) {}
  ~TqelSkinExtComboboxLikeControl() override;

  TqelSkinInternalComboButton* DropButton() const noexcept { return button_; }

  void AfterMessage(TMessage& message) override;
  void Paint() override;
  void Refresh() override;
  void Setup() override;
  void Teardown() override;

  void ButtonDestroyed(TqelSkinInternalComboButton* button) noexcept;

 protected:
  // Whether the button shows now (while the skin is active and the control
  // visible); painters narrow it (a date picker shows it in one mode only).
  virtual bool ButtonWanted() const;
  void UpdateButtonVisibility();

 private:
  void FreeButton() noexcept;

  TqelSkinInternalComboButton* button_ = nullptr;
};
