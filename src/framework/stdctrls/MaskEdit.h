#pragma once
// TCustomMaskEdit / TMaskEdit: an edit that takes input only where its
// EditMask allows (see EditMask.h). Typing fills the next open position
// and skips literals; Backspace and Delete empty positions; a paste is
// typed character by character. EditText is what the window shows; Text
// is the value (literals only when the mask saves them). Without a mask it
// is a plain edit.
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/EditMask.h"

class TCustomMaskEdit : public TCustomEdit {
  FW_CLASS(TCustomMaskEdit, TCustomEdit)
 public:
  explicit TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

  // Attributes
  const std::wstring& EditMask() const noexcept { return editMask_; }
  // Keeps the current value, shown in the new format.
  void SetEditMask(std::wstring_view mask);
  bool IsMasked() const noexcept { return !mask_.Empty(); }
  // The text as shown, blanks and literals included.
  const std::wstring& EditText() const noexcept { return TCustomEdit::Text(); }
  void SetEditText(std::wstring_view text);
  // The value. These hide TControl's Text: through a TControl the edit
  // text is seen.
  std::wstring Text() const;
  void SetText(std::wstring_view text);
  // Every required position is filled.
  bool IsMaskComplete() const noexcept { return mask_.Complete(EditText()); }
  // Throws EInvalidOperation unless the mask is complete.
  void ValidateEdit() const;

 protected:
  void WndProc(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  void WMChar(TMessage& message);
  void WMPaste(TMessage& message);
  void WMCut(TMessage& message);
  void WMClear(TMessage& message);
  // Puts ch at the first open position from the caret on; false when it
  // does not fit.
  bool TypeChar(wchar_t ch);
  // Empties the selected positions, or (none selected) the one at the
  // caret (forward) or before it (back).
  void EraseSelection(bool forward);
  void ShowEdit(const std::wstring& text, int caret);
  void Selection(int& start, int& end);

  std::wstring editMask_;
  TEditMask mask_;
};

class TMaskEdit : public TCustomMaskEdit {
  FW_CLASS(TMaskEdit, TCustomMaskEdit)
 public:
  explicit TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
