#include "framework/comctrls/TabControl.h"

#include <algorithm>

#include "framework/ImageList.h"
#include "framework/comctrls/CommonControls.h"
#include "framework/comctrls/TabStrings.h"

TCustomTabControl::TCustomTabControl(TComponent* owner)
    : TWinControl(owner), tabStrings_(std::make_unique<TTabStrings>(*this)) {
  controlStyle_ |= csAcceptsControls;
  controlStyle_ &= ~static_cast<TControlStyle>(csClickEvents | csDoubleClicks);
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
}

TCustomTabControl::~TCustomTabControl() = default;

TStrings& TCustomTabControl::Tabs() noexcept { return *tabStrings_; }

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_TAB_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = WC_TABCONTROLW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  if (multiLine_ || tabPosition_ == tpLeft || tabPosition_ == tpRight) params.Style |= TCS_MULTILINE;
  switch (tabPosition_) {
    case tpBottom: params.Style |= TCS_BOTTOM; break;
    case tpLeft: params.Style |= TCS_VERTICAL; break;
    case tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT; break;
    default: break;
  }
  if (style_ != tsTabs) params.Style |= TCS_BUTTONS;
  if (style_ == tsFlatButtons) params.Style |= TCS_FLATBUTTONS;
  if (hotTrack_) params.Style |= TCS_HOTTRACK;
  if (raggedRight_) params.Style |= TCS_RAGGEDRIGHT;
  if (tabWidth_ > 0) params.Style |= TCS_FIXEDWIDTH;
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (images_) Send(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
  if (tabWidth_ > 0 || tabHeight_ > 0) Send(TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
  for (int i = 0; i < TabCount(); ++i) WriteTab(i, TCM_INSERTITEMW);
  if (tabIndex_ >= 0) Send(TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_));
}

LRESULT TCustomTabControl::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

// ---- Messages ------------------------------------------------------------------

void TCustomTabControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TCustomTabControl::CNNotify(TMessage& m) {
  const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
  m.Result = 0;
  switch (header->code) {
    case TCN_SELCHANGING: m.Result = CanChange() ? FALSE : TRUE; break;
    case TCN_SELCHANGE:
      tabIndex_ = static_cast<int>(Send(TCM_GETCURSEL));
      Change();
      break;
    default: break;
  }
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(*this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(*this);
}

int TCustomTabControl::GetImageIndex(int tabIndex) { return tabIndex; }

void TCustomTabControl::AdjustClientRect(RECT& rect) {
  TWinControl::AdjustClientRect(rect);
  if (HandleAllocated()) Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    if (!IsDestroying()) Send(TCM_SETIMAGELIST, 0, 0);
  }
}

// ---- The tabs ------------------------------------------------------------------------

void TCustomTabControl::WriteTab(int index, UINT message) {
  if (!HandleAllocated()) return;
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  std::wstring text = tabs_[static_cast<size_t>(index)].text;
  item.pszText = text.data();
  item.iImage = images_ ? GetImageIndex(index) : -1;
  Send(message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::TabsChanged() {
  // More or fewer rows change the display area.
  Realign();
  Invalidate();
}

void TCustomTabControl::InsertTab(int index, std::wstring_view text, TObject* object) {
  index = std::clamp(index, 0, TabCount());
  tabs_.insert(tabs_.begin() + index, TTab{std::wstring(text), object});
  WriteTab(index, TCM_INSERTITEMW);
  if (tabIndex_ >= index) ++tabIndex_;
  if (!HandleAllocated() && tabIndex_ < 0 && TabCount() == 1) tabIndex_ = 0;
  if (HandleAllocated()) tabIndex_ = static_cast<int>(Send(TCM_GETCURSEL));
  TabsChanged();
}

void TCustomTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  tabs_.erase(tabs_.begin() + index);
  Send(TCM_DELETEITEM, static_cast<WPARAM>(index));
  if (tabIndex_ == index) tabIndex_ = -1;
  else if (tabIndex_ > index) --tabIndex_;
  if (HandleAllocated()) Send(TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_));
  TabsChanged();
}

void TCustomTabControl::SetTabText(int index, std::wstring_view text) {
  if (index < 0 || index >= TabCount()) return;
  tabs_[static_cast<size_t>(index)].text = text;
  WriteTab(index, TCM_SETITEMW);
  TabsChanged();
}

void TCustomTabControl::SetTabObject(int index, TObject* object) {
  if (index >= 0 && index < TabCount()) tabs_[static_cast<size_t>(index)].object = object;
}

