#include "menu/QELSkinMenuBarControlButton.h"

#include "QELSkinUtilsGradient.h"
#include "QELSkinUtilsPaint.h"

TqelSkinMenuBarControlButton::TqelSkinMenuBarControlButton(TComponent* owner) : TCustomPanel(owner) {
  SetBevelOuter(bvNone);
  SetBounds(Left(), Top(), 18, 18);
  SetCaption(L"");
}

void TqelSkinMenuBarControlButton::SetGlyph(const TBitmap& glyph) {
  glyph_ = glyph;
  Invalidate();
}

void TqelSkinMenuBarControlButton::SetToColor(TColor color) {
  if (color == toColor_) return;
  toColor_ = color;
  Invalidate();
}

void TqelSkinMenuBarControlButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; break;
    case WM_MOUSEMOVE: WMMouseMove(m); break;
    case WM_MOUSELEAVE: WMMouseLeave(m); break;
    default: TCustomPanel::WndProc(m); break;
  }
}

void TqelSkinMenuBarControlButton::WMMouseMove(TMessage& m) {
  if (!mouseOver_ && HandleAllocated()) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    ::TrackMouseEvent(&track);
    mouseOver_ = true;
    Invalidate();
  }
  TCustomPanel::WndProc(m);
}

void TqelSkinMenuBarControlButton::WMMouseLeave(TMessage& m) {
  mouseOver_ = false;
  Invalidate();
  TCustomPanel::WndProc(m);
}

void TqelSkinMenuBarControlButton::Paint() {
  TCanvas& canvas = Canvas();
  const RECT r{0, 0, Width(), Height()};
  if (Color() == toColor_) FillRectColor(canvas, r, Color());
  else DrawVerticalGradient(canvas, r, Color(), toColor_);
  if (glyph_.Empty()) return;
  if (mouseOver_) FrameRectColor(canvas, r, clBlack);
  TBitmap glyph = glyph_;
  glyph.SetTransparent(true);
  canvas.Draw(1, 1, glyph);
}

std::vector<TPropInfo> TqelSkinMenuBarControlButton::PublishedProperties() {
  using T = TqelSkinMenuBarControlButton;
  return {
      PropLeft(),
      PropTop(),
      PropWidth(),
      PropHeight(),
      PropAnchors(),
      PropColor(),
      OrdProp<T>("ToColor", "TColor", TTypeKind::Integer, &T::ToColor, &T::SetToColor),
      ObjProp<T>("Glyph", "TBitmap", &T::Glyph),
      PropVisible(),
  };
}
