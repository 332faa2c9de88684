#include "framework/comctrls/CoolBar.h"

#include <algorithm>
#include <utility>

#include "AnsiText.h"
#include "framework/ImageList.h"
#include "framework/comctrls/CommonControls.h"

// ---- TCoolBand -------------------------------------------------------------------

TCoolBand::~TCoolBand() = default;

TCoolBar& TCoolBand::CoolBar() const noexcept { return static_cast<TCoolBands&>(Collection()).CoolBar(); }

void TCoolBand::SetControl(TWinControl* control) {
  if (control == control_) return;
  TCoolBar& bar = CoolBar();
  if (control == &bar) throw EInvalidOperation("A cool bar cannot hold itself");
  // A control is in one band at a time.
  if (TCoolBand* other = bar.bands_->FindBand(control)) {
    other->control_ = nullptr;
    bar.UpdateBand(other->Index());
  }
  control_ = control;
  if (control && control->Parent() != &bar) control->SetParent(&bar);
  Changed(false);
}

void TCoolBand::SetText(std::wstring_view text) {
  if (text == text_) return;
  text_ = text;
  Changed(false);
}

int TCoolBand::Width() {
  TCoolBar& bar = CoolBar();
  REBARBANDINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_SIZE;
  if (bar.HandleAllocated() && bar.Send(RB_GETBANDINFOW, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&info)))
    width_ = static_cast<int>(info.cx);
  return width_;
}

void TCoolBand::SetWidth(int width) {
  width_ = std::max(width, 0);
  Changed(false);
}

void TCoolBand::SetBreak(bool brk) {
  if (brk == break_) return;
  break_ = brk;
  Changed(false);
}

void TCoolBand::SetFixedSize(bool fixed) {
  if (fixed == fixedSize_) return;
  fixedSize_ = fixed;
  Changed(false);
}

void TCoolBand::SetMinHeight(int height) {
  minHeight_ = std::max(height, 0);
  Changed(false);
}

void TCoolBand::SetMinWidth(int width) {
  minWidth_ = std::max(width, 0);
  Changed(false);
}

void TCoolBand::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(false);
}

void TCoolBand::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed(false);
}

std::string TCoolBand::DisplayName() const {
  if (!text_.empty()) return ToAnsi(text_);
  return control_ ? control_->Name() : TCollectionItem::DisplayName();
}

std::vector<TPropInfo> TCoolBand::PublishedProperties() {
  using T = TCoolBand;
  return {
      RefProp<T>("Control", "TWinControl", &T::Control, &T::SetControl),
      StrProp<T>("Text", "WideString", TTypeKind::WString, &T::Text, &T::SetText),
      OrdProp<T>("Width", "Integer", TTypeKind::Integer, &T::Width, &T::SetWidth),
      BoolProp<T>("Break", &T::Break, &T::SetBreak),
      BoolProp<T>("FixedSize", &T::FixedSize, &T::SetFixedSize),
      OrdProp<T>("MinHeight", "Integer", TTypeKind::Integer, &T::MinHeight, &T::SetMinHeight),
      OrdProp<T>("MinWidth", "Integer", TTypeKind::Integer, &T::MinWidth, &T::SetMinWidth),
      BoolProp<T>("Visible", &T::Visible, &T::SetVisible),
      OrdProp<T>("ImageIndex", "TImageIndex", TTypeKind::Integer, &T::ImageIndex, &T::SetImageIndex),
  };
}

// ---- TCoolBands --------------------------------------------------------------------

TCoolBands::TCoolBands(TCoolBar& coolBar)
    : TCollection(&coolBar, TCollectionItemClass::Of<TCoolBand>()), coolBar_(coolBar) {}

TCoolBand* TCoolBands::FindBand(const TControl* control) const noexcept {
  if (!control) return nullptr;
  for (int i = 0; i < Count(); ++i)
    if (Items(i).control_ == control) return &Items(i);
  return nullptr;
}

void TCoolBands::Update(TCollectionItem* item) {
  if (item) {
    coolBar_.UpdateBand(item->Index());
  } else if (!coolBar_.reading_ && coolBar_.HandleAllocated()) {
    // A new order: the window's bands again.
    while (coolBar_.Send(RB_GETBANDCOUNT) > 0) coolBar_.Send(RB_DELETEBAND, 0);
    for (int i = 0; i < Count(); ++i) coolBar_.InsertBand(i);
  }
  TCollection::Update(item);
}

