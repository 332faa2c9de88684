#pragma once
// TCustomComboBoxEx / TComboBoxEx: a combo box whose items show an image
// of an image list beside their caption, over the platform's
// "ComboBoxEx32" control. ItemsEx holds the items (Caption, ImageIndex,
// SelectedImageIndex, OverlayImageIndex, Indent); Items shows the same
// items as texts.
#include <memory>

#include "framework/Collection.h"
#include "framework/ImageList.h"
#include "framework/stdctrls/CustomCombo.h"

class TCustomComboBoxEx;

class TComboExItem : public TCollectionItem {
  FW_CLASS(TComboExItem, TCollectionItem)
 public:
  explicit TComboExItem(TCollection& collection) noexcept : TCollectionItem(collection) {}
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes (each change shows at once)
  const std::string& Caption() const noexcept { return caption_; }
  void SetCaption(const std::string& caption);
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);
  // -1: the ImageIndex image.
  int SelectedImageIndex() const noexcept { return selectedImageIndex_; }
  void SetSelectedImageIndex(int index);
  int OverlayImageIndex() const noexcept { return overlayImageIndex_; }
  void SetOverlayImageIndex(int index);
  // In image widths.
  int Indent() const noexcept { return indent_; }
  void SetIndent(int indent);
  TObject* Data() const noexcept { return data_; }
  void SetData(TObject* data) noexcept { data_ = data; }
  std::string DisplayName() const override { return caption_; }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  int selectedImageIndex_ = -1;
  int overlayImageIndex_ = -1;
  int indent_ = 0;
  TObject* data_ = nullptr;
};

class TComboExItems : public TCollection {
  FW_CLASS(TComboExItems, TCollection)
 public:
  explicit TComboExItems(TCustomComboBoxEx& owner);
  TComboExItem& Items(int index) const { return static_cast<TComboExItem&>(TCollection::Items(index)); }
  TComboExItem& Add() { return static_cast<TComboExItem&>(TCollection::Add()); }
  // An item with these values, appended.
  TComboExItem& AddItem(std::string_view caption, int imageIndex = -1, int selectedImageIndex = -1,
                        int overlayImageIndex = -1, int indent = 0, TObject* data = nullptr);

 protected:
  void Update(TCollectionItem* item) override;
  void Notify(TCollectionItem& item, TCollectionNotification action) override;

 private:
  TCustomComboBoxEx& combo_;
  bool notified_ = false;  // the window shows the last change already
};

enum TComboBoxExStyle { csExDropDown, csExSimple, csExDropDownList };
inline constexpr std::string_view kComboBoxExStyleNames[] = {"csExDropDown", "csExSimple", "csExDropDownList"};

class TCustomComboBoxEx : public TCustomCombo {
  FW_CLASS(TCustomComboBoxEx, TCustomCombo)
 public:
  explicit TCustomComboBoxEx(TComponent* owner);
  ~TCustomComboBoxEx() override;
  void BeforeDestruction() override;

  // Attributes
  TComboExItems& ItemsEx() noexcept { return itemsEx_; }
  TStrings& Items() override;
  TCustomImageList* Images() const noexcept { return images_; }
  void SetImages(TCustomImageList* images);
  TComboBoxExStyle Style() const noexcept { return style_; }
  void SetStyle(TComboBoxExStyle style);
  HWND EditHandle() override;
  // The inner combo box window.
  HWND ComboHandle();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  std::wstring CurrentText() override;

 private:
  friend class TComboExItems;
  // The window's items from ItemsEx: one item, or all of them.
  void ShowItem(const TComboExItem& item, bool insert);
  void RemoveItem(int index);
  void ShowAllItems();
  void ApplyImages();

  TComboExItems itemsEx_;
  std::unique_ptr<TStrings> items_;
  TCustomImageList* images_ = nullptr;
  TComboBoxExStyle style_ = csExDropDown;
};

class TComboBoxEx : public TCustomComboBoxEx {
  FW_CLASS(TComboBoxEx, TCustomComboBoxEx)
 public:
  explicit TComboBoxEx(TComponent* owner) : TCustomComboBoxEx(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
