#pragma once
// The tool-bar painter: the background is the skin's tool-bar picture
// stretched over the bar, or without one a vertical gradient from the
// tool-bar start colour to its end colour; buttons get the flat face (see
// QELSkinFlatButton.h): down while pressed or checked, hot under the mouse.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"
#include "framework/comctrls/ToolBar.h"
#include "hook/QELSkinControlVCL.h"
#include "hook/QELSkinControlWnd.h"
#include "painters/QELSkinFlatButton.h"

struct TToolButtonLook {
  bool Hot = false;
  bool Pressed = false;
  bool Checked = false;
  bool Enabled = true;
};

// The face a tool button shows: a disabled button is never hot or down.
TFlatFace ToolButtonFace(const TToolButtonLook& Look) noexcept;

void PaintToolBarBackground(TCanvas& Canvas, const RECT& Rect, const TPainterSkin& Skin);
// The button's face over Rect; false when the background shows instead.
bool PaintToolButton(TCanvas& Canvas, const RECT& Rect, const TToolButtonLook& Look, const TPainterSkin& Skin);

// The look of a tool button from the state the bar reports.
TToolButtonLook ToolButtonLookOf(TCustomDrawState State) noexcept;

// For TToolBar: while the skin is active (and not in design mode) the bar
// is flat, not transparent, in the tool-bar start colour, and its
// background and button drawing are the skin's (through its custom-draw
// events); its own settings and events come back otherwise. Wants its
// parent's colour.
class TqelSkinToolBar : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinToolBar, TqelSkinControlVCL)
 public:
  TqelSkinToolBar(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void Setup() override;
  void Refresh() override;
  void Teardown() override;
  bool WantsParentColor() const override { return true; }

 private:
  void Apply(TToolBar& bar);
  void Restore(TToolBar& bar);
  void DrawBackground(TToolBar& sender, const RECT& rect, bool& defaultDraw);
  void DrawButton(TToolBar& sender, TToolButton& button, TCustomDrawState state, TCustomDrawStage stage,
                  TTBCustomDrawFlags& flags, bool& defaultDraw);

  struct TSaved {
    bool Flat = false;
    bool Transparent = false;
    TColor Color = clBtnFace;
    TTBCustomDrawEvent OnCustomDraw;
    TTBAdvancedCustomDrawBtnEvent OnAdvancedCustomDrawButton;
  } saved_;
  bool applied_ = false;
};

// For a raw "ToolbarWindow32": on the Windows 9x platform the bar gets the
// flat and transparent styles.
class TqelSkinWndToolbarWindow32 : public TqelSkinControlWnd {
  FW_CLASS(TqelSkinWndToolbarWindow32, TqelSkinControlWnd)
 public:
  TqelSkinWndToolbarWindow32(HWND handle, TqelSkinWindow& window) : TqelSkinControlWnd(handle, window) {}

  void Refresh() override;
  // The style a bar gets on a platform.
  static LONG SkinnedStyle(LONG Style, bool Win95) noexcept;
};
