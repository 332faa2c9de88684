#pragma once
// The lines of a memo as TStrings: over the window's lines while it
// exists, over the control's text before.
#include "framework/Strings.h"

class TCustomMemo;

class TMemoStrings : public TStrings {
  FW_CLASS(TMemoStrings, TStrings)
 public:
  explicit TMemoStrings(TCustomMemo& memo) noexcept : memo_(memo) {}

  int Count() const override;
  void Delete(int index) override;
  void Clear() override;

 protected:
  std::string Get(int index) const override;
  void Put(int index, std::string_view text) override;
  void InsertItem(int index, std::string_view text, TObject* object) override;
  void SetUpdateState(bool updating) override;
  void SetTextStr(std::string_view text) override;

 private:
  // The window's character range of line index with its line break.
  bool LineRange(int index, int& start, int& end) const;
  void Replace(int start, int end, std::wstring_view text);

  TCustomMemo& memo_;
};
