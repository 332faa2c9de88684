#include "framework/comctrls/ToolBar.h"

#include <algorithm>

#include "framework/ImageList.h"
#include "framework/Menus.h"

namespace {

// The button goes before the first one at or after its place: in a row
// below it, or in its row at or right of it.
bool Precedes(const TControl& button, const TControl& other) {
  if (other.Top() >= button.Top() + button.Height()) return true;
  if (other.Top() + other.Height() <= button.Top()) return false;
  return other.Left() >= button.Left();
}

}  // namespace

TToolBar::TToolBar(TComponent* owner) : TToolWindow(owner) {
  controlStyle_ |= csAcceptsControls;
  controlStyle_ &= ~static_cast<TControlStyle>(csClickEvents | csDoubleClicks | csCaptureMouse);
  SetColor(clBtnFace);
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

TToolBar::~TToolBar() = default;

void TToolBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TToolWindow::CreateParams(params);
  params.BaseClassName = TOOLBARCLASSNAMEW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  // The framework places and sizes the bar.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (flat_) params.Style |= TBSTYLE_FLAT;
  if (transparent_) params.Style |= TBSTYLE_TRANSPARENT;
  if (list_) params.Style |= TBSTYLE_LIST;
  if (wrapable_) params.Style |= TBSTYLE_WRAPABLE;
}

void TToolBar::CreateWnd() {
  TToolWindow::CreateWnd();
  Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  Send(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  Send(TB_SETINDENT, static_cast<WPARAM>(indent_));
  ApplyImages();
  CreateButtons();
}

LRESULT TToolBar::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

void TToolBar::Loaded() {
  TToolWindow::Loaded();
  UpdateLayout();
}

// ---- Messages ----------------------------------------------------------------------

void TToolBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND: CNCommand(m); break;
    case CN_NOTIFY: CNNotify(m); break;
    case WM_ERASEBKGND: WMEraseBkgnd(m); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: WMLButtonDown(m); break;
    case WM_SIZE:
    case WM_SETFONT: WMRelayout(m); break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (!DispatchMenuMessage(m)) TToolWindow::WndProc(m);
      break;
    case WM_MENUSELECT: WMMenuSelect(m); break;
    case CM_CONTROLLISTCHANGE: CMControlListChange(m); break;
    default: TToolWindow::WndProc(m); break;
  }
}

void TToolBar::CNCommand(TMessage& m) {
  m.Result = 0;
  if (TToolButton* button = FindButton(LOWORD(m.WParam))) ButtonClicked(*button);
}

void TToolBar::ButtonClicked(TToolButton& button) {
  if (button.style_ == tbsCheck) {
    // The platform has toggled the button; a grouped one stays down unless
    // AllowAllUp.
    const bool checked = (Send(TB_GETSTATE, static_cast<WPARAM>(button.command_)) & TBSTATE_CHECKED) != 0;
    if (!checked && button.grouped_ && !button.allowAllUp_) {
      UpdateButton(&button);
    } else {
      button.down_ = !checked;  // SetDown raises the group
      button.SetDown(checked);
    }
  }
  button.Click();
}

void TToolBar::CNNotify(TMessage& m) {
  auto* header = reinterpret_cast<NMHDR*>(m.LParam);
  m.Result = 0;
  switch (header->code) {
    case NM_CUSTOMDRAW: m.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(m.LParam)); break;
    case TBN_DROPDOWN: {
      const auto* info = reinterpret_cast<const NMTOOLBARW*>(m.LParam);
      if (TToolButton* button = FindButton(info->iItem)) CheckMenuDropdown(button);
      m.Result = TBDDRET_DEFAULT;
      break;
    }
    default: break;
  }
}

void TToolBar::WMLButtonDown(TMessage& m) {
  // A menu title opens its menu on the press; the platform's button never
  // sees it, so no click follows on the release.
  TToolButton* button = ButtonAt({m.XPos(), m.YPos()});
  if (button && button->Enabled() && button->style_ != tbsDropDown && HasMenu(*button)) {
    m.Result = 0;
    TrackMenu(button);
    return;
  }
  if (button && button->Enabled() && button->menuItem_ && button->style_ == tbsButton) {
    m.Result = 0;
    button->Click();
    return;
  }
  TToolWindow::WndProc(m);
}

void TToolBar::WMRelayout(TMessage& m) {
  // The platform lays its buttons out again for a new size or font.
  TToolWindow::WndProc(m);
  Send(TB_AUTOSIZE);
  UpdateLayout();
}

void TToolBar::CMControlListChange(TMessage& m) {
  auto* control = reinterpret_cast<TControl*>(m.WParam);
  TToolWindow::WndProc(m);
  auto* button = dynamic_cast<TToolButton*>(control);
  if (!button) return;
  if (m.LParam)
    InsertButton(button);
  else
    RemoveButton(button);
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TToolWindow::Notification(component, operation);
  if (operation != opRemove) return;
  bool changed = false;
  for (TCustomImageList** list : {&images_, &disabledImages_, &hotImages_})
    if (*list == component) {
      *list = nullptr;
      changed = true;
    }
  if (changed && !IsDestroying()) ApplyImages();
}

