#include "painters/PainterSkin.h"

#include "QELSkinUtilsBitmap.h"
#include "engine/QELSkinEngine.h"

TPainterSkin TPainterSkin::Of(TqelSkinEngine& Engine) {
  return TPainterSkin{Engine.SkinReader(), Engine.ScrollBtnRes(), Engine.TabRes(), Engine.ProgressBarRes()};
}

TBitmap TPainterSkin::Frame(TSkin2BitmapKey Key, int Count, int Index, bool Transparent) const {
  TBitmap frame;
  frame.SetTransparentColor(Color(SKIN2_TRANSCOLOR, clFuchsia));
  frame.SetTransparent(Transparent);
  SliceBitmap(Bitmap(Key), frame, Count, Index);
  return frame;
}
