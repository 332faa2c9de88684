#include "framework/stdctrls/CustomCombo.h"

#include <algorithm>

#include "framework/stdctrls/StdCtrlsCommon.h"

TCustomCombo::TCustomCombo(TComponent* owner) : TCustomListControl(owner) {
  SetBounds(0, 0, 145, 21);
}

HWND TCustomCombo::EditHandle() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!HandleAllocated() || !::GetComboBoxInfo(Handle(), &info)) return nullptr;
  return info.hwndItem != Handle() ? info.hwndItem : nullptr;
}

void TCustomCombo::CreateWnd() {
  TCustomListControl::CreateWnd();
  if (maxLength_ > 0) SendCombo(CB_LIMITTEXT, static_cast<WPARAM>(maxLength_));
  if (HWND edit = EditHandle()) editLink_.Attach(edit, TWndMethod::Bind<&TCustomCombo::EditMessage>(this));
}

void TCustomCombo::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY: WMDestroy(m); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: WMCtlColor(m); break;
    case CN_COMMAND: CNCommand(m); break;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(m); break;
    default: TCustomListControl::WndProc(m); break;
  }
}

void TCustomCombo::WMDestroy(TMessage& m) {
  savedIndex_ = ItemIndex();
  editLink_.Detach();
  TCustomListControl::WndProc(m);
}

// The inner edit and list are painted in the control's colours.
void TCustomCombo::WMCtlColor(TMessage& m) {
  if (FindControl(reinterpret_cast<HWND>(m.LParam))) {
    TCustomListControl::WndProc(m);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  ::SetTextColor(dc, ColorToRGB(Font().Color()));
  ::SetBkColor(dc, ColorToRGB(Color()));
  m.Result = reinterpret_cast<LRESULT>(Brush().Handle());
}

void TCustomCombo::CNCommand(TMessage& m) {
  m.Result = 0;
  switch (HIWORD(m.WParam)) {
    case CBN_SELCHANGE:
      SyncText();
      Click();
      Select();
      break;
    case CBN_EDITCHANGE:
      SyncText();
      Change();
      break;
    case CBN_DROPDOWN:
      AdjustDropDown();
      if (OnDropDown) OnDropDown(*this);
      break;
    case CBN_CLOSEUP:
      if (OnCloseUp) OnCloseUp(*this);
      break;
    case CBN_DBLCLK: DblClick(); break;
    default: break;
  }
}

void TCustomCombo::CMWantSpecialKey(TMessage& m) {
  const auto key = static_cast<WORD>(m.WParam);
  m.Result = (key == VK_RETURN || key == VK_ESCAPE) && DroppedDown() ? 1 : 0;
}

// Keys of the inner edit take the way keys of the control itself take.
void TCustomCombo::EditMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      WORD key = static_cast<WORD>(m.WParam);
      const bool down = m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN;
      if (down)
        KeyDown(key, ShiftStateFromKeyboard());
      else
        KeyUp(key, ShiftStateFromKeyboard());
      if (key == 0 || (m.Msg == WM_KEYDOWN && DialogKey(key))) {
        m.Result = 0;
        return;
      }
      m.WParam = key;
      break;
    }
    case WM_CHAR: {
      if (DroppedDialogChar(m)) return;
      wchar_t ch = static_cast<wchar_t>(m.WParam);
      KeyPress(ch);
      if (ch == 0) {
        m.Result = 0;
        return;
      }
      m.WParam = ch;
      break;
    }
    case WM_SYSCHAR:
      if (DialogChar(static_cast<wchar_t>(m.WParam), true)) {
        m.Result = 0;
        return;
      }
      break;
    default: break;
  }
  editLink_.CallNext(m);
}

void TCustomCombo::Change() {
  if (OnChange) OnChange(*this);
}

void TCustomCombo::Select() {
  if (OnSelect)
    OnSelect(*this);
  else
    Change();
}

std::wstring TCustomCombo::CurrentText() { return WindowText(Handle()); }

int TCustomCombo::ItemIndex() {
  if (!HandleAllocated()) return savedIndex_;
  return static_cast<int>(SendCombo(CB_GETCURSEL));
}

void TCustomCombo::SetItemIndex(int index) {
  if (!HandleAllocated()) {
    savedIndex_ = index;
    return;
  }
  if (index >= ItemCount()) index = -1;
  SendCombo(CB_SETCURSEL, static_cast<WPARAM>(index));
  SyncText();
}

bool TCustomCombo::DroppedDown() { return HandleAllocated() && SendCombo(CB_GETDROPPEDSTATE) != 0; }

void TCustomCombo::SetDroppedDown(bool dropped) { SendCombo(CB_SHOWDROPDOWN, dropped); }

int TCustomCombo::ItemHeight() { return HandleAllocated() ? static_cast<int>(SendCombo(CB_GETITEMHEIGHT, 0)) : 16; }

void TCustomCombo::SetMaxLength(int length) {
  maxLength_ = length > 0 ? length : 0;
  if (HandleAllocated()) SendCombo(CB_LIMITTEXT, static_cast<WPARAM>(maxLength_));
}

void TCustomCombo::AdjustDropDown() {
  const int count = std::clamp(ItemCount(), 1, dropDownCount_);
  ::SetWindowPos(Handle(), nullptr, 0, 0, Width(), ItemHeight() * count + Height() + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}
