#pragma once
// A dialog box of the platform's own controls made from a dialog template
// built in memory: push and default buttons, a three-state check box, radio
// buttons, a group box, drop-down and simple combo boxes, an extended combo
// box, a tab control, a tool bar, a list box, an edit, a scroll bar and a
// progress bar.
#include <windows.h>

#include <cstdint>
#include <vector>

// The DLGTEMPLATE with its items, as the platform reads it.
std::vector<std::uint16_t> RawDialogTemplate();

// Shows the dialog modally over owner; returns the id of the button that
// ended it (IDOK, IDCANCEL) or -1 when it could not be made.
INT_PTR ShowRawDialog(HWND owner);

// The dialog shown without a modal loop; destroyed with the object.
class TModelessRawDialog {
 public:
  explicit TModelessRawDialog(HWND owner);
  ~TModelessRawDialog();
  TModelessRawDialog(const TModelessRawDialog&) = delete;
  TModelessRawDialog& operator=(const TModelessRawDialog&) = delete;
  HWND Handle() const noexcept { return window_; }

 private:
  HWND window_ = nullptr;
};
