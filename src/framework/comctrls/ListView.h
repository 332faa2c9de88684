#pragma once
// TCustomListView / TListView: items with images and sub-items in one of
// four views (large icons, small icons, a list, a report with columns) over
// the platform's list view ("SysListView32").
//
// The items (TListItem) live in Items whether or not the window exists;
// the window asks for their texts and images when it draws them. What the
// user changes (selection, check marks, focus, label edits, column widths)
// comes back into the items and columns at once, so re-creating the
// window loses nothing. The report view's columns are Columns.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/Collection.h"
#include "framework/Strings.h"
#include "framework/WinControl.h"

class TCustomImageList;
class TCustomListView;
class TListItems;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
inline constexpr std::string_view kViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};

// Only the item list makes items.
class TListItemKey {
  friend class TListItems;
  TListItemKey() = default;
};

class TListItem : public TObject {
  FW_CLASS(TListItem, TObject)
 public:
  TListItem(TListItemKey, TListItems* owner);
  ~TListItem() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  const std::wstring& Caption() const noexcept { return caption_; }
  void SetCaption(std::wstring_view caption);
  // The texts of the report view's further columns.
  TStringList& SubItems() noexcept { return subItems_; }
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);
  void* Data() const noexcept { return data_; }
  void SetData(void* data) noexcept { data_ = data; }
  bool Selected() const noexcept { return selected_; }
  void SetSelected(bool selected);
  // The check box's mark (with the list's Checkboxes).
  bool Checked() const noexcept { return checked_; }
  void SetChecked(bool checked);
  bool Focused() const noexcept { return focused_; }
  void SetFocused(bool focused);
  TListItems& Owner() const noexcept { return *owner_; }
  TCustomListView& ListView() const noexcept;
  int Index() const noexcept;
  // Where the item is shown, in client coordinates (LVIR_BOUNDS, ...).
  RECT DisplayRect(int code = LVIR_BOUNDS) const;

  // Operations
  void Delete();
  void MakeVisible();

 private:
  friend class TListItems;
  friend class TCustomListView;
  // Redraws the item in the window.
  void Refresh() const;
  // Gives the window a state; false without a window.
  bool WriteState(UINT mask, UINT state) const;

  TListItems* owner_;
  std::wstring caption_;
  TStringList subItems_;
  int imageIndex_ = -1;
  void* data_ = nullptr;
  bool selected_ = false;
  bool checked_ = false;
  bool focused_ = false;
};

class TListItems : public TObject {
  FW_CLASS(TListItems, TObject)
 public:
  explicit TListItems(TCustomListView& listView);
  ~TListItems() override;
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  // Attributes
  TCustomListView& ListView() const noexcept { return listView_; }
  int Count() const noexcept { return static_cast<int>(items_.size()); }
  TListItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  int IndexOf(const TListItem* item) const noexcept;

  // Operations
  TListItem* Add() { return Insert(Count()); }
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TListItem;
  friend class TCustomListView;
  void CreateItem(int index);

  TCustomListView& listView_;
  std::vector<std::unique_ptr<TListItem>> items_;
  int updateCount_ = 0;
};

class TListColumn : public TCollectionItem {
  FW_CLASS(TListColumn, TCollectionItem)
 public:
  explicit TListColumn(TCollection& collection);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes
  const std::wstring& Caption() const noexcept { return caption_; }
  void SetCaption(std::wstring_view caption);
  // Read from the window, where the user may drag it.
  int Width();
  void SetWidth(int width);
  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment);
  int ImageIndex() const noexcept { return imageIndex_; }
  void SetImageIndex(int index);

 private:
  friend class TCustomListView;
  TCustomListView* ListView() const noexcept;

  std::wstring caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  int imageIndex_ = -1;
};

class TListColumns : public TCollection {
  FW_CLASS(TListColumns, TCollection)
 public:
  explicit TListColumns(TCustomListView& listView);
  static std::vector<TPropInfo> PublishedProperties() { return {}; }

  TListColumn& Add() { return static_cast<TListColumn&>(TCollection::Add()); }
  TListColumn& Items(int index) const { return static_cast<TListColumn&>(TCollection::Items(index)); }
  TCustomListView& ListView() const noexcept { return listView_; }

 protected:
  void Update(TCollectionItem* item) override;
  void Notify(TCollectionItem& item, TCollectionNotification action) override;

 private:
  TCustomListView& listView_;
};

using TLVSelectItemEvent = std::function<void(TObject& sender, TListItem* item, bool selected)>;
using TLVColumnClickEvent = std::function<void(TObject& sender, TListColumn* column)>;
using TLVEditingEvent = std::function<void(TObject& sender, TListItem* item, bool& allowEdit)>;
using TLVEditedEvent = std::function<void(TObject& sender, TListItem* item, std::wstring& text)>;
using TLVCheckedEvent = std::function<void(TObject& sender, TListItem* item)>;

