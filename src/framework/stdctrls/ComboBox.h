#pragma once
// TCustomComboBox / TComboBox: the platform's "COMBOBOX" in all its styles:
// an edit with a list that drops down (csDropDown), an edit above a list
// always shown (csSimple), a pick-only list (csDropDownList), and that one
// with items drawn by OnDrawItem (csOwnerDrawFixed, csOwnerDrawVariable).
// In the pick-only styles, setting Text selects the item with that text.
#include <memory>

#include "framework/stdctrls/CustomCombo.h"

class TListControlStrings;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
inline constexpr std::string_view kComboBoxStyleNames[] = {"csDropDown", "csSimple", "csDropDownList",
                                                           "csOwnerDrawFixed", "csOwnerDrawVariable"};

class TCustomComboBox : public TCustomCombo {
  FW_CLASS(TCustomComboBox, TCustomCombo)
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  // Attributes
  TStrings& Items() override;
  TComboBoxStyle Style() const noexcept { return style_; }
  void SetStyle(TComboBoxStyle style);
  bool Sorted() const noexcept { return sorted_; }
  void SetSorted(bool sorted);
  // The height of the items of the owner-draw styles.
  void SetItemHeight(int height);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void WMSetText(TMessage& message);
  void WMDestroy(TMessage& message);
  bool PickOnly() const noexcept { return style_ >= csDropDownList; }

  std::unique_ptr<TListControlStrings> items_;
  TComboBoxStyle style_ = csDropDown;
  bool sorted_ = false;
  int itemHeight_ = 16;
};

class TComboBox : public TCustomComboBox {
  FW_CLASS(TComboBox, TCustomComboBox)
 public:
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
