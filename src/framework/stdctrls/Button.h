#pragma once
// TCustomButton / TButton: the push button. Enter presses the button that
// has the focus, else the Default button of its form; Esc presses a Cancel
// button; Alt and the caption's marked letter press it too. The pressing
// button sets its form's ModalResult (a modal form then closes), then
// raises OnClick. The active button (the one Enter would press) shows the
// thick default frame.
#include "framework/Form.h"
#include "framework/stdctrls/ButtonControl.h"

class TCustomButton : public TButtonControl {
  FW_CLASS(TCustomButton, TButtonControl)
 public:
  explicit TCustomButton(TComponent* owner);

  // Attributes
  bool Default() const noexcept { return default_; }
  void SetDefault(bool isDefault);
  bool Cancel() const noexcept { return cancel_; }
  void SetCancel(bool cancel) noexcept { cancel_ = cancel; }
  TModalResult ModalResult() const noexcept { return modalResult_; }
  void SetModalResult(TModalResult result) noexcept { modalResult_ = result; }
  // Enter would press this button now.
  bool Active() const noexcept { return active_; }

  // Operations
  // Presses the button from code: ModalResult to the form, then OnClick.
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // Shows that Active changed; the platform's button draws the default
  // frame (BS_DEFPUSHBUTTON).
  virtual void ActiveChanged();

 private:
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void WMFocusChanged(TMessage& message);
  void SetActive(bool active);
  // Every button of the form learns which one is active with focused
  // holding the focus (null: no button has it).
  static void UpdateActiveButtons(TWinControl& root, TCustomButton* focused);

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

class TButton : public TCustomButton {
  FW_CLASS(TButton, TCustomButton)
 public:
  explicit TButton(TComponent* owner) : TCustomButton(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
