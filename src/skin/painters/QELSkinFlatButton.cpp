#include "painters/QELSkinFlatButton.h"

#include "QELSkinUtilsPaint.h"

bool PaintFlatButtonFace(TCanvas& Canvas, const RECT& Rect, TFlatFace Face, const TPainterSkin& Skin) {
  if (Face == ffNormal) return false;
  const TColor fill = Face == ffDown ? Skin.Color(SKIN2_TOOLBARDOWNCOLOR, clBtnShadow)
                                     : Skin.Color(SKIN2_TOOLBARONCOLOR, clBtnHighlight);
  FillRectColor(Canvas, Rect, fill);
  FrameRectColor(Canvas, Rect, Skin.Color(SKIN2_TOOLBARBORDERCOLOR, clBtnShadow));
  return true;
}
