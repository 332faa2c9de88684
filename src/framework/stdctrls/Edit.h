#pragma once
// TCustomEdit / TEdit: a line of editable text over the platform's "EDIT"
// control. Text (the control's UTF-16 caption) follows what the user types;
// OnChange comes once per change, from typing or from code. AutoSelect
// selects everything when the focus arrives from the keyboard.
#include "framework/WinControl.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
inline constexpr std::string_view kEditCharCaseNames[] = {"ecNormal", "ecUpperCase", "ecLowerCase"};

class TCustomEdit : public TWinControl {
  FW_CLASS(TCustomEdit, TWinControl)
 public:
  explicit TCustomEdit(TComponent* owner);

  // Attributes
  TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  // 0: no limit.
  int MaxLength() const noexcept { return maxLength_; }
  void SetMaxLength(int length);
  bool ReadOnly() const noexcept { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // Shown instead of every character; 0 shows the text.
  wchar_t PasswordChar() const noexcept { return passwordChar_; }
  void SetPasswordChar(wchar_t ch);
  TEditCharCase CharCase() const noexcept { return charCase_; }
  void SetCharCase(TEditCharCase charCase);
  bool HideSelection() const noexcept { return hideSelection_; }
  void SetHideSelection(bool hide);
  bool AutoSelect() const noexcept { return autoSelect_; }
  void SetAutoSelect(bool autoSelect) noexcept { autoSelect_ = autoSelect; }
  // The user changed the text since Modified was last cleared.
  bool Modified();
  void SetModified(bool modified);
  // The selection, in UTF-16 units.
  int SelStart();
  void SetSelStart(int start);
  int SelLength();
  void SetSelLength(int length);
  std::wstring SelText();
  // Replaces the selection (as typing would).
  void SetSelText(std::wstring_view text);

  // Operations
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo();
  void Clear() { SetText(L""); }

  // Events
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  virtual void Change();
  // Reads the window's text into Text (after the user changed it).
  void SyncText();

 private:
  void WMSetText(TMessage& message);
  void WMSetFocus(TMessage& message);
  void CNCommand(TMessage& message);
  void CMTextChanged(TMessage& message);

  TBorderStyle borderStyle_ = bsSingle;
  int maxLength_ = 0;
  bool readOnly_ = false;
  wchar_t passwordChar_ = 0;
  TEditCharCase charCase_ = ecNormal;
  bool hideSelection_ = true;
  bool autoSelect_ = true;
  bool settingText_ = false;
};

class TEdit : public TCustomEdit {
  FW_CLASS(TEdit, TCustomEdit)
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};

// Entries of TEdit's list that the other edits publish too.
std::vector<TPropInfo> EditPublishedProperties();
