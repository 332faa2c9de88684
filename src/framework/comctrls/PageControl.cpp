// Page controls and their sheets.
#include <algorithm>

#include "framework/comctrls/TabControl.h"
#include "framework/comctrls/CommonControls.h"

// ---- TPageControl --------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

void TPageControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_CONTROLLISTCHANGE: CMControlListChange(m); break;
    default: TCustomTabControl::WndProc(m); break;
  }
}

void TPageControl::CMControlListChange(TMessage& m) {
  TCustomTabControl::WndProc(m);
  auto* page = dynamic_cast<TTabSheet*>(reinterpret_cast<TControl*>(m.WParam));
  if (!page) return;
  if (m.LParam)
    InsertPage(page);
  else
    RemovePage(page);
}

void TPageControl::InsertPage(TTabSheet* page) {
  if (std::find(pages_.begin(), pages_.end(), page) != pages_.end()) return;
  pages_.push_back(page);
  page->SetVisible(false);
  UpdateTabs();
  if (!activePage_ && page->TabVisible()) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  TTabSheet* next = page == activePage_ ? FindNextPage(page, true) : activePage_;
  if (next == page) next = nullptr;
  pages_.erase(it);
  if (page == activePage_) activePage_ = nullptr;
  UpdateTabs();
  if (!IsDestroying()) SetActivePage(next);
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  const auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  pages_.erase(it);
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  ClearTabs();
  for (TTabSheet* page : pages_)
    if (page->TabVisible()) InsertTab(TabCount(), page->Caption(), page);
  SetTabIndex(activePage_ ? activePage_->TabIndex() : -1);
}

void TPageControl::UpdateTab(TTabSheet* page) {
  const int index = page->TabIndex();
  if (index >= 0) SetTabText(index, page->Caption());
}

int TPageControl::GetImageIndex(int tabIndex) {
  auto* page = static_cast<TTabSheet*>(TabObject(tabIndex));
  return page ? page->ImageIndex() : tabIndex;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this) return;
  ShowPage(page);
  SetTabIndex(page ? page->TabIndex() : -1);
}

void TPageControl::ShowPage(TTabSheet* page) {
  if (page == activePage_) return;
  TTabSheet* old = activePage_;
  activePage_ = page;
  if (page) {
    Realign();
    page->BringToFront();
    page->SetVisible(true);
  }
  if (old && old != page) old->SetVisible(false);
}

int TPageControl::ActivePageIndex() const noexcept { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::Change() {
  // The user picked a tab: its sheet is shown.
  const int index = TabIndex();
  ShowPage(index >= 0 ? static_cast<TTabSheet*>(TabObject(index)) : nullptr);
  TCustomTabControl::Change();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward) const noexcept {
  const int count = PageCount();
  if (count == 0) return nullptr;
  const auto it = std::find(pages_.begin(), pages_.end(), current);
  int start = it == pages_.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
  for (int i = 1; i <= count; ++i) {
    TTabSheet* page = pages_[static_cast<size_t>(((start + (forward ? i : -i)) % count + count) % count)];
    if (page->TabVisible()) return page;
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool forward) {
  TTabSheet* page = FindNextPage(activePage_, forward);
  if (!page || page == activePage_ || !CanChange()) return;
  SetActivePage(page);
  TCustomTabControl::Change();
}

void TPageControl::AlignControls(RECT& rect) {
  // Every sheet fills the display area.
  for (TTabSheet* page : pages_) page->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  TCustomTabControl::AlignControls(rect);
}

std::vector<TPropInfo> TPageControl::PublishedProperties() {
  using T = TPageControl;
  return WithCommonProperties({
      PropColor(),
      PropFont(),
      PropParentFont(),
      PropTabStop(),
      RefProp<T>("ActivePage", "TTabSheet", &T::ActivePage, &T::SetActivePage),
      PropTabPosition(),
      PropMultiLine(),
      PropStyle(),
      BoolProp<TCustomTabControl>("HotTrack", &TCustomTabControl::HotTrack, &TCustomTabControl::SetHotTrack),
      OrdProp<TCustomTabControl>("TabHeight", "Smallint", TTypeKind::Integer, &TCustomTabControl::TabHeight,
                                 &TCustomTabControl::SetTabHeight),
      OrdProp<TCustomTabControl>("TabWidth", "Smallint", TTypeKind::Integer, &TCustomTabControl::TabWidth,
                                 &TCustomTabControl::SetTabWidth),
      RefProp<TCustomTabControl>("Images", "TCustomImageList", &TCustomTabControl::Images,
                                 &TCustomTabControl::SetImages),
  });
}

// ---- TTabSheet ----------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  controlStyle_ |= csAcceptsControls;
  SetColor(clBtnFace);
  SetVisible(false);
}

TPageControl* TTabSheet::PageControl() const noexcept {
  return Parent() && Parent()->Is<TPageControl>() ? static_cast<TPageControl*>(Parent()) : nullptr;
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

int TTabSheet::PageIndex() const noexcept {
  TPageControl* pc = PageControl();
  if (!pc) return -1;
  const auto it = std::find(pc->pages_.begin(), pc->pages_.end(), this);
  return it == pc->pages_.end() ? -1 : static_cast<int>(it - pc->pages_.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (TPageControl* pc = PageControl()) pc->MovePage(this, index);
}

int TTabSheet::TabIndex() const noexcept {
  TPageControl* pc = PageControl();
  if (!pc || !tabVisible_) return -1;
  int index = 0;
  for (TTabSheet* page : pc->pages_) {
    if (page == this) return index;
    if (page->tabVisible_) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool visible) {
  if (visible == tabVisible_) return;
  tabVisible_ = visible;
  TPageControl* pc = PageControl();
  if (!pc) return;
  if (!visible && pc->activePage_ == this) {
    TTabSheet* next = pc->FindNextPage(this, true);
    pc->UpdateTabs();
    pc->SetActivePage(next != this ? next : nullptr);
  } else {
    pc->UpdateTabs();
  }
}

void TTabSheet::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  if (TPageControl* pc = PageControl()) pc->UpdateTabImage(TabIndex());
}

void TTabSheet::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TTabSheet::CMTextChanged(TMessage& m) {
  TWinControl::WndProc(m);
  if (TPageControl* pc = PageControl()) pc->UpdateTab(this);
}

std::vector<TPropInfo> TTabSheet::PublishedProperties() {
  using T = TTabSheet;
  return {
      PropCaption(),
      PropColor(),
      PropFont(),
      PropParentFont(),
      PropEnabled(),
      PropHint(),
      OrdProp<T>("PageIndex", "Integer", TTypeKind::Integer, &T::PageIndex, &T::SetPageIndex),
      BoolProp<T>("TabVisible", &T::TabVisible, &T::SetTabVisible),
      OrdProp<T>("ImageIndex", "TImageIndex", TTypeKind::Integer, &T::ImageIndex, &T::SetImageIndex),
  };
}
