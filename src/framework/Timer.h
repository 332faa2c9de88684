#pragma once
// TTimer: raises OnTimer every Interval milliseconds while Enabled, on the
// thread that created it (through a hidden window's WM_TIMER, so only while
// that thread handles messages).
#include <memory>

#include "framework/Component.h"
#include "framework/Types.h"
#include "framework/UtilityWindow.h"

class TTimer : public TComponent {
  FW_CLASS(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  // Attributes
  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const noexcept { return interval_; }
  void SetInterval(unsigned milliseconds);

  // Events
  TNotifyEvent OnTimer;

  static std::vector<TPropInfo> PublishedProperties();

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  bool running_ = false;
  std::unique_ptr<TUtilityWindow> window_;
};