class TCustomListView : public TWinControl {
  FW_CLASS(TCustomListView, TWinControl)
 public:
  explicit TCustomListView(TComponent* owner);
  ~TCustomListView() override;

  // Attributes: contents
  TListItems& Items() noexcept { return *items_; }
  TListColumns& Columns() noexcept { return *columns_; }
  // The first selected item, or null; setting selects only that one.
  TListItem* Selected() const noexcept;
  void SetSelected(TListItem* item);
  int SelCount() const noexcept;
  TListItem* ItemFocused() const noexcept;
  void SetItemFocused(TListItem* item);
  // The index of Selected, -1 for none.
  int ItemIndex() const noexcept;
  void SetItemIndex(int index);
  // The item at a point of the client area, or null.
  TListItem* GetItemAt(int x, int y);

  // Attributes: look
  TViewStyle ViewStyle() const noexcept { return viewStyle_; }
  void SetViewStyle(TViewStyle style);
  TCustomImageList* LargeImages() const noexcept { return largeImages_; }
  void SetLargeImages(TCustomImageList* images);
  TCustomImageList* SmallImages() const noexcept { return smallImages_; }
  void SetSmallImages(TCustomImageList* images);
  bool RowSelect() const noexcept { return rowSelect_; }
  void SetRowSelect(bool rowSelect) { SetExtendedFlag(rowSelect_, rowSelect); }
  bool GridLines() const noexcept { return gridLines_; }
  void SetGridLines(bool gridLines) { SetExtendedFlag(gridLines_, gridLines); }
  bool Checkboxes() const noexcept { return checkboxes_; }
  void SetCheckboxes(bool checkboxes) { SetExtendedFlag(checkboxes_, checkboxes); }
  bool ReadOnly() const noexcept { return readOnly_; }
  void SetReadOnly(bool readOnly) { SetStyleFlag(readOnly_, readOnly); }
  bool MultiSelect() const noexcept { return multiSelect_; }
  void SetMultiSelect(bool multiSelect) { SetStyleFlag(multiSelect_, multiSelect); }
  bool HideSelection() const noexcept { return hideSelection_; }
  void SetHideSelection(bool hide) { SetStyleFlag(hideSelection_, hide); }
  bool ShowColumnHeaders() const noexcept { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool show) { SetStyleFlag(showColumnHeaders_, show); }
  // Column headers that can be clicked (OnColumnClick).
  bool ColumnClick() const noexcept { return columnClick_; }
  void SetColumnClick(bool columnClick) { SetStyleFlag(columnClick_, columnClick); }
  TBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  // The report view's header window (null in the other views or without a
  // window).
  HWND HeaderHandle();

  // Events
  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;
  TLVCheckedEvent OnItemChecked;
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void SelectItem(TListItem* item, bool selected);
  virtual void ColumnClicked(TListColumn* column);

  static TPropInfo PropBorderStyle();

 private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumn;
  friend class TListColumns;

  void CNNotify(TMessage& message);
  void WMDestroy(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void GetDispInfo(NMLVDISPINFOW& info);
  void ItemChanged(const NMLISTVIEW& change);
  LRESULT EndLabelEdit(const NMLVDISPINFOW& info);
  void SetStyleFlag(bool& flag, bool value);
  void SetExtendedFlag(bool& flag, bool value);
  void ApplyExtendedStyle();
  void ApplyColors();
  void ApplyImages();
  void CreateColumns();
  void WriteColumn(int index, UINT message);
  void SaveColumnWidths();
  bool WindowLive() const noexcept { return HandleAllocated() && !windowGoing_; }
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  std::unique_ptr<TListItems> items_;
  std::unique_ptr<TListColumns> columns_;
  TViewStyle viewStyle_ = vsIcon;
  TCustomImageList* largeImages_ = nullptr;
  TCustomImageList* smallImages_ = nullptr;
  bool rowSelect_ = false;
  bool gridLines_ = false;
  bool checkboxes_ = false;
  bool readOnly_ = false;
  bool multiSelect_ = false;
  bool hideSelection_ = true;
  bool showColumnHeaders_ = true;
  bool columnClick_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  bool windowGoing_ = false;  // WM_DESTROY has come: the items are going
  bool quiet_ = false;        // filling the window: its notifications raise no events
  int columnCount_ = 0;       // columns in the window
};

class TListView : public TCustomListView {
  FW_CLASS(TListView, TCustomListView)
 public:
  explicit TListView(TComponent* owner) : TCustomListView(owner) {}
  static std::vector<TPropInfo> PublishedProperties();
};
