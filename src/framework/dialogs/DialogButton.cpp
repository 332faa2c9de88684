#include "dialogs/DialogButton.h"

TDialogButton::TDialogButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

std::vector<TPropInfo> TDialogButton::PublishedProperties() {
  return {
      PropCaption(),
      OrdProp<TDialogButton>("ModalResult", "TModalResult", TTypeKind::Integer, &TDialogButton::ModalResult,
                             &TDialogButton::SetModalResult),
      BoolProp<TDialogButton>("Default", &TDialogButton::Default, &TDialogButton::SetDefault),
  };
}

void TDialogButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"BUTTON";
  params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TDialogButton::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  if (HandleAllocated()) ::SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TDialogButton::Click() {
  TWinControl::Click();
  if (modalResult_ == mrNone) return;
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
}

void TDialogButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND: CNCommand(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TDialogButton::CNCommand(TMessage& m) {
  if (HIWORD(m.WParam) == BN_CLICKED) Click();
  m.Result = 0;
}
