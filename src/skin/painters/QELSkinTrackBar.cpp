#include "painters/QELSkinTrackBar.h"

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"

namespace {

void DrawChannel(TCanvas& canvas, const TTrackBarLook& look, const TPainterSkin& skin) {
  const TBitmap* picture = skin.Bitmap(SKIN2_TRACKBAR);
  if (!picture || picture->Empty()) return;
  const RECT channel = TrackChannelRect(look);
  const int thickness = picture->Height();
  const int cap = thickness / 2;
  if (look.Vertical) {
    const TBitmap turned = TurnedBitmap(*picture, 90);
    const int x = (channel.left + channel.right) / 2 - thickness / 2;
    DrawThreePartV(turned, canvas, RECT{x, channel.top, x + thickness, channel.bottom}, cap);
  } else {
    const int y = (channel.top + channel.bottom) / 2 - thickness / 2;
    DrawThreePartH(*picture, canvas, RECT{channel.left, y, channel.right, y + thickness}, cap);
  }
}

void DrawTicks(TCanvas& canvas, const TTrackBarLook& look, TColor color) {
  const RECT& t = look.Thumb;
  for (int at : look.Ticks) {
    if (look.Vertical) {
      if (look.TicksBefore)
        FillRectColor(canvas, RECT{t.left - kTrackTickGap - kTrackTickLength, at, t.left - kTrackTickGap, at + 1}, color);
      if (look.TicksAfter)
        FillRectColor(canvas, RECT{t.right + kTrackTickGap, at, t.right + kTrackTickGap + kTrackTickLength, at + 1},
                      color);
    } else {
      if (look.TicksBefore)
        FillRectColor(canvas, RECT{at, t.top - kTrackTickGap - kTrackTickLength, at + 1, t.top - kTrackTickGap}, color);
      if (look.TicksAfter)
        FillRectColor(canvas, RECT{at, t.bottom + kTrackTickGap, at + 1, t.bottom + kTrackTickGap + kTrackTickLength},
                      color);
    }
  }
}

void DrawThumb(TCanvas& canvas, const TTrackBarLook& look, const TPainterSkin& skin) {
  const TBitmap* picture = skin.Bitmap(look.Vertical ? SKIN2_TRACKBARVSLIDER : SKIN2_TRACKBARSLIDER);
  if (!picture || picture->Empty()) return;
  const RECT& t = look.Thumb;
  const int x = (t.left + t.right - picture->Width()) / 2;
  const int y = (t.top + t.bottom - picture->Height()) / 2;
  DrawBitmapPart(canvas, RECT{x, y, x + picture->Width(), y + picture->Height()}, *picture,
                 RECT{0, 0, picture->Width(), picture->Height()}, true, skin.Color(SKIN2_TRANSCOLOR, clFuchsia));
}

}  // namespace

RECT TrackChannelRect(const TTrackBarLook& Look) noexcept {
  const RECT& c = Look.Channel;
  return Look.Vertical ? RECT{c.top, c.left, c.bottom, c.right} : c;
}

void PaintTrackBar(TCanvas& Canvas, SIZE Client, const TTrackBarLook& Look, const TPainterSkin& Skin) {
  FillRectColor(Canvas, RECT{0, 0, Client.cx, Client.cy}, Skin.FormColor());
  DrawChannel(Canvas, Look, Skin);
  DrawTicks(Canvas, Look, Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow));
  DrawThumb(Canvas, Look, Skin);
  if (Look.Focused) {
    const RECT focus{0, 0, Client.cx, Client.cy};
    Canvas.DrawFocusRect(focus);
  }
}
