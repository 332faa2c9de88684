#pragma once
// TProgressBar: a bar that fills from Min to Position over the platform's
// progress bar ("msctls_progress32"), in blocks or Smooth.
#include "framework/WinControl.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };
inline constexpr std::string_view kProgressBarOrientationNames[] = {"pbHorizontal", "pbVertical"};

class TProgressBar : public TWinControl {
  FW_CLASS(TProgressBar, TWinControl)
 public:
  explicit TProgressBar(TComponent* owner);
  static std::vector<TPropInfo> PublishedProperties();

  // Attributes. Min <= Position <= Max always holds.
  int Min() const noexcept { return min_; }
  void SetMin(int min) { SetRange(min, std::max(min, max_)); }
  int Max() const noexcept { return max_; }
  void SetMax(int max) { SetRange(std::min(min_, max), max); }
  void SetRange(int min, int max);
  int Position() const noexcept { return position_; }
  void SetPosition(int position);
  // The amount StepIt adds.
  int Step() const noexcept { return step_; }
  void SetStep(int step);
  TProgressBarOrientation Orientation() const noexcept { return orientation_; }
  void SetOrientation(TProgressBarOrientation orientation);
  bool Smooth() const noexcept { return smooth_; }
  void SetSmooth(bool smooth);

  // Operations. Both stop at Max (and Min for a negative delta).
  void StepIt() { StepBy(step_); }
  void StepBy(int delta);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int step_ = 10;
  TProgressBarOrientation orientation_ = pbHorizontal;
  bool smooth_ = false;
};
