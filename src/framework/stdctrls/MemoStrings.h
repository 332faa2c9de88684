#pragma once
// The lines of a memo as TStrings. The same line operations work on the
// window's lines while it exists (EM_LINEINDEX and friends) and on the
// control's text before, so a memo filled before it is shown holds the
// same text as one filled on screen.
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
  TCustomMemo& memo_;
};
