#include "painters/QELSkinToolBar.h"

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsGradient.h"

TFlatFace ToolButtonFace(const TToolButtonLook& Look) noexcept {
  if (!Look.Enabled) return ffNormal;
  if (Look.Pressed || Look.Checked) return ffDown;
  return Look.Hot ? ffHot : ffNormal;
}

void PaintToolBarBackground(TCanvas& Canvas, const RECT& Rect, const TPainterSkin& Skin) {
  if (const TBitmap* picture = Skin.Bitmap(SKIN2_TOOLBAR); picture && !picture->Empty()) {
    DrawBitmapPart(Canvas, Rect, *picture, RECT{0, 0, picture->Width(), picture->Height()}, false, clNone);
    return;
  }
  const TColor start = Skin.Color(SKIN2_TOOLBARSTARTCOLOR, clBtnFace);
  DrawVerticalGradient(Canvas, Rect, start, Skin.Color(SKIN2_TOOLBARENDCOLOR, start));
}

bool PaintToolButton(TCanvas& Canvas, const RECT& Rect, const TToolButtonLook& Look, const TPainterSkin& Skin) {
  return PaintFlatButtonFace(Canvas, Rect, ToolButtonFace(Look), Skin);
}
