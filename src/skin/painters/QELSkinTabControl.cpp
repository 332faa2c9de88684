#include "painters/QELSkinTabControl.h"

#include <algorithm>

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"

namespace {

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// One tab: the piece laid out as a nine-grid over what is already on the
// face, then copied back.
void DrawTab(TCanvas& canvas, const TTabLook& tab, const TBitmap& piece, const TPainterSkin& skin) {
  const int w = tab.Rect.right - tab.Rect.left, h = tab.Rect.bottom - tab.Rect.top;
  TBitmap patch(w, h);
  patch.Canvas().CopyRect(RECT{0, 0, w, h}, canvas, tab.Rect);
  DrawNineGrid(piece, patch.Canvas(), RECT{0, 0, w, h}, skin.Color(SKIN2_TRANSCOLOR, clFuchsia),
               skin.Flag(SKIN2_TABCONTROLTRANS));
  canvas.CopyRect(tab.Rect, patch.Canvas(), RECT{0, 0, w, h});
}

void DrawCaption(TCanvas& canvas, const TTabLook& tab, TColor color) {
  if (tab.Caption.empty()) return;
  const TColor oldColor = canvas.Font().Color();
  canvas.Font().SetColor(color);
  canvas.Brush().SetStyle(bsClear);
  RECT text = tab.Rect;
  canvas.TextRect(text, tab.Caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  canvas.Brush().SetStyle(bsSolid);
  canvas.Font().SetColor(oldColor);
}

}  // namespace

RECT TabPageRect(const TTabControlLook& Look) noexcept {
  const RECT& d = Look.Display;
  return RECT{d.left - kTabPageMargin, d.top - kTabPageMargin, d.right + kTabPageMargin, d.bottom + kTabPageMargin};
}

RECT TabLineRect(const TTabControlLook& Look, const TBitmap* Line) noexcept {
  const RECT page = TabPageRect(Look);
  using S = TqelSkinTabRes;
  const bool acrossX = Look.Side == S::sdLeft || Look.Side == S::sdRight;
  const int thickness = Line ? std::max(1, acrossX ? Line->Width() : Line->Height()) : 1;
  switch (Look.Side) {
    case S::sdBottom: return RECT{page.left, page.bottom - thickness, page.right, page.bottom};
    case S::sdLeft: return RECT{page.left, page.top, page.left + thickness, page.bottom};
    case S::sdRight: return RECT{page.right - thickness, page.top, page.right, page.bottom};
    default: return RECT{page.left, page.top, page.right, page.top + thickness};
  }
}

void PaintTabControl(TCanvas& Canvas, const TTabControlLook& Look, const TPainterSkin& Skin) {
  const TColor form = Skin.FormColor();
  FillRectColor(Canvas, RECT{0, 0, Look.Size.cx, Look.Size.cy}, form);
  const RECT page = TabPageRect(Look);
  FrameRectColor(Canvas, page, Skin.Color(SKIN2_CONTROLBORDERCOLOR, clBtnShadow));
  const TColor active = Skin.Color(SKIN2_TABCONTROLACTIVEFONTCOLOR, clWindowText);
  const TColor inactive = Skin.Color(SKIN2_TABCONTROLINACTIVEFONTCOLOR, clWindowText);
  for (std::size_t i = 0; i < Look.Tabs.size(); ++i) {
    const TTabLook& tab = Look.Tabs[i];
    if (IsEmpty(tab.Rect)) continue;
    const bool current = static_cast<int>(i) == Look.Current;
    if (const TBitmap* piece = current ? Skin.Tabs.TabA(Look.Side) : Skin.Tabs.TabB(Look.Side))
      DrawTab(Canvas, tab, *piece, Skin);
    DrawCaption(Canvas, tab, current ? active : inactive);
  }
  const TBitmap* line = Skin.Tabs.TabLine(Look.Side);
  const RECT strip = TabLineRect(Look, line);
  FillRectColor(Canvas, strip, form);
  if (line) DrawBitmapPart(Canvas, strip, *line, RECT{0, 0, line->Width(), line->Height()}, false, clNone);
}
