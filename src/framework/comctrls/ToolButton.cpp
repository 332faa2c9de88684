#include <algorithm>

#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/comctrls/ToolBar.h"

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
}

TToolBar* TToolButton::ToolBar() const noexcept {
  return Parent() && Parent()->Is<TToolBar>() ? static_cast<TToolBar*>(Parent()) : nullptr;
}

int TToolButton::Index() const noexcept {
  TToolBar* bar = ToolBar();
  if (!bar) return -1;
  const auto& list = bar->buttons_;
  const auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TToolButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED: CMChanged(m); break;
    case CM_HITTEST: CMHitTest(m); break;
    default: TGraphicControl::WndProc(m); break;
  }
}

void TToolButton::CMChanged(TMessage& m) {
  TGraphicControl::WndProc(m);
  Changed();
}

void TToolButton::CMHitTest(TMessage& m) {
  // On a bar the platform's button takes the mouse.
  m.Result = ToolBar() ? 0 : HTCLIENT;
}

void TToolButton::SetBounds(int left, int top, int width, int height) {
  const int oldWidth = Width();
  TGraphicControl::SetBounds(left, top, width, height);
  // A separator's width is the gap on the bar; the bar places everything
  // else.
  TToolBar* bar = ToolBar();
  if (bar && !bar->laying_ && Width() != oldWidth && (style_ == tbsSeparator || style_ == tbsDivider)) Changed();
}

void TToolButton::Paint() {
  // The bar draws its buttons; off a bar there is nothing to show.
}

void TToolButton::Changed() {
  if (TToolBar* bar = ToolBar()) bar->UpdateButton(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == menuItem_) menuItem_ = nullptr;
  if (component == dropdownMenu_) dropdownMenu_ = nullptr;
}

void TToolButton::Click() {
  TGraphicControl::Click();
  if (menuItem_ && menuItem_->Count() == 0) menuItem_->Click();
}

bool TToolButton::CheckMenuDropdown() {
  TToolBar* bar = ToolBar();
  return bar && bar->CheckMenuDropdown(this);
}

// ---- Attributes ------------------------------------------------------------------

void TToolButton::SetStyle(TToolButtonStyle style) {
  if (style == style_) return;
  const bool wasSeparator = style_ == tbsSeparator || style_ == tbsDivider;
  style_ = style;
  const bool separator = style == tbsSeparator || style == tbsDivider;
  if (separator != wasSeparator) SetWidth(separator ? 8 : 23);
  if (style != tbsCheck && style != tbsButton) down_ = false;
  Changed();
}

void TToolButton::SetGrouped(bool grouped) {
  if (grouped == grouped_) return;
  grouped_ = grouped;
  Changed();
}

void TToolButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  TToolBar* bar = ToolBar();
  // Down in a group: the others go up.
  if (down && grouped_ && style_ == tbsCheck && bar) {
    const int index = Index();
    auto raise = [&](int i) {
      TToolButton* other = bar->buttons_[static_cast<size_t>(i)];
      if (!other->grouped_ || other->style_ != tbsCheck) return false;
      if (other->down_) {
        other->down_ = false;
        bar->UpdateButton(other);
      }
      return true;
    };
    for (int i = index - 1; i >= 0 && raise(i); --i) {}
    for (int i = index + 1; i < bar->ButtonCount() && raise(i); ++i) {}
  }
  Changed();
}

void TToolButton::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

void TToolButton::SetIndeterminate(bool indeterminate) {
  if (indeterminate == indeterminate_) return;
  indeterminate_ = indeterminate;
  Changed();
}

void TToolButton::SetMarked(bool marked) {
  if (marked == marked_) return;
  marked_ = marked;
  Changed();
}

void TToolButton::SetWrap(bool wrap) {
  if (wrap == wrap_) return;
  wrap_ = wrap;
  Changed();
}

void TToolButton::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  Changed();
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  if (!SetReference(*this, menuItem_, item) || !item) return;
  SetCaption(item->Caption());
  SetImageIndex(item->ImageIndex());
  SetEnabled(item->Enabled());
  SetVisible(item->Visible());
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
  SetReference(*this, dropdownMenu_, menu);
}

std::vector<TPropInfo> TToolButton::PublishedProperties() {
  using T = TToolButton;
  return {
      PropLeft(),
      PropTop(),
      PropWidth(),
      PropHeight(),
      PropCaption(),
      PropEnabled(),
      PropVisible(),
      PropHint(),
      OrdProp<T>("Style", "TToolButtonStyle", TTypeKind::Enumeration, &T::Style, &T::SetStyle,
                 kToolButtonStyleNames),
      BoolProp<T>("Grouped", &T::Grouped, &T::SetGrouped),
      BoolProp<T>("AllowAllUp", &T::AllowAllUp, &T::SetAllowAllUp),
      BoolProp<T>("Down", &T::Down, &T::SetDown),
      OrdProp<T>("ImageIndex", "TImageIndex", TTypeKind::Integer, &T::ImageIndex, &T::SetImageIndex),
      BoolProp<T>("Indeterminate", &T::Indeterminate, &T::SetIndeterminate),
      BoolProp<T>("Marked", &T::Marked, &T::SetMarked),
      BoolProp<T>("Wrap", &T::Wrap, &T::SetWrap),
      BoolProp<T>("AutoSize", &T::AutoSize, &T::SetAutoSize),
      RefProp<T>("MenuItem", "TMenuItem", &T::MenuItem, &T::SetMenuItem),
      RefProp<T>("DropdownMenu", "TPopupMenu", &T::DropdownMenu, &T::SetDropdownMenu),
  };
}
