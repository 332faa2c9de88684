// Tool bars: the background and the custom-draw events.
#include <algorithm>
#include <cstring>

#include "framework/comctrls/ToolBar.h"
#include "graphics/GdiObjects.h"

namespace {

bool SameFont(TFont& a, TFont& b) {
  const LOGFONTW la = a.LogFont(), lb = b.LogFont();
  return a.Color() == b.Color() && std::memcmp(&la, &lb, sizeof(la)) == 0;
}

}  // namespace

void TToolBar::WMEraseBkgnd(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  RECT client{};
  ::GetClientRect(Handle(), &client);
  if (RaiseAdvanced(dc, client, cdPreErase)) {
    if (transparent_)
      DefaultHandler(m);  // the platform shows the parent's background
    else
      ::FillRect(dc, &client, Brush().Handle());
  }
  RaiseAdvanced(dc, client, cdPostErase);
  m.Result = 1;
}

// Raises OnAdvancedCustomDraw on dc; false when it asked to skip the
// platform's drawing.
bool TToolBar::RaiseAdvanced(HDC dc, const RECT& rect, TCustomDrawStage stage) {
  if (!OnAdvancedCustomDraw) return true;
  bool defaultDraw = true;
  SavedDC saved(dc);
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  try {
    OnAdvancedCustomDraw(*this, rect, stage, defaultDraw);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
  return defaultDraw;
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw) {
  NMCUSTOMDRAW& cd = draw.nmcd;
  if (cd.dwDrawStage & CDDS_ITEM) return CustomDrawButton(draw);
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const bool dividers = !flat_ && std::any_of(buttons_.begin(), buttons_.end(),
                                              [](const TToolButton* b) { return b->style_ == tbsDivider; });
  if (cd.dwDrawStage == CDDS_POSTPAINT) {
    if (dividers) DrawDividers(cd.hdc);
    RaiseAdvanced(cd.hdc, client, cdPostPaint);
    return CDRF_DODEFAULT;
  }
  if (cd.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  bool defaultDraw = true;
  if (OnCustomDraw) {
    SavedDC saved(cd.hdc);
    canvas_.SetHandle(cd.hdc);
    canvas_.Font().Assign(Font());
    canvas_.Brush().SetColor(Color());
    try {
      OnCustomDraw(*this, client, defaultDraw);
    } catch (...) {
      canvas_.SetHandle(nullptr);
      throw;
    }
    canvas_.SetHandle(nullptr);
  }
  if (defaultDraw) defaultDraw = RaiseAdvanced(cd.hdc, client, cdPrePaint);
  if (!defaultDraw) return CDRF_SKIPDEFAULT;
  LRESULT result = CDRF_DODEFAULT;
  if (OnCustomDrawButton || OnAdvancedCustomDrawButton) result |= CDRF_NOTIFYITEMDRAW;
  if (OnAdvancedCustomDraw || dividers) result |= CDRF_NOTIFYPOSTPAINT;
  return result;
}

LRESULT TToolBar::CustomDrawButton(NMTBCUSTOMDRAW& draw) {
  NMCUSTOMDRAW& cd = draw.nmcd;
  TToolButton* button = FindButton(static_cast<int>(cd.dwItemSpec));
  const TCustomDrawStage stage = CustomDrawStage(cd.dwDrawStage);
  if (stage == cdPostPaint && itemFont_) {
    // The button is drawn: its DC gets its own font back.
    ::SelectObject(cd.hdc, itemFont_);
    itemFont_ = nullptr;
  }
  if (!button || (stage != cdPrePaint && stage != cdPostPaint)) return CDRF_DODEFAULT;
  const TCustomDrawState state = cd.uItemState;
  bool defaultDraw = true;
  TTBCustomDrawFlags flags = 0;
  canvas_.SetHandle(cd.hdc);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  try {
    if (stage == cdPrePaint && OnCustomDrawButton) OnCustomDrawButton(*this, *button, state, defaultDraw);
    if (defaultDraw && OnAdvancedCustomDrawButton)
      OnAdvancedCustomDrawButton(*this, *button, state, stage, flags, defaultDraw);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
  if (stage == cdPostPaint) return CDRF_DODEFAULT;
  if (!defaultDraw) return CDRF_SKIPDEFAULT;
  LRESULT result = static_cast<LRESULT>(flags & 0x7F) << 16;  // the TBCDRF_* flags
  if (OnAdvancedCustomDrawButton) result |= CDRF_NOTIFYPOSTPAINT;
  // A font or colour the handler chose is the one the button is drawn in.
  TFont& own = Font();
  if (!SameFont(canvas_.Font(), own)) {
    itemFont_ = ::SelectObject(cd.hdc, canvas_.Font().Handle());
    draw.clrText = ColorToRGB(canvas_.Font().Color());
    ::SetTextColor(cd.hdc, draw.clrText);
    result |= CDRF_NEWFONT | CDRF_NOTIFYPOSTPAINT;
  }
  return result;
}

void TToolBar::DrawDividers(HDC dc) {
  for (const TToolButton* b : buttons_) {
    if (b->style_ != tbsDivider || !b->Visible()) continue;
    RECT line{b->Left() + b->Width() / 2 - 1, b->Top(), 0, b->Top() + b->Height()};
    line.right = line.left + 2;
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT);
  }
}
