#pragma once
// TTabStrings: a tab control's Tabs, a TStrings over its tabs. Each change
// goes to the window at once (one tab inserted, renamed or deleted), so the
// selected tab stays where it was.
#include "framework/Strings.h"

class TCustomTabControl;

class TTabStrings : public TStrings {
  FW_CLASS(TTabStrings, TStrings)
 public:
  explicit TTabStrings(TCustomTabControl& owner) noexcept : owner_(owner) {}

  int Count() const override;
  void Delete(int index) override;
  void Clear() override;

 protected:
  std::string Get(int index) const override;
  void Put(int index, std::string_view text) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void InsertItem(int index, std::string_view text, TObject* object) override;
  void SetUpdateState(bool updating) override;

 private:
  TCustomTabControl& owner_;
};
