#include "framework/Control.h"

#include "framework/WinControl.h"

#include <utility>

namespace {
// The control under the mouse and the one holding the capture. GUI thread
// only, like every other control state.
TControl* g_mouseControl = nullptr;
TControl* g_captureControl = nullptr;
}  // namespace

// ---- Construction --------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = TWndMethod::Bind<&TControl::DefaultWndProc>(this);
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  for (THookLink* link : hookLinks_) link->control_ = nullptr;
  font_.OnChange = nullptr;
  if (g_mouseControl == this) g_mouseControl = nullptr;
  if (g_captureControl == this) g_captureControl = nullptr;
  if (parent_) parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
  Destroying();
  if (g_mouseControl == this) g_mouseControl = nullptr;
  if (g_captureControl == this) SetCaptureControl(nullptr);
  SetParent(nullptr);
  TComponent::BeforeDestruction();
}

// ---- Messages ------------------------------------------------------------

void TControl::InsertHookLink(THookLink& link) {
  // The first link puts the dispatcher in WindowProc's place and keeps the
  // handler it replaces. While the dispatcher is somewhere in the chain (a
  // handler set directly on top of it saved it), later links just join it.
  if (!unhookedProc_) {
    unhookedProc_ = WindowProc;
    WindowProc = TWndMethod::Bind<&TControl::DispatchHookLinks>(this);
  }
  hookLinks_.push_back(&link);
}

void TControl::RemoveHookLink(THookLink& link) noexcept {
  std::erase(hookLinks_, &link);
  if (hookLinks_.empty()) RetireDispatcher();
}

// Without links the dispatcher gives WindowProc back, unless a handler set
// directly on top of it still forwards to it; then it stays and forwards.
void TControl::RetireDispatcher() noexcept {
  if (WindowProc != TWndMethod::Bind<&TControl::DispatchHookLinks>(this)) return;
  WindowProc = std::exchange(unhookedProc_, TWndMethod());
}

void TControl::DispatchHookLinks(TMessage& message) {
  if (hookLinks_.empty()) {
    const TWndMethod below = unhookedProc_;
    RetireDispatcher();
    below(message);
    return;
  }
  const TWndMethod top = hookLinks_.back()->handler_;
  top(message);
}

void TControl::CallBelowHookLink(const THookLink& link, TMessage& message) {
  TWndMethod next = unhookedProc_;
  for (size_t i = hookLinks_.size(); i-- > 1;) {
    if (hookLinks_[i] == &link) {
      next = hookLinks_[i - 1]->handler_;
      break;
    }
  }
  next(message);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  const TWndMethod proc = WindowProc;  // a hook may replace it meanwhile
  proc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: WMMouseDown(m, mbLeft, false); break;
    case WM_LBUTTONDBLCLK: WMMouseDown(m, mbLeft, true); break;
    case WM_RBUTTONDOWN: WMMouseDown(m, mbRight, false); break;
    case WM_RBUTTONDBLCLK: WMMouseDown(m, mbRight, true); break;
    case WM_MBUTTONDOWN: WMMouseDown(m, mbMiddle, false); break;
    case WM_MBUTTONDBLCLK: WMMouseDown(m, mbMiddle, true); break;
    case WM_LBUTTONUP: WMMouseUp(m, mbLeft); break;
    case WM_RBUTTONUP: WMMouseUp(m, mbRight); break;
    case WM_MBUTTONUP: WMMouseUp(m, mbMiddle); break;
    case WM_MOUSEMOVE: WMMouseMove(m); break;
    case WM_SETTEXT: WMSetText(m); break;
    case CM_MOUSEENTER: CMMouseEnter(m); break;
    case CM_MOUSELEAVE: CMMouseLeave(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_INVALIDATE: CMInvalidate(m); break;
    case CM_HITTEST: CMHitTest(m); break;
    default: DefaultHandler(m); break;
  }
}

void TControl::DefaultHandler(TMessage& m) { m.Result = 0; }

void TControl::WMMouseDown(TMessage& m, TMouseButton button, bool doubleClick) {
  const TShiftState shift = ShiftStateFromMouse(m.WParam) | (doubleClick ? TShiftState{ssDouble} : TShiftState{0});
  if (button == mbLeft) {
    controlState_ |= csLButtonDown;
    if (controlStyle_ & csClickEvents) controlState_ |= csClicked;
    if (controlStyle_ & csCaptureMouse) SetCaptureControl(this);
    if (doubleClick && (controlStyle_ & csDoubleClicks)) DblClick();
  }
  MouseDown(button, shift, m.XPos(), m.YPos());
  DefaultHandler(m);
}

void TControl::WMMouseUp(TMessage& m, TMouseButton button) {
  DefaultHandler(m);
  const POINT p{m.XPos(), m.YPos()};
  if (button == mbLeft) {
    controlState_ &= ~csLButtonDown;
    if (MouseCaptured()) SetCaptureControl(nullptr);
    if (controlState_ & csClicked) {
      controlState_ &= ~csClicked;
      const RECT client = ClientRect();
      if (PtInRect(&client, p)) Click();
    }
  }
  MouseUp(button, ShiftStateFromMouse(m.WParam), p.x, p.y);
}

