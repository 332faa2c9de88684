// The keyboard interface of forms: Tab and the arrow keys move the focus,
// Enter and Esc reach the default and cancel buttons (CM_DIALOGKEY),
// characters reach the controls whose caption has them as mnemonic
// (CM_DIALOGCHAR). A focused control keeps the keys it asks for with
// WM_GETDLGCODE or CM_WANTSPECIALKEY.
#include <utility>
#include <vector>

#include "framework/Form.h"
#include "framework/WinControl.h"

namespace {

// The character that the key DialogKey took will produce; dropped when it
// arrives.
thread_local WPARAM t_droppedChar = 0;

WPARAM CharOfKey(WORD key) noexcept {
  switch (key) {
    case VK_RETURN: return L'\r';
    case VK_ESCAPE: return 0x1B;
    case VK_TAB: return L'\t';
    default: return 0;
  }
}

bool IsArrow(WORD key) noexcept {
  return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// Windowed descendants of parent in child order, each before its own.
void TabOrderList(const TWinControl& parent, bool childrenOnly, std::vector<TWinControl*>& list) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* w = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (!w) continue;
    list.push_back(w);
    if (!childrenOnly) TabOrderList(*w, false, list);
  }
}

TWinControl& KeyRoot(TWinControl& control) {
  TWinControl* root = &control;
  while (root->Parent()) root = root->Parent();
  return *root;
}

}  // namespace

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) {
  std::vector<TWinControl*> list;
  TabOrderList(*this, checkParent, list);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  int at = -1;
  for (int i = 0; i < n; ++i)
    if (list[static_cast<size_t>(i)] == current) at = i;
  if (at < 0) at = forward ? n - 1 : 0;  // start from the first (last) one
  for (int step = 1; step <= n; ++step) {
    const int i = forward ? (at + step) % n : (at - step + n) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c == current) break;
    if (c->HandleAllocated() && c->CanFocus() && (!checkTabStop || c->TabStop())) return c;
  }
  return nullptr;
}

bool TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  TWinControl* next = FindNextControl(current, forward, checkTabStop, !checkTabStop);
  if (!next) return false;
  next->SetFocus();
  return true;
}

bool TWinControl::WantsKey(WORD key) {
  if (Perform(CM_WANTSPECIALKEY, key) != 0) return true;
  const LRESULT code = Perform(WM_GETDLGCODE);
  if (key == VK_TAB) return (code & DLGC_WANTTAB) != 0;
  if (IsArrow(key)) return (code & DLGC_WANTARROWS) != 0;
  return (code & DLGC_WANTALLKEYS) != 0;
}

bool TWinControl::DialogKey(WORD key) {
  t_droppedChar = 0;
  const bool navigation = key == VK_TAB || IsArrow(key);
  if (!navigation && key != VK_RETURN && key != VK_ESCAPE && key != VK_EXECUTE && key != VK_CANCEL)
    return false;
  const TShiftState shift = ShiftStateFromKeyboard();
  if ((shift & (ssAlt | ssCtrl)) || WantsKey(key)) return false;
  TWinControl& root = KeyRoot(*this);
  bool taken = true;
  if (key == VK_TAB)
    root.SelectNext(this, !(shift & ssShift), true);
  else if (IsArrow(key))
    taken = Parent() && Parent()->SelectNext(this, key == VK_RIGHT || key == VK_DOWN, false);
  else
    taken = root.Perform(CM_DIALOGKEY, key) != 0;
  if (taken) t_droppedChar = CharOfKey(key);
  return taken;
}

bool TWinControl::DroppedDialogChar(TMessage& m) noexcept {
  const WPARAM dropped = std::exchange(t_droppedChar, 0);
  if (dropped == 0 || m.WParam != dropped) return false;
  m.Result = 0;
  return true;
}

bool TWinControl::DialogChar(wchar_t ch, bool alt) {
  if (ch < L' ') return false;
  if (!alt && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS)) return false;
  return KeyRoot(*this).Perform(CM_DIALOGCHAR, ch, alt ? 1 : 0) != 0;
}

void TWinControl::WMSysChar(TMessage& m) {
  if (DialogChar(static_cast<wchar_t>(m.WParam), true)) {
    m.Result = 0;
    return;
  }
  DefaultHandler(m);
}

void TWinControl::CMDialogKey(TMessage& m) {
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) {
    if (!c->Visible() || !c->Enabled()) continue;
    m.Result = c->Perform(m.Msg, m.WParam, m.LParam);
    if (m.Result != 0) return;
  }
  m.Result = 0;
}
