#include "framework/stdctrls/RadioButton.h"

#include "framework/stdctrls/StdCtrlsCommon.h"

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 113, 17);
  SetParentColor(true);
  SetTabStop(false);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= BS_RADIOBUTTON;
  if (alignment_ == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  ::SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case WM_SETFOCUS: WMSetFocus(m); break;
    default: TButtonControl::WndProc(m); break;
  }
}

// The focus arriving from the keyboard (arrow keys, a mnemonic) checks.
void TRadioButton::WMSetFocus(TMessage& m) {
  TButtonControl::WndProc(m);
  if (!checked_ && !ClicksDisabled() && ::GetKeyState(VK_LBUTTON) >= 0) SetChecked(true);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SetTabStop(checked);
  if (HandleAllocated()) ::SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  if (!ClicksDisabled()) Click();
}

void TRadioButton::SetAlignment(TAlignment alignment) {
  if (alignment == taCenter) alignment = taRightJustify;
  if (alignment == alignment_) return;
  alignment_ = alignment;
  RecreateWnd();
}

void TRadioButton::CMDialogChar(TMessage& m) {
  m.Result = 0;
  if (!IsAccel(static_cast<wchar_t>(m.WParam), Caption()) || !CanFocus()) return;
  SetFocus();
  if (Focused()) SetChecked(true);
  m.Result = 1;
}

std::vector<TPropInfo> TRadioButton::PublishedProperties() {
  return StdPublished::With({
          OrdProp<TRadioButton>("Alignment", "TLeftRight", TTypeKind::Enumeration, &TRadioButton::Alignment,
                                &TRadioButton::SetAlignment, kLeftRightNames),
          StdPublished::Caption(),
          BoolProp<TRadioButton>("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked),
          BoolProp<TButtonControl>("WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap),
      },
      StdPublished::kParentColor | StdPublished::kWindowed);
}
