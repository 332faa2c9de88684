#include "framework/comctrls/TrackBar.h"

#include <algorithm>

#include "framework/comctrls/CommonControls.h"

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControlClasses(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  params.BaseClassName = TRACKBAR_CLASSW;
  params.ClassStyle = 0;  // the platform class keeps its own style
  params.Style |= TBS_ENABLESELRANGE | TBS_FIXEDLENGTH;
  params.Style |= orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
  static constexpr DWORD kMarks[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH};  // TBS_RIGHT, TBS_LEFT when vertical
  params.Style |= kMarks[tickMarks_];
  if (tickStyle_ == tsNone) params.Style |= TBS_NOTICKS;
  else if (tickStyle_ == tsAuto) params.Style |= TBS_AUTOTICKS;
  if (!sliderVisible_) params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  Send(TBM_SETRANGEMIN, FALSE, min_);
  Send(TBM_SETRANGEMAX, FALSE, max_);
  Send(TBM_SETLINESIZE, 0, lineSize_);
  Send(TBM_SETPAGESIZE, 0, pageSize_);
  Send(TBM_SETTHUMBLENGTH, thumbLength_);
  if (tickStyle_ == tsAuto) Send(TBM_SETTICFREQ, frequency_);
  for (int tick : ticks_) Send(TBM_SETTIC, 0, tick);
  UpdateSelection();
  Send(TBM_SETPOS, TRUE, position_);
}

void TTrackBar::DestroyWnd() {
  position_ = static_cast<int>(Send(TBM_GETPOS));
  TWinControl::DestroyWnd();
}

LRESULT TTrackBar::Send(UINT msg, WPARAM wParam, LPARAM lParam) {
  return HandleAllocated() ? ::SendMessageW(Handle(), msg, wParam, lParam) : 0;
}

void TTrackBar::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: CNScroll(m); break;
    default: TWinControl::WndProc(m); break;
  }
}

void TTrackBar::CNScroll(TMessage& m) {
  m.Result = 0;
  const int position = static_cast<int>(Send(TBM_GETPOS));
  if (position == position_) return;
  position_ = position;
  Changed();
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(*this);
}

// ---- Range and position ------------------------------------------------------

void TTrackBar::SetRange(int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  Send(TBM_SETRANGEMIN, FALSE, min_);
  Send(TBM_SETRANGEMAX, TRUE, max_);
  // The window clamps its position to the new range; so does the field.
  position_ = HandleAllocated() ? static_cast<int>(Send(TBM_GETPOS)) : std::clamp(position_, min_, max_);
  UpdateSelection();
}

int TTrackBar::Position() {
  if (HandleAllocated()) position_ = static_cast<int>(Send(TBM_GETPOS));
  return position_;
}

void TTrackBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  Send(TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetLineSize(int size) {
  lineSize_ = std::max(size, 1);
  Send(TBM_SETLINESIZE, 0, lineSize_);
}

void TTrackBar::SetPageSize(int size) {
  pageSize_ = std::max(size, 1);
  Send(TBM_SETPAGESIZE, 0, pageSize_);
}

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = std::max(frequency, 1);
  if (tickStyle_ == tsAuto) Send(TBM_SETTICFREQ, frequency_);
}

void TTrackBar::SetSelStart(int position) {
  selStart_ = position;
  UpdateSelection();
}

void TTrackBar::SetSelEnd(int position) {
  selEnd_ = position;
  UpdateSelection();
}

void TTrackBar::UpdateSelection() {
  // An empty or inverted range shows no selection.
  if (selEnd_ > selStart_)
    Send(TBM_SETSEL, TRUE, MAKELPARAM(selStart_, selEnd_));
  else
    Send(TBM_CLEARSEL, TRUE);
}

void TTrackBar::SetTick(int position) {
  if (std::find(ticks_.begin(), ticks_.end(), position) == ticks_.end()) ticks_.push_back(position);
  Send(TBM_SETTIC, 0, position);
}

// ---- Look: these change the window's style ---------------------------------

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  // A bar turned on its side keeps its place and swaps width and height.
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark marks) {
  if (marks == tickMarks_) return;
  tickMarks_ = marks;
  RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle style) {
  if (style == tickStyle_) return;
  tickStyle_ = style;
  RecreateWnd();
}

void TTrackBar::SetThumbLength(int length) {
  thumbLength_ = std::max(length, 1);
  Send(TBM_SETTHUMBLENGTH, thumbLength_);
}

void TTrackBar::SetSliderVisible(bool visible) {
  if (visible == sliderVisible_) return;
  sliderVisible_ = visible;
  RecreateWnd();
}

std::vector<TPropInfo> TTrackBar::PublishedProperties() {
  using T = TTrackBar;
  return WithCommonProperties({
      PropColor(),
      PropTabStop(),
      OrdProp<T>("Min", "Integer", TTypeKind::Integer, &T::Min, &T::SetMin),
      OrdProp<T>("Max", "Integer", TTypeKind::Integer, &T::Max, &T::SetMax),
      OrdProp<T>("Position", "Integer", TTypeKind::Integer, &T::Position, &T::SetPosition),
      OrdProp<T>("LineSize", "Integer", TTypeKind::Integer, &T::LineSize, &T::SetLineSize),
      OrdProp<T>("PageSize", "Integer", TTypeKind::Integer, &T::PageSize, &T::SetPageSize),
      OrdProp<T>("Frequency", "Integer", TTypeKind::Integer, &T::Frequency, &T::SetFrequency),
      OrdProp<T>("SelStart", "Integer", TTypeKind::Integer, &T::SelStart, &T::SetSelStart),
      OrdProp<T>("SelEnd", "Integer", TTypeKind::Integer, &T::SelEnd, &T::SetSelEnd),
      OrdProp<T>("ThumbLength", "Integer", TTypeKind::Integer, &T::ThumbLength, &T::SetThumbLength),
      OrdProp<T>("Orientation", "TTrackBarOrientation", TTypeKind::Enumeration, &T::Orientation,
                 &T::SetOrientation, kTrackBarOrientationNames),
      OrdProp<T>("TickMarks", "TTickMark", TTypeKind::Enumeration, &T::TickMarks, &T::SetTickMarks,
                 kTickMarkNames),
      OrdProp<T>("TickStyle", "TTickStyle", TTypeKind::Enumeration, &T::TickStyle, &T::SetTickStyle,
                 kTickStyleNames),
      BoolProp<T>("SliderVisible", &T::SliderVisible, &T::SetSliderVisible),
  });
}
