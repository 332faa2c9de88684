#pragma once
// TqelSkinMenuBar: the flat tool bar that stands in for a skinned form's
// main menu.
//
// While the skin is applied the form's main menu is off the window (the
// frame paints the whole non-client area) and its top-level items are
// buttons of this bar, at the top of the client area. A button's menu
// drops down under it and the mouse or the arrow keys move on to the
// neighbouring menus (TToolBar::TrackMenu). The bar paints itself in the
// skin's menu colours: the selected button (hot, pressed, or chosen from
// the keyboard) carries Tag 888 while it is painted, the others Tag 0.
//
// The keyboard works as on a platform menu bar: Alt or F10 alone chooses
// the first title, Left and Right move, Down, Up or Enter open, Esc or a
// click elsewhere leaves, a mnemonic (with Alt, or alone while a title is
// chosen) opens its title. The frame feeds the bar every queued message of
// its form through FilterMessage.
#include <windows.h>

#include <vector>

#include "framework/comctrls/ToolBar.h"
#include "menu/QELSkinMenuBarPaint.h"

class TMenuItem;
class TCustomImageList;

// The Tag a button carries while it is painted selected.
constexpr int kSelectedMenuButtonTag = 888;

class TqelSkinMenuBar : public TToolBar {
  FW_CLASS(TqelSkinMenuBar, TToolBar)
 public:
  explicit TqelSkinMenuBar(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Buttons for items, in their order; images when any item has one. The
  // old buttons are freed.
  void Rebuild(const std::vector<TMenuItem*>& items, TCustomImageList* images);
  // The buttons show items as they are now (same items, captions, images,
  // enabled and visible states).
  bool Shows(const std::vector<TMenuItem*>& items) const;
  const TqelMenuBarLook& Look() const noexcept { return look_; }
  void SetLook(const TqelMenuBarLook& look);

  // ---- Keyboard --------------------------------------------------------
  // The title chosen from the keyboard, -1 when the bar is not in
  // keyboard mode.
  int KeyboardIndex() const noexcept { return keyboardIndex_; }
  void EnterKeyboardMode();
  void LeaveKeyboardMode();
  // A queued message of the bar's form (before it is dispatched); true
  // when the bar used it and it must not be dispatched.
  bool FilterMessage(const MSG& msg);
  // Opens the title whose caption has ch as mnemonic; false when none has.
  bool OpenMnemonic(wchar_t ch);

 protected:
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void CMDialogChar(TMessage& message);
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void WMKeyUp(TMessage& message);

  // Painting (the tool bar's custom-draw events).
  void DrawBackground(TToolBar& sender, const RECT& rect, TCustomDrawStage stage, bool& defaultDraw);
  void DrawButton(TToolBar& sender, TToolButton& button, TCustomDrawState state, bool& defaultDraw);
  void CopyAutoHotkeys(TObject& sender);

  // Keyboard mode (QELSkinMenuBarKeys.cpp).
  bool KeyboardKey(WORD key);
  void MoveKeyboardIndex(int step);
  void OpenButton(TToolButton* button, bool fromKeyboard);
  TToolButton* SelectedButton() const noexcept;
  TToolButton* MnemonicButton(wchar_t ch) const noexcept;
  bool Usable(const TToolButton& button) const noexcept;

  TqelMenuBarLook look_;
  int keyboardIndex_ = -1;
  WORD armedKey_ = 0;  // Alt or F10 went down alone
};
