#pragma once
// TDialogButton: the platform's push button as a minimal framework control,
// for the framework's own dialogs (message dialogs). A click raises OnClick
// and hands ModalResult to the form the button lies on, which ends a modal
// form; Default draws the thick default frame.
#include "framework/Form.h"
#include "framework/WinControl.h"

class TDialogButton : public TWinControl {
  FW_CLASS(TDialogButton, TWinControl)
 public:
  explicit TDialogButton(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  TModalResult ModalResult() const noexcept { return modalResult_; }
  void SetModalResult(TModalResult result) noexcept { modalResult_ = result; }
  bool Default() const noexcept { return default_; }
  void SetDefault(bool isDefault);
  // Presses the button: OnClick, then the form's ModalResult.
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void CNCommand(TMessage& message);

  TModalResult modalResult_ = mrNone;
  bool default_ = false;
};
