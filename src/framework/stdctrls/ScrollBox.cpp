#include "framework/stdctrls/ScrollBox.h"

#include <algorithm>

#include "framework/stdctrls/StdCtrlsCommon.h"

// ---- TControlScrollBar ------------------------------------------------------

int TControlScrollBar::ClientExtent() const {
  const RECT r = control_.ClientRect();
  return kind_ == sbHorizontal ? r.right : r.bottom;
}

bool TControlScrollBar::IsScrollBarVisible() const noexcept {
  if (!control_.HandleAllocated()) return false;
  const auto style = ::GetWindowLongPtrW(const_cast<TScrollingWinControl&>(control_).Handle(), GWL_STYLE);
  return (style & (kind_ == sbHorizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

void TControlScrollBar::SetRange(int range) {
  range = std::max(0, range);
  if (range == range_) return;
  range_ = range;
  control_.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  control_.UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int position) {
  position = std::clamp(position, 0, visible_ ? MaxPosition() : 0);
  if (position == position_) return;
  const int delta = position_ - position;
  position_ = position;
  if (kind_ == sbHorizontal)
    control_.ScrollBy(delta, 0);
  else
    control_.ScrollBy(0, delta);
  if (control_.HandleAllocated()) {
    SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, position_, 0};
    ::SetScrollInfo(control_.Handle(), kind_ == sbHorizontal ? SB_HORZ : SB_VERT, &info, TRUE);
  }
}

void TControlScrollBar::UpdateBar() {
  if (!control_.HandleAllocated()) return;
  const int shown = visible_ ? range_ : 0;
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max(0, shown - 1),
                  static_cast<UINT>(std::max(0, ClientExtent())), position_, 0};
  // A page as large as the range hides the bar.
  if (shown <= ClientExtent()) info.nMax = info.nPage = 0;
  ::SetScrollInfo(control_.Handle(), kind_ == sbHorizontal ? SB_HORZ : SB_VERT, &info, TRUE);
}

void TControlScrollBar::Scroll(WORD request) {
  const int page = std::max(1, ClientExtent());
  int position = position_;
  switch (request) {
    case SB_LINEUP: position -= increment_; break;
    case SB_LINEDOWN: position += increment_; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
      if (!tracking_) return;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      ::GetScrollInfo(control_.Handle(), kind_ == sbHorizontal ? SB_HORZ : SB_VERT, &info);
      position = info.nTrackPos;
      break;
    }
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = MaxPosition(); break;
    default: return;
  }
  SetPosition(position);
}

