#pragma once
// The track-bar painter: on the form colour, the skin's channel picture at
// its own thickness centred on the control's channel (turned for a
// vertical bar, caps kept, middle stretched), tick marks in the control
// border colour beside the thumb, and the skin's slider (vertical slider
// for a vertical bar) centred on the thumb with its transparent colour
// showing what is under it.
#include <windows.h>

#include <vector>

#include "graphics/Canvas.h"
#include "painters/PainterSkin.h"
#include "hook/QELSkinControlVCL.h"

struct TTrackBarLook {
  bool Vertical = false;
  RECT Channel{};  // TBM_GETCHANNELRECT: always given as for a horizontal bar
  RECT Thumb{};    // TBM_GETTHUMBRECT
  // Positions of the tick marks along the bar, in client coordinates.
  std::vector<int> Ticks;
  bool TicksBefore = false;  // above (left of) the thumb
  bool TicksAfter = true;    // below (right of) the thumb
  bool Focused = false;
};

// Length of a tick mark, and its distance from the thumb.
constexpr int kTrackTickLength = 3;
constexpr int kTrackTickGap = 1;

// The channel rectangle in the bar's own direction (the platform reports
// a vertical bar's channel with x and y exchanged).
RECT TrackChannelRect(const TTrackBarLook& Look) noexcept;

// The whole face of a client area of Client size.
void PaintTrackBar(TCanvas& Canvas, SIZE Client, const TTrackBarLook& Look, const TPainterSkin& Skin);

// The look of a platform track-bar window.
TTrackBarLook TrackBarLookOf(HWND Window);

// For TTrackBar: takes over the control's painting; repaints when the
// focus changes.
class TqelSkinTrackBar : public TqelSkinControlVCL {
  FW_CLASS(TqelSkinTrackBar, TqelSkinControlVCL)
 public:
  TqelSkinTrackBar(TControl& control, TqelSkinWindow& window) : TqelSkinControlVCL(control, window) {}

  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint() override;

 private:
  TBitmap face_;
};
