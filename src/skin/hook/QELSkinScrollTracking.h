#pragma once
// The thumb of a native scroll bar while the user drags it.
//
// Some controls (grids, scroll boxes, rich edits) do not move their native
// thumb while it is dragged, so a skinned bar drawn from the native one
// would stand still. For those the wrapper's procedure follows the drag:
// the cursor at the non-client button press, the native bar and its thumb
// at the first SB_THUMBTRACK, then the thumb moved by the cursor, kept
// between the two arrows. One record per direction, shared by all
// controls: only one thumb is dragged at a time.
#include <windows.h>

#include "framework/Messages.h"

class TControl;

struct TqelScrollTrack {
  HWND Control = nullptr;  // the control whose thumb is dragged
  POINT DownAt{};          // cursor (screen) at WM_NCLBUTTONDOWN
  RECT Bar{};              // the native bar, in the parent's client coordinates
  int StartAtDown = 0;     // thumb start when the drag began (from the bar's start)
  int ThumbStart = 0;      // the tracked thumb, from the bar's start
  int ThumbEnd = 0;
  bool Tracking = false;
};

class TqelScrollTracking {
 public:
  TqelScrollTracking() = delete;

  // Whether control's thumb is followed: a TCustomGrid, a TScrollBox, or
  // one of the rich-edit class names.
  static bool IsTrackedKind(const TControl& control);
  // Follows message of control (only for tracked kinds).
  static void Observe(TControl& control, const TMessage& message);
  // The tracked thumb of handle in that direction, while it is dragged.
  static bool Tracked(HWND handle, bool vertical, int& thumbStart, int& thumbEnd) noexcept;
  static TqelScrollTrack& Track(bool vertical) noexcept;
  // Forgets both directions (tests).
  static void Reset() noexcept;

 private:
  static void ScrollMessage(TControl& control, HWND handle, bool vertical, const TMessage& message);
};
