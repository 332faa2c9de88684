#include "hook/QELSkinScrollTracking.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "QELSkinUtilsPlatform.h"
#include "framework/WinControl.h"
#include "framework/grids/CustomGrid.h"
#include "framework/stdctrls/ScrollBox.h"

namespace {

constexpr std::array<std::string_view, 4> kRichEditClasses{"TRxRichEdit", "TRxCustomRichEdit", "TJvxRichEdit",
                                                          "TRichEditViewer"};

std::array<TqelScrollTrack, 2>& Tracks() noexcept {
  static std::array<TqelScrollTrack, 2> tracks{};  // [0] horizontal, [1] vertical
  return tracks;
}

// The native bar of handle in one direction, with its rectangle in the
// parent's client coordinates.
bool ReadNativeBar(HWND handle, bool vertical, SCROLLBARINFO& info, RECT& bar) noexcept {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof(info);
  if (!TqelUser32::GetScrollBarInfo(handle, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return false;
  bar = info.rcScrollBar;
  if (HWND parent = ::GetParent(handle)) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bar), 2);
  return true;
}

}  // namespace

bool TqelScrollTracking::IsTrackedKind(const TControl& control) {
  if (control.Is<TCustomGrid>() || control.Is<TScrollBox>()) return true;
  const std::string_view name = control.ClassName();
  return std::find(kRichEditClasses.begin(), kRichEditClasses.end(), name) != kRichEditClasses.end();
}

TqelScrollTrack& TqelScrollTracking::Track(bool vertical) noexcept { return Tracks()[vertical ? 1 : 0]; }

void TqelScrollTracking::Reset() noexcept { Tracks() = {}; }

bool TqelScrollTracking::Tracked(HWND handle, bool vertical, int& thumbStart, int& thumbEnd) noexcept {
  const TqelScrollTrack& t = Track(vertical);
  if (!t.Tracking || t.Control != handle || !handle) return false;
  thumbStart = t.ThumbStart;
  thumbEnd = t.ThumbEnd;
  return true;
}

void TqelScrollTracking::Observe(TControl& control, const TMessage& message) {
  if (message.Msg != WM_NCLBUTTONDOWN && message.Msg != WM_VSCROLL && message.Msg != WM_HSCROLL) return;
  auto* win = dynamic_cast<TWinControl*>(&control);
  if (!win || !win->HandleAllocated() || !IsTrackedKind(control)) return;
  HWND handle = win->Handle();
  if (message.Msg == WM_NCLBUTTONDOWN) {
    // Screen coordinates in the message; a drag begins afresh.
    const POINT at{message.XPos(), message.YPos()};
    for (TqelScrollTrack& t : Tracks()) {
      t.DownAt = at;
      t.Tracking = false;
      t.Control = handle;
    }
    return;
  }
  ScrollMessage(control, handle, message.Msg == WM_VSCROLL, message);
}

void TqelScrollTracking::ScrollMessage(TControl&, HWND handle, bool vertical, const TMessage& message) {
  TqelScrollTrack& t = Track(vertical);
  SCROLLBARINFO info{};
  RECT bar{};
  if (!ReadNativeBar(handle, vertical, info, bar)) return;
  const WORD code = LOWORD(message.WParam);
  const int nativeStart = info.xyThumbTop;
  const int length = info.xyThumbBottom - info.xyThumbTop;
  t.Bar = bar;
  if (code == SB_THUMBTRACK) {
    if (!t.Tracking || t.Control != handle) {
      t.Tracking = true;
      t.Control = handle;
      t.StartAtDown = nativeStart;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const int moved = vertical ? cursor.y - t.DownAt.y : cursor.x - t.DownAt.x;
    const int arrow = ::GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CXHSCROLL);
    const int barLength = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int highest = std::max(arrow, barLength - arrow - length);
    t.ThumbStart = std::clamp(t.StartAtDown + moved, arrow, highest);
    t.ThumbEnd = t.ThumbStart + length;
    return;
  }
  t.ThumbStart = nativeStart;
  t.ThumbEnd = info.xyThumbBottom;
  if (code == SB_THUMBPOSITION || code == SB_ENDSCROLL) t.Tracking = false;
}
