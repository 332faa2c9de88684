#include "framework/comctrls/ListView.h"

#include <algorithm>
#include <utility>

#include "AnsiText.h"
#include "framework/ImageList.h"
#include "framework/comctrls/CommonControls.h"

namespace {

TListItem* ItemOf(LPARAM param) noexcept { return reinterpret_cast<TListItem*>(param); }

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

}  // namespace

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner),
      items_(std::make_unique<TListItems>(*this)),
      columns_(std::make_unique<TListColumns>(*this)) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
}

TCustomListView::~TCustomListView() = default;

void TCustomListView::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_LISTVIEWW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  params.Style |= kViewStyles[viewStyle_] | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
  if (!readOnly_) params.Style |= LVS_EDITLABELS;
  if (!multiSelect_) params.Style |= LVS_SINGLESEL;
  if (!hideSelection_) params.Style |= LVS_SHOWSELALWAYS;
  if (!showColumnHeaders_) params.Style |= LVS_NOCOLUMNHEADER;
  if (!columnClick_) params.Style |= LVS_NOSORTHEADER;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  windowGoing_ = false;
  columnCount_ = 0;
  ApplyExtendedStyle();
  ApplyColors();
  ApplyImages();
  CreateColumns();
  // One drawing for all the items, not one each.
  Send(WM_SETREDRAW, FALSE);
  Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(items_->Count()));
  for (int i = 0; i < items_->Count(); ++i) items_->CreateItem(i);
  if (items_->updateCount_ == 0) {
    Send(WM_SETREDRAW, TRUE);
    ::InvalidateRect(Handle(), nullptr, TRUE);
  }
}

LRESULT TCustomListView::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

// ---- Messages ------------------------------------------------------------------------

void TCustomListView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); break;
    case WM_DESTROY: WMDestroy(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomListView::WMDestroy(TMessage& m) {
  // The window deletes its items now; items and columns keep what they
  // showed (their states are current already).
  if (!windowGoing_) {
    SaveColumnWidths();
    windowGoing_ = true;
  }
  DefaultHandler(m);
}

void TCustomListView::CNNotify(TMessage& m) {
  const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
  m.Result = 0;
  if (windowGoing_) return;
  switch (header->code) {
    case LVN_GETDISPINFOW: GetDispInfo(*reinterpret_cast<NMLVDISPINFOW*>(m.LParam)); break;
    case LVN_ITEMCHANGED: ItemChanged(*reinterpret_cast<const NMLISTVIEW*>(m.LParam)); break;
    case LVN_COLUMNCLICK: {
      const int column = reinterpret_cast<const NMLISTVIEW*>(m.LParam)->iSubItem;
      if (column >= 0 && column < columns_->Count()) ColumnClicked(&columns_->Items(column));
      break;
    }
    case LVN_BEGINLABELEDITW: {
      const auto* info = reinterpret_cast<const NMLVDISPINFOW*>(m.LParam);
      bool allow = !readOnly_;
      if (allow && OnEditing) OnEditing(*this, ItemOf(info->item.lParam), allow);
      m.Result = allow ? FALSE : TRUE;
      break;
    }
    case LVN_ENDLABELEDITW: m.Result = EndLabelEdit(*reinterpret_cast<const NMLVDISPINFOW*>(m.LParam)); break;
    default: break;
  }
}

void TCustomListView::GetDispInfo(NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  const int index = item.iItem;
  if (index < 0 || index >= items_->Count()) return;
  const TListItem& model = *items_->Item(index);
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    std::wstring text;
    if (item.iSubItem == 0)
      text = model.caption_;
    else if (item.iSubItem <= model.subItems_.Count())
      text = FromAnsi(model.subItems_.Strings(item.iSubItem - 1));
    ::lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
  }
  if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) item.iImage = model.imageIndex_;
}

