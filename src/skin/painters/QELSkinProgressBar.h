#pragma once
// The progress-bar painter: the skin's empty background, then the track —
// its two caps at their own width and the empty middle stretched between
// them — and the filled part over the track by the position between Min
// and Max. A vertical bar uses the turned pieces and fills from the bottom.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"
#include "hook/QELSkinControlVCL.h"

struct TProgressBarLook {
  int Min = 0;
  int Max = 100;
  int Position = 0;
  bool Vertical = false;
};

// The pixels of Length that the filled part takes: the position clamped to
// Min..Max, nothing while Max is not above Min.
int ProgressFillLength(const TProgressBarLook& Look, int Length) noexcept;

// The whole face of a client area of Client size.
void PaintProgressBar(TCanvas& Canvas, SIZE Client, const TProgressBarLook& Look, const TPainterSkin& Skin);

// The look of a platform progress-bar window.
TProgressBarLook ProgressBarLookOf(HWND Window);

// For TProgressBar: takes over the control's painting; repaints when the
// position is set.
class TqelSkinProgressBar : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinProgressBar, TqelSkinControlVCL)
 public:
  TqelSkinProgressBar(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;

 private:
  TBitmap face_;
};