void TCoolBands::Notify(TCollectionItem& item, TCollectionNotification action) {
  if (action == cnAdded)
    coolBar_.InsertBand(item.Index());
  else
    coolBar_.DeleteBand(item.Index());
}

// ---- TCoolBar ----------------------------------------------------------------------

TCoolBar::TCoolBar(TComponent* owner) : TToolWindow(owner), bands_(std::make_unique<TCoolBands>(*this)) {
  controlStyle_ |= csAcceptsControls;
  controlStyle_ &= ~static_cast<TControlStyle>(csClickEvents | csDoubleClicks);
  SetColor(clBtnFace);
  SetBounds(0, 0, 150, 75);
  SetAlign(alTop);
}

TCoolBar::~TCoolBar() = default;

void TCoolBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_COOL_CLASSES);
  TToolWindow::CreateParams(params);
  params.BaseClassName = REBARCLASSNAMEW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  params.Style |= RBS_VARHEIGHT | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (bandBorderStyle_ == bsSingle) params.Style |= RBS_BANDBORDERS;
  if (fixedOrder_) params.Style |= RBS_FIXEDORDER;
  if (vertical_) params.Style |= CCS_VERT;
}

void TCoolBar::CreateWnd() {
  TToolWindow::CreateWnd();
  ApplyImages();
  for (int i = 0; i < bands_->Count(); ++i) InsertBand(i);
  FitHeight();
}

LRESULT TCoolBar::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

void TCoolBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); break;
    case CM_CONTROLLISTCHANGE: CMControlListChange(m); break;
    default: TToolWindow::WndProc(m); break;
  }
}

void TCoolBar::CNNotify(TMessage& m) {
  const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
  m.Result = 0;
  switch (header->code) {
    case RBN_HEIGHTCHANGE: FitHeight(); break;
    case RBN_ENDDRAG:
    case RBN_LAYOUTCHANGED:
      ReadBands();
      if (OnChange) OnChange(*this);
      break;
    default: break;
  }
}

void TCoolBar::CMControlListChange(TMessage& m) {
  TToolWindow::WndProc(m);
  auto* control = dynamic_cast<TWinControl*>(reinterpret_cast<TControl*>(m.WParam));
  if (!control) return;
  TCoolBand* band = bands_->FindBand(control);
  if (m.LParam) {
    if (!band) {
      TCoolBand& added = bands_->Add();
      added.control_ = control;
      UpdateBand(added.Index());
    }
  } else if (band && !IsDestroying()) {
    band->control_ = nullptr;
    bands_->Delete(band->Index());
  }
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  TToolWindow::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    if (!IsDestroying()) ApplyImages();
  }
}

// ---- The window's bands ---------------------------------------------------------------

REBARBANDINFOW TCoolBar::BandInfo(TCoolBand& band, std::wstring& text) {
  REBARBANDINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_LPARAM |
               RBBIM_IMAGE;
  if (band.break_) info.fStyle |= RBBS_BREAK;
  if (band.fixedSize_ || fixedSize_) info.fStyle |= RBBS_FIXEDSIZE | RBBS_NOGRIPPER;
  if (!band.visible_) info.fStyle |= RBBS_HIDDEN;
  text = showText_ ? band.text_ : std::wstring();
  info.lpText = text.data();
  TWinControl* control = band.control_ && band.control_->Parent() == this ? band.control_ : nullptr;
  info.hwndChild = control ? control->Handle() : nullptr;
  info.cxMinChild = static_cast<UINT>(band.minWidth_);
  info.cyMinChild = static_cast<UINT>(band.minHeight_ ? band.minHeight_ : (control ? control->Height() : 0));
  info.cx = static_cast<UINT>(band.width_ ? band.width_ : (control ? control->Width() + 24 : 100));
  info.wID = static_cast<UINT>(band.ID());
  info.lParam = reinterpret_cast<LPARAM>(&band);
  info.iImage = images_ ? band.imageIndex_ : -1;
  return info;
}

