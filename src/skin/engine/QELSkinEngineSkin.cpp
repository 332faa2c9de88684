// TqelSkinEngine: what every skin change does - the cached values, the
// form brush, the resources, the check mark, and the skinned windows.
#include <algorithm>

#include "QELSkinUtilsPlatform.h"
#include "engine/QELSkinEngine.h"
#include "engine/QELSkinGlobals.h"
#include "frame/QELSkinWindow.h"

namespace {

int WidthOf(const TBitmap* bitmap) { return bitmap ? bitmap->Width() : 0; }
int HeightOf(const TBitmap* bitmap) { return bitmap ? bitmap->Height() : 0; }

}  // namespace

void TqelSkinEngine::SkinChangedHandler(TObject&) {
  formBrush_.reset();
  if (OnSkinChanging) OnSkinChanging(*this);
  CacheValues();
  if (values_.FormColor >= 0) formBrush_.reset(::CreateSolidBrush(static_cast<COLORREF>(values_.FormColor)));
  for (TqelSkinRes* res : {static_cast<TqelSkinRes*>(&scrollBtnRes_), static_cast<TqelSkinRes*>(&progressBarRes_),
                           static_cast<TqelSkinRes*>(&tabRes_)})
    res->SetReader(reader_.get());
  ReloadCheckedMark();
  RefreshWindows();
  if (OnSkinChanged) OnSkinChanged(*this);
}

void TqelSkinEngine::CacheValues() {
  const TqelSkinReader& r = *reader_;
  TqelSkinValues& v = values_;
  v.FormColor = r.GetColor(SKIN2_FORMCOLOR);
  v.TransparentColor = r.GetColor(SKIN2_TRANSCOLOR);
  v.TitleFontColor = r.GetColor(SKIN2_TITLEFONTCOLOR);
  v.TitleRegionMinY = r.GetMetric(SKIN2_TITLEBARREGIONMINY);
  v.TitleRegionMaxY = r.GetMetric(SKIN2_TITLEBARREGIONMAXY);
  v.BottomRegionMinY = r.GetMetric(SKIN2_BOTTOMREGIONMINY);
  v.BottomRegionMaxY = r.GetMetric(SKIN2_BOTTOMREGIONMAXY);

  const int bar1 = WidthOf(r.GetBitmap(SKIN2_TITLEBAR1));
  const int bar3 = WidthOf(r.GetBitmap(SKIN2_TITLEBAR3));
  const int buttons = WidthOf(r.GetBitmap(SKIN2_TITLEBUTTONS)) / 6 + 35;
  v.MinFormWidth = r.GetFlag(SKIN2_TITLEFIVESECT) ? bar1 + bar3 + buttons : bar1 + std::max(bar3, buttons);

  v.TitleHeight = HeightOf(r.GetBitmap(SKIN2_TITLEBAR1));
  v.LeftBorderWidth = WidthOf(r.GetBitmap(SKIN2_FORMLEFTBORDER));
  v.RightBorderWidth = WidthOf(r.GetBitmap(SKIN2_FORMRIGHTBORDER));
  v.BottomBorderHeight = HeightOf(r.GetBitmap(SKIN2_FORMBOTTOMBORDER1));
  v.IconPosX = r.GetMetric(SKIN2_TITLEBARICONPOSX);
  v.IconPosY = r.GetMetric(SKIN2_TITLEBARICONPOSY);
  v.ButtonPosX = r.GetMetric(SKIN2_TITLEBARBUTTONPOSX);
  v.ButtonPosY = r.GetMetric(SKIN2_TITLEBARBUTTONPOSY);
  v.CaptionTop = r.GetMetric(SKIN2_TITLEBARCAPTIONTOP);
  for (size_t i = 0; i < v.MenuColors.size(); ++i)
    v.MenuColors[i] = r.GetColor(static_cast<TSkin2ColorKey>(SKIN2_MENUBARSTARTCOLOR + i));
}

// The skin's check mark replaces the default one; a skin without one gets
// the default back rather than the previous skin's.
void TqelSkinEngine::ReloadCheckedMark() {
  const TBitmap* icon = reader_->GetBitmap(SKIN2_CHECKEDMENUICON);
  if (!icon || icon->Empty()) {
    ResetCheckedMark();
    return;
  }
  TBitmap mark = *icon;
  mark.SetTransparent(true);
  TCustomImageList& marks = CheckedMarkImages();
  if (marks.Count() > 0) marks.Delete(0);
  marks.SetSize(mark.Width(), mark.Height());
  marks.AddMasked(mark, values_.TransparentColor);
}

// Every skinned window takes the new skin: switched off and on again while
// the engine is active, then the region settings.
void TqelSkinEngine::RefreshWindows() {
  for (size_t i = 0; i < windows_.size(); ++i) {
    TqelSkinWindow* window = windows_[i];
    if (active_) {
      const HWND handle = window->Handle();
      const bool visible = handle && ::IsWindowVisible(handle);
      if (handle && !TqelUser32::GetAncestor(handle, GA_PARENT)) ::ShowWindow(handle, SW_HIDE);
      window->SetSkinActive(false);
      window->SetSkinActive(true);
      if (visible) {
        ::ShowWindow(handle, SW_SHOWNA);
        if (i == 0) ::SetActiveWindow(handle);
      }
    }
    if (i < windows_.size() && windows_[i] == window) window->SkinChanged();
  }
}
