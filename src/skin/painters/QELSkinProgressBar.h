#pragma once
// The progress-bar painter: the skin's empty background, then the track —
// its two caps at their own width and the empty middle stretched between
// them — and the filled part over the track by the position between Min
// and Max. A vertical bar uses the turned pieces and fills from the bottom.
#include <windows.h>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"

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
