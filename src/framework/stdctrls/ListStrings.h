#pragma once
// The items of a list box or a combo box as TStrings, over the window's
// own list (LB_* or CB_* messages, texts converted at the boundary). While
// the control has no window, and across a re-creation, the items and their
// objects wait in a string list and go into the next window.
#include "framework/Strings.h"
#include "framework/WinControl.h"

// The window messages of one kind of list.
struct TListMessages {
  UINT AddString, InsertString, DeleteString, ResetContent, GetCount, GetText, GetTextLen, GetItemData,
      SetItemData, FindStringExact, Error;
  static const TListMessages ListBox;
  static const TListMessages ComboBox;
};

class TListControlStrings : public TStrings {
  FW_CLASS(TListControlStrings, TStrings)
 public:
  TListControlStrings(TWinControl& control, const TListMessages& messages);

  // Attributes
  // A sorted window inserts every added item in order (LBS_SORT, CBS_SORT).
  bool Sorted() const noexcept { return saved_.Sorted(); }
  void SetSorted(bool sorted) { saved_.SetSorted(sorted); }

  int Count() const override;
  int AddObject(std::string_view text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int IndexOf(std::string_view text) const override;

  // Operations (the control calls these around its window's life)
  // Fills the new window from the waiting items.
  void WindowCreated();
  // Keeps the items of the window about to go; until the next window they
  // are served from there.
  void WindowDestroying();

  // Raised after every change of the items.
  TNotifyEvent OnChange;

 protected:
  std::string Get(int index) const override;
  void Put(int index, std::string_view text) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* object) override;
  void InsertItem(int index, std::string_view text, TObject* object) override;
  void SetUpdateState(bool updating) override;

 private:
  bool Live() const noexcept { return control_.HandleAllocated() && !saving_; }
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const;
  void Changed();

  TWinControl& control_;
  const TListMessages& messages_;
  TStringList saved_;  // the items while there is no window
  bool saving_ = false;
};