// ---- The platform buttons -----------------------------------------------------------

TBBUTTON TToolBar::ButtonInfo(TToolButton& b) {
  TBBUTTON info{};
  const bool separator = b.style_ == tbsSeparator || b.style_ == tbsDivider;
  info.idCommand = b.command_;
  info.dwData = reinterpret_cast<DWORD_PTR>(&b);
  if (separator) {
    info.fsStyle = BTNS_SEP;
    info.iBitmap = b.Width();
  } else {
    static constexpr BYTE kStyles[] = {BTNS_BUTTON, BTNS_CHECK, BTNS_DROPDOWN};
    info.fsStyle = kStyles[b.style_];
    if (b.autoSize_) info.fsStyle |= BTNS_AUTOSIZE;
    info.iBitmap = b.imageIndex_ >= 0 ? b.imageIndex_ : I_IMAGENONE;
    info.iString = showCaptions_ ? reinterpret_cast<INT_PTR>(b.Caption().c_str()) : -1;
  }
  BYTE state = 0;
  if (b.Enabled()) state |= TBSTATE_ENABLED;
  if (!b.Visible()) state |= TBSTATE_HIDDEN;
  if (b.wrap_) state |= TBSTATE_WRAP;
  if (b.indeterminate_) state |= TBSTATE_INDETERMINATE;
  if (b.marked_) state |= TBSTATE_MARKED;
  if (b.down_) state |= b.style_ == tbsCheck ? TBSTATE_CHECKED : TBSTATE_PRESSED;
  info.fsState = state;
  return info;
}

void TToolBar::InsertButton(TToolButton* button) {
  if (std::find(buttons_.begin(), buttons_.end(), button) != buttons_.end()) return;
  const auto at = std::find_if(buttons_.begin(), buttons_.end(),
                               [button](TToolButton* other) { return Precedes(*button, *other); });
  const auto index = static_cast<WPARAM>(at - buttons_.begin());
  buttons_.insert(at, button);
  button->command_ = nextCommand_++;
  if (HandleAllocated()) {
    TBBUTTON info = ButtonInfo(*button);
    Send(TB_INSERTBUTTONW, index, reinterpret_cast<LPARAM>(&info));
  }
  UpdateLayout();
}

void TToolBar::RemoveButton(TToolButton* button) {
  const auto it = std::find(buttons_.begin(), buttons_.end(), button);
  if (it == buttons_.end()) return;
  if (menuButton_ == button) menuButton_ = nullptr;
  if (switchTo_ == button) switchTo_ = nullptr;
  const auto index = static_cast<WPARAM>(it - buttons_.begin());
  buttons_.erase(it);
  button->command_ = 0;
  if (IsDestroying()) return;
  Send(TB_DELETEBUTTON, index);
  UpdateLayout();
}

void TToolBar::UpdateButton(TToolButton* button) {
  if (button->command_ == 0) return;
  if (!HandleAllocated()) {
    UpdateLayout();
    return;
  }
  const TBBUTTON info = ButtonInfo(*button);
  TBBUTTONINFOW change{};
  change.cbSize = sizeof(change);
  change.dwMask = TBIF_STATE | TBIF_STYLE | TBIF_IMAGE;
  change.fsState = info.fsState;
  change.fsStyle = info.fsStyle;
  change.iImage = info.iBitmap;
  std::wstring text = button->Caption();
  if (showCaptions_) {
    change.dwMask |= TBIF_TEXT;
    change.pszText = text.data();
  }
  Send(TB_SETBUTTONINFOW, static_cast<WPARAM>(button->command_), reinterpret_cast<LPARAM>(&change));
  Send(TB_AUTOSIZE);
  UpdateLayout();
}

void TToolBar::CreateButtons() {
  std::vector<TBBUTTON> infos;
  infos.reserve(buttons_.size());
  for (TToolButton* b : buttons_) infos.push_back(ButtonInfo(*b));
  if (!infos.empty()) Send(TB_ADDBUTTONSW, infos.size(), reinterpret_cast<LPARAM>(infos.data()));
  UpdateLayout();
}

void TToolBar::ApplyImages() {
  if (!HandleAllocated()) return;
  auto handle = [](TCustomImageList* list) { return reinterpret_cast<LPARAM>(list ? list->Handle() : nullptr); };
  const int w = images_ ? images_->Width() : 16;
  const int h = images_ ? images_->Height() : 15;
  Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(w, h));
  Send(TB_SETIMAGELIST, 0, handle(images_));
  Send(TB_SETDISABLEDIMAGELIST, 0, handle(disabledImages_));
  Send(TB_SETHOTIMAGELIST, 0, handle(hotImages_));
  ApplySizes();
}

