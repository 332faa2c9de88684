#include "painters/QELSkinSpeedButton.h"

#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"
#include "painters/QELSkinFlatButton.h"

int SpeedButtonFrameIndex(const TSpeedButtonLook& Look) noexcept {
  if ((Look.Pressed && Look.Enabled) || Look.Down) return 3;
  if (Look.Hot && Look.Enabled) return 2;
  return 1;
}

void PaintSpeedButtonFace(TCanvas& Canvas, SIZE Size, const TSpeedButtonLook& Look, const TPainterSkin& Skin) {
  const RECT all{0, 0, Size.cx, Size.cy};
  FillRectColor(Canvas, all, Look.ParentColor);
  const int index = SpeedButtonFrameIndex(Look);
  if (Look.Flat) {
    PaintFlatButtonFace(Canvas, all, index == 3 ? ffDown : index == 2 ? ffHot : ffNormal, Skin);
    return;
  }
  const bool transparent = Skin.Flag(SKIN2_BUTTONTRANS);
  const TBitmap frame = Skin.Frame(SKIN2_BUTTON, 3, index, transparent);
  if (frame.Empty()) return;
  DrawNineGrid(frame, Canvas, all, Skin.Color(SKIN2_TRANSCOLOR, clFuchsia), transparent);
}

void PaintSelfPaintedFrame(TCanvas& Canvas, SIZE Size, const TPainterSkin& Skin) {
  constexpr int kBand = 2;
  FillRectColor(Canvas, RECT{0, 0, Size.cx, kBand}, clBtnFace);
  FillRectColor(Canvas, RECT{0, Size.cy - kBand, Size.cx, Size.cy}, clBtnFace);
  FillRectColor(Canvas, RECT{0, 0, kBand, Size.cy}, clBtnFace);
  FillRectColor(Canvas, RECT{Size.cx - kBand, 0, Size.cx, Size.cy}, clBtnFace);
  FillRectColor(Canvas, RECT{0, 0, 1, Size.cy}, Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow));
}