void TCustomListView::ItemChanged(const NMLISTVIEW& change) {
  // While the window is being filled the items are right and it is not.
  if (quiet_ || !(change.uChanged & LVIF_STATE)) return;
  // One change for every item (iItem -1) or for one.
  const int first = change.iItem < 0 ? 0 : change.iItem;
  const int last = change.iItem < 0 ? items_->Count() - 1 : change.iItem;
  const UINT changed = change.uOldState ^ change.uNewState;
  for (int i = first; i <= last && i < items_->Count(); ++i) {
    TListItem* item = items_->Item(i);
    if (changed & LVIS_FOCUSED) item->focused_ = (change.uNewState & LVIS_FOCUSED) != 0;
    const bool checkChanged = checkboxes_ && (changed & LVIS_STATEIMAGEMASK) &&
                              ((change.uNewState & LVIS_STATEIMAGEMASK) >> 12) != 0;
    if (checkChanged) {
      const bool checked = ((change.uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2;
      if (checked != item->checked_) {
        item->checked_ = checked;
        if (OnItemChecked) OnItemChecked(*this, item);
      }
    }
    if (changed & LVIS_SELECTED) {
      const bool selected = (change.uNewState & LVIS_SELECTED) != 0;
      if (selected != item->selected_) {
        item->selected_ = selected;
        SelectItem(item, selected);
      }
    }
  }
}

LRESULT TCustomListView::EndLabelEdit(const NMLVDISPINFOW& info) {
  if (!info.item.pszText || info.item.iItem < 0 || info.item.iItem >= items_->Count()) return FALSE;
  TListItem* item = items_->Item(info.item.iItem);
  std::wstring text = info.item.pszText;
  if (OnEdited) OnEdited(*this, item, text);
  item->caption_ = text;
  item->Refresh();
  return FALSE;  // the item keeps asking for its text
}

void TCustomListView::SelectItem(TListItem* item, bool selected) {
  if (OnSelectItem) OnSelectItem(*this, item, selected);
}

void TCustomListView::ColumnClicked(TListColumn* column) {
  if (OnColumnClick) OnColumnClick(*this, column);
}

void TCustomListView::CMColorChanged(TMessage& m) {
  ApplyColors();
  TWinControl::WndProc(m);
}

void TCustomListView::CMFontChanged(TMessage& m) {
  TWinControl::WndProc(m);
  ApplyColors();
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove || (component != largeImages_ && component != smallImages_)) return;
  if (component == largeImages_) largeImages_ = nullptr;
  if (component == smallImages_) smallImages_ = nullptr;
  if (!IsDestroying()) ApplyImages();
}

// ---- The window's settings --------------------------------------------------------------

void TCustomListView::ApplyExtendedStyle() {
  const DWORD mask = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES;
  DWORD style = 0;
  if (rowSelect_) style |= LVS_EX_FULLROWSELECT;
  if (gridLines_) style |= LVS_EX_GRIDLINES;
  if (checkboxes_) style |= LVS_EX_CHECKBOXES;
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

void TCustomListView::ApplyColors() {
  if (!WindowLive()) return;
  const COLORREF back = ColorToRGB(Color());
  Send(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
  Send(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
  Send(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

void TCustomListView::ApplyImages() {
  if (!WindowLive()) return;
  auto handle = [](TCustomImageList* list) { return reinterpret_cast<LPARAM>(list ? list->Handle() : nullptr); };
  Send(LVM_SETIMAGELIST, LVSIL_NORMAL, handle(largeImages_));
  Send(LVM_SETIMAGELIST, LVSIL_SMALL, handle(smallImages_));
}

void TCustomListView::SetStyleFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
}

void TCustomListView::SetExtendedFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  const bool quiet = std::exchange(quiet_, true);
  ApplyExtendedStyle();
  // Check boxes appear with the items' marks.
  if (&flag == &checkboxes_ && value) {
    for (int i = 0; i < items_->Count(); ++i) {
      const TListItem* item = items_->Item(i);
      item->WriteState(LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(item->checked_ ? 2 : 1));
    }
  }
  quiet_ = quiet;
}

void TCustomListView::SetViewStyle(TViewStyle style) {
  if (style == viewStyle_) return;
  viewStyle_ = style;
  if (!HandleAllocated()) return;
  LONG_PTR windowStyle = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
  windowStyle = (windowStyle & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | kViewStyles[style];
  ::SetWindowLongPtrW(Handle(), GWL_STYLE, windowStyle);
  Invalidate();
}

void TCustomListView::SetLargeImages(TCustomImageList* images) {
  if (SetReference(*this, largeImages_, images)) ApplyImages();
}

void TCustomListView::SetSmallImages(TCustomImageList* images) {
  if (SetReference(*this, smallImages_, images)) ApplyImages();
}

void TCustomListView::SetBorderStyle(TBorderStyle style) {
  style = style == bsNone ? bsNone : bsSingle;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
  Perform(CM_BORDERCHANGED);
}

HWND TCustomListView::HeaderHandle() {
  return WindowLive() ? reinterpret_cast<HWND>(Send(LVM_GETHEADER)) : nullptr;
}

// ---- Selection ---------------------------------------------------------------------------

TListItem* TCustomListView::Selected() const noexcept {
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Item(i)->selected_) return items_->Item(i);
  return nullptr;
}

void TCustomListView::SetSelected(TListItem* item) {
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Item(i) != item) items_->Item(i)->SetSelected(false);
  if (item) {
    item->SetSelected(true);
    item->SetFocused(true);
  }
}

int TCustomListView::SelCount() const noexcept {
  int count = 0;
  for (int i = 0; i < items_->Count(); ++i) count += items_->Item(i)->selected_;
  return count;
}

TListItem* TCustomListView::ItemFocused() const noexcept {
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Item(i)->focused_) return items_->Item(i);
  return nullptr;
}

void TCustomListView::SetItemFocused(TListItem* item) {
  if (TListItem* old = ItemFocused(); old && old != item) old->SetFocused(false);
  if (item) item->SetFocused(true);
}

int TCustomListView::ItemIndex() const noexcept {
  const TListItem* item = Selected();
  return item ? item->Index() : -1;
}

void TCustomListView::SetItemIndex(int index) {
  SetSelected(index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr);
}

TListItem* TCustomListView::GetItemAt(int x, int y) {
  if (!WindowLive()) return nullptr;
  LVHITTESTINFO hit{};
  hit.pt = {x, y};
  const int index = static_cast<int>(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return index >= 0 && index < items_->Count() && (hit.flags & LVHT_ONITEM) ? items_->Item(index) : nullptr;
}

TPropInfo TCustomListView::PropBorderStyle() {
  return OrdProp<TCustomListView>("BorderStyle", "TBorderStyle", TTypeKind::Enumeration,
                                  &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle,
                                  kBorderStyleNames);
}

std::vector<TPropInfo> TListView::PublishedProperties() {
  using T = TCustomListView;
  return WithCommonProperties({
      PropBorderStyle(),
      PropColor(),
      PropParentColor(),
      PropFont(),
      PropParentFont(),
      PropTabStop(),
      ObjProp<T>("Columns", "TListColumns", &T::Columns),
      OrdProp<T>("ViewStyle", "TViewStyle", TTypeKind::Enumeration, &T::ViewStyle, &T::SetViewStyle,
                 kViewStyleNames),
      RefProp<T>("LargeImages", "TCustomImageList", &T::LargeImages, &T::SetLargeImages),
      RefProp<T>("SmallImages", "TCustomImageList", &T::SmallImages, &T::SetSmallImages),
      BoolProp<T>("RowSelect", &T::RowSelect, &T::SetRowSelect),
      BoolProp<T>("GridLines", &T::GridLines, &T::SetGridLines),
      BoolProp<T>("Checkboxes", &T::Checkboxes, &T::SetCheckboxes),
      BoolProp<T>("ReadOnly", &T::ReadOnly, &T::SetReadOnly),
      BoolProp<T>("MultiSelect", &T::MultiSelect, &T::SetMultiSelect),
      BoolProp<T>("HideSelection", &T::HideSelection, &T::SetHideSelection),
      BoolProp<T>("ShowColumnHeaders", &T::ShowColumnHeaders, &T::SetShowColumnHeaders),
      BoolProp<T>("ColumnClick", &T::ColumnClick, &T::SetColumnClick),
  });
}
