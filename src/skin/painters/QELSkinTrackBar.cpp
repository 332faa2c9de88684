#include "painters/QELSkinTrackBar.h"

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"
#include <commctrl.h>

#include "engine/QELSkinEngine.h"
#include "framework/Messages.h"
#include "painters/PainterSurface.h"

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

TTrackBarLook TrackBarLookOf(HWND Window) {
  TTrackBarLook look;
  const LONG style = static_cast<LONG>(::GetWindowLongPtrW(Window, GWL_STYLE));
  look.Vertical = (style & TBS_VERT) != 0;
  ::SendMessageW(Window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&look.Channel));
  ::SendMessageW(Window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&look.Thumb));
  if (!(style & TBS_NOTICKS)) {
    look.TicksBefore = (style & (TBS_BOTH | TBS_TOP)) != 0;
    look.TicksAfter = (style & TBS_BOTH) != 0 || !(style & TBS_TOP);
    // The first and last ticks stand at the ends of the channel; the
    // others where the control puts them.
    const RECT channel = TrackChannelRect(look);
    const int thumbHalf = look.Vertical ? (look.Thumb.bottom - look.Thumb.top) / 2 : (look.Thumb.right - look.Thumb.left) / 2;
    const int first = (look.Vertical ? channel.top : channel.left) + thumbHalf;
    const int last = (look.Vertical ? channel.bottom : channel.right) - thumbHalf - 1;
    look.Ticks.push_back(first);
    const int count = static_cast<int>(::SendMessageW(Window, TBM_GETNUMTICS, 0, 0));
    for (int i = 0; i + 2 < count; ++i) look.Ticks.push_back(static_cast<int>(::SendMessageW(Window, TBM_GETTICPOS, i, 0)));
    if (last != first) look.Ticks.push_back(last);
  }
  look.Focused = ::GetFocus() == Window;
  return look;
}

bool TqelSkinTrackBar::BeforeMessage(TMessage& message) {
  HWND h = GetHandle();
  if (!h) return true;
  return !TakeOverPaint(message, h, face_, [&](TCanvas& canvas, SIZE size) {
    PaintTrackBar(canvas, size, TrackBarLookOf(h), TPainterSkin::Of(Engine()));
  });
}

void TqelSkinTrackBar::AfterMessage(TMessage& message) {
  TqelSkinControlVCL::AfterMessage(message);
  switch (message.Msg) {
    case WM_KILLFOCUS:
    case CM_GOTFOCUS:
    case WM_SETFOCUS: Repaint(); break;
    default: break;
  }
}

void TqelSkinTrackBar::Paint() {
  HWND h = GetHandle();
  PaintOnWindow(h, face_, [&](TCanvas& canvas, SIZE size) {
    PaintTrackBar(canvas, size, TrackBarLookOf(h), TPainterSkin::Of(Engine()));
  });
}
