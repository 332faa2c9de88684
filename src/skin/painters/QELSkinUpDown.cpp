#include "painters/QELSkinUpDown.h"

#include "QELSkinUtilsPaint.h"

RECT UpDownHalfRect(SIZE Client, bool Horizontal, TUpDownHalf Half) noexcept {
  if (Half == udhNone) return RECT{};
  if (Horizontal) {
    const int mid = Client.cx / 2;
    return Half == udhFirst ? RECT{0, 0, mid, Client.cy} : RECT{mid, 0, Client.cx, Client.cy};
  }
  const int mid = Client.cy / 2;
  return Half == udhFirst ? RECT{0, 0, Client.cx, mid} : RECT{0, mid, Client.cx, Client.cy};
}

TUpDownHalf UpDownHalfAt(SIZE Client, bool Horizontal, POINT At) noexcept {
  if (At.x < 0 || At.y < 0 || At.x >= Client.cx || At.y >= Client.cy) return udhNone;
  const bool first = Horizontal ? At.x < Client.cx / 2 : At.y < Client.cy / 2;
  return first ? udhFirst : udhSecond;
}

void PaintUpDown(TCanvas& Canvas, SIZE Client, const TUpDownLook& Look, const TPainterSkin& Skin) {
  FillRectColor(Canvas, RECT{0, 0, Client.cx, Client.cy}, Skin.FormColor());
  const TColor border = Skin.Color(SKIN2_TOOLBARBORDERCOLOR, clBtnShadow);
  const TColor down = Skin.Color(SKIN2_TOOLBARDOWNCOLOR, clBtnShadow);
  for (TUpDownHalf half : {udhFirst, udhSecond}) {
    const RECT r = UpDownHalfRect(Client, Look.Horizontal, half);
    if (r.right - r.left < 2 || r.bottom - r.top < 2) continue;
    if (Look.Pressed == half) FillRectColor(Canvas, r, down);
    FrameRectColor(Canvas, r, border);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    if (Look.Horizontal) {
      if (half == udhFirst) DrawArrowLeft(Canvas, cx - 2, cy, Look.Enabled);
      else DrawArrowRight(Canvas, cx - 1, cy - 3, Look.Enabled);
    } else {
      if (half == udhFirst) DrawArrowUp(Canvas, cx, cy - 2, Look.Enabled);
      else DrawArrowDown(Canvas, cx - 3, cy - 1, Look.Enabled);
    }
  }
}
