#include "framework/stdctrls/ListBox.h"

#include "framework/stdctrls/ListStrings.h"
#include "framework/stdctrls/StdCtrlsCommon.h"

namespace {

void CheckItem(const TStrings& items, int index) {
  if (index < 0 || index >= items.Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomListControl(owner), items_(std::make_unique<TListControlStrings>(*this, TListMessages::ListBox)) {
  SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

TStrings& TCustomListBox::Items() { return *items_; }

void TCustomListBox::CreateParams(TCreateParams& params) {
  TCustomListControl::CreateParams(params);
  params.BaseClassName = L"LISTBOX";
  params.Menu = NextChildId();
  params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (sorted_) params.Style |= LBS_SORT;
  if (multiSelect_) params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (style_ == lbOwnerDrawFixed) params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  if (style_ == lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
  TCustomListControl::CreateWnd();
  const HWND h = Handle();
  if (style_ == lbOwnerDrawFixed) ::SendMessageW(h, LB_SETITEMHEIGHT, 0, itemHeight_);
  items_->WindowCreated();
  for (int i : savedSelection_) ::SendMessageW(h, LB_SETSEL, TRUE, i);
  savedSelection_.clear();
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
  ::SendMessageW(h, LB_SETTOPINDEX, static_cast<WPARAM>(savedTop_), 0);
}

void TCustomListBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY: WMDestroy(m); break;
    case CN_COMMAND: CNCommand(m); break;
    default: TCustomListControl::WndProc(m); break;
  }
}

// Whoever destroys the window (this control, its parent's window going,
// a re-creation), items and selection stay.
void TCustomListBox::WMDestroy(TMessage& m) {
  savedIndex_ = ItemIndex();
  savedTop_ = TopIndex();
  savedSelection_.clear();
  if (multiSelect_)
    for (int i = 0; i < items_->Count(); ++i)
      if (Selected(i)) savedSelection_.push_back(i);
  items_->WindowDestroying();
  TCustomListControl::WndProc(m);
}

void TCustomListBox::CNCommand(TMessage& m) {
  m.Result = 0;
  switch (HIWORD(m.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
  }
}

int TCustomListBox::ItemIndex() {
  if (!HandleAllocated()) return savedIndex_;
  const UINT msg = multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL;
  return static_cast<int>(::SendMessageW(Handle(), msg, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
  if (!HandleAllocated()) {
    savedIndex_ = index;
    return;
  }
  if (index >= items_->Count()) index = -1;
  if (multiSelect_)
    ::SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
  else
    ::SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool TCustomListBox::Selected(int index) {
  CheckItem(*items_, index);
  if (!multiSelect_) return ItemIndex() == index;
  return ::SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TCustomListBox::SetSelected(int index, bool selected) {
  CheckItem(*items_, index);
  if (!multiSelect_) {
    if (selected)
      SetItemIndex(index);
    else if (ItemIndex() == index)
      SetItemIndex(-1);
    return;
  }
  ::SendMessageW(Handle(), LB_SETSEL, selected, index);
}

int TCustomListBox::SelCount() {
  if (!multiSelect_) return ItemIndex() >= 0 ? 1 : 0;
  return static_cast<int>(::SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::SelectAll() {
  if (multiSelect_) ::SendMessageW(Handle(), LB_SETSEL, TRUE, -1);
}

void TCustomListBox::ClearSelection() {
  if (multiSelect_)
    ::SendMessageW(Handle(), LB_SETSEL, FALSE, -1);
  else
    SetItemIndex(-1);
}

void TCustomListBox::DeleteSelected() {
  if (!multiSelect_) {
    TCustomListControl::DeleteSelected();
    return;
  }
  TUpdateScope<TStrings> update(*items_);
  for (int i = items_->Count() - 1; i >= 0; --i)
    if (Selected(i)) items_->Delete(i);
}

void TCustomListBox::SetMultiSelect(bool multiSelect) {
  if (multiSelect == multiSelect_) return;
  multiSelect_ = multiSelect;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool extended) {
  if (extended == extendedSelect_) return;
  extendedSelect_ = extended;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  // The waiting items take the order; a new window gets them in it.
  items_->SetSorted(sorted);
  RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

int TCustomListBox::ItemHeight() {
  if (HandleAllocated() && style_ != lbOwnerDrawVariable)
    itemHeight_ = static_cast<int>(::SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TCustomListBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  if (HandleAllocated() && style_ == lbOwnerDrawFixed) {
    ::SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, height);
    Invalidate();
  }
}

void TCustomListBox::SetBorderStyle(TBorderStyle style) {
  if (style != bsNone) style = bsSingle;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
  Perform(CM_BORDERCHANGED);
}

int TCustomListBox::TopIndex() {
  return HandleAllocated() ? static_cast<int>(::SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0)) : savedTop_;
}

void TCustomListBox::SetTopIndex(int index) {
  savedTop_ = index;
  if (HandleAllocated()) ::SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

int TCustomListBox::ItemAtPos(POINT p, bool existing) {
  const LRESULT hit = ::SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
  const int index = LOWORD(hit);
  if (HIWORD(hit) == 0) return index;  // inside an item
  return existing ? -1 : index + 1;
}

RECT TCustomListBox::ItemRect(int index) {
  RECT r{};
  ::SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

std::vector<TPropInfo> TListBox::PublishedProperties() {
  return StdPublished::With(
      {
          OrdProp<TCustomListBox>("BorderStyle", "TBorderStyle", TTypeKind::Enumeration,
                                  &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle,
                                  kBorderStyleNames),
          BoolProp<TCustomListBox>("ExtendedSelect", &TCustomListBox::ExtendedSelect,
                                   &TCustomListBox::SetExtendedSelect),
          OrdProp<TCustomListBox>("ItemHeight", "Integer", TTypeKind::Integer, &TCustomListBox::ItemHeight,
                                  &TCustomListBox::SetItemHeight),
          OrdProp<TCustomListBox>("ItemIndex", "Integer", TTypeKind::Integer, &TCustomListBox::ItemIndex,
                                  &TCustomListBox::SetItemIndex),
          ObjProp<TCustomListBox>("Items", "TStrings", &TCustomListBox::Items),
          BoolProp<TCustomListBox>("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect),
          BoolProp<TCustomListBox>("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted),
          OrdProp<TCustomListBox>("Style", "TListBoxStyle", TTypeKind::Enumeration, &TCustomListBox::Style,
                                  &TCustomListBox::SetStyle, kListBoxStyleNames),
      },
      StdPublished::kParentColor | StdPublished::kWindowed);
}
