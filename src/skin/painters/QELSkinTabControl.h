#pragma once
// The tab-control painter. On the form colour: the page (the display area
// grown by 2 pixels on every side) outlined in the control border colour;
// every tab with a non-empty rectangle as a nine-grid of the skin's tab
// frame — the selected frame for the current tab, the normal one for the
// others — turned for tabs at the bottom, left or right, with its caption
// centred in the active or inactive tab font colour; then on the tab side
// the page's border is covered by the skin's tab line, stretched along
// that side.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "QELSkinRes.h"
#include "graphics/Canvas.h"
#include "hook/QELSkinControlVCL.h"
#include "hook/QELSkinControlWnd.h"
#include "painters/PainterSkin.h"

struct TTabLook {
  RECT Rect{};
  std::wstring Caption;
};

struct TTabControlLook {
  SIZE Size{};
  TqelSkinTabRes::TSide Side = TqelSkinTabRes::sdTop;
  RECT Display{};  // TCM_ADJUSTRECT of the client rectangle
  std::vector<TTabLook> Tabs;
  int Current = -1;
};

// Growth of the display area to the page outline.
constexpr int kTabPageMargin = 2;

RECT TabPageRect(const TTabControlLook& Look) noexcept;
// The strip of the page's border on the tab side, where the tab line goes.
RECT TabLineRect(const TTabControlLook& Look, const TBitmap* Line) noexcept;

// The whole face, in Canvas's font.
void PaintTabControl(TCanvas& Canvas, const TTabControlLook& Look, const TPainterSkin& Skin);

// The look of a platform tab control window; Caption gives tab i's text.
TTabControlLook TabControlLookOf(HWND Window, const std::function<std::wstring(int)>& Caption);
// The side the tabs are on, from the window's style.
TqelSkinTabRes::TSide TabSideOf(LONG Style) noexcept;

// For TCustomTabControl (and page controls): takes over the control's
// painting and draws the whole face in one copy.
class TqelSkinTabControl : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinTabControl, TqelSkinControlVCL)
 public:
  TqelSkinTabControl(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  bool BeforeMessage(TMessage& message) override;
  void Paint() override;
  // The text of tab Index, from the control's tab list.
  virtual std::wstring GetTabCaption(int Index);

 private:
  void PaintFace(TCanvas& canvas);
  TBitmap face_;
};

// For a raw "SysTabControl32": the same face, the texts from the window;
// while the skin is active its tabs keep the first tab's height.
class TqelSkinWndTabControl : public TqelSkinControlWnd {
  FW_CLASS(TqelSkinWndTabControl, TqelSkinControlWnd)
 public:
  TqelSkinWndTabControl(HWND handle, TqelSkinWindow& window) : TqelSkinControlWnd(handle, window) {}

  bool BeforeMessage(TMessage& message) override;
  void Paint() override;
  void Refresh() override;
  void Teardown() override;

 private:
  void PaintFace(TCanvas& canvas);
  TBitmap face_;
  int savedItemHeight_ = 0;
};
