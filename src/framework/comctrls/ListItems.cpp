// The items of a list view and their items in the window.
#include <algorithm>
#include <cstring>

#include "framework/comctrls/ListView.h"

namespace {

// The check box's state images: 1 unchecked, 2 checked.
UINT CheckState(bool checked) { return INDEXTOSTATEIMAGEMASK(checked ? 2 : 1); }

}  // namespace

// ---- TListItem -------------------------------------------------------------------

TListItem::TListItem(TListItemKey, TListItems* owner) : owner_(owner) {
  subItems_.OnChange = [this](TObject&) { Refresh(); };
}

TListItem::~TListItem() = default;

TCustomListView& TListItem::ListView() const noexcept { return owner_->ListView(); }

int TListItem::Index() const noexcept { return owner_->IndexOf(this); }

void TListItem::Refresh() const {
  // Inside BeginUpdate/EndUpdate the whole list is drawn at the end.
  TCustomListView& list = ListView();
  if (owner_->updateCount_ > 0 || !list.WindowLive()) return;
  const int index = Index();
  if (index >= 0) list.Send(LVM_UPDATE, static_cast<WPARAM>(index));
}

bool TListItem::WriteState(UINT mask, UINT state) const {
  TCustomListView& list = ListView();
  const int index = Index();
  if (index < 0 || !list.WindowLive()) return false;
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  list.Send(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return true;
}

void TListItem::SetCaption(std::wstring_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Refresh();
}

void TListItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Refresh();
}

// With a window, the window's report of the change updates the item and
// raises the list's events.
void TListItem::SetSelected(bool selected) {
  if (selected == selected_) return;
  WriteState(LVIS_SELECTED, selected ? LVIS_SELECTED : 0);
  selected_ = selected;
}

void TListItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  if (ListView().Checkboxes()) WriteState(LVIS_STATEIMAGEMASK, CheckState(checked));
  checked_ = checked;
}

void TListItem::SetFocused(bool focused) {
  if (focused == focused_) return;
  WriteState(LVIS_FOCUSED, focused ? LVIS_FOCUSED : 0);
  focused_ = focused;
}

RECT TListItem::DisplayRect(int code) const {
  RECT rect{};
  rect.left = code;
  TCustomListView& list = ListView();
  const int index = Index();
  if (index < 0 || !list.WindowLive() ||
      !list.Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
    return RECT{};
  return rect;
}

void TListItem::Delete() { owner_->Delete(Index()); }

void TListItem::MakeVisible() {
  const int index = Index();
  if (index >= 0 && ListView().WindowLive()) ListView().Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

// ---- TListItems ------------------------------------------------------------------

TListItems::TListItems(TCustomListView& listView) : listView_(listView) {}

TListItems::~TListItems() = default;

int TListItems::IndexOf(const TListItem* item) const noexcept {
  const auto it = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TListItem* TListItems::Insert(int index) {
  index = std::clamp(index, 0, Count());
  TListItem* item =
      items_.insert(items_.begin() + index, std::make_unique<TListItem>(TListItemKey{}, this))->get();
  if (listView_.WindowLive()) CreateItem(index);
  return item;
}

void TListItems::CreateItem(int index) {
  const TListItem& model = *Item(index);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  item.iItem = index;
  item.pszText = LPSTR_TEXTCALLBACKW;
  item.iImage = I_IMAGECALLBACK;
  item.lParam = reinterpret_cast<LPARAM>(&model);
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED | (listView_.Checkboxes() ? LVIS_STATEIMAGEMASK : 0);
  item.state = (model.selected_ ? LVIS_SELECTED : 0) | (model.focused_ ? LVIS_FOCUSED : 0) |
               (listView_.Checkboxes() ? CheckState(model.checked_) : 0);
  // The window tells of the states it is given; they are the item's own.
  const bool quiet = std::exchange(listView_.quiet_, true);
  const LRESULT at = listView_.Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  // Some versions start every new item unchecked.
  if (at >= 0 && listView_.Checkboxes()) model.WriteState(LVIS_STATEIMAGEMASK, CheckState(model.checked_));
  listView_.quiet_ = quiet;
  if (at < 0) throw EOutOfResources("Could not add a list item");
}

void TListItems::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  // The window goes first; its notifications still find the item.
  if (listView_.WindowLive()) listView_.Send(LVM_DELETEITEM, static_cast<WPARAM>(index));
  items_.erase(items_.begin() + index);
}

void TListItems::Clear() {
  if (listView_.WindowLive()) listView_.Send(LVM_DELETEALLITEMS);
  items_.clear();
}

void TListItems::BeginUpdate() {
  if (updateCount_++ == 0 && listView_.WindowLive()) listView_.Send(WM_SETREDRAW, FALSE);
}

void TListItems::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0 || !listView_.WindowLive()) return;
  listView_.Send(WM_SETREDRAW, TRUE);
  listView_.Invalidate();
}
