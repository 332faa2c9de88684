#include "framework/stdctrls/ComboBoxEx.h"

#include <commctrl.h>

#include "AnsiText.h"
#include "framework/stdctrls/StdCtrlsCommon.h"

namespace {

// Items of a ComboBoxEx as texts: the captions of its ItemsEx.
class TComboExStrings : public TStrings {
  FW_CLASS(TComboExStrings, TStrings)
 public:
  explicit TComboExStrings(TComboExItems& items) noexcept : items_(items) {}
  int Count() const override { return items_.Count(); }
  void Delete(int index) override { items_.Delete(index); }
  void Clear() override { items_.Clear(); }

 protected:
  std::string Get(int index) const override { return items_.Items(index).Caption(); }
  void Put(int index, std::string_view text) override { items_.Items(index).SetCaption(std::string(text)); }
  TObject* GetObject(int index) const override { return items_.Items(index).Data(); }
  void PutObject(int index, TObject* object) override { items_.Items(index).SetData(object); }
  void InsertItem(int index, std::string_view text, TObject* object) override {
    auto& item = static_cast<TComboExItem&>(items_.Insert(index));
    item.SetData(object);
    item.SetCaption(std::string(text));
  }
  void SetUpdateState(bool updating) override {
    if (updating)
      items_.BeginUpdate();
    else
      items_.EndUpdate();
  }

 private:
  TComboExItems& items_;
};

}  // namespace

// ---- TComboExItem ------------------------------------------------------------

void TComboExItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed(false);
}

void TComboExItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed(false);
}

void TComboExItem::SetSelectedImageIndex(int index) {
  if (index == selectedImageIndex_) return;
  selectedImageIndex_ = index;
  Changed(false);
}

void TComboExItem::SetOverlayImageIndex(int index) {
  if (index == overlayImageIndex_) return;
  overlayImageIndex_ = index;
  Changed(false);
}

void TComboExItem::SetIndent(int indent) {
  if (indent == indent_) return;
  indent_ = indent;
  Changed(false);
}

std::vector<TPropInfo> TComboExItem::PublishedProperties() {
  return {
      StrProp<TComboExItem>("Caption", "string", TTypeKind::String, &TComboExItem::Caption,
                            &TComboExItem::SetCaption),
      OrdProp<TComboExItem>("ImageIndex", "TImageIndex", TTypeKind::Integer, &TComboExItem::ImageIndex,
                            &TComboExItem::SetImageIndex),
      OrdProp<TComboExItem>("Indent", "Integer", TTypeKind::Integer, &TComboExItem::Indent,
                            &TComboExItem::SetIndent),
      OrdProp<TComboExItem>("OverlayImageIndex", "TImageIndex", TTypeKind::Integer,
                            &TComboExItem::OverlayImageIndex, &TComboExItem::SetOverlayImageIndex),
      OrdProp<TComboExItem>("SelectedImageIndex", "TImageIndex", TTypeKind::Integer,
                            &TComboExItem::SelectedImageIndex, &TComboExItem::SetSelectedImageIndex),
  };
}

// ---- TComboExItems -----------------------------------------------------------

TComboExItems::TComboExItems(TCustomComboBoxEx& owner)
    : TCollection(&owner, TCollectionItemClass::Of<TComboExItem>()), combo_(owner) {}

TComboExItem& TComboExItems::AddItem(std::string_view caption, int imageIndex, int selectedImageIndex,
                                     int overlayImageIndex, int indent, TObject* data) {
  TUpdateScope<TCollection> update(*this);
  TComboExItem& item = Add();
  item.SetCaption(std::string(caption));
  item.SetImageIndex(imageIndex);
  item.SetSelectedImageIndex(selectedImageIndex);
  item.SetOverlayImageIndex(overlayImageIndex);
  item.SetIndent(indent);
  item.SetData(data);
  return item;
}

void TComboExItems::Notify(TCollectionItem& item, TCollectionNotification action) {
  TCollection::Notify(item, action);
  if (!combo_.HandleAllocated() || UpdateCount() > 0) return;  // EndUpdate shows them all
  if (action == cnAdded)
    combo_.ShowItem(static_cast<TComboExItem&>(item), true);
  else
    combo_.RemoveItem(item.Index());
  notified_ = true;
}

void TComboExItems::Update(TCollectionItem* item) {
  if (combo_.HandleAllocated()) {
    if (item)
      combo_.ShowItem(static_cast<TComboExItem&>(*item), false);
    else if (!std::exchange(notified_, false))  // an item added or deleted is shown already
      combo_.ShowAllItems();
  }
  TCollection::Update(item);
}

// ---- TCustomComboBoxEx -------------------------------------------------------

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner)
    : TCustomCombo(owner), itemsEx_(*this), items_(std::make_unique<TComboExStrings>(itemsEx_)) {}

TCustomComboBoxEx::~TCustomComboBoxEx() = default;

