#pragma once
// TCustomListBox / TListBox: a list of items over the platform's "LISTBOX"
// control. One item is current (ItemIndex); with MultiSelect several are
// selected (Selected), with ExtendedSelect by Shift and Ctrl clicks. A
// Sorted list keeps its items in the locale's order. The owner-draw styles
// paint items through OnDrawItem (and size them through OnMeasureItem for
// lbOwnerDrawVariable). Items, selection and current item survive a
// re-creation of the window.
#include <memory>

#include "framework/stdctrls/ListControl.h"

class TListControlStrings;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
inline constexpr std::string_view kListBoxStyleNames[] = {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"};

class TCustomListBox : public TCustomListControl {
  FW_CLASS(TCustomListBox, TCustomListControl)
 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  // Attributes
  TStrings& Items() override;
  int ItemIndex() override;
  void SetItemIndex(int index) override;
  bool MultiSelect() const noexcept { return multiSelect_; }
  void SetMultiSelect(bool multiSelect);
  bool ExtendedSelect() const noexcept { return extendedSelect_; }
  void SetExtendedSelect(bool extended);
  // With MultiSelect; without it, the current item is the selected one.
  bool Selected(int index);
  void SetSelected(int index, bool selected);
  int SelCount();
  bool Sorted() const noexcept { return sorted_; }
  void SetSorted(bool sorted);
  TListBoxStyle Style() const noexcept { return style_; }
  void SetStyle(TListBoxStyle style);
  int ItemHeight();
  void SetItemHeight(int height);
  TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  int TopIndex();
  void SetTopIndex(int index);
  // The item at p (client coordinates), or -1.
  int ItemAtPos(POINT p, bool existing = true);
  RECT ItemRect(int index);

  // Operations
  void SelectAll();
  void ClearSelection();
  void DeleteSelected() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void WMDestroy(TMessage& message);
  void CNCommand(TMessage& message);

  std::unique_ptr<TListControlStrings> items_;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 16;
  TBorderStyle borderStyle_ = bsSingle;
  // Kept while there is no window.
  int savedIndex_ = -1;
  std::vector<int> savedSelection_;
  int savedTop_ = 0;
};

class TListBox : public TCustomListBox {
  FW_CLASS(TListBox, TCustomListBox)
 public:
  explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
