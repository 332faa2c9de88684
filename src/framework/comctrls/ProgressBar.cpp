#include "framework/comctrls/ProgressBar.h"

#include <algorithm>

#include "framework/comctrls/CommonControls.h"

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_PROGRESS_CLASS);
  TWinControl::CreateParams(params);
  params.BaseClassName = PROGRESS_CLASSW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  if (orientation_ == pbVertical) params.Style |= PBS_VERTICAL;
  if (smooth_) params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  Send(PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  Send(PBM_SETSTEP, static_cast<WPARAM>(step_));
  Send(PBM_SETPOS, static_cast<WPARAM>(position_));
}

LRESULT TProgressBar::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Through the window, so that hooks on the control see the change.
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

void TProgressBar::SetRange(int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  position_ = std::clamp(position_, min_, max_);
  Send(PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  Send(PBM_SETPOS, static_cast<WPARAM>(position_));
}

void TProgressBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  Send(PBM_SETPOS, static_cast<WPARAM>(position_));
}

void TProgressBar::SetStep(int step) {
  step_ = step;
  Send(PBM_SETSTEP, static_cast<WPARAM>(step_));
}

void TProgressBar::StepBy(int delta) {
  // Stops at the ends; the platform's own PBM_STEPIT wraps around instead.
  const long long target = static_cast<long long>(position_) + delta;
  SetPosition(static_cast<int>(std::clamp<long long>(target, min_, max_)));
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TProgressBar::SetSmooth(bool smooth) {
  if (smooth == smooth_) return;
  smooth_ = smooth;
  RecreateWnd();
}

std::vector<TPropInfo> TProgressBar::PublishedProperties() {
  using T = TProgressBar;
  return WithCommonProperties({
      OrdProp<T>("Min", "Integer", TTypeKind::Integer, &T::Min, &T::SetMin),
      OrdProp<T>("Max", "Integer", TTypeKind::Integer, &T::Max, &T::SetMax),
      OrdProp<T>("Position", "Integer", TTypeKind::Integer, &T::Position, &T::SetPosition),
      OrdProp<T>("Step", "Integer", TTypeKind::Integer, &T::Step, &T::SetStep),
      OrdProp<T>("Orientation", "TProgressBarOrientation", TTypeKind::Enumeration, &T::Orientation,
                 &T::SetOrientation, kProgressBarOrientationNames),
      BoolProp<T>("Smooth", &T::Smooth, &T::SetSmooth),
  });
}
