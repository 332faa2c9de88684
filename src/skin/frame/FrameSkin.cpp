#include "frame/FrameSkin.h"

namespace {

int WidthOf(const TBitmap* b) { return b ? b->Width() : 0; }
int HeightOf(const TBitmap* b) { return b ? b->Height() : 0; }
// A metric, with 0 for one the skin lacks.
int MetricOf(const TqelSkinReader& r, TSkin2MetricKey key) {
  const int v = r.GetMetric(key);
  return v < 0 ? 0 : v;
}
TColor ColorOr(const TqelSkinReader& r, TSkin2ColorKey key, TColor fallback) {
  const TColor c = r.GetColor(key);
  return c == -1 ? fallback : c;
}

}  // namespace

const TBitmap* TFrameSkin::Piece(TSkin2BitmapKey key) const noexcept {
  switch (key) {
    case SKIN2_TITLEBAR1: return Title[0];
    case SKIN2_TITLEBAR2: return Title[1];
    case SKIN2_TITLEBAR3: return Title[2];
    case SKIN2_TITLEBAR4: return Title[3];
    case SKIN2_TITLEBAR5: return Title[4];
    case SKIN2_MINIMIZEDTITLE: return MinimizedTitle;
    default: return nullptr;
  }
}

TFrameSkin TFrameSkin::FromReader(const TqelSkinReader& r) {
  TFrameSkin s;
  static constexpr TSkin2BitmapKey kTitles[] = {SKIN2_TITLEBAR1, SKIN2_TITLEBAR2, SKIN2_TITLEBAR3, SKIN2_TITLEBAR4,
                                                SKIN2_TITLEBAR5};
  for (int i = 0; i < 5; ++i) s.Title[i] = r.GetBitmap(kTitles[i]);
  s.LeftBorder = r.GetBitmap(SKIN2_FORMLEFTBORDER);
  s.RightBorder = r.GetBitmap(SKIN2_FORMRIGHTBORDER);
  s.Bottom[0] = r.GetBitmap(SKIN2_FORMBOTTOMBORDER1);
  s.Bottom[1] = r.GetBitmap(SKIN2_FORMBOTTOMBORDER2);
  s.Bottom[2] = r.GetBitmap(SKIN2_FORMBOTTOMBORDER3);
  s.MinimizedTitle = r.GetBitmap(SKIN2_MINIMIZEDTITLE);
  s.TitleButtons = r.GetBitmap(SKIN2_TITLEBUTTONS);
  s.MenuBar = r.GetBitmap(SKIN2_MENUBAR);

  s.FormColor = ColorOr(r, SKIN2_FORMCOLOR, clBtnFace);
  s.TransparentColor = ColorOr(r, SKIN2_TRANSCOLOR, clNone);
  s.TitleFontColor = ColorOr(r, SKIN2_TITLEFONTCOLOR, clCaptionText);
  s.MenuBarStartColor = ColorOr(r, SKIN2_MENUBARSTARTCOLOR, s.FormColor);
  s.MenuBarEndColor = ColorOr(r, SKIN2_MENUBARENDCOLOR, s.MenuBarStartColor);

  s.BottomThreeSections = r.GetFlag(SKIN2_BOTTOMBORDERTHREESECT);
  s.TitleButtonsTransparent = r.GetFlag(SKIN2_TITLEBTNTRANS);
  s.TitleNeedsRegion = r.GetFlag(SKIN2_TITLEBARNEEDREGION);
  s.BottomNeedsRegion = r.GetFlag(SKIN2_BOTTOMBORDERNEEDREGION);
  s.TitleRegionMinY = r.GetMetric(SKIN2_TITLEBARREGIONMINY);
  s.TitleRegionMaxY = r.GetMetric(SKIN2_TITLEBARREGIONMAXY);
  s.BottomRegionMinY = r.GetMetric(SKIN2_BOTTOMREGIONMINY);
  s.BottomRegionMaxY = r.GetMetric(SKIN2_BOTTOMREGIONMAXY);

  TFrameMetrics& m = s.Metrics;
  m.TitleHeight = HeightOf(s.Title[0]);
  m.LeftBorder = WidthOf(s.LeftBorder);
  m.RightBorder = WidthOf(s.RightBorder);
  m.BottomBorder = HeightOf(s.Bottom[0]);
  m.IconPosX = r.GetMetric(SKIN2_TITLEBARICONPOSX);
  m.IconPosY = MetricOf(r, SKIN2_TITLEBARICONPOSY);
  m.CaptionTop = MetricOf(r, SKIN2_TITLEBARCAPTIONTOP);
  m.ButtonPosX = MetricOf(r, SKIN2_TITLEBARBUTTONPOSX);
  m.ButtonPosY = MetricOf(r, SKIN2_TITLEBARBUTTONPOSY);
  m.ButtonWidth = WidthOf(s.TitleButtons) / 18;
  m.ButtonHeight = HeightOf(s.TitleButtons);
  m.FiveSections = r.GetFlag(SKIN2_TITLEFIVESECT);
  m.Title1Width = WidthOf(s.Title[0]);
  m.Title3Width = WidthOf(s.Title[2]);
  m.RightPieceWidth = WidthOf(m.FiveSections ? s.Title[4] : s.Title[2]);
  return s;
}
