#include "framework/comctrls/ToolWindow.h"

#include <algorithm>

#include "graphics/GdiObjects.h"

TToolWindow::TToolWindow(TComponent* owner) : TWinControl(owner) {}

RECT TToolWindow::NonClientInsets() const noexcept {
  const int edge = (edgeInner_ != esNone) + (edgeOuter_ != esNone);
  auto side = [&](TEdgeBorder b) { return ((edgeBorders_ & b) ? edge : 0) + borderWidth_; };
  return {side(ebLeft), side(ebTop), side(ebRight), side(ebBottom)};
}

void TToolWindow::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE: WMNCCalcSize(m); break;
    case WM_NCPAINT: WMNCPaint(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TToolWindow::WMNCCalcSize(TMessage& m) {
  DefaultHandler(m);
  RECT& r = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0] : *reinterpret_cast<RECT*>(m.LParam);
  const RECT in = NonClientInsets();
  r.left += in.left;
  r.top += in.top;
  r.right = std::max(r.left, r.right - in.right);
  r.bottom = std::max(r.top, r.bottom - in.bottom);
}

void TToolWindow::WMNCPaint(TMessage& m) {
  DefaultHandler(m);
  UniqueWindowDC dc = UniqueWindowDC::WholeWindow(Handle());
  if (!dc) return;
  RECT r{};
  ::GetWindowRect(Handle(), &r);
  ::OffsetRect(&r, -r.left, -r.top);
  const RECT in = NonClientInsets();
  RECT client{r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
  ::ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  UINT sides = 0;
  if (edgeBorders_ & ebLeft) sides |= BF_LEFT;
  if (edgeBorders_ & ebTop) sides |= BF_TOP;
  if (edgeBorders_ & ebRight) sides |= BF_RIGHT;
  if (edgeBorders_ & ebBottom) sides |= BF_BOTTOM;
  static constexpr UINT kInner[] = {0, BDR_RAISEDINNER, BDR_SUNKENINNER};
  static constexpr UINT kOuter[] = {0, BDR_RAISEDOUTER, BDR_SUNKENOUTER};
  const UINT edge = kInner[edgeInner_] | kOuter[edgeOuter_];
  if (edge && sides) ::DrawEdge(dc.get(), &r, edge, sides | BF_ADJUST);
  ::FillRect(dc.get(), &r, Brush().Handle());  // the border, in the control's colour
  m.Result = 0;
}

void TToolWindow::FrameChanged() {
  if (!HandleAllocated()) return;
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
  Realign();
}

void TToolWindow::SetEdgeBorders(TEdgeBorders borders) {
  borders &= ebLeft | ebTop | ebRight | ebBottom;
  if (borders == edgeBorders_) return;
  edgeBorders_ = borders;
  FrameChanged();
  Perform(CM_BORDERCHANGED);
}

void TToolWindow::SetEdgeInner(TEdgeStyle style) {
  if (style == edgeInner_) return;
  edgeInner_ = style;
  FrameChanged();
}

void TToolWindow::SetEdgeOuter(TEdgeStyle style) {
  if (style == edgeOuter_) return;
  edgeOuter_ = style;
  FrameChanged();
}

void TToolWindow::SetBorderWidth(int width) {
  width = std::max(width, 0);
  if (width == borderWidth_) return;
  borderWidth_ = width;
  FrameChanged();
}

TPropInfo TToolWindow::PropEdgeBorders() {
  return OrdProp<TToolWindow>("EdgeBorders", "TEdgeBorders", TTypeKind::Set, &TToolWindow::EdgeBorders,
                              &TToolWindow::SetEdgeBorders, kEdgeBorderNames);
}

TPropInfo TToolWindow::PropEdgeInner() {
  return OrdProp<TToolWindow>("EdgeInner", "TEdgeStyle", TTypeKind::Enumeration, &TToolWindow::EdgeInner,
                              &TToolWindow::SetEdgeInner, kEdgeStyleNames);
}

TPropInfo TToolWindow::PropEdgeOuter() {
  return OrdProp<TToolWindow>("EdgeOuter", "TEdgeStyle", TTypeKind::Enumeration, &TToolWindow::EdgeOuter,
                              &TToolWindow::SetEdgeOuter, kEdgeStyleNames);
}

TPropInfo TToolWindow::PropBorderWidth() {
  return OrdProp<TToolWindow>("BorderWidth", "TBorderWidth", TTypeKind::Integer, &TToolWindow::BorderWidth,
                              &TToolWindow::SetBorderWidth);
}
