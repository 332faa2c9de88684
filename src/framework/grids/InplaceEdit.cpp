#include "framework/grids/InplaceEdit.h"

#include "framework/grids/CustomGrid.h"

namespace {

// Text starts where the grid draws it: two pixels into the cell.
constexpr int kTextMargin = 2;

TCustomGrid& GridOf(TComponent* owner) {
  auto* grid = dynamic_cast<TCustomGrid*>(owner);
  if (!grid) throw EInvalidOperation("An in-place editor belongs to a grid");
  return *grid;
}

}  // namespace

TInplaceEdit::TInplaceEdit(TComponent* owner) : TWinControl(owner), grid_(GridOf(owner)) {
  SetVisible(false);
  SetParentColor(true);
}

void TInplaceEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"EDIT";
  params.Style |= ES_AUTOHSCROLL;
}

void TInplaceEdit::CreateWnd() {
  TWinControl::CreateWnd();
  ::SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(kTextMargin, kTextMargin));
}

std::wstring TInplaceEdit::EditText() const {
  if (!HandleAllocated()) return Text();
  HWND window = const_cast<TInplaceEdit*>(this)->Handle();
  std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TInplaceEdit::SetEditText(std::wstring_view text) {
  const std::wstring value(text);
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void TInplaceEdit::CaretToEnd() {
  const LPARAM end = ::GetWindowTextLengthW(Handle());
  ::SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(end), end);
}

void TInplaceEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_KILLFOCUS: WMKillFocus(m); break;
    case WM_GETDLGCODE: WMGetDlgCode(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TInplaceEdit::WMKillFocus(TMessage& m) {
  TWinControl::WndProc(m);
  grid_.EditorLostFocus();
}

void TInplaceEdit::WMGetDlgCode(TMessage& m) {
  TWinControl::WndProc(m);
  m.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
}

void TInplaceEdit::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  switch (key) {
    case VK_RETURN: grid_.HideEditor(true); break;
    case VK_ESCAPE: grid_.HideEditor(false); break;
    case VK_TAB:
      if (!(grid_.Options() & goTabs)) return;
      [[fallthrough]];
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: grid_.EditorKey(key, shift); break;
    default: return;
  }
  key = 0;
}

void TInplaceEdit::KeyPress(wchar_t& key) {
  TWinControl::KeyPress(key);
  // The characters of the keys above would only make the edit beep.
  if (key == L'\r' || key == 0x1B || key == L'\t') key = 0;
}