void TCustomTabControl::ClearTabs() {
  tabs_.clear();
  Send(TCM_DELETEALLITEMS);
  tabIndex_ = -1;
  TabsChanged();
}

void TCustomTabControl::UpdateTabImage(int index) {
  if (index >= 0 && index < TabCount()) WriteTab(index, TCM_SETITEMW);
}

// ---- Attributes ------------------------------------------------------------------------

int TCustomTabControl::TabIndex() {
  if (HandleAllocated()) tabIndex_ = static_cast<int>(Send(TCM_GETCURSEL));
  return tabIndex_;
}

void TCustomTabControl::SetTabIndex(int index) {
  if (index < -1 || index >= TabCount()) index = -1;
  tabIndex_ = index;
  Send(TCM_SETCURSEL, static_cast<WPARAM>(index));
}

RECT TCustomTabControl::DisplayRect() {
  RECT r = ClientRect();
  AdjustClientRect(r);
  return r;
}

RECT TCustomTabControl::TabRect(int index) {
  RECT r{};
  if (!Send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) r = RECT{};
  return r;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
  if (!HandleAllocated()) return -1;
  TCHITTESTINFO hit{{x, y}, 0};
  return static_cast<int>(Send(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

int TCustomTabControl::RowCount() { return HandleAllocated() ? static_cast<int>(Send(TCM_GETROWCOUNT)) : 1; }

void TCustomTabControl::SetStyleFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
  Realign();
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position == tabPosition_) return;
  tabPosition_ = position;
  RecreateWnd();
  Realign();
}

void TCustomTabControl::SetMultiLine(bool multiLine) { SetStyleFlag(multiLine_, multiLine); }
void TCustomTabControl::SetHotTrack(bool hotTrack) { SetStyleFlag(hotTrack_, hotTrack); }
void TCustomTabControl::SetRaggedRight(bool ragged) { SetStyleFlag(raggedRight_, ragged); }

void TCustomTabControl::SetStyle(TTabStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
  Realign();
}

void TCustomTabControl::SetTabHeight(int height) {
  tabHeight_ = std::max(height, 0);
  Send(TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
  TabsChanged();
}

void TCustomTabControl::SetTabWidth(int width) {
  width = std::max(width, 0);
  const bool fixed = (width > 0) != (tabWidth_ > 0);
  tabWidth_ = width;
  if (fixed) {
    RecreateWnd();  // TCS_FIXEDWIDTH
  } else {
    Send(TCM_SETITEMSIZE, 0, MAKELPARAM(tabWidth_, tabHeight_));
  }
  TabsChanged();
}

void TCustomTabControl::SetImages(TCustomImageList* images) {
  if (!SetReference(*this, images_, images)) return;
  Send(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
  for (int i = 0; i < TabCount(); ++i) UpdateTabImage(i);
  TabsChanged();
}

TPropInfo TCustomTabControl::PropTabPosition() {
  return OrdProp<TCustomTabControl>("TabPosition", "TTabPosition", TTypeKind::Enumeration,
                                    &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition,
                                    kTabPositionNames);
}

TPropInfo TCustomTabControl::PropMultiLine() {
  return BoolProp<TCustomTabControl>("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine);
}

TPropInfo TCustomTabControl::PropStyle() {
  return OrdProp<TCustomTabControl>("Style", "TTabStyle", TTypeKind::Enumeration, &TCustomTabControl::Style,
                                    &TCustomTabControl::SetStyle, kTabStyleNames);
}

std::vector<TPropInfo> TTabControl::PublishedProperties() {
  using T = TCustomTabControl;
  return WithCommonProperties({
      PropColor(),
      PropFont(),
      PropParentFont(),
      PropTabStop(),
      ObjProp<T>("Tabs", "TStrings", &T::Tabs),
      OrdProp<T>("TabIndex", "Integer", TTypeKind::Integer, &T::TabIndex, &T::SetTabIndex),
      PropTabPosition(),
      PropMultiLine(),
      PropStyle(),
      BoolProp<T>("HotTrack", &T::HotTrack, &T::SetHotTrack),
      BoolProp<T>("RaggedRight", &T::RaggedRight, &T::SetRaggedRight),
      OrdProp<T>("TabHeight", "Smallint", TTypeKind::Integer, &T::TabHeight, &T::SetTabHeight),
      OrdProp<T>("TabWidth", "Smallint", TTypeKind::Integer, &T::TabWidth, &T::SetTabWidth),
      RefProp<T>("Images", "TCustomImageList", &T::Images, &T::SetImages),
  });
}
