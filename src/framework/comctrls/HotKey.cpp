#include "framework/comctrls/HotKey.h"

#include "framework/comctrls/CommonControls.h"

static_assert(hkShift == HOTKEYF_SHIFT && hkCtrl == HOTKEYF_CONTROL && hkAlt == HOTKEYF_ALT &&
              hkExt == HOTKEYF_EXT);

TCustomHotKey::TCustomHotKey(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetHotKey(scAlt | 'A');
}

void TCustomHotKey::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_HOTKEY_CLASS);
  TWinControl::CreateParams(params);
  params.BaseClassName = HOTKEY_CLASSW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomHotKey::CreateWnd() {
  TWinControl::CreateWnd();
  WriteRules();
  WriteHotKey();
}

void TCustomHotKey::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND: CNCommand(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomHotKey::CNCommand(TMessage& m) {
  m.Result = 0;
  if (HIWORD(m.WParam) != EN_CHANGE) return;
  ReadHotKey();
  if (OnChange) OnChange(*this);
}

void TCustomHotKey::ReadHotKey() {
  if (!HandleAllocated()) return;
  const WORD value = static_cast<WORD>(::SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0));
  key_ = LOBYTE(value);
  modifiers_ = HIBYTE(value);
}

void TCustomHotKey::WriteHotKey() {
  if (HandleAllocated()) ::SendMessageW(Handle(), HKM_SETHOTKEY, MAKEWORD(key_, modifiers_), 0);
}

void TCustomHotKey::WriteRules() {
  if (HandleAllocated()) ::SendMessageW(Handle(), HKM_SETRULES, invalidKeys_, MAKELPARAM(replacement_, 0));
}

void TCustomHotKey::UseAsReplacement(THKModifiers modifiers) {
  // Without a modifier key there is nothing to put in: Alt, then.
  const THKModifiers keys = modifiers & (hkShift | hkCtrl | hkAlt);
  replacement_ = keys ? keys : hkAlt;
  WriteRules();
}

TShortCut TCustomHotKey::HotKey() {
  ReadHotKey();
  TShiftState shift = 0;
  if (modifiers_ & hkShift) shift |= ssShift;
  if (modifiers_ & hkCtrl) shift |= ssCtrl;
  if (modifiers_ & hkAlt) shift |= ssAlt;
  return ShortCut(key_, shift);
}

void TCustomHotKey::SetHotKey(TShortCut hotKey) {
  key_ = static_cast<WORD>(hotKey & 0xFF);
  THKModifiers modifiers = 0;
  if (hotKey & scShift) modifiers |= hkShift;
  if (hotKey & scCtrl) modifiers |= hkCtrl;
  if (hotKey & scAlt) modifiers |= hkAlt;
  modifiers_ = modifiers;
  UseAsReplacement(modifiers_);
  WriteHotKey();
}

THKModifiers TCustomHotKey::Modifiers() {
  ReadHotKey();
  return modifiers_;
}

void TCustomHotKey::SetModifiers(THKModifiers modifiers) {
  ReadHotKey();
  modifiers_ = modifiers & (hkShift | hkCtrl | hkAlt | hkExt);
  UseAsReplacement(modifiers_);
  WriteHotKey();
}

void TCustomHotKey::SetInvalidKeys(THKInvalidKeys keys) {
  invalidKeys_ = keys & 0xFF;
  WriteRules();
}

std::vector<TPropInfo> THotKey::PublishedProperties() {
  using T = TCustomHotKey;
  return WithCommonProperties({
      PropColor(),
      PropTabStop(),
      PropBevelEdges(),
      OrdProp<T>("HotKey", "TShortCut", TTypeKind::Integer, &T::HotKey, &T::SetHotKey),
      OrdProp<T>("Modifiers", "THKModifiers", TTypeKind::Set, &T::Modifiers, &T::SetModifiers,
                 kHKModifierNames),
      OrdProp<T>("InvalidKeys", "THKInvalidKeys", TTypeKind::Set, &T::InvalidKeys, &T::SetInvalidKeys,
                 kHKInvalidKeyNames),
  });
}
