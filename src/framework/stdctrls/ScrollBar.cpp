#include "framework/stdctrls/ScrollBar.h"

#include <algorithm>

#include "framework/stdctrls/StdCtrlsCommon.h"

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = 0;  // the platform's bar captures and tracks the mouse
  SetBounds(0, 0, 121, ::GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = L"SCROLLBAR";
  params.Style |= kind_ == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindow();
}

void TScrollBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: CNScroll(m); break;
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; break;
    default: TWinControl::WndProc(m); break;
  }
}

void TScrollBar::UpdateWindow() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof(info), SIF_ALL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  ::SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

int TScrollBar::MaxPosition() const noexcept { return pageSize_ > 0 ? max_ - pageSize_ + 1 : max_; }

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min || (pageSize_ > 0 && pageSize_ > max - min + 1))
    throw EInvalidOperation("Scroll bar property out of range");
  const bool rangeChanged = min != min_ || max != max_;
  min_ = min;
  max_ = max;
  position = std::clamp(position, min_, std::max(min_, MaxPosition()));
  const bool moved = position != position_;
  position_ = position;
  if (rangeChanged || moved) UpdateWindow();
  if (moved) Change();
}

void TScrollBar::SetPageSize(int pageSize) {
  if (pageSize < 0) pageSize = 0;
  if (pageSize == pageSize_) return;
  if (pageSize > max_ - min_ + 1) throw EInvalidOperation("Scroll bar property out of range");
  pageSize_ = pageSize;
  UpdateWindow();
  SetParams(position_, min_, max_);  // the last positions may be gone
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::Change() {
  if (OnChange) OnChange(*this);
}

void TScrollBar::Scroll(TScrollCode code, int& position) {
  if (OnScroll) OnScroll(*this, code, position);
}

void TScrollBar::CNScroll(TMessage& m) {
  m.Result = 0;
  static constexpr TScrollCode kCodes[] = {scLineUp, scLineDown, scPageUp, scPageDown, scPosition,
                                           scTrack,  scTop,      scBottom, scEndScroll};
  const WORD request = LOWORD(m.WParam);
  if (request > SB_ENDSCROLL) return;
  const TScrollCode code = kCodes[request];
  int position = position_;
  switch (code) {
    case scLineUp: position -= smallChange_; break;
    case scLineDown: position += smallChange_; break;
    case scPageUp: position -= largeChange_; break;
    case scPageDown: position += largeChange_; break;
    case scPosition:
    case scTrack: {
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      ::GetScrollInfo(Handle(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    case scTop: position = min_; break;
    case scBottom: position = max_; break;
    case scEndScroll: break;
  }
  position = std::clamp(position, min_, std::max(min_, MaxPosition()));
  Scroll(code, position);
  SetPosition(position);
}

std::vector<TPropInfo> TScrollBar::PublishedProperties() {
  return StdPublished::With(
      {
          OrdProp<TScrollBar>("Kind", "TScrollBarKind", TTypeKind::Enumeration, &TScrollBar::Kind,
                              &TScrollBar::SetKind, kScrollBarKindNames),
          OrdProp<TScrollBar>("LargeChange", "TScrollBarInc", TTypeKind::Integer, &TScrollBar::LargeChange,
                              &TScrollBar::SetLargeChange),
          OrdProp<TScrollBar>("Max", "Integer", TTypeKind::Integer, &TScrollBar::Max, &TScrollBar::SetMax),
          OrdProp<TScrollBar>("Min", "Integer", TTypeKind::Integer, &TScrollBar::Min, &TScrollBar::SetMin),
          OrdProp<TScrollBar>("PageSize", "Integer", TTypeKind::Integer, &TScrollBar::PageSize,
                              &TScrollBar::SetPageSize),
          OrdProp<TScrollBar>("Position", "Integer", TTypeKind::Integer, &TScrollBar::Position,
                              &TScrollBar::SetPosition),
          OrdProp<TScrollBar>("SmallChange", "TScrollBarInc", TTypeKind::Integer, &TScrollBar::SmallChange,
                              &TScrollBar::SetSmallChange),
      },
      StdPublished::kParentColor | StdPublished::kWindowed);
}
