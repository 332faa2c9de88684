#include "painters/QELSkinCheckBox.h"

#include <algorithm>

#include "QELSkinUtilsPaint.h"

bool SmallBoxAtRight(TAlignment Alignment, bool RightToLeft) noexcept {
  const bool captionRight = RightToLeft ? Alignment == taLeftJustify : Alignment == taRightJustify;
  return !captionRight;
}

RECT SmallBoxRect(SIZE Client, SIZE Picture, bool BoxAtRight) noexcept {
  const int w = std::max<int>(13, Picture.cx);
  const int h = std::max<int>(13, Picture.cy);
  const int x = BoxAtRight ? Client.cx - w - 1 : 0;
  const int y = (Client.cy - h) / 2;
  return RECT{x, y, x + w, y + h};
}

int CheckBoxFrameIndex(const TCheckBoxLook& Look) noexcept {
  int index = 3;
  if (Look.State == cbChecked) index = 1;
  else if (Look.State == cbGrayed) index = 2;
  return Look.Enabled ? index : index + 3;
}

void PaintSmallBox(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TBitmap& Picture) {
  if (Picture.Empty()) return;
  const RECT box = SmallBoxRect(Client, SIZE{Picture.Width(), Picture.Height()}, Look.BoxAtRight);
  FillRectColor(Canvas, box, Look.Color);
  Canvas.Draw(box.left, box.top, Picture);
}

void PaintCheckBox(TCanvas& Canvas, SIZE Client, const TCheckBoxLook& Look, const TPainterSkin& Skin) {
  const TBitmap frame = Skin.Frame(SKIN2_CHECKBOX, 6, CheckBoxFrameIndex(Look), Skin.Flag(SKIN2_CHECKBOXTRANS));
  PaintSmallBox(Canvas, Client, Look, frame);
}
