#include "painters/QELSkinScrollBarLook.h"

#include <oleacc.h>

#include "QELSkinUtilsScrollBar.h"

#ifndef STATE_SYSTEM_UNAVAILABLE
#define STATE_SYSTEM_UNAVAILABLE 0x00000001
#endif

TScrollBarLook ScrollBarLookOf(const SCROLLBARINFO& Info, bool Vertical, SIZE Client) noexcept {
  TScrollBarLook look;
  look.Vertical = Vertical;
  look.Bar = RECT{0, 0, Client.cx, Client.cy};
  look.Thumb = Vertical ? RECT{0, Info.xyThumbTop, Client.cx, Info.xyThumbBottom}
                        : RECT{Info.xyThumbTop, 0, Info.xyThumbBottom, Client.cy};
  look.HasThumb = (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 && Info.xyThumbBottom > Info.xyThumbTop;
  return look;
}

void PaintScrollBar(TCanvas& Canvas, const TScrollBarLook& Look, const TPainterSkin& Skin) {
  DrawSkinScrollBar(Canvas, Skin.ScrollButtons, Look.Bar, Look.Thumb, Look.HasThumb, Look.Vertical);
}
