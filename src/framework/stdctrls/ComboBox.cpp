#include "framework/stdctrls/ComboBox.h"

#include "AnsiText.h"
#include "framework/stdctrls/ListStrings.h"
#include "framework/stdctrls/StdCtrlsCommon.h"

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomCombo(owner), items_(std::make_unique<TListControlStrings>(*this, TListMessages::ComboBox)) {}

TCustomComboBox::~TCustomComboBox() = default;

TStrings& TCustomComboBox::Items() { return *items_; }

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TCustomCombo::CreateParams(params);
  static constexpr DWORD kStyles[] = {
      CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
      CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS};
  params.BaseClassName = L"COMBOBOX";
  params.Menu = NextChildId();
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | kStyles[style_];
  if (sorted_) params.Style |= CBS_SORT;
  if (PickOnly()) params.Caption.clear();
  // The height asked for while the list is closed is the dropped height.
  if (style_ != csSimple) params.Height += itemHeight_ * DropDownCount() + 2;
}

void TCustomComboBox::CreateWnd() {
  const std::wstring text = Text();
  TCustomCombo::CreateWnd();
  if (style_ == csOwnerDrawFixed) SendCombo(CB_SETITEMHEIGHT, 0, itemHeight_);
  items_->WindowCreated();
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
  if (!PickOnly() && savedIndex_ < 0) ::SetWindowTextW(Handle(), text.c_str());
  SyncText();
}

void TCustomComboBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT: WMSetText(m); break;
    case WM_DESTROY: WMDestroy(m); break;
    default: TCustomCombo::WndProc(m); break;
  }
}

void TCustomComboBox::WMDestroy(TMessage& m) {
  items_->WindowDestroying();
  TCustomCombo::WndProc(m);
}

// The item with the text becomes the selected one (none when there is no
// such item); a pick-only combo box shows items only.
void TCustomComboBox::WMSetText(TMessage& m) {
  if (!HandleAllocated()) {
    TCustomCombo::WndProc(m);
    return;
  }
  const auto* text = reinterpret_cast<const wchar_t*>(m.LParam);
  const int index = items_->IndexOf(ToAnsi(text ? text : L""));
  if (!PickOnly()) {
    SendCombo(CB_SETCURSEL, static_cast<WPARAM>(index));
    TCustomCombo::WndProc(m);
    return;
  }
  const std::wstring before = Text();
  SetItemIndex(index);
  m.Result = TRUE;
  if (Text() != before) Perform(CM_TEXTCHANGED);
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

void TCustomComboBox::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  items_->SetSorted(sorted);
  RecreateWnd();
}

void TCustomComboBox::SetItemHeight(int height) {
  if (height <= 0) return;
  itemHeight_ = height;
  if (HandleAllocated() && style_ == csOwnerDrawFixed) {
    SendCombo(CB_SETITEMHEIGHT, 0, height);
    Invalidate();
  }
}

std::vector<TPropInfo> TComboBox::PublishedProperties() {
  return StdPublished::With(
      {
          OrdProp<TCustomCombo>("DropDownCount", "Integer", TTypeKind::Integer, &TCustomCombo::DropDownCount,
                                &TCustomCombo::SetDropDownCount),
          OrdProp<TCustomComboBox>("ItemHeight", "Integer", TTypeKind::Integer, &TCustomComboBox::ItemHeight,
                                   &TCustomComboBox::SetItemHeight),
          OrdProp<TCustomCombo>("ItemIndex", "Integer", TTypeKind::Integer, &TCustomCombo::ItemIndex,
                                &TCustomCombo::SetItemIndex),
          ObjProp<TCustomComboBox>("Items", "TStrings", &TCustomComboBox::Items),
          OrdProp<TCustomCombo>("MaxLength", "Integer", TTypeKind::Integer, &TCustomCombo::MaxLength,
                                &TCustomCombo::SetMaxLength),
          BoolProp<TCustomComboBox>("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted),
          OrdProp<TCustomComboBox>("Style", "TComboBoxStyle", TTypeKind::Enumeration, &TCustomComboBox::Style,
                                   &TCustomComboBox::SetStyle, kComboBoxStyleNames),
          StrProp<TControl>("Text", "TCaption", TTypeKind::WString, &TControl::Text, &TControl::SetText),
      },
      StdPublished::kParentColor | StdPublished::kWindowed);
}