void TToolBar::ApplySizes() {
  if (!HandleAllocated()) return;
  Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
  Send(TB_AUTOSIZE);
  UpdateLayout();
}

void TToolBar::UpdateLayout() {
  if (laying_) return;
  laying_ = true;
  if (!HandleAllocated()) {
    // Until the window lays them out, the buttons stand in one row, so
    // that buttons added meanwhile find their places.
    int x = indent_;
    for (TToolButton* b : buttons_) {
      const bool separator = b->style_ == tbsSeparator || b->style_ == tbsDivider;
      const int width = separator ? b->Width() : buttonWidth_;
      b->SetBounds(x, 0, width, buttonHeight_);
      if (b->Visible()) x += width;
    }
    laying_ = false;
    return;
  }
  int bottom = 0;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    RECT r{};
    if (!Send(TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) continue;
    buttons_[i]->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (buttons_[i]->Visible()) bottom = std::max<int>(bottom, r.bottom);
  }
  if (autoSize_ && bottom > 0) {
    const RECT in = NonClientInsets();
    const int height = bottom + in.top + in.bottom;
    if (height != Height()) SetHeight(height);
  }
  laying_ = false;
}

TToolButton* TToolBar::FindButton(int command) const noexcept {
  const auto it = std::find_if(buttons_.begin(), buttons_.end(),
                               [command](const TToolButton* b) { return b->command_ == command; });
  return it == buttons_.end() ? nullptr : *it;
}

TToolButton* TToolBar::ButtonAt(POINT client) {
  if (!HandleAllocated()) return nullptr;
  const int index = static_cast<int>(Send(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&client)));
  return index >= 0 && index < ButtonCount() ? buttons_[static_cast<size_t>(index)] : nullptr;
}

int TToolBar::RowCount() {
  return HandleAllocated() ? static_cast<int>(Send(TB_GETROWS)) : (buttons_.empty() ? 0 : 1);
}

// ---- Attributes ------------------------------------------------------------------------

void TToolBar::SetStyleFlag(bool& flag, bool value) {
  if (flag == value) return;
  flag = value;
  RecreateWnd();
}

void TToolBar::SetShowCaptions(bool show) {
  if (show == showCaptions_) return;
  showCaptions_ = show;
  RecreateWnd();  // the platform keeps the texts of its buttons
}

void TToolBar::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  UpdateLayout();
}

void TToolBar::SetIndent(int indent) {
  indent_ = std::max(indent, 0);
  Send(TB_SETINDENT, static_cast<WPARAM>(indent_));
  UpdateLayout();
}

void TToolBar::SetButtonWidth(int width) {
  buttonWidth_ = std::max(width, 0);
  ApplySizes();
}

void TToolBar::SetButtonHeight(int height) {
  buttonHeight_ = std::max(height, 0);
  ApplySizes();
}

void TToolBar::SetImages(TCustomImageList* images) {
  if (SetReference(*this, images_, images)) ApplyImages();
}

void TToolBar::SetDisabledImages(TCustomImageList* images) {
  if (SetReference(*this, disabledImages_, images)) ApplyImages();
}

void TToolBar::SetHotImages(TCustomImageList* images) {
  if (SetReference(*this, hotImages_, images)) ApplyImages();
}

std::vector<TPropInfo> TToolBar::PublishedProperties() {
  using T = TToolBar;
  return WithCommonProperties({
      PropColor(),
      PropParentColor(),
      PropFont(),
      PropParentFont(),
      PropEdgeBorders(),
      PropEdgeInner(),
      PropEdgeOuter(),
      PropBorderWidth(),
      RefProp<T>("Images", "TCustomImageList", &T::Images, &T::SetImages),
      RefProp<T>("DisabledImages", "TCustomImageList", &T::DisabledImages, &T::SetDisabledImages),
      RefProp<T>("HotImages", "TCustomImageList", &T::HotImages, &T::SetHotImages),
      BoolProp<T>("Flat", &T::Flat, &T::SetFlat),
      BoolProp<T>("Transparent", &T::Transparent, &T::SetTransparent),
      BoolProp<T>("ShowCaptions", &T::ShowCaptions, &T::SetShowCaptions),
      BoolProp<T>("List", &T::List, &T::SetList),
      BoolProp<T>("Wrapable", &T::Wrapable, &T::SetWrapable),
      BoolProp<T>("AutoSize", &T::AutoSize, &T::SetAutoSize),
      OrdProp<T>("Indent", "Integer", TTypeKind::Integer, &T::Indent, &T::SetIndent),
      OrdProp<T>("ButtonWidth", "Integer", TTypeKind::Integer, &T::ButtonWidth, &T::SetButtonWidth),
      OrdProp<T>("ButtonHeight", "Integer", TTypeKind::Integer, &T::ButtonHeight, &T::SetButtonHeight),
  });
}
