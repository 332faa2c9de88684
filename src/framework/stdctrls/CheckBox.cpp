#include "framework/stdctrls/CheckBox.h"

#include "framework/stdctrls/StdCtrlsCommon.h"

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetParentColor(true);
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  // The state is ours: the platform's box only reports clicks.
  params.Style |= BS_3STATE;
  if (alignment_ == taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  ::SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    default: TButtonControl::WndProc(m); break;
  }
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  if (HandleAllocated()) ::SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::SetAlignment(TAlignment alignment) {
  if (alignment == taCenter) alignment = taRightJustify;
  if (alignment == alignment_) return;
  alignment_ = alignment;
  RecreateWnd();
}

void TCustomCheckBox::CMDialogChar(TMessage& m) {
  m.Result = 0;
  if (!IsAccel(static_cast<wchar_t>(m.WParam), Caption()) || !CanFocus()) return;
  SetFocus();
  if (Focused()) Toggle();
  m.Result = 1;
}

std::vector<TPropInfo> TCheckBox::PublishedProperties() {
  return StdPublished::With({
          OrdProp<TCustomCheckBox>("Alignment", "TLeftRight", TTypeKind::Enumeration,
                                   &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment,
                                   kLeftRightNames),
          BoolProp<TCustomCheckBox>("AllowGrayed", &TCustomCheckBox::AllowGrayed,
                                    &TCustomCheckBox::SetAllowGrayed),
          StdPublished::Caption(),
          BoolProp<TCustomCheckBox>("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked),
          OrdProp<TCustomCheckBox>("State", "TCheckBoxState", TTypeKind::Enumeration, &TCustomCheckBox::State,
                                   &TCustomCheckBox::SetState, kCheckBoxStateNames),
          BoolProp<TButtonControl>("WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap),
      },
      StdPublished::kParentColor | StdPublished::kWindowed);
}