void TCustomComboBoxEx::BeforeDestruction() {
  SetImages(nullptr);
  TCustomCombo::BeforeDestruction();
}

TStrings& TCustomComboBoxEx::Items() { return *items_; }

void TCustomComboBoxEx::CreateParams(TCreateParams& params) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_USEREX_CLASSES};
    return ::InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)registered;
  TCustomCombo::CreateParams(params);
  static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  params.BaseClassName = WC_COMBOBOXEXW;
  params.Menu = NextChildId();
  params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | kStyles[style_];
  if (style_ != csExSimple) params.Height += 16 * DropDownCount() + 2;
}

void TCustomComboBoxEx::CreateWnd() {
  TCustomCombo::CreateWnd();
  ApplyImages();
  ShowAllItems();
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
}

HWND TCustomComboBoxEx::ComboHandle() {
  return reinterpret_cast<HWND>(SendCombo(CBEM_GETCOMBOCONTROL));
}

HWND TCustomComboBoxEx::EditHandle() {
  return HandleAllocated() ? reinterpret_cast<HWND>(SendCombo(CBEM_GETEDITCONTROL)) : nullptr;
}

std::wstring TCustomComboBoxEx::CurrentText() {
  if (style_ == csExDropDownList) {
    const int index = ItemIndex();
    return index >= 0 && index < itemsEx_.Count() ? FromAnsi(itemsEx_.Items(index).Caption()) : std::wstring();
  }
  HWND edit = EditHandle();
  return edit ? WindowText(edit) : std::wstring();
}

void TCustomComboBoxEx::ShowItem(const TComboExItem& item, bool insert) {
  std::wstring caption = FromAnsi(item.Caption());
  COMBOBOXEXITEMW info{};
  info.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_OVERLAY | CBEIF_INDENT | CBEIF_LPARAM;
  info.iItem = item.Index();
  info.pszText = caption.data();
  info.iImage = item.ImageIndex();
  info.iSelectedImage = item.SelectedImageIndex() >= 0 ? item.SelectedImageIndex() : item.ImageIndex();
  info.iOverlay = item.OverlayImageIndex();
  info.iIndent = item.Indent();
  info.lParam = reinterpret_cast<LPARAM>(item.Data());
  SendCombo(insert ? CBEM_INSERTITEMW : CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  if (!insert && item.Index() == ItemIndex()) SyncText();
}

void TCustomComboBoxEx::RemoveItem(int index) { SendCombo(CBEM_DELETEITEM, static_cast<WPARAM>(index)); }

void TCustomComboBoxEx::ShowAllItems() {
  const int index = ItemIndex();
  SendCombo(WM_SETREDRAW, FALSE);
  SendCombo(CB_RESETCONTENT);
  for (int i = 0; i < itemsEx_.Count(); ++i) ShowItem(itemsEx_.Items(i), true);
  SendCombo(WM_SETREDRAW, TRUE);
  if (index >= 0 && index < itemsEx_.Count()) SendCombo(CB_SETCURSEL, static_cast<WPARAM>(index));
  Invalidate();
  SyncText();
}

void TCustomComboBoxEx::ApplyImages() {
  if (!HandleAllocated()) return;
  SendCombo(CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  Invalidate();
}

void TCustomComboBoxEx::SetImages(TCustomImageList* images) {
  if (images == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  ApplyImages();
}

void TCustomComboBoxEx::Notification(TComponent* component, TOperation operation) {
  TCustomCombo::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    ApplyImages();
  }
}

void TCustomComboBoxEx::SetStyle(TComboBoxExStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

std::vector<TPropInfo> TComboBoxEx::PublishedProperties() {
  TPropInfo images;
  images.Name = "Images";
  images.TypeName = "TCustomImageList";
  images.Kind = TTypeKind::Class;
  images.Get = [](const TObject& o) -> TPropValue {
    return static_cast<void*>(static_cast<const TCustomComboBoxEx&>(o).Images());
  };
  return StdPublished::With(
      {
          OrdProp<TCustomCombo>("DropDownCount", "Integer", TTypeKind::Integer, &TCustomCombo::DropDownCount,
                                &TCustomCombo::SetDropDownCount),
          std::move(images),
          OrdProp<TCustomCombo>("ItemIndex", "Integer", TTypeKind::Integer, &TCustomCombo::ItemIndex,
                                &TCustomCombo::SetItemIndex),
          ObjProp<TCustomComboBoxEx>("ItemsEx", "TComboExItems", &TCustomComboBoxEx::ItemsEx),
          OrdProp<TCustomComboBoxEx>("Style", "TComboBoxExStyle", TTypeKind::Enumeration,
                                     &TCustomComboBoxEx::Style, &TCustomComboBoxEx::SetStyle, kComboBoxExStyleNames),
          StrProp<TControl>("Text", "TCaption", TTypeKind::WString, &TControl::Text, &TControl::SetText),
      },
      StdPublished::kParentColor | StdPublished::kWindowed);
}