void TCoolBar::InsertBand(int index) {
  if (!HandleAllocated() || index < 0 || index >= bands_->Count()) return;
  std::wstring text;
  REBARBANDINFOW info = BandInfo(bands_->Items(index), text);
  Send(RB_INSERTBANDW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  FitHeight();
}

void TCoolBar::UpdateBand(int index) {
  if (!HandleAllocated() || index < 0 || index >= static_cast<int>(Send(RB_GETBANDCOUNT))) return;
  std::wstring text;
  REBARBANDINFOW info = BandInfo(bands_->Items(index), text);
  REBARBANDINFOW current{};
  current.cbSize = sizeof(current);
  current.fMask = RBBIM_STYLE;
  Send(RB_GETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&current));
  if ((current.fStyle ^ info.fStyle) & RBBS_BREAK) {
    // Some versions keep a band's break once it has one: a new band then.
    Send(RB_DELETEBAND, static_cast<WPARAM>(index));
    Send(RB_INSERTBANDW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  } else {
    Send(RB_SETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  }
  FitHeight();
}

void TCoolBar::DeleteBand(int index) {
  if (!HandleAllocated() || index < 0 || index >= static_cast<int>(Send(RB_GETBANDCOUNT))) return;
  Send(RB_DELETEBAND, static_cast<WPARAM>(index));
  FitHeight();
}

void TCoolBar::ReadBands() {
  if (!HandleAllocated() || reading_) return;
  reading_ = true;
  const int count = static_cast<int>(Send(RB_GETBANDCOUNT));
  for (int i = 0; i < count; ++i) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_LPARAM | RBBIM_SIZE | RBBIM_STYLE;
    if (!Send(RB_GETBANDINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info))) continue;
    auto* band = reinterpret_cast<TCoolBand*>(info.lParam);
    if (!band || band->Index() < 0) continue;
    band->width_ = static_cast<int>(info.cx);
    band->break_ = (info.fStyle & RBBS_BREAK) != 0;
    band->SetIndex(i);
  }
  reading_ = false;
}

void TCoolBar::FitHeight() {
  if (!autoSize_ || !HandleAllocated()) return;
  const RECT in = NonClientInsets();
  const int size = static_cast<int>(Send(RB_GETBARHEIGHT));
  if (vertical_)
    SetWidth(size + in.left + in.right);
  else
    SetHeight(size + in.top + in.bottom);
}

void TCoolBar::ApplyImages() {
  if (!HandleAllocated()) return;
  REBARINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = RBIM_IMAGELIST;
  info.himl = images_ ? images_->Handle() : nullptr;
  Send(RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
}

int TCoolBar::RowCount() { return HandleAllocated() ? static_cast<int>(Send(RB_GETROWCOUNT)) : 0; }

// ---- Attributes ------------------------------------------------------------------------

void TCoolBar::SetStyleFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
}

void TCoolBar::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  FitHeight();
}

void TCoolBar::SetBandBorderStyle(TBorderStyle style) {
  style = style == bsNone ? bsNone : bsSingle;
  if (style == bandBorderStyle_) return;
  bandBorderStyle_ = style;
  RecreateWnd();
}

void TCoolBar::SetFixedSize(bool fixed) {
  if (fixed == fixedSize_) return;
  fixedSize_ = fixed;
  for (int i = 0; i < bands_->Count(); ++i) UpdateBand(i);
}

void TCoolBar::SetFixedOrder(bool fixed) { SetStyleFlag(fixedOrder_, fixed); }

void TCoolBar::SetShowText(bool show) {
  if (show == showText_) return;
  showText_ = show;
  for (int i = 0; i < bands_->Count(); ++i) UpdateBand(i);
}

void TCoolBar::SetVertical(bool vertical) {
  if (vertical == vertical_) return;
  vertical_ = vertical;
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TCoolBar::SetImages(TCustomImageList* images) {
  if (!SetReference(*this, images_, images)) return;
  ApplyImages();
  for (int i = 0; i < bands_->Count(); ++i) UpdateBand(i);
}

std::vector<TPropInfo> TCoolBar::PublishedProperties() {
  using T = TCoolBar;
  return WithCommonProperties({
      PropColor(),
      PropParentColor(),
      PropFont(),
      PropParentFont(),
      PropEdgeBorders(),
      PropEdgeInner(),
      PropEdgeOuter(),
      PropBorderWidth(),
      ObjProp<T>("Bands", "TCoolBands", &T::Bands),
      BoolProp<T>("AutoSize", &T::AutoSize, &T::SetAutoSize),
      OrdProp<T>("BandBorderStyle", "TBorderStyle", TTypeKind::Enumeration, &T::BandBorderStyle,
                 &T::SetBandBorderStyle, kBorderStyleNames),
      BoolProp<T>("FixedSize", &T::FixedSize, &T::SetFixedSize),
      BoolProp<T>("FixedOrder", &T::FixedOrder, &T::SetFixedOrder),
      BoolProp<T>("ShowText", &T::ShowText, &T::SetShowText),
      BoolProp<T>("Vertical", &T::Vertical, &T::SetVertical),
      RefProp<T>("Images", "TCustomImageList", &T::Images, &T::SetImages),
  });
}
