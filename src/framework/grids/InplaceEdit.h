#pragma once
// TInplaceEdit: the edit box a grid lays over the cell being edited - a
// plain EDIT without border, owned by the grid and parented to it.
//
// Enter keeps the text (the grid stores it through SetEditText), Esc drops
// it; Up, Down, Page Up, Page Down (and Tab with goTabs) keep it and move on
// in the grid. Losing the focus keeps it too.
#include <string>

#include "framework/WinControl.h"

class TCustomGrid;

class TInplaceEdit : public TWinControl {
  FW_CLASS(TInplaceEdit, TWinControl)
 public:
  // The owner is the grid.
  explicit TInplaceEdit(TComponent* owner);

  // Attributes
  // The text as the user has typed it so far.
  std::wstring EditText() const;
  // Replaces the text, whatever the user typed meanwhile.
  void SetEditText(std::wstring_view text);

  // Operations
  void CaretToEnd();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(wchar_t& key) override;

 private:
  void WMKillFocus(TMessage& message);
  void WMGetDlgCode(TMessage& message);

  TCustomGrid& grid_;
};
