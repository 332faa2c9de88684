// The menu bar from the keyboard: Alt or F10 alone choose the first title,
// the arrows move and open, Esc leaves, mnemonics open their titles.
#include <cwctype>

#include "framework/Menus.h"
#include "menu/QELSkinMenuBar.h"

namespace {

constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

// The mnemonic of a caption ("&File": 'F'), 0 when it has none.
wchar_t MnemonicOf(const std::wstring& caption) noexcept {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    ++i;  // "&&" is a plain ampersand
  }
  return 0;
}

bool IsButtonPress(UINT msg) noexcept {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: return true;
    default: return false;
  }
}

}  // namespace

bool TqelSkinMenuBar::Usable(const TToolButton& button) const noexcept {
  return button.MenuItem() && button.Visible() && button.Enabled();
}

TToolButton* TqelSkinMenuBar::SelectedButton() const noexcept {
  for (int i = 0; i < ButtonCount(); ++i)
    if (Buttons(i)->Tag() == kSelectedMenuButtonTag) return Buttons(i);
  if (keyboardIndex_ >= 0 && keyboardIndex_ < ButtonCount()) return Buttons(keyboardIndex_);
  return nullptr;
}

TToolButton* TqelSkinMenuBar::MnemonicButton(wchar_t ch) const noexcept {
  const auto wanted = static_cast<wchar_t>(std::towupper(ch));
  for (int i = 0; i < ButtonCount(); ++i) {
    TToolButton* b = Buttons(i);
    if (Usable(*b) && MnemonicOf(b->MenuItem()->Caption()) == wanted) return b;
  }
  return nullptr;
}

void TqelSkinMenuBar::EnterKeyboardMode() {
  keyboardIndex_ = -1;
  for (int i = 0; i < ButtonCount() && keyboardIndex_ < 0; ++i)
    if (Usable(*Buttons(i))) keyboardIndex_ = i;
  Invalidate();
}

void TqelSkinMenuBar::LeaveKeyboardMode() {
  armedKey_ = 0;
  if (keyboardIndex_ < 0) return;
  keyboardIndex_ = -1;
  Invalidate();
}

void TqelSkinMenuBar::MoveKeyboardIndex(int step) {
  const int count = ButtonCount();
  for (int i = 1; i <= count; ++i) {
    const int at = ((keyboardIndex_ + step * i) % count + count) % count;
    if (Usable(*Buttons(at))) {
      keyboardIndex_ = at;
      break;
    }
  }
  Invalidate();
}

bool TqelSkinMenuBar::OpenMnemonic(wchar_t ch) {
  TToolButton* button = MnemonicButton(ch);
  if (!button) return false;
  OpenButton(button, true);
  return true;
}

void TqelSkinMenuBar::OpenButton(TToolButton* button, bool fromKeyboard) {
  LeaveKeyboardMode();
  if (!button->MenuItem() || button->MenuItem()->Count() == 0) {
    button->MenuItem()->Click();
    return;
  }
  // Opened from the keyboard, the menu starts on its first item.
  if (fromKeyboard && HandleAllocated()) ::PostMessageW(Handle(), WM_KEYDOWN, VK_DOWN, 1);
  TrackMenu(button);
}

bool TqelSkinMenuBar::KeyboardKey(WORD key) {
  TToolButton* chosen = keyboardIndex_ < ButtonCount() ? Buttons(keyboardIndex_) : nullptr;
  switch (key) {
    case VK_LEFT: MoveKeyboardIndex(-1); return true;
    case VK_RIGHT: MoveKeyboardIndex(1); return true;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
      if (chosen && (key == VK_RETURN || chosen->MenuItem()->Count() > 0)) OpenButton(chosen, true);
      return true;
    case VK_ESCAPE: LeaveKeyboardMode(); return true;
    case VK_SHIFT:
    case VK_CONTROL: return true;
    default: break;
  }
  const auto ch = static_cast<wchar_t>(::MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) & 0xFFFF);
  if (std::iswalnum(ch)) {
    OpenMnemonic(ch);
    return true;
  }
  // Any other key ends the choosing and does what it does.
  LeaveKeyboardMode();
  return false;
}

bool TqelSkinMenuBar::FilterMessage(const MSG& msg) {
  if (!Visible() || ButtonCount() == 0) return false;
  const auto key = static_cast<WORD>(msg.wParam);
  switch (msg.message) {
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN:
      if ((key == VK_MENU || key == VK_F10) && msg.message == WM_SYSKEYDOWN) {
        if (!(msg.lParam & kRepeatBit)) armedKey_ = key;
        return keyboardIndex_ >= 0;
      }
      armedKey_ = 0;
      return keyboardIndex_ >= 0 && KeyboardKey(key);
    case WM_SYSKEYUP:
    case WM_KEYUP:
      if (armedKey_ != 0 && key == armedKey_) {
        armedKey_ = 0;
        if (keyboardIndex_ >= 0) LeaveKeyboardMode();
        else EnterKeyboardMode();
        return true;
      }
      return false;
    case WM_CHAR:
    case WM_SYSCHAR: return keyboardIndex_ >= 0;
    default:
      if (IsButtonPress(msg.message)) LeaveKeyboardMode();
      return false;
  }
}