std::vector<TPropInfo> TControlScrollBar::PublishedProperties() {
  return {
      OrdProp<TControlScrollBar>("Increment", "TScrollBarInc", TTypeKind::Integer, &TControlScrollBar::Increment,
                                 &TControlScrollBar::SetIncrement),
      OrdProp<TControlScrollBar>("Position", "Integer", TTypeKind::Integer, &TControlScrollBar::Position,
                                 &TControlScrollBar::SetPosition),
      OrdProp<TControlScrollBar>("Range", "Integer", TTypeKind::Integer, &TControlScrollBar::Range,
                                 &TControlScrollBar::SetRange),
      BoolProp<TControlScrollBar>("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking),
      BoolProp<TControlScrollBar>("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible),
  };
}

// ---- TScrollingWinControl -----------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner), horz_(*this, sbHorizontal), vert_(*this, sbVertical) {
  controlStyle_ |= csAcceptsControls;
}

void TScrollingWinControl::SetAutoScroll(bool autoScroll) {
  if (autoScroll == autoScroll_) return;
  autoScroll_ = autoScroll;
  UpdateScrollBars();
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollBars();
}

void TScrollingWinControl::Loaded() {
  TWinControl::Loaded();
  UpdateScrollBars();
}

void TScrollingWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (m.LParam == 0)  // our own bars; a child bar's message is reflected
        WMScroll(m);
      else
        TWinControl::WndProc(m);
      break;
    case WM_MOUSEWHEEL: WMMouseWheel(m); break;
    case WM_SIZE:
    case CM_CONTROLCHANGE:
    case CM_CONTROLLISTCHANGE: ChildrenChanged(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TScrollingWinControl::WMScroll(TMessage& m) {
  (m.Msg == WM_HSCROLL ? horz_ : vert_).Scroll(LOWORD(m.WParam));
  m.Result = 0;
}

void TScrollingWinControl::WMMouseWheel(TMessage& m) {
  if (!vert_.IsScrollBarVisible()) {
    TWinControl::WndProc(m);
    return;
  }
  const int notches = static_cast<short>(HIWORD(m.WParam)) / WHEEL_DELTA;
  vert_.SetPosition(vert_.Position() - notches * vert_.Increment() * 3);
  m.Result = 0;
}

void TScrollingWinControl::ChildrenChanged(TMessage& m) {
  TWinControl::WndProc(m);
  if (!scrolling_) UpdateScrollBars();
}

int TScrollingWinControl::ContentExtent(TScrollBarKind kind) const {
  const TControlScrollBar& bar = kind == sbHorizontal ? horz_ : vert_;
  int extent = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* c = Controls(i);
    if (!c->Visible() || c->Align() != alNone) continue;
    const int edge = kind == sbHorizontal ? c->Left() + c->Width() : c->Top() + c->Height();
    extent = std::max(extent, edge + bar.Position());
  }
  return extent;
}

void TScrollingWinControl::UpdateScrollBars() {
  if (updating_ || !HandleAllocated() || Loading()) return;
  updating_ = true;
  try {
    // Showing one bar narrows the client area, which may need the other.
    for (int pass = 0; pass < 3; ++pass) {
      const RECT before = ClientRect();
      for (TControlScrollBar* bar : {&horz_, &vert_}) {
        if (autoScroll_) bar->range_ = ContentExtent(bar->kind_);
        bar->UpdateBar();
      }
      const RECT after = ClientRect();
      if (EqualRect(&before, &after)) break;
    }
    for (TControlScrollBar* bar : {&horz_, &vert_}) bar->SetPosition(bar->Position());  // within the new range
  } catch (...) {
    updating_ = false;
    throw;
  }
  updating_ = false;
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  scrolling_ = true;
  DisableAlign();
  try {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (c->Align() == alNone) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
  } catch (...) {
    EnableAlign();
    scrolling_ = false;
    throw;
  }
  EnableAlign();
  scrolling_ = false;
  InvalidateControl();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
  if (!control || !ContainsControl(control) || control == this) return;
  // The control's bounds in this control's client coordinates.
  RECT r = control->BoundsRect();
  for (TWinControl* p = control->Parent(); p && p != this; p = p->Parent()) OffsetRect(&r, p->Left(), p->Top());
  const RECT client = ClientRect();
  if (r.left < 0) horz_.SetPosition(horz_.Position() + r.left);
  else if (r.right > client.right) horz_.SetPosition(horz_.Position() + std::min(r.right - client.right, r.left));
  if (r.top < 0) vert_.SetPosition(vert_.Position() + r.top);
  else if (r.bottom > client.bottom) vert_.SetPosition(vert_.Position() + std::min(r.bottom - client.bottom, r.top));
}

// ---- TScrollBox --------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle style) {
  if (style != bsNone) style = bsSingle;
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
  Perform(CM_BORDERCHANGED);
}

std::vector<TPropInfo> TScrollBox::PublishedProperties() {
  return StdPublished::With(
      {
          BoolProp<TScrollingWinControl>("AutoScroll", &TScrollingWinControl::AutoScroll,
                                         &TScrollingWinControl::SetAutoScroll),
          OrdProp<TScrollBox>("BorderStyle", "TBorderStyle", TTypeKind::Enumeration, &TScrollBox::BorderStyle,
                              &TScrollBox::SetBorderStyle, kBorderStyleNames),
          ObjProp<TScrollingWinControl>("HorzScrollBar", "TControlScrollBar", &TScrollingWinControl::HorzScrollBar),
          ObjProp<TScrollingWinControl>("VertScrollBar", "TControlScrollBar", &TScrollingWinControl::VertScrollBar),
      },
      StdPublished::kParentColor | StdPublished::kWindowed);
}
