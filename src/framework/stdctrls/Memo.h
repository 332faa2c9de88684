#pragma once
// TCustomMemo / TMemo: several lines of editable text. Lines lists them as
// ANSI texts (TStrings) and edits the window in place; before the window
// exists they live in the control's text. With WordWrap the lines are the
// lines as shown. Tab and Enter go to the form unless WantTabs and
// WantReturns keep them in the memo.
#include <memory>

#include "framework/Strings.h"
#include "framework/stdctrls/Edit.h"

// TScrollStyle (ScrollBars) is the framework's own, in framework/Types.h.

class TCustomMemo : public TCustomEdit {
  FW_CLASS(TCustomMemo, TCustomEdit)
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  // Attributes
  TStrings& Lines() noexcept { return *lines_; }
  void SetLines(const TStrings& lines) { lines_->Assign(lines); }
  TScrollStyle ScrollBars() const noexcept { return scrollBars_; }
  void SetScrollBars(TScrollStyle scrollBars);
  bool WordWrap() const noexcept { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool WantReturns() const noexcept { return wantReturns_; }
  void SetWantReturns(bool want) noexcept { wantReturns_ = want; }
  bool WantTabs() const noexcept { return wantTabs_; }
  void SetWantTabs(bool want) noexcept { wantTabs_ = want; }
  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // Line and column of the caret.
  POINT CaretPos();

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void KeyPress(wchar_t& key) override;

 private:
  void WMGetDlgCode(TMessage& message);

  std::unique_ptr<TStrings> lines_;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  TAlignment alignment_ = taLeftJustify;
};

class TMemo : public TCustomMemo {
  FW_CLASS(TMemo, TCustomMemo)
 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