void TControl::WMMouseMove(TMessage& m) {
  MouseMove(ShiftStateFromMouse(m.WParam), m.XPos(), m.YPos());
  DefaultHandler(m);
}

void TControl::WMSetText(TMessage& m) {
  const wchar_t* text = reinterpret_cast<const wchar_t*>(m.LParam);
  std::wstring value = text ? text : L"";
  DefaultHandler(m);
  if (value != text_) {
    text_ = std::move(value);
    Perform(CM_TEXTCHANGED);
  }
  m.Result = TRUE;
}

void TControl::CMMouseEnter(TMessage& m) {
  if (OnMouseEnter) OnMouseEnter(*this);
  m.Result = 0;
}

void TControl::CMMouseLeave(TMessage& m) {
  if (OnMouseLeave) OnMouseLeave(*this);
  m.Result = 0;
}

void TControl::CMColorChanged(TMessage& m) {
  Invalidate();
  m.Result = 0;
}

void TControl::CMFontChanged(TMessage& m) {
  Invalidate();
  m.Result = 0;
}

void TControl::CMParentColorChanged(TMessage& m) {
  if (parentColor_ && parent_) {
    SetColor(parent_->Color());
    parentColor_ = true;
  }
  m.Result = 0;
}

void TControl::CMParentFontChanged(TMessage& m) {
  if (parentFont_ && parent_) {
    inheritingFont_ = true;
    font_.Assign(parent_->Font());
    inheritingFont_ = false;
  }
  m.Result = 0;
}

void TControl::CMVisibleChanged(TMessage& m) {
  InvalidateControl();
  m.Result = 0;
}

void TControl::CMEnabledChanged(TMessage& m) {
  Invalidate();
  m.Result = 0;
}

void TControl::CMInvalidate(TMessage& m) {
  InvalidateControl();
  m.Result = 0;
}

void TControl::CMHitTest(TMessage& m) { m.Result = HTCLIENT; }

// ---- Overridables --------------------------------------------------------

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TControl::Resize() {
  if (OnResize) OnResize(*this);
}

void TControl::ChangeScale(int multiplier, int divider) {
  if (multiplier == divider || divider == 0) return;
  auto scale = [&](int v) { return MulDiv(v, multiplier, divider); };
  TSizeConstraints c = constraints_;
  c.MinWidth = scale(c.MinWidth);
  c.MinHeight = scale(c.MinHeight);
  c.MaxWidth = scale(c.MaxWidth);
  c.MaxHeight = scale(c.MaxHeight);
  constraints_ = c;
  SetBounds(scale(left_), scale(top_), scale(width_), scale(height_));
  if (!parentFont_) font_.SetHeight(scale(font_.Height()));
}

void TControl::InvalidateControl() {
  if (parent_ && (visible_ || Designing())) parent_->InvalidateArea(BoundsRect());
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_) {
    if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
    if (parentFont_) Perform(CM_PARENTFONTCHANGED);
  }
  UpdateAnchorRules();
}

// ---- Place ---------------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == static_cast<TControl*>(this))
    throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent && parent->IsDestroying()) return;
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  ApplyConstraints(width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  InvalidateControl();
  ApplyBounds(left, top, width, height);
  InvalidateControl();
}

void TControl::ApplyBounds(int left, int top, int width, int height) {
  const bool sizeChanged = width != width_ || height != height_;
  if (!sizeChanged && left == left_ && top == top_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (!(controlState_ & csAligning)) {
    UpdateAnchorRules();
    RequestAlign();
  }
  if (sizeChanged) {
    if (auto* self = dynamic_cast<TWinControl*>(this)) self->Realign();
    Resize();
  }
  if (parent_ && !parent_->IsDestroying()) parent_->Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(this));
}

void TControl::ApplyConstraints(int& width, int& height) const noexcept {
  if (constraints_.MinWidth > 0 && width < constraints_.MinWidth) width = constraints_.MinWidth;
  if (constraints_.MaxWidth > 0 && width > constraints_.MaxWidth) width = constraints_.MaxWidth;
  if (constraints_.MinHeight > 0 && height < constraints_.MinHeight) height = constraints_.MinHeight;
  if (constraints_.MaxHeight > 0 && height > constraints_.MaxHeight) height = constraints_.MaxHeight;
  if (width < 0) width = 0;
  if (height < 0) height = 0;
}

void TControl::SetConstraints(const TSizeConstraints& constraints) {
  constraints_ = constraints;
  SetBounds(left_, top_, width_, height_);
}

RECT TControl::ClientRect() const { return {0, 0, width_, height_}; }

void TControl::SetClientSize(int width, int height) { SetBounds(left_, top_, width, height); }

POINT TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  POINT p = parent_->ClientOrigin();
  return {p.x + left_, p.y + top_};
}

