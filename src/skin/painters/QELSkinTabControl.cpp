#include "painters/QELSkinTabControl.h"

#include <algorithm>
#include <iterator>
#include <commctrl.h>

#include "QELSkinUtilsBitmap.h"
#include "QELSkinUtilsPaint.h"
#include "QELSkinUtilsParts.h"
#include "engine/QELSkinEngine.h"
#include "framework/comctrls/TabControl.h"
#include "painters/PainterSurface.h"
#include "support/AnsiText.h"

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

// ---- The look of a window

TqelSkinTabRes::TSide TabSideOf(LONG Style) noexcept {
  using S = TqelSkinTabRes;
  if (Style & TCS_VERTICAL) return (Style & TCS_RIGHT) ? S::sdRight : S::sdLeft;
  return (Style & TCS_BOTTOM) ? S::sdBottom : S::sdTop;
}

TTabControlLook TabControlLookOf(HWND Window, const std::function<std::wstring(int)>& Caption) {
  TTabControlLook look;
  look.Size = ClientSizeOf(Window);
  look.Side = TabSideOf(static_cast<LONG>(::GetWindowLongPtrW(Window, GWL_STYLE)));
  look.Display = RECT{0, 0, look.Size.cx, look.Size.cy};
  ::SendMessageW(Window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&look.Display));
  const int count = static_cast<int>(::SendMessageW(Window, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TTabLook tab;
    if (!::SendMessageW(Window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab.Rect)))
      tab.Rect = RECT{};
    tab.Caption = Caption(i);
    look.Tabs.push_back(std::move(tab));
  }
  look.Current = static_cast<int>(::SendMessageW(Window, TCM_GETCURSEL, 0, 0));
  return look;
}

namespace {

std::wstring WindowTabText(HWND window, int index) {
  wchar_t buffer[260] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(std::size(buffer));
  if (!::SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item))) return {};
  return std::wstring(item.pszText ? item.pszText : L"");
}

}  // namespace

// ---- TqelSkinTabControl

std::wstring TqelSkinTabControl::GetTabCaption(int Index) {
  auto* tabs = dynamic_cast<TCustomTabControl*>(Control());
  if (!tabs || Index < 0 || Index >= tabs->Tabs().Count()) return {};
  return RemoveAmpersands(FromAnsi(tabs->Tabs().Strings(Index)));
}

void TqelSkinTabControl::PaintFace(TCanvas& canvas) {
  HWND h = GetHandle();
  const TTabControlLook look = TabControlLookOf(h, [this](int i) { return GetTabCaption(i); });
  if (TControl* c = Control()) canvas.Font() = c->Font();
  PaintTabControl(canvas, look, TPainterSkin::Of(Engine()));
}

bool TqelSkinTabControl::BeforeMessage(TMessage& message) {
  HWND h = GetHandle();
  if (!h) return true;
  return !TakeOverPaint(message, h, face_, [this](TCanvas& canvas, SIZE) { PaintFace(canvas); });
}

void TqelSkinTabControl::Paint() {
  PaintOnWindow(GetHandle(), face_, [this](TCanvas& canvas, SIZE) { PaintFace(canvas); });
}

// ---- TqelSkinWndTabControl

void TqelSkinWndTabControl::PaintFace(TCanvas& canvas) {
  HWND h = GetHandle();
  const TTabControlLook look = TabControlLookOf(h, [h](int i) { return RemoveAmpersands(WindowTabText(h, i)); });
  if (auto font = reinterpret_cast<HFONT>(::SendMessageW(h, WM_GETFONT, 0, 0))) {
    LOGFONTW lf{};
    if (::GetObjectW(font, sizeof lf, &lf)) canvas.Font().AssignLogFont(lf);
  }
  PaintTabControl(canvas, look, TPainterSkin::Of(Engine()));
}

bool TqelSkinWndTabControl::BeforeMessage(TMessage& message) {
  HWND h = GetHandle();
  if (!h) return true;
  return !TakeOverPaint(message, h, face_, [this](TCanvas& canvas, SIZE) { PaintFace(canvas); });
}

void TqelSkinWndTabControl::Paint() {
  PaintOnWindow(GetHandle(), face_, [this](TCanvas& canvas, SIZE) { PaintFace(canvas); });
}

void TqelSkinWndTabControl::Refresh() {
  HWND h = GetHandle();
  if (!h) return;
  if (SkinActive()) {
    RECT first{};
    if (::SendMessageW(h, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first))) {
      savedItemHeight_ = first.bottom - first.top;
      ::SendMessageW(h, TCM_SETITEMSIZE, 0, MAKELPARAM(0, savedItemHeight_));
    }
  } else {
    ::SendMessageW(h, TCM_SETITEMSIZE, 0, 0);
  }
}

void TqelSkinWndTabControl::Teardown() {
  if (HWND h = GetHandle(); h && savedItemHeight_ > 0) ::SendMessageW(h, TCM_SETITEMSIZE, 0, 0);
  TqelSkinControlWnd::Teardown();
}
