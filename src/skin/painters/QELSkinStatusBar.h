#pragma once
// The status-bar painter: only the size grip. A 15 x 14 square at the
// bottom-right in the control's colour with three diagonal lines 4 pixels
// apart and one more along the square's outer diagonal, in the platform's
// inactive caption colour; the strips left of and above the square, where
// the platform's larger grip shows, in the control's colour.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"
#include "hook/QELSkinControlVCL.h"

struct TStatusBarLook {
  bool SizeGrip = true;
  TColor Color = clBtnFace;
};

constexpr int kGripWidth = 15;
constexpr int kGripHeight = 14;
constexpr int kGripStrip = 3;  // thickness of the strips beside the grip

// The grip square of a client area of Client size.
RECT StatusGripRect(SIZE Client) noexcept;
// The distances from the bottom-right corner of the grip's lines: a line
// at distance d runs from (right - 1, bottom - 1 - d) to (right - 1 - d,
// bottom - 1).
inline constexpr int kGripLines[] = {3, 7, 11, 13};

void PaintStatusGrip(TCanvas& Canvas, SIZE Client, const TStatusBarLook& Look);

// For TCustomStatusBar: the grip is painted over the control's own after
// each paint. Wants its parent's colour.
class TqelSkinStatusBar : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinStatusBar, TqelSkinControlVCL)
 public:
  TqelSkinStatusBar(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  void Paint() override;
  bool WantsParentColor() const override { return true; }
};