POINT TControl::ClientToScreen(POINT p) const {
  const POINT o = ClientOrigin();
  return {p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const {
  const POINT o = ClientOrigin();
  return {p.x - o.x, p.y - o.y};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  const TAlign old = align_;
  align_ = align;
  if (parent_ && (old != alNone || align != alNone)) parent_->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
  anchors_ = anchors;
  UpdateAnchorRules();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != alNone && !parent_->Aligning()) parent_->Realign();
}

void TControl::UpdateAnchorRules() {
  anchorRulesValid_ = false;
  if (!parent_ || Loading() || parent_->Loading()) return;
  const RECT client = parent_->ClientRect();
  anchorRight_ = client.right - (left_ + width_);
  anchorBottom_ = client.bottom - (top_ + height_);
  anchorRulesValid_ = true;
}

// ---- Look ----------------------------------------------------------------

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  VisibleChanging(visible);
  visible_ = visible;
  if (!visible) {
    if (g_mouseControl == this) g_mouseControl = nullptr;
    if (g_captureControl == this) SetCaptureControl(nullptr);
  }
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED, enabled ? 1 : 0);
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == parentColor_) return;
  parentColor_ = parentColor;
  if (parentColor && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == parentFont_) return;
  parentFont_ = parentFont;
  if (parentFont && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  if (!inheritingFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetCaption(std::wstring_view caption) {
  if (caption == text_) return;
  const std::wstring value(caption);
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED);
}

// ---- Mouse state ---------------------------------------------------------

TControl* TControl::MouseControl() noexcept { return g_mouseControl; }
TControl* TControl::CaptureControl() noexcept { return g_captureControl; }

void TControl::SetMouseControl(TControl* control) {
  if (control == g_mouseControl) return;
  TControl* old = std::exchange(g_mouseControl, control);
  if (old) old->Perform(CM_MOUSELEAVE);
  // The leave handler may have moved the mouse control on.
  if (control && g_mouseControl == control) control->Perform(CM_MOUSEENTER);
}

void TControl::ForgetMouseControl() noexcept { g_mouseControl = nullptr; }
void TControl::ForgetCaptureControl() noexcept { g_captureControl = nullptr; }

void TControl::SetCaptureControl(TControl* control) {
  // Releasing sends WM_CAPTURECHANGED, which clears g_captureControl.
  if (g_captureControl) {
    g_captureControl = nullptr;
    ::ReleaseCapture();
  }
  if (!control) return;
  TWinControl* window = dynamic_cast<TWinControl*>(control);
  if (!window) window = control->parent_;
  if (!window || !window->HandleAllocated()) return;
  ::SetCapture(window->Handle());
  g_captureControl = control;
}

// ---- Updating and z-order ------------------------------------------------

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  std::erase(list, this);
  list.push_back(this);
  InvalidateControl();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  std::erase(list, this);
  list.insert(list.begin(), this);
  InvalidateControl();
}

// ---- Published property entries -------------------------------------------

TPropInfo TControl::PropLeft() {
  return OrdProp<TControl>("Left", "Integer", TTypeKind::Integer, &TControl::Left, &TControl::SetLeft);
}
TPropInfo TControl::PropTop() {
  return OrdProp<TControl>("Top", "Integer", TTypeKind::Integer, &TControl::Top, &TControl::SetTop);
}
TPropInfo TControl::PropWidth() {
  return OrdProp<TControl>("Width", "Integer", TTypeKind::Integer, &TControl::Width, &TControl::SetWidth);
}
TPropInfo TControl::PropHeight() {
  return OrdProp<TControl>("Height", "Integer", TTypeKind::Integer, &TControl::Height,
                           &TControl::SetHeight);
}
TPropInfo TControl::PropAlign() {
  return OrdProp<TControl>("Align", "TAlign", TTypeKind::Enumeration, &TControl::Align,
                           &TControl::SetAlign, kAlignNames);
}
TPropInfo TControl::PropAnchors() {
  return OrdProp<TControl>("Anchors", "TAnchors", TTypeKind::Set, &TControl::Anchors,
                           &TControl::SetAnchors, kAnchorNames);
}
TPropInfo TControl::PropVisible() {
  return BoolProp<TControl>("Visible", &TControl::Visible, &TControl::SetVisible);
}
TPropInfo TControl::PropEnabled() {
  return BoolProp<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled);
}
TPropInfo TControl::PropColor() {
  return OrdProp<TControl>("Color", "TColor", TTypeKind::Integer, &TControl::Color, &TControl::SetColor);
}
TPropInfo TControl::PropParentColor() {
  return BoolProp<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
}
TPropInfo TControl::PropFont() {
  return ObjProp<TControl>("Font", "TFont", static_cast<TFont& (TControl::*)()>(&TControl::Font));
}
TPropInfo TControl::PropParentFont() {
  return BoolProp<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
}
TPropInfo TControl::PropCaption() {
  return StrProp<TControl>("Caption", "WideString", TTypeKind::WString, &TControl::Caption,
                           &TControl::SetCaption);
}
TPropInfo TControl::PropCursor() {
  return OrdProp<TControl>("Cursor", "TCursor", TTypeKind::Integer, &TControl::Cursor,
                           &TControl::SetCursor);
}
TPropInfo TControl::PropHint() {
  return StrProp<TControl>("Hint", "WideString", TTypeKind::WString, &TControl::Hint, &TControl::SetHint);
}
