#pragma once
// The group-box painter: a one-pixel frame in the skin's control border
// colour from half a text height down, broken by the caption, which stands
// 8 pixels from the left edge (from the right in right-to-left reading) on
// the control's colour.
#include <windows.h>

#include <string>

#include "graphics/Canvas.h"
#include "graphics/Font.h"
#include "hook/QELSkinControlVCL.h"
#include "painters/PainterSkin.h"

struct TGroupBoxLook {
  std::wstring Caption;
  TColor Color = clBtnFace;
  bool Enabled = true;
  bool RightToLeft = false;
};

// Where the caption goes (empty when there is none) and the frame's
// rectangle, with Canvas's font.
struct TGroupBoxLayout {
  RECT Caption{};
  RECT Frame{};
};
TGroupBoxLayout GroupBoxLayout(TCanvas& Canvas, SIZE Client, const TGroupBoxLook& Look);

// Frame and caption over a client area of Client size, in Canvas's font:
// the band above the frame and a ring just inside it in the control's
// colour, so that nothing of the control's own frame shows; the inside is
// the control's.
void PaintGroupBox(TCanvas& Canvas, SIZE Client, const TGroupBoxLook& Look, const TPainterSkin& Skin);

// For TCustomGroupBox: the control paints itself and its children, then
// the frame and caption are painted over its own. Wants its parent's
// colour.
class TqelSkinGroupBox : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinGroupBox, TqelSkinControlVCL)
 public:
  TqelSkinGroupBox(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void Paint() override;
  bool WantsParentColor() const override { return true; }
};
