// The report view's columns of a list view and their columns in the window.
#include <algorithm>

#include "framework/comctrls/ListView.h"

// ---- TListColumn -----------------------------------------------------------------

TListColumn::TListColumn(TCollection& collection) : TCollectionItem(collection) {}

TCustomListView* TListColumn::ListView() const noexcept {
  return &static_cast<TListColumns&>(Collection()).ListView();
}

void TListColumn::SetCaption(std::wstring_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(false);
}

int TListColumn::Width() {
  TCustomListView* list = ListView();
  const int index = Index();
  if (list->WindowLive() && index >= 0 && index < list->columnCount_)
    width_ = static_cast<int>(list->Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index)));
  return width_;
}

void TListColumn::SetWidth(int width) {
  width_ = std::max(width, 0);
  Changed(false);
}

void TListColumn::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed(false);
}

void TListColumn::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed(false);
}

std::vector<TPropInfo> TListColumn::PublishedProperties() {
  using T = TListColumn;
  return {
      StrProp<T>("Caption", "WideString", TTypeKind::WString, &T::Caption, &T::SetCaption),
      OrdProp<T>("Width", "TWidth", TTypeKind::Integer, &T::Width, &T::SetWidth),
      OrdProp<T>("Alignment", "TAlignment", TTypeKind::Enumeration, &T::Alignment, &T::SetAlignment,
                 kAlignmentNames),
      OrdProp<T>("ImageIndex", "TImageIndex", TTypeKind::Integer, &T::ImageIndex, &T::SetImageIndex),
  };
}

// ---- TListColumns ----------------------------------------------------------------

TListColumns::TListColumns(TCustomListView& listView)
    : TCollection(&listView, TCollectionItemClass::Of<TListColumn>()), listView_(listView) {}

void TListColumns::Update(TCollectionItem* item) {
  if (item)
    listView_.WriteColumn(item->Index(), LVM_SETCOLUMNW);
  else
    listView_.CreateColumns();
  TCollection::Update(item);
}

void TListColumns::Notify(TCollectionItem& item, TCollectionNotification action) {
  if (!listView_.WindowLive()) return;
  const int index = item.Index();
  if (action == cnAdded) {
    listView_.WriteColumn(index, LVM_INSERTCOLUMNW);
  } else if (index < listView_.columnCount_ &&
             listView_.Send(LVM_DELETECOLUMN, static_cast<WPARAM>(index))) {
    --listView_.columnCount_;
  }
}

// ---- The window's columns ------------------------------------------------------------

void TCustomListView::WriteColumn(int index, UINT message) {
  if (!WindowLive() || index < 0 || index >= columns_->Count()) return;
  if (message == LVM_SETCOLUMNW && index >= columnCount_) return;
  TListColumn& column = columns_->Items(index);
  static constexpr int kFormats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  info.fmt = kFormats[column.alignment_];
  info.cx = column.width_;
  std::wstring text = column.caption_;
  info.pszText = text.data();
  info.iSubItem = index;
  if (column.imageIndex_ >= 0) {
    info.mask |= LVCF_IMAGE;
    info.fmt |= LVCFMT_IMAGE;
    info.iImage = column.imageIndex_;
  }
  const LRESULT result = Send(message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  if (message == LVM_INSERTCOLUMNW && result >= 0) ++columnCount_;
}

void TCustomListView::CreateColumns() {
  if (!WindowLive()) return;
  // The window's columns take the collection's, in place; extra ones go
  // from the end.
  const int count = columns_->Count();
  for (int i = 0; i < count; ++i) WriteColumn(i, i < columnCount_ ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW);
  while (columnCount_ > count && Send(LVM_DELETECOLUMN, static_cast<WPARAM>(columnCount_ - 1))) --columnCount_;
}

void TCustomListView::SaveColumnWidths() {
  for (int i = 0; i < std::min(columnCount_, columns_->Count()); ++i) columns_->Items(i).Width();
}
