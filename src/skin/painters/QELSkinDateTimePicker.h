#pragma once
// The date-time picker: a drop-down wrapper whose button shows only for a
// date picked from a drop-down calendar. A time picker, or a date picker
// in up-down mode, instead gets a framework up-down aligned right in place
// of the platform's own up-down child, which is hidden while the skin is
// active; presses on it go to the platform's child at the same point, and
// it wears the skin's up-down (its wrapper belongs to the picker's). A
// picker whose Tag is 9998 keeps the platform's up-down. The check box of
// a picker with ShowCheckbox (the platform's "Button" child) wears the
// skin's check box on the picker's colour.
#include <windows.h>

#include <memory>

#include "framework/comctrls/UpDown.h"
#include "hook/QELSkinExtComboboxLikeControl.h"
#include "painters/QELSkinCheckBox.h"
#include "painters/QELSkinUpDown.h"

constexpr int kKeepNativeUpDownTag = 9998;

class TqelSkinDateTimePicker;

class TqelSkinInternalUpDown : public TUpDown {
  FW_CLASS(TqelSkinInternalUpDown, TUpDown)
 public:
  TqelSkinInternalUpDown(TComponent* owner, TqelSkinDateTimePicker& wrapper);
  void BeforeDestruction() override;

  void ForgetWrapper() noexcept { wrapper_ = nullptr; }

 protected:
  void WndProc(TMessage& message) override;

 private:
  void PassToNative(TMessage& message);

  TqelSkinDateTimePicker* wrapper_;
};

// The picker's check box: the raw check box's look, on the picker's colour.
class TqelSkinPickerCheckBox : public TqelSkinWndCheckBox {
  FW_CLASS(TqelSkinPickerCheckBox, TqelSkinWndCheckBox)
 public:
  TqelSkinPickerCheckBox(HWND handle, TqelSkinWindow& window) : TqelSkinWndCheckBox(handle, window) {}

  void SetBoxColor(TColor color) noexcept { boxColor_ = color; }
  void Paint() override;

 private:
  TColor boxColor_ = clWindow;
};

class TqelSkinDateTimePicker : public TqelSkinExtComboboxLikeControl {
  FW_CLASS(TqelSkinDateTimePicker, TqelSkinExtComboboxLikeControl)
 public:
  TqelSkinDateTimePicker(TControl& control, TqelSkinWindow& window) : TqelSkinExtComboboxLikeControl(control, window) {}
  ~TqelSkinDateTimePicker() override;

  TqelSkinInternalUpDown* UpDown() const noexcept { return upDown_; }
  TqelSkinUpDown* UpDownSkin() const noexcept { return upDownSkin_.get(); }
  TqelSkinPickerCheckBox* CheckBoxSkin() const noexcept { return checkBoxSkin_.get(); }
  // The platform's up-down child of the picker, or null.
  HWND NativeUpDown() const;

  void AfterMessage(TMessage& message) override;
  void Refresh() override;
  void Setup() override;
  void Teardown() override;

  void UpDownDestroyed(TqelSkinInternalUpDown* upDown) noexcept;

 protected:
  bool ButtonWanted() const override;

 private:
  bool UsesUpDown() const;
  void UpdateUpDown();
  void FreeUpDown() noexcept;
  void RemoveUpDownSkin() noexcept;
  // Wraps the platform's check box child, following a re-created one.
  void FollowCheckBox();
  void RemoveCheckBoxSkin() noexcept;

  TqelSkinInternalUpDown* upDown_ = nullptr;
  std::unique_ptr<TqelSkinUpDown> upDownSkin_;
  std::unique_ptr<TqelSkinPickerCheckBox> checkBoxSkin_;
};
