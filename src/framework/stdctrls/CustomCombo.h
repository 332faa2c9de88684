#pragma once
// TCustomCombo: what combo boxes share: the edit or the selected item
// above a list that drops down. Text follows the edit (or the selected
// item); OnChange comes when the user edits the text or picks an item
// (OnSelect instead when set), OnDropDown and OnCloseUp around the list.
// Keys typed in the inner edit reach the control's key events and the
// form's keyboard interface as if typed on the control; Enter and Esc close
// a dropped-down list first.
#include "framework/WindowSubclass.h"
#include "framework/stdctrls/ListControl.h"

class TCustomCombo : public TCustomListControl {
  FW_CLASS(TCustomCombo, TCustomListControl)
 public:
  explicit TCustomCombo(TComponent* owner);

  // Attributes
  int ItemIndex() override;
  void SetItemIndex(int index) override;
  bool DroppedDown();
  void SetDroppedDown(bool dropped);
  // Items the dropped-down list shows without scrolling.
  int DropDownCount() const noexcept { return dropDownCount_; }
  void SetDropDownCount(int count) noexcept { dropDownCount_ = count > 0 ? count : 1; }
  int ItemHeight();
  // 0: no limit (edit styles only).
  int MaxLength() const noexcept { return maxLength_; }
  void SetMaxLength(int length);
  // The inner edit window of the edit styles (null otherwise).
  virtual HWND EditHandle();

  // Events
  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  virtual void Change();
  virtual void Select();
  // The list is about to drop down: its height for DropDownCount items.
  virtual void AdjustDropDown();
  // The text the control shows now.
  virtual std::wstring CurrentText();
  void SyncText() { SetTextDirect(CurrentText()); }
  // Window messages of the combo box itself (CB_*): the ComboBoxEx control
  // takes most of them on its own window too.
  LRESULT SendCombo(UINT msg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageW(Handle(), msg, w, l); }
  int savedIndex_ = -1;

 private:
  void WMDestroy(TMessage& message);
  void WMCtlColor(TMessage& message);
  void CNCommand(TMessage& message);
  void CMWantSpecialKey(TMessage& message);
  void EditMessage(TMessage& message);

  int dropDownCount_ = 8;
  int maxLength_ = 0;
  TWindowSubclass editLink_;
};
