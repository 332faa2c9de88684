#include "framework/stdctrls/MaskEdit.h"

#include "framework/stdctrls/StdCtrlsCommon.h"

void TCustomMaskEdit::SetEditMask(std::wstring_view mask) {
  const std::wstring value = Text();
  editMask_ = mask;
  mask_ = TEditMask(mask);
  SetMaxLength(mask_.Length());
  SetText(value);
}

void TCustomMaskEdit::SetEditText(std::wstring_view text) {
  if (!IsMasked()) {
    TCustomEdit::SetText(text);
    return;
  }
  // An edit text with every position in place.
  std::wstring shown = mask_.Format(mask_.TextOf(text));
  TCustomEdit::SetText(shown);
}

std::wstring TCustomMaskEdit::Text() const {
  return IsMasked() ? mask_.TextOf(EditText()) : EditText();
}

void TCustomMaskEdit::SetText(std::wstring_view text) {
  TCustomEdit::SetText(IsMasked() ? mask_.Format(text) : std::wstring(text));
}

void TCustomMaskEdit::ValidateEdit() const {
  if (!IsMaskComplete()) throw EInvalidOperation("Invalid input value");
}

void TCustomMaskEdit::WndProc(TMessage& m) {
  if (!IsMasked() || !HandleAllocated()) {
    TCustomEdit::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_CHAR: WMChar(m); break;
    case WM_PASTE: WMPaste(m); break;
    case WM_CUT: WMCut(m); break;
    case WM_CLEAR: WMClear(m); break;
    default: TCustomEdit::WndProc(m); break;
  }
}

void TCustomMaskEdit::Selection(int& start, int& end) {
  DWORD s = 0, e = 0;
  ::SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  start = static_cast<int>(s);
  end = static_cast<int>(e);
}

void TCustomMaskEdit::ShowEdit(const std::wstring& text, int caret) {
  if (text != EditText()) {
    TCustomEdit::SetText(text);
    ::SendMessageW(Handle(), EM_SETMODIFY, TRUE, 0);
  }
  ::SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(caret), caret);
}

void TCustomMaskEdit::WMChar(TMessage& m) {
  if (TWinControl::DroppedDialogChar(m)) return;
  wchar_t ch = static_cast<wchar_t>(m.WParam);
  KeyPress(ch);
  m.Result = 0;
  if (ch == 0) return;
  if (ch == L'\b') {
    if (!ReadOnly()) EraseSelection(false);
    return;
  }
  if (ch < L' ') {  // Ctrl+C, Ctrl+V and the like: the platform's
    m.WParam = ch;
    TCustomEdit::WndProc(m);
    return;
  }
  if (DialogChar(ch, false)) return;
  if (ReadOnly() || !TypeChar(ch)) ::MessageBeep(0);
}

bool TCustomMaskEdit::TypeChar(wchar_t ch) {
  int start = 0, end = 0;
  Selection(start, end);
  std::wstring text = EditText();
  if (end > start) {
    for (int i = start; i < end && i < static_cast<int>(text.size()); ++i)
      if (!mask_.IsLiteral(i)) text[static_cast<size_t>(i)] = mask_.Blank();
  }
  const int pos = mask_.NextInput(start);
  const wchar_t accepted = pos >= 0 ? mask_.Accept(pos, ch) : 0;
  if (!accepted) return false;
  text[static_cast<size_t>(pos)] = accepted;
  const int next = mask_.NextInput(pos + 1);
  ShowEdit(text, next >= 0 ? next : pos + 1);
  return true;
}

void TCustomMaskEdit::EraseSelection(bool forward) {
  int start = 0, end = 0;
  Selection(start, end);
  std::wstring text = EditText();
  if (end == start) {
    const int pos = forward ? mask_.NextInput(start) : mask_.PreviousInput(start - 1);
    if (pos < 0) return;
    start = pos;
    end = pos + 1;
  }
  for (int i = start; i < end && i < static_cast<int>(text.size()); ++i)
    if (!mask_.IsLiteral(i)) text[static_cast<size_t>(i)] = mask_.Blank();
  ShowEdit(text, start);
}

void TCustomMaskEdit::KeyDown(WORD& key, TShiftState shift) {
  TCustomEdit::KeyDown(key, shift);
  if (key == VK_DELETE && IsMasked() && !ReadOnly() && !(shift & (ssShift | ssCtrl))) {
    EraseSelection(true);
    key = 0;
  }
}

void TCustomMaskEdit::WMPaste(TMessage& m) {
  m.Result = 0;
  if (ReadOnly() || !::OpenClipboard(Handle())) return;
  std::wstring pasted;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
      pasted = text;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  for (wchar_t ch : pasted)
    if (ch >= L' ') TypeChar(ch);
}

void TCustomMaskEdit::WMCut(TMessage& m) {
  ::SendMessageW(Handle(), WM_COPY, 0, 0);
  WMClear(m);
}

void TCustomMaskEdit::WMClear(TMessage& m) {
  m.Result = 0;
  int start = 0, end = 0;
  Selection(start, end);
  if (!ReadOnly() && end > start) EraseSelection(true);
}

std::vector<TPropInfo> TMaskEdit::PublishedProperties() {
  std::vector<TPropInfo> own = EditPublishedProperties();
  own.push_back(BoolProp<TCustomEdit>("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect));
  own.push_back(StrProp<TCustomMaskEdit>("EditMask", "TEditMask", TTypeKind::WString, &TCustomMaskEdit::EditMask,
                                         &TCustomMaskEdit::SetEditMask));
  own.push_back(StrProp<TCustomMaskEdit>("Text", "TMaskedText", TTypeKind::WString, &TCustomMaskEdit::Text,
                                         &TCustomMaskEdit::SetText));
  return StdPublished::With(std::move(own), StdPublished::kParentColor | StdPublished::kWindowed);
}
