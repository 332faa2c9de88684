#include "painters/QELSkinComboBox.h"

#include "QELSkinUtilsPaint.h"

POINT ComboArrowOrigin(const RECT& Button) noexcept {
  return POINT{Button.left + (Button.right - Button.left) / 2 - 3, Button.top + (Button.bottom - Button.top) / 2 - 2};
}

void PaintComboBoxFrame(TCanvas& Canvas, const TComboBoxLook& Look, const TPainterSkin& Skin) {
  const TColor border = Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow);
  const RECT outer{0, 0, Look.Size.cx, Look.Size.cy};
  FrameRectColor(Canvas, outer, border);
  FrameRectColor(Canvas, RECT{1, 1, outer.right - 1, outer.bottom - 1}, Look.Color);
  const RECT& b = Look.Button;
  if (b.right <= b.left || b.bottom <= b.top) return;
  FillRectColor(Canvas, b, Skin.Color(SKIN2_CONTROLCOLOR, clWindow));
  const int lineX = Look.RightToLeft ? b.right - 1 : b.left;
  FillRectColor(Canvas, RECT{lineX, b.top, lineX + 1, b.bottom}, border);
  const POINT arrow = ComboArrowOrigin(b);
  DrawArrowDown(Canvas, arrow.x, arrow.y, Look.Enabled);
}
