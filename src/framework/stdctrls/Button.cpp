#include "framework/stdctrls/Button.h"

#include "framework/stdctrls/StdCtrlsCommon.h"

TCustomButton::TCustomButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetColor(clBtnFace);
}

void TCustomButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TCustomButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGKEY: CMDialogKey(m); break;
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: WMFocusChanged(m); break;
    default: TButtonControl::WndProc(m); break;
  }
}

void TCustomButton::Click() {
  if (modalResult_ != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TCustomButton::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  TWinControl* root = GetParentForm(this);
  if (!root) {
    SetActive(default_);
    return;
  }
  UpdateActiveButtons(*root, dynamic_cast<TCustomButton*>(FindControl(::GetFocus())));
}

void TCustomButton::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  ActiveChanged();
}

void TCustomButton::ActiveChanged() {
  if (!HandleAllocated()) return;
  const auto style = static_cast<DWORD>(::GetWindowLongPtrW(Handle(), GWL_STYLE));
  const DWORD type = active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((style & BS_TYPEMASK) != type)
    ::SendMessageW(Handle(), BM_SETSTYLE, (style & 0xFFFF & ~BS_TYPEMASK) | type, TRUE);
}

void TCustomButton::UpdateActiveButtons(TWinControl& root, TCustomButton* focused) {
  for (int i = 0; i < root.ControlCount(); ++i) {
    auto* w = dynamic_cast<TWinControl*>(root.Controls(i));
    if (!w) continue;
    if (auto* b = dynamic_cast<TCustomButton*>(w))
      b->SetActive(focused ? b == focused : b->Default());
    UpdateActiveButtons(*w, focused);
  }
}

void TCustomButton::WMFocusChanged(TMessage& m) {
  TButtonControl::WndProc(m);
  TCustomButton* focused = this;
  if (m.Msg == WM_KILLFOCUS)  // WParam: the window that gets the focus
    focused = dynamic_cast<TCustomButton*>(FindControl(reinterpret_cast<HWND>(m.WParam)));
  if (TCustomForm* form = GetParentForm(this)) UpdateActiveButtons(*form, focused);
}

void TCustomButton::CMDialogKey(TMessage& m) {
  const auto key = static_cast<WORD>(m.WParam);
  m.Result = 0;
  if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && CanFocus()) {
    Click();
    m.Result = 1;
  }
}

void TCustomButton::CMDialogChar(TMessage& m) {
  m.Result = 0;
  if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
    Click();
    m.Result = 1;
  }
}

std::vector<TPropInfo> TButton::PublishedProperties() {
  return StdPublished::With({
          StdPublished::Caption(),
          BoolProp<TCustomButton>("Cancel", &TCustomButton::Cancel, &TCustomButton::SetCancel),
          BoolProp<TCustomButton>("Default", &TCustomButton::Default, &TCustomButton::SetDefault),
          OrdProp<TCustomButton>("ModalResult", "TModalResult", TTypeKind::Integer,
                                 &TCustomButton::ModalResult, &TCustomButton::SetModalResult),
          BoolProp<TButtonControl>("WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap),
      });
}
