#include "framework/stdctrls/Edit.h"

#include "framework/stdctrls/StdCtrlsCommon.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  controlStyle_ = csClickEvents | csDoubleClicks;
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"EDIT";
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (readOnly_) params.Style |= ES_READONLY;
  if (!hideSelection_) params.Style |= ES_NOHIDESEL;
  if (charCase_ == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  const HWND h = Handle();
  ::SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_) ::SendMessageW(h, EM_SETPASSWORDCHAR, passwordChar_, 0);
  ::SendMessageW(h, EM_SETMODIFY, FALSE, 0);
  SyncText();  // the window may have changed it (upper case)
}

void TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT: WMSetText(m); break;
    case WM_SETFOCUS: WMSetFocus(m); break;
    case CN_COMMAND: CNCommand(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(*this);
}

void TCustomEdit::SyncText() {
  if (HandleAllocated()) SetTextDirect(WindowText(Handle()));
}

// Text set through the window: the change is told once, by CM_TEXTCHANGED.
void TCustomEdit::WMSetText(TMessage& m) {
  settingText_ = true;
  try {
    TWinControl::WndProc(m);
  } catch (...) {
    settingText_ = false;
    throw;
  }
  settingText_ = false;
}

void TCustomEdit::CMTextChanged(TMessage& m) {
  TWinControl::WndProc(m);
  Change();
}

void TCustomEdit::CNCommand(TMessage& m) {
  m.Result = 0;
  if (HIWORD(m.WParam) != EN_CHANGE || settingText_) return;
  SyncText();
  Change();
}

void TCustomEdit::WMSetFocus(TMessage& m) {
  TWinControl::WndProc(m);
  const bool multiline = (::GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
  if (autoSelect_ && !multiline && ::GetKeyState(VK_LBUTTON) >= 0) SelectAll();
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (style != bsNone) style = bsSingle;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
  Perform(CM_BORDERCHANGED);
}

void TCustomEdit::SetMaxLength(int length) {
  if (length < 0) length = 0;
  maxLength_ = length;
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetPasswordChar(wchar_t ch) {
  if (ch == passwordChar_) return;
  passwordChar_ = ch;
  if (!HandleAllocated()) return;
  ::SendMessageW(Handle(), EM_SETPASSWORDCHAR, ch, 0);
  Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase charCase) {
  if (charCase == charCase_) return;
  charCase_ = charCase;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool hide) {
  if (hide == hideSelection_) return;
  hideSelection_ = hide;
  RecreateWnd();
}

bool TCustomEdit::Modified() {
  return HandleAllocated() && ::SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool modified) {
  ::SendMessageW(Handle(), EM_SETMODIFY, modified, 0);
}

int TCustomEdit::SelStart() {
  DWORD start = 0, end = 0;
  ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int start) { ::SendMessageW(Handle(), EM_SETSEL, start, start); }

int TCustomEdit::SelLength() {
  DWORD start = 0, end = 0;
  ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int length) {
  const int start = SelStart();
  ::SendMessageW(Handle(), EM_SETSEL, start, start + length);
}

std::wstring TCustomEdit::SelText() {
  const std::wstring text = WindowText(Handle());
  const auto start = static_cast<size_t>(SelStart());
  return start < text.size() ? text.substr(start, static_cast<size_t>(SelLength())) : std::wstring();
}

void TCustomEdit::SetSelText(std::wstring_view text) {
  const std::wstring value(text);
  ::SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) ::SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() { ::SendMessageW(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { ::SendMessageW(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { ::SendMessageW(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { ::SendMessageW(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { ::SendMessageW(Handle(), EM_UNDO, 0, 0); }
bool TCustomEdit::CanUndo() { return ::SendMessageW(Handle(), EM_CANUNDO, 0, 0) != 0; }

std::vector<TPropInfo> EditPublishedProperties() {
  return {
      OrdProp<TCustomEdit>("BorderStyle", "TBorderStyle", TTypeKind::Enumeration, &TCustomEdit::BorderStyle,
                           &TCustomEdit::SetBorderStyle, kBorderStyleNames),
      OrdProp<TCustomEdit>("CharCase", "TEditCharCase", TTypeKind::Enumeration, &TCustomEdit::CharCase,
                           &TCustomEdit::SetCharCase, kEditCharCaseNames),
      BoolProp<TCustomEdit>("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection),
      OrdProp<TCustomEdit>("MaxLength", "Integer", TTypeKind::Integer, &TCustomEdit::MaxLength,
                           &TCustomEdit::SetMaxLength),
      BoolProp<TCustomEdit>("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly),
  };
}

std::vector<TPropInfo> TEdit::PublishedProperties() {
  std::vector<TPropInfo> own = EditPublishedProperties();
  own.push_back(BoolProp<TCustomEdit>("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect));
  own.push_back(OrdProp<TCustomEdit>("PasswordChar", "Char", TTypeKind::Integer, &TCustomEdit::PasswordChar,
                                     &TCustomEdit::SetPasswordChar));
  own.push_back(StrProp<TControl>("Text", "TCaption", TTypeKind::WString, &TControl::Text, &TControl::SetText));
  return StdPublished::With(std::move(own), StdPublished::kParentColor | StdPublished::kWindowed);
}
