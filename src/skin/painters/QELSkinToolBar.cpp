#include "painters/QELSkinToolBar.h"

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsGradient.h"
#include "QELSkinUtilsPlatform.h"
#include "engine/QELSkinEngine.h"

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

TToolButtonLook ToolButtonLookOf(TCustomDrawState State) noexcept {
  TToolButtonLook look;
  look.Hot = (State & cdsHot) != 0;
  look.Pressed = (State & cdsSelected) != 0;
  look.Checked = (State & cdsChecked) != 0;
  look.Enabled = (State & (cdsDisabled | cdsGrayed)) == 0;
  return look;
}

// ---- TqelSkinToolBar

void TqelSkinToolBar::Setup() {
  auto* bar = dynamic_cast<TToolBar*>(Control());
  if (!bar) return;
  saved_.Flat = bar->Flat();
  saved_.Transparent = bar->Transparent();
  saved_.Color = bar->Color();
}

void TqelSkinToolBar::Refresh() {
  auto* bar = dynamic_cast<TToolBar*>(Control());
  if (!bar) return;
  if (SkinActive() && !bar->Designing()) Apply(*bar);
  else Restore(*bar);
}

void TqelSkinToolBar::Teardown() {
  if (auto* bar = dynamic_cast<TToolBar*>(Control())) Restore(*bar);
  TqelSkinControlVCL::Teardown();
}

void TqelSkinToolBar::Apply(TToolBar& bar) {
  if (!applied_) {
    saved_.OnCustomDraw = bar.OnCustomDraw;
    saved_.OnAdvancedCustomDrawButton = bar.OnAdvancedCustomDrawButton;
    applied_ = true;
  }
  bar.SetFlat(true);
  bar.SetTransparent(false);
  const TColor start = Engine().GetSkinColor(SKIN2_TOOLBARSTARTCOLOR);
  if (start != -1) bar.SetColor(start);
  bar.OnCustomDraw = [this](TToolBar& sender, const RECT& rect, bool& defaultDraw) {
    DrawBackground(sender, rect, defaultDraw);
  };
  bar.OnAdvancedCustomDrawButton = [this](TToolBar& sender, TToolButton& button, TCustomDrawState state,
                                          TCustomDrawStage stage, TTBCustomDrawFlags& flags, bool& defaultDraw) {
    DrawButton(sender, button, state, stage, flags, defaultDraw);
  };
}

void TqelSkinToolBar::Restore(TToolBar& bar) {
  if (!applied_) return;
  applied_ = false;
  bar.OnCustomDraw = std::move(saved_.OnCustomDraw);
  bar.OnAdvancedCustomDrawButton = std::move(saved_.OnAdvancedCustomDrawButton);
  bar.SetFlat(saved_.Flat);
  bar.SetTransparent(saved_.Transparent);
  bar.SetColor(saved_.Color);
}

void TqelSkinToolBar::DrawBackground(TToolBar& sender, const RECT& rect, bool& defaultDraw) {
  if (!SkinActive()) return;
  PaintToolBarBackground(sender.Canvas(), rect, TPainterSkin::Of(Engine()));
  defaultDraw = true;
}

void TqelSkinToolBar::DrawButton(TToolBar& sender, TToolButton& button, TCustomDrawState state,
                                 TCustomDrawStage stage, TTBCustomDrawFlags& flags, bool& defaultDraw) {
  if (!SkinActive() || stage != cdPrePaint) return;
  const TToolButtonLook look = ToolButtonLookOf(state);
  if (PaintToolButton(sender.Canvas(), button.BoundsRect(), look, TPainterSkin::Of(Engine()))) {
    flags |= tbNoEdges | tbNoOffset | tbNoBackground;
    // A caption on the down colour is written as on the menu bar's selected
    // fill, the skin's other dark face.
    const TColor text = Engine().GetSkinColor(SKIN2_TOPSELECTEDMENUFONTCOLOR);
    if (ToolButtonFace(look) == ffDown && text != -1) sender.Canvas().Font().SetColor(text);
  }
  defaultDraw = true;
}

// ---- TqelSkinWndToolbarWindow32

LONG TqelSkinWndToolbarWindow32::SkinnedStyle(LONG Style, bool Win95) noexcept {
  return Win95 ? (Style | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT) : Style;
}

void TqelSkinWndToolbarWindow32::Refresh() {
  HWND h = GetHandle();
  if (!h || !SkinActive()) return;
  const LONG style = static_cast<LONG>(::GetWindowLongPtrW(h, GWL_STYLE));
  const LONG skinned = SkinnedStyle(style, PlatformFlags().IsWin95);
  if (skinned != style) ::SetWindowLongPtrW(h, GWL_STYLE, skinned);
}
