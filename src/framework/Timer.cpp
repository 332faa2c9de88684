#include "framework/Timer.h"

#include "framework/Application.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  window_ = std::make_unique<TUtilityWindow>([this](TMessage& m) {
    if (m.Msg != WM_TIMER) return false;
    try {
      Timer();
    } catch (...) {
      Application.HandleException(*this);
    }
    m.Result = 0;
    return true;
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  if (running_) ::KillTimer(window_->Handle(), kTimerId);
}

void TTimer::UpdateTimer() {
  if (running_) {
    ::KillTimer(window_->Handle(), kTimerId);
    running_ = false;
  }
  if (!enabled_ || interval_ == 0 || Designing()) return;
  if (!::SetTimer(window_->Handle(), kTimerId, interval_, nullptr))
    throw EOutOfResources("Not enough timers available");
  running_ = true;
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  UpdateTimer();
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(*this);
}

std::vector<TPropInfo> TTimer::PublishedProperties() {
  return {
      BoolProp<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
      OrdProp<TTimer>("Interval", "Cardinal", TTypeKind::Integer, &TTimer::Interval, &TTimer::SetInterval),
  };
}
