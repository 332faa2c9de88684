#pragma once
// TTrackBar: a slider over the platform's track bar ("msctls_trackbar32").
//
// Position moves between Min and Max by LineSize (arrow keys) and PageSize
// (Page Up/Down, clicks beside the thumb). Tick marks are drawn every
// Frequency positions (tsAuto), only where SetTick put them (tsManual), or
// not at all (tsNone); TickMarks puts them below/right, above/left or on
// both sides. SelStart..SelEnd marks a range in the channel. OnChange runs
// when the user moves the thumb (setting Position does not raise it).
#include "framework/WinControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
inline constexpr std::string_view kTrackBarOrientationNames[] = {"trHorizontal", "trVertical"};
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
inline constexpr std::string_view kTickMarkNames[] = {"tmBottomRight", "tmTopLeft", "tmBoth"};
enum TTickStyle { tsNone, tsAuto, tsManual };
inline constexpr std::string_view kTickStyleNames[] = {"tsNone", "tsAuto", "tsManual"};

class TTrackBar : public TWinControl {
  FW_CLASS(TTrackBar, TWinControl)
 public:
  explicit TTrackBar(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes. Min and Max keep Min <= Position <= Max.
  int Min() const noexcept { return min_; }
  void SetMin(int min) { SetRange(min, std::max(min, max_)); }
  int Max() const noexcept { return max_; }
  void SetMax(int max) { SetRange(std::min(min_, max), max); }
  void SetRange(int min, int max);
  int Position();
  void SetPosition(int position);
  int LineSize() const noexcept { return lineSize_; }
  void SetLineSize(int size);
  int PageSize() const noexcept { return pageSize_; }
  void SetPageSize(int size);
  int Frequency() const noexcept { return frequency_; }
  void SetFrequency(int frequency);
  int SelStart() const noexcept { return selStart_; }
  void SetSelStart(int position);
  int SelEnd() const noexcept { return selEnd_; }
  void SetSelEnd(int position);
  TTrackBarOrientation Orientation() const noexcept { return orientation_; }
  void SetOrientation(TTrackBarOrientation orientation);
  TTickMark TickMarks() const noexcept { return tickMarks_; }
  void SetTickMarks(TTickMark marks);
  TTickStyle TickStyle() const noexcept { return tickStyle_; }
  void SetTickStyle(TTickStyle style);
  // Length of the thumb across the channel, in pixels.
  int ThumbLength() const noexcept { return thumbLength_; }
  void SetThumbLength(int length);
  bool SliderVisible() const noexcept { return sliderVisible_; }
  void SetSliderVisible(bool visible);

  // Operations
  // A manual tick mark at position (tsManual).
  void SetTick(int position);

  // Events
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  virtual void Changed();

 private:
  void CNScroll(TMessage& message);
  void UpdateSelection();
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int lineSize_ = 1;
  int pageSize_ = 2;
  int frequency_ = 1;
  int selStart_ = 0;
  int selEnd_ = 0;
  int thumbLength_ = 20;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickMark tickMarks_ = tmBottomRight;
  TTickStyle tickStyle_ = tsAuto;
  bool sliderVisible_ = true;
  std::vector<int> ticks_;
};
